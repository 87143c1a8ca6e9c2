// Impressora em memória: as páginas entregues em Fechar e o que Abandonar e a configuração fazem.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "report/ImpressoraPaginas.h"

namespace {

using report::ImpressoraPaginas;
using report::Pagina;

TEST(ImpressoraPaginasTest, FecharEntregaAsPaginasNaOrdem) {
    std::vector<Pagina> entregues;
    int entregas = 0;
    ImpressoraPaginas impressora([&](const std::vector<Pagina>& p) {
        entregues = p;
        ++entregas;
    });
    impressora.Abrir();
    EXPECT_EQ(impressora.NumeroPagina(), 1);
    impressora.Imprimir(1, 1, "um");
    impressora.NovaPagina();
    EXPECT_EQ(impressora.NumeroPagina(), 2);
    impressora.Imprimir(2, 3, "dois");
    impressora.Fechar();

    ASSERT_EQ(entregas, 1);
    ASSERT_EQ(entregues.size(), 2u);
    EXPECT_EQ(entregues[0].Linha(1), "um");
    EXPECT_EQ(entregues[1].Linha(1), "");
    EXPECT_EQ(entregues[1].Linha(2), "  dois");
}

TEST(ImpressoraPaginasTest, AbrirDeNovoComecaDoZero) {
    std::vector<Pagina> entregues;
    ImpressoraPaginas impressora([&](const std::vector<Pagina>& p) { entregues = p; });
    impressora.Abrir();
    impressora.NovaPagina();
    impressora.Abandonar();
    impressora.Abrir();
    impressora.Imprimir(1, 1, "novo");
    impressora.Fechar();
    ASSERT_EQ(entregues.size(), 1u);
    EXPECT_EQ(entregues[0].Linha(1), "novo");
}

TEST(ImpressoraPaginasTest, AbandonarNaoEntregaNada) {
    bool entregou = false;
    ImpressoraPaginas impressora([&](const std::vector<Pagina>&) { entregou = true; });
    impressora.Abandonar();  // sem Abrir também vale
    impressora.Abrir();
    impressora.Imprimir(1, 1, "x");
    impressora.Abandonar();
    EXPECT_FALSE(entregou);
    EXPECT_TRUE(impressora.Paginas().empty());
    EXPECT_THROW(impressora.Imprimir(1, 1, "x"), std::logic_error);
    EXPECT_THROW(impressora.Fechar(), std::logic_error);
}

TEST(ImpressoraPaginasTest, ConfiguracaoSemRespostaAceitaECanceladaRecusa) {
    ImpressoraPaginas aceita([](const std::vector<Pagina>&) {});
    EXPECT_TRUE(aceita.ConfigurarImpressora());
    ImpressoraPaginas cancelada([](const std::vector<Pagina>&) {}, [] { return false; });
    EXPECT_FALSE(cancelada.ConfigurarImpressora());
}

}  // namespace
