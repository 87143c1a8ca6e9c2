// Rotinas de texto sobre bytes Windows-1252.
#include <gtest/gtest.h>

#include "util/Texto.h"
#include "util/Texto1252.h"

namespace {

using util::W;

TEST(TextoTest, TextoXMLDeixaUmaLinhaSeguraParaXML) {
    struct Caso {
        const char* nome;
        std::string texto;
        std::string esperado;
    };
    const Caso kCasos[] = {
        {"apara, junta brancos e escapa", W("  Calça  \"P&M\"  "), "Calca &quot;P&amp;M&quot;"},
        {"reservados na ordem", "a<b>c'd&lt;", "a&lt;b&gt;c&#39;d&amp;lt;"},
        {"CR vira branco", "linha1\rlinha2", "linha1 linha2"},
        {"CR LF vira um branco", "linha1\r\nlinha2", "linha1 linha2"},
        {"CR depois de branco some", "linha1 \r\n linha2", "linha1 linha2"},
        {"LF e TAB somem", "a\nb\tc", "abc"},
        {"controles nas pontas saem no aparar", "\t\r\n x \r\n", "x"},
        {"só brancos", "   ", ""},
        {"bytes acima de 126", W("nº 5 ª ñ è €"), "n&#186; 5 &#170; &#241; &#232; &#128;"},
        {"DEL", "a\x7F", "a&#127;"},
        {"acentos do português saem", W("AÇÃO é Ü"), "ACAO e U"},
    };
    for (const auto& c : kCasos) EXPECT_EQ(util::TextoXML(c.texto), c.esperado) << c.nome;
}

TEST(TextoTest, RemoverAcentosSoTrocaAsLetrasDaTabela) {
    EXPECT_EQ(util::RemoverAcentos(W("áÁâÂãÃàÀéÉêÊíÍóÓõÕôÔúÚüÜçÇ")), "aAaAaAaAeEeEiIoOoOoOuUuUcC");
    EXPECT_EQ(util::RemoverAcentos(W("èñÈÑìò ºª")), W("èñÈÑìò ºª"));
}

TEST(TextoTest, TruncarCortaSoQuandoPassa) {
    EXPECT_EQ(util::Truncar("abcdef", 3), "abc");
    EXPECT_EQ(util::Truncar("abc", 3), "abc");
    EXPECT_EQ(util::Truncar("ab", 3), "ab");
    EXPECT_EQ(util::Truncar("ab", 0), "");
}

TEST(TextoTest, DividirTextoAcrescentaPedacosAparadosSemVazios) {
    struct Caso {
        const char* texto;
        const char* separador;
        std::vector<std::string> esperado;
    };
    const Caso kCasos[] = {
        {" a ; b;;c ;  ", ";", {"a", "b", "c"}},
        {"um, dois", ", ", {"um", "dois"}},
        {"sem separador", ";", {"sem separador"}},
        {";;", ";", {}},
        {"", ";", {}},
        {" tudo ", "", {"tudo"}},
    };
    for (const auto& c : kCasos) {
        std::vector<std::string> lista{"antes"};
        util::DividirTexto(c.texto, c.separador, lista);
        std::vector<std::string> esperado{"antes"};
        esperado.insert(esperado.end(), c.esperado.begin(), c.esperado.end());
        EXPECT_EQ(lista, esperado) << c.texto;
    }
}

}  // namespace
