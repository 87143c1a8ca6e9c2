#include <gtest/gtest.h>

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
