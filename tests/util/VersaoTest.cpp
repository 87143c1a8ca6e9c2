// Comparação de versões do programa.
#include <gtest/gtest.h>

#include <stdexcept>

#include "util/Versao.h"

namespace {

TEST(VersaoTest, ComparaParteAParteComoNumeros) {
    struct Caso {
        const char* a;
        const char* b;
        bool maisNova;
    };
    static constexpr Caso kCasos[] = {
        {"1.1.100", "1.1.83", true}, {"1.2.0", "1.10.0", false},  {"1.10.0", "1.2.0", true},
        {"2.0.0", "1.99.99", true},  {"1.99.99", "2.0.0", false}, {"1.1.1", "1.1.1", false},
        {"1.2.3", "1.2.4", false},   {"01.002.3", "1.2.2", true},
    };
    for (const auto& c : kCasos)
        EXPECT_EQ(util::VersaoMaisNova(c.a, c.b), c.maisNova) << c.a << " x " << c.b;
}

TEST(VersaoTest, VersaoSemTresPartesInteirasLanca) {
    static constexpr const char* kInvalidas[] = {
        "", "1.2", "1.2.3.4", "1..3", "1.2.", "a.b.c", "1.2.3a", "1.2. 3", "99999999999.0.0"};
    for (const char* v : kInvalidas) {
        EXPECT_THROW(util::VersaoMaisNova(v, "1.0.0"), std::invalid_argument) << v;
        EXPECT_THROW(util::VersaoMaisNova("1.0.0", v), std::invalid_argument) << v;
    }
}

}  // namespace
