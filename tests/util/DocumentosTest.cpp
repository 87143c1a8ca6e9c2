// CPF e CNPJ: dígitos, máscara e verificadores.
#include <gtest/gtest.h>

#include "util/Documentos.h"

namespace {

TEST(DocumentosTest, DesformataFicaSoComOsDigitos) {
    struct Caso {
        const char* texto;
        const char* esperado;
    };
    static constexpr Caso kCasos[] = {
        {"a1b2c3", "123"},
        {"12.345.678/0001-95", "12345678000195"},
        {"", ""},
        {"sem digitos", ""},
        {"\xB9\xB2\xB3 0", "0"},  // ¹²³ em Windows-1252 não são dígitos
    };
    for (const auto& c : kCasos) EXPECT_EQ(util::desFormataCGCCPF(c.texto), c.esperado) << c.texto;
}

TEST(DocumentosTest, FormataPelaQuantidadeDeDigitos) {
    struct Caso {
        const char* texto;
        const char* esperado;
    };
    static constexpr Caso kCasos[] = {
        {"12345678000195", "12.345.678/0001-95"},
        {"123.456.789-09", "123.456.789-09"},
        {"12345678909", "123.456.789-09"},
        {" 12 345 678 0001 95 ", "12.345.678/0001-95"},
        {"12345", "12345"},
        {"123.456.789-0", "1234567890"},
        {"123456780001951", "123456780001951"},
        {"", ""},
    };
    for (const auto& c : kCasos) EXPECT_EQ(util::formataCGCCPF(c.texto), c.esperado) << c.texto;
}

TEST(DocumentosTest, ConfereOsDigitosVerificadores) {
    struct Caso {
        const char* texto;
        bool valido;
        const char* nome;
    };
    static constexpr Caso kCasos[] = {
        {"12.345.678/0001-95", true, "CNPJ com máscara"},
        {"12.345.678/0001-96", false, "verificador do CNPJ trocado"},
        {"12.345.679/0001-95", false, "dígito da base do CNPJ trocado"},
        {"11222333000181", true, "CNPJ sem máscara"},
        {"11222333000009", true, "primeiro verificador do CNPJ dá 11 → 0"},
        {"11222333100640", true, "segundo verificador do CNPJ dá 10 → 0"},
        {"1122233300018", false, "CNPJ com 13 dígitos"},
        {"112223330001810", false, "CNPJ com um dígito a mais"},
        {"123.456.789-09", true, "CPF com resto 10 no primeiro verificador (correção 9)"},
        {"111.444.777-35", true, "CPF comum"},
        {"111.444.003-50", true, "segundo verificador do CPF dá 10 → 0"},
        {"111.444.777-53", false, "verificadores do CPF invertidos"},
        {"123.456.789-091", false, "CPF válido seguido de mais um dígito"},
        {"123456789", false, "só a base do CPF"},
        {"1234567890", false, "CPF com 10 dígitos"},
        {"12345678", false, "menos de 9 dígitos"},
        {"", false, "vazio"},
    };
    for (const auto& c : kCasos) EXPECT_EQ(util::CgcCpfValido(c.texto), c.valido) << c.nome;
}

}  // namespace
