// As rotinas exportadas, carregadas da biblioteca compartilhada como outro programa faria.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "util/exportadas/efdrotinas.h"

namespace {

class ExportadasTest : public ::testing::Test {
protected:
    void SetUp() override {
        biblioteca = dlopen(EFDROTINAS_SO, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(biblioteca, nullptr) << dlerror();
        des = Rotina<decltype(&::des)>("des");
        desFormata = Rotina<decltype(&::desFormataCGCCPF)>("desFormataCGCCPF");
        formata = Rotina<decltype(&::formataCGCCPF)>("formataCGCCPF");
        valido = Rotina<decltype(&::CgcCpfValido)>("CgcCpfValido");
    }
    void TearDown() override {
        if (biblioteca) dlclose(biblioteca);
    }

    template <typename F>
    F Rotina(const char* nome) {
        void* simbolo = dlsym(biblioteca, nome);
        EXPECT_NE(simbolo, nullptr) << nome;
        return reinterpret_cast<F>(simbolo);
    }

    void* biblioteca = nullptr;
    decltype(&::des) des = nullptr;
    decltype(&::desFormataCGCCPF) desFormata = nullptr;
    decltype(&::formataCGCCPF) formata = nullptr;
    decltype(&::CgcCpfValido) valido = nullptr;
};

TEST_F(ExportadasTest, DesReescreveOBufferNoLugar) {
    struct Caso {
        const char* texto;
        const char* esperado;
    };
    static constexpr Caso kCasos[] = {
        {"12.345.678/0001-95", "12345678000195"}, {"a1b2c3", "123"}, {"sem digitos", ""}, {"", ""}};
    for (const auto& c : kCasos) {
        char buffer[32];
        std::strcpy(buffer, c.texto);
        EXPECT_EQ(des(buffer), buffer);
        EXPECT_STREQ(buffer, c.esperado);
    }
    EXPECT_EQ(des(nullptr), nullptr);
}

TEST_F(ExportadasTest, TextosVaoParaOBufferDoChamador) {
    char saida[32];
    EXPECT_EQ(formata("12345678000195", saida, sizeof saida), 18u);
    EXPECT_STREQ(saida, "12.345.678/0001-95");
    EXPECT_EQ(desFormata("a1b2c3", saida, sizeof saida), 3u);
    EXPECT_STREQ(saida, "123");
    EXPECT_EQ(formata(nullptr, saida, sizeof saida), 0u);
    EXPECT_STREQ(saida, "");
}

TEST_F(ExportadasTest, BufferCurtoCortaEInformaOTamanhoNecessario) {
    EXPECT_EQ(formata("12345678909", nullptr, 0), 14u);
    char saida[8];
    std::memset(saida, 'z', sizeof saida);
    EXPECT_EQ(formata("12345678909", saida, 5), 14u);
    EXPECT_STREQ(saida, "123.");
    EXPECT_EQ(saida[5], 'z');
    EXPECT_EQ(desFormata("123", saida, 1), 3u);
    EXPECT_STREQ(saida, "");
}

TEST_F(ExportadasTest, CgcCpfValido) {
    EXPECT_EQ(valido("12.345.678/0001-95"), 1);
    EXPECT_EQ(valido("12.345.678/0001-94"), 0);
    EXPECT_EQ(valido("123.456.789-09"), 1);
    EXPECT_EQ(valido(nullptr), 0);
}

}  // namespace
