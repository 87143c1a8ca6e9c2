#include <gtest/gtest.h>

#include <fmt/format.h>

#include <random>
#include <vector>

#include "core/Formatacao.h"

namespace {

TEST(Formatacao, ValoresComVirgulaEArredondamentoParaLongeDoZero) {
    struct Caso {
        double numero;
        int casas;
        const char* esperado;
    };
    const Caso kCasos[] = {
        {0, 2, "0,00"},         {12, 0, "12"},           {1234567.891, 2, "1234567,89"},
        {2.675, 2, "2,68"},     {-2.675, 2, "-2,68"},    {0.005, 2, "0,01"},
        {-0.004, 2, "0,00"},    {267.49999999999997, 0, "268"}, {1.23456789, 6, "1,234568"},
        {0.1 + 0.2, 2, "0,30"}, {99999999999.995, 2, "100000000000,00"},
    };
    for (const Caso& c : kCasos) EXPECT_EQ(core::FormatarValor(c.numero, c.casas), c.esperado) << c.numero;
    EXPECT_EQ(core::FormatarValor(db::Decimal{12345, 4}, 2), "1,23");
    EXPECT_EQ(core::FormatarValorDecimilesimos(-15000, 2), "-1,50");
}

TEST(Formatacao, ArredondarDatasENumeros) {
    EXPECT_DOUBLE_EQ(core::Arredondar(267.49999999999997, 0), 268);
    EXPECT_DOUBLE_EQ(core::Arredondar(1.005, 2), 1.01);
    EXPECT_DOUBLE_EQ(core::Arredondar(-1.005, 2), -1.01);
    EXPECT_DOUBLE_EQ(core::Arredondar(1.004, 2), 1.0);
    EXPECT_EQ(core::FormatarDataEFD({2024, 3, 5, 23, 59, 59}), "05032024");
    EXPECT_EQ(core::SomenteNumeros("12.345.678/0001-95 a"), "12345678000195");
}

}  // namespace

// O caminho rápido de Decimal15Algarismos tem de dar o mesmo valor que o "{:.15g}".
TEST(Formatacao, Decimal15AlgarismosIgualAoFormatoDe15Algarismos) {
    auto comoNoFormato = [](double x) -> std::optional<db::Decimal> {
        const std::string s = fmt::format("{:.15g}", x);
        if (s.find_first_of("eE") != std::string::npos) return std::nullopt;
        return db::Decimal::DeTexto(s);
    };
    std::vector<double> valores = {0,       -0.0,    2.675,   0.1 + 0.2, 1e14 + 0.3, 123456789012.345, 0.0001,
                                   0.00009, 1e15,    999999999999999.0, 1e15 - 0.5, 1.0 / 3, -2.5e-3, 7.0 / 9 * 1e10};
    std::mt19937_64 gerador(20261210);
    for (int i = 0; i < 200000; ++i) {
        const int64_t centavos = static_cast<int64_t>(gerador() % 100000000000ull) - 50000000000ll;
        valores.push_back(centavos / 100.0);                                // valores de NUMERIC(15,2)
        valores.push_back(centavos / 100.0 * 0.18);                         // produtos com muitos algarismos
        valores.push_back(std::ldexp(static_cast<double>(gerador() >> 11), -static_cast<int>(gerador() % 80)));
    }
    for (const double x : valores) {
        const auto esperado = comoNoFormato(x);
        const auto obtido = core::Decimal15Algarismos(x);
        ASSERT_EQ(obtido.has_value(), esperado.has_value()) << fmt::format("{:.17g}", x);
        if (esperado) {
            ASSERT_TRUE(*obtido == *esperado) << fmt::format("{:.17g}", x);
        }
    }
}

TEST(Dinheiro, ValorDoErpArredondadoNaQuartaCasaComEmpateParaOPar) {
    const std::pair<double, int64_t> kCasos[] = {
        {10.00005, 100000}, {10.00015, 100002}, {-1.00005, -10000}, {2.675, 26750}, {0.00004999, 0},
    };
    for (const auto& [valor, decimilesimos] : kCasos)
        EXPECT_EQ(core::Dinheiro::DeReal(valor).Decimilesimos(), decimilesimos) << fmt::format("{:.17g}", valor);
    EXPECT_EQ(core::FormatarValor(core::Dinheiro::DeDecimilesimos(-15000), 2), "-1,50");
}
