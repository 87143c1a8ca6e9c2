// Página de texto em passo fixo: onde o texto cai e os limites da página.
#include <gtest/gtest.h>

#include <stdexcept>

#include "report/Pagina.h"

namespace {

using report::Pagina;

TEST(PaginaTest, EscreverPosicionaPorLinhaEColuna) {
    struct Caso {
        const char* nome;
        int coluna1;
        const char* texto1;
        int coluna2;
        const char* texto2;
        const char* esperado;
    };
    const Caso kCasos[] = {
        {"coluna além do fim completa com brancos", 1, "ab", 5, "cd", "ab  cd"},
        {"sobrepõe só o trecho escrito", 1, "abcdef", 3, "XY", "abXYef"},
        {"passa do fim do texto anterior", 1, "abc", 2, "XYZW", "aXYZW"},
        {"primeira escrita longe da margem", 4, "x", 4, "", "   x"},
    };
    for (const auto& c : kCasos) {
        Pagina p;
        p.Escrever(7, c.coluna1, c.texto1);
        p.Escrever(7, c.coluna2, c.texto2);
        EXPECT_EQ(p.Linha(7), c.esperado) << c.nome;
    }
}

TEST(PaginaTest, TextoAlemDaColuna136FicaGuardado) {
    Pagina p;
    p.Escrever(1, 130, std::string(20, 'x'));
    EXPECT_EQ(p.Linha(1).size(), 149u);
}

TEST(PaginaTest, UltimaLinhaUsada) {
    Pagina p;
    EXPECT_EQ(p.UltimaLinhaUsada(), 0);
    p.Escrever(3, 1, "a");
    p.Escrever(66, 136, "b");
    EXPECT_EQ(p.UltimaLinhaUsada(), 66);
}

TEST(PaginaTest, ForaDaPaginaLanca) {
    const struct { int linha, coluna; } kCasos[] = {{0, 1}, {67, 1}, {1, 0}, {1, 137}};
    for (const auto& c : kCasos) {
        Pagina p;
        EXPECT_THROW(p.Escrever(c.linha, c.coluna, "x"), std::out_of_range)
            << c.linha << "," << c.coluna;
    }
    EXPECT_THROW(Pagina().Linha(67), std::out_of_range);
}

}  // namespace
