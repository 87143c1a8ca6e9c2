#include <gtest/gtest.h>

#include "core/ArmazemSped.h"
#include "core/ListaErros.h"
#include "core/RegistroEFD.h"

namespace {

using core::TRegistroEFD;

TEST(RegistroEFD, LinhaAparaCadaValorEMantemVaziosEIgual) {
    TRegistroEFD r;
    r.SetCampo("REG", "C990");
    r.SetCampo("QTD_LIN_C", " 7 ");
    EXPECT_EQ(r.Linha(), "|C990|7|");

    r.Clear();
    r.SetCampo("REG", "0001");
    EXPECT_EQ(r.Linha(), "|0001|");

    r.Clear();
    r.SetCampo("REG", "0000");
    r.SetCampo("A", "x");
    r.SetCampo("B", "");
    r.SetCampo("C", "\t\ty=z\r\n");
    EXPECT_EQ(r.Linha(), "|0000|x||y=z|");
}

TEST(RegistroEFD, SetCampoSubstituiNoLugarEGetCampoIgnoraCaixa) {
    TRegistroEFD r;
    r.SetCampo("REG", "0200");
    r.SetCampo("COD_ITEM", "1");
    r.SetCampo("DESCR_ITEM", "Parafuso");
    r.SetCampo("cod_item", "2");
    EXPECT_EQ(r.Linha(), "|0200|2|Parafuso|");
    EXPECT_EQ(r.GetCampo("Cod_Item"), "2");
    EXPECT_EQ(r.GetCampo("NAO_EXISTE"), "");

    r.SetCampoPorPosicao(2, "Porca");
    r.SetCampoPorPosicao(-1, "extra");
    EXPECT_EQ(r.Linha(), "|0200|2|Porca|extra|");
    EXPECT_THROW(r.SetCampoPorPosicao(9, "x"), std::out_of_range);
}

// Registros bem maiores que os do leiaute, entradas sem nome e reaproveitamento depois de Clear.
TEST(RegistroEFD, MuitosCamposEEntradasSemNome) {
    TRegistroEFD r;
    for (int rodada = 0; rodada < 2; ++rodada) {
        r.Clear();
        r.SetCampoPorPosicao(-1, "a");
        r.SetCampoPorPosicao(-1, "b");
        for (int i = 0; i < 150; ++i) r.SetCampo("CAMPO_" + std::to_string(i), std::to_string(i));
        for (int i = 0; i < 150; i += 7) r.SetCampo("campo_" + std::to_string(i), "x" + std::to_string(i));
        ASSERT_EQ(r.Quantidade(), 152u);
        for (int i = 0; i < 150; ++i)
            EXPECT_EQ(r.GetCampo("Campo_" + std::to_string(i)), (i % 7 ? "" : "x") + std::to_string(i));
        EXPECT_EQ(r.GetCampo(""), "a") << "a primeira entrada sem nome";
        r.SetCampo("", "c");
        EXPECT_EQ(r.Campos()[0].second, "c");
        EXPECT_EQ(r.Campos()[1].second, "b");
    }
}

TEST(DividirLinha, SeparaCamposComoAUnificacaoEspera) {
    struct Caso {
        const char* linha;
        std::vector<std::string> campos;
    };
    const Caso kCasos[] = {
        {"|0150|C1|Nome com  brancos|", {"0150", "C1", "Nome com  brancos", ""}},
        {"|C100|||1|", {"C100", "", "", "1", ""}},
        {"|0450|1|\"texto | com barra\"|", {"0450", "1", "texto | com barra", ""}},
        {"|0000|A\tB|", {"0000", "A", "B", ""}},
        {"|9999|10", {"9999", "10"}},
    };
    for (const Caso& c : kCasos) EXPECT_EQ(core::DividirLinha(c.linha), c.campos) << c.linha;
}

TEST(ChaveAgrupamento, SoOsRegistrosMestresTemChave) {
    struct Caso {
        const char* codigo;
        const char* campo;
        bool temChave;
    };
    const Caso kCasos[] = {{"0150", "COD_PART", true}, {"0190", "UNID", true},   {"0200", "COD_ITEM", true},
                           {"0400", "COD_NAT", true},  {"0450", "COD_INF", true}, {"0460", "COD_OBS", true},
                           {"0500", "COD_CTA", true},  {"0175", "COD_PART", false}, {"C100", "COD_PART", false}};
    for (const Caso& c : kCasos) {
        TRegistroEFD r;
        r.SetCampo("REG", c.codigo);
        r.SetCampo(c.campo, " K1 ");
        EXPECT_EQ(core::ArmazemSped::ChaveAgrupamento(r), c.temChave ? " K1 " : "") << c.codigo;
        const std::string linha = std::string("|") + c.codigo + "|K1|x|";
        EXPECT_EQ(core::ArmazemSped::ChaveAgrupamento(c.codigo, linha), c.temChave ? "K1" : "") << c.codigo;
    }
}

TEST(ListaErros, UnicaPorCodigoEMensagemCortandoOsLimites) {
    core::ListaErros erros;
    erros.AdicionarErro("0200", "x");
    erros.AdicionarErro("0200", "x");
    erros.AdicionarErro("0200", "y");
    erros.AdicionarErro("C100XX", std::string(600, 'm'));
    ASSERT_EQ(erros.Quantidade(), 3u);
    auto it = erros.Erros().begin();
    EXPECT_EQ(it->MENS, "x");
    ++it;
    EXPECT_EQ(it->MENS, "y");
    ++it;
    EXPECT_EQ(it->REG, "C100");
    EXPECT_EQ(it->MENS.size(), 500u);
}

}  // namespace
