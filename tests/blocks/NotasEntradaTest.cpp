// Notas de entrada: seleção, despacho pelo modelo, situação do documento, C100 (inteiro e reduzido),
// C101 das devoluções com os créditos do DIFAL e as observações do ST.
#include <gtest/gtest.h>

#include "blocks/blocoC/NotasEntrada.h"
#include "blocks/blocoE/BlocoE.h"
#include "tests/blocks/NotasEntradaTeste.h"

namespace {

using teste::ItemEntradaTeste;
using teste::NotaEntradaTeste;
using util::DataHora;
using V = std::vector<std::string>;

TEST(CodigoNaLista, ComparaCodigosInteirosNuncaPedacos) {
    EXPECT_TRUE(blocks::CodigoNaLista("01-1B-04-55", "55"));
    EXPECT_TRUE(blocks::CodigoNaLista("01-1B-04-55", "1B"));
    EXPECT_TRUE(blocks::CodigoNaLista("07-08-8B-09-10-11-26-27-57-67", "67"));
    for (const char* pedaco : {"5", "1", "B", "0", "", "-", "1-", "4-5"})
        EXPECT_FALSE(blocks::CodigoNaLista("01-1B-04-55", pedaco)) << pedaco;
}

class NotasEntradaTest : public ::testing::Test, public teste::NotasEntradaTeste {
protected:
    static V NumerosC100(const V& linhas) {
        V r;
        for (const std::string& l : Registros(linhas, "C100")) r.push_back(Campo(l, 8));
        return r;
    }
};

TEST_F(NotasEntradaTest, PeriodoSemNotasNaoGravaNadaNemMostraLegenda) {
    V legendas;
    progresso.DefinirCallback([&](const core::TProgresso& p) { legendas.push_back(p.Texto); });
    NotaEntradaComItem({.entrada = "2024-04-01"});
    const V linhas = Gerar();
    EXPECT_TRUE(Registros(linhas, "C100").empty());
    for (const std::string& l : legendas) EXPECT_EQ(l.find("Notas de Entrada"), std::string::npos) << l;
}

TEST_F(NotasEntradaTest, NotaDeTerceiroGravaC100C170C190EOCreditoDoIcms) {
    NotaEntradaComItem({.chave = "31240344555666000181550010000123451000012345"});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C100"),
              V{"|C100|0|1|F000008|55|00|1|000012345|31240344555666000181550010000123451000012345|05032024|06032024|"
                "1000,00|1|0,00|0,00|1000,00|1|0,00|0,00|0,00|1000,00|180,00|0,00|0,00|0,00|16,50|76,00|0,00|0,00|"});
    const V c170 = Registros(linhas, "C170");
    ASSERT_EQ(c170.size(), 1u);
    EXPECT_EQ(c170[0],
              "|C170|001|501||100,00000|KG|1000,00|0,00|0|000|1101|000001|1000,00|18,00|180,00|0,00|0,00|"
              "0,00|0|03||0,00|0,00|0,00|50|1000,00|1,65|||16,50|50|1000,00|7,60|||76,00|11301|0,00|");
    EXPECT_EQ(Registros(linhas, "C190"), V{"|C190|000|1101|18,00|1000,00|1000,00|180,00|0,00|0,00|0,00|0,00||"});
    EXPECT_EQ(Campo(Registros(linhas, "E110")[0], 6), "180,00") << "VL_TOT_CREDITOS";
    EXPECT_EQ(Registros(linhas, "0190").size(), 1u);
}

TEST_F(NotasEntradaTest, SelecaoPorFilialPeriodoETipoDeDocumento) {
    NotaEntradaComItem({.docto = 1});
    NotaEntradaComItem({.docto = 2, .entrada = "2024-04-01"});
    NotaEntradaComItem({.docto = 3, .emissao = "2024-02-20", .entrada = "2024-03-31 23:59:00"});
    NotaEntradaComItem({.docto = 4, .tpdoc = "NFS"});
    NotaEntradaComItem({.docto = 5, .tpdoc = "CTRS"});
    NotaEntradaComItem({.docto = 6, .tpdoc = "NULL"});  // lida, mas sem modelo: fica fora
    NotaEntradaComItem({.docto = 7, .filial = 2});
    NotaEntradaComItem({.docto = 8, .tpdoc = "NF"});
    EXPECT_EQ(NumerosC100(Gerar()), (V{"1", "8", "3"}));

    params.FILIAL_2 = 2;
    EXPECT_EQ(NumerosC100(Gerar()), (V{"1", "8", "3", "7"}));
}

TEST_F(NotasEntradaTest, ModeloDecideODestinoComparandoOCodigoInteiro) {
    // Tipos sem linha em TIPO_DOCTO_FISCAL ficam com o próprio texto, que não casa com pedaços.
    NotaEntradaComItem({.docto = 1, .tpdoc = "5"});
    NotaEntradaComItem({.docto = 2, .tpdoc = "1"});
    NotaEntradaComItem({.docto = 3, .tpdoc = "55"});
    NotaEntradaComItem({.docto = 4, .tpdoc = "CTE", .vricm = 12});
    NotaEntradaComItem({.docto = 5, .tpdoc = "NFEE", .vricm = 30});
    NotaEntradaComItem({.docto = 6, .tpdoc = "NFCOM", .vricm = 5});
    EXPECT_EQ(NumerosC100(Gerar()), V{"3"}) << "sem ganchos, os outros documentos ficam fora";
    EXPECT_EQ(Campo(Registros(Gerar(), "E110")[0], 6), "180,00");

    std::vector<std::pair<std::string, int>> despachados;
    auto gancho = [&](const char* tipo) {
        return [&despachados, tipo](core::Geracao&, const blocks::TDocumentoEntrada& d) {
            despachados.emplace_back(tipo + d.modelo, d.nota.DOCTO_NE);
        };
    };
    const blocks::DespachoEntrada outros{
        .transporte = gancho("D"), .contaConsumo = gancho("C"), .comunicacao = gancho("M")};
    const V linhas = Gerar({{"entradas", [&](core::Geracao& g) { blocks::GerarNotasEntrada(g, outros); }},
                            {"bloco E", blocks::GerarBlocoE}});
    EXPECT_EQ(despachados, (std::vector<std::pair<std::string, int>>{{"D57", 4}, {"C06", 5}, {"M21", 6}}));
    EXPECT_EQ(Campo(Registros(linhas, "E110")[0], 6), "227,00") << "180 + 12 + 30 + 5";
}

TEST_F(NotasEntradaTest, SituacaoDoDocumento) {
    struct Caso {
        const char* nome;
        NotaEntradaTeste nota;
        const char* saida;  // TPNOTA_NS, SITUACAO_NS, CODSTATUS_NFE_NS da nota própria; vazio: nenhuma
        const char* codSit;
    };
    const Caso kCasos[] = {
        {"regular", {}, "", "00"},
        {"complementar", {.finalidade = "2"}, "", "06"},
        {"situação do ERP", {.sitDoc = "08"}, "", "08"},
        {"situação de um algarismo", {.sitDoc = "7"}, "", "07"},
        {"situação fora da tabela", {.sitDoc = "X1"}, "", "00"},
        {"própria cancelada", {.emitente = "S"}, "C,N,100", "02"},
        {"própria inutilizada não é cancelada", {.emitente = "S", .sitDoc = "01"}, "C,I,100", "01"},
        {"própria denegada", {.emitente = "S"}, "S,N,302", "04"},
        {"própria autorizada", {.emitente = "S"}, "S,N,100", "00"},
        {"de terceiro não olha NOTASAI", {}, "C,N,100", "00"},
    };
    // Antes de 2023 a denegada ainda aparece.
    params.DATA_INI = DataHora::Data(2022, 3, 1), params.DATA_FIM = DataHora::Data(2022, 3, 31);
    int docto = 0;
    for (Caso c : kCasos) {
        c.nota.docto = ++docto, c.nota.emissao = "2022-03-05", c.nota.entrada = "2022-03-06";
        NotaEntradaComItem(c.nota);
        const std::string saida = c.saida;
        if (!saida.empty())
            erp.Executar(fmt::format("INSERT INTO NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS, TPNOTA_NS, SITUACAO_NS, "
                                     "CODSTATUS_NFE_NS) VALUES (1, {}, '1', '{}', '{}', '{}');",
                                     docto, saida.substr(0, 1), saida.substr(2, 1), saida.substr(4)));
    }
    const V c100 = Registros(Gerar(), "C100");
    ASSERT_EQ(c100.size(), std::size(kCasos));
    for (size_t i = 0; i < c100.size(); ++i) EXPECT_EQ(Campo(c100[i], 6), kCasos[i].codSit) << kCasos[i].nome;
    EXPECT_EQ(erros.Erros().size(), 1u) << "a situação X1";
}

TEST_F(NotasEntradaTest, DocumentoSemEfeitoTemSoOC100ReduzidoSemFilhos) {
    struct Caso {
        const char* nome;
        NotaEntradaTeste nota;
        V c100;
    };
    const std::string chave = "31240344555666000181550010000123451000012345";
    const Caso kCasos[] = {
        {"cancelada, com ST", {.chave = chave, .sitDoc = "02", .vricmst = 50},
         {"|C100|0|1||55|02|1|000012345|" + chave + "|||||||||||||||||||||"}},
        {"denegada desde 2023 fica fora", {.sitDoc = "04"}, {}},
        {"inutilizada desde 2023 fica fora", {.sitDoc = "05"}, {}},
    };
    for (const Caso& c : kCasos) {
        erp.Executar("DELETE FROM ENTRADAMP; DELETE FROM NOTAENT;");
        NotaEntradaComItem(c.nota);
        const V linhas = Gerar();
        EXPECT_EQ(Registros(linhas, "C100"), c.c100) << c.nome;
        for (const char* filho : {"C101", "C170", "C190", "C195", "0150", "0460"})
            EXPECT_TRUE(Registros(linhas, filho).empty()) << c.nome << " " << filho;
    }
}

TEST_F(NotasEntradaTest, ObservacoesDoSTNaNotaRegular) {
    NotaEntradaComItem({.bicmst = 1200, .vricmst = 36.5});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C195"), (V{"|C195|STBASE|Base de Subts.Trib. destacada na Nota: R$ 1200,00|",
                                            "|C195|ST_VAL|Valor do Subts.Trib. destacado na Nota: R$ 36,50|"}));
    EXPECT_EQ(Registros(linhas, "0460").size(), 2u);
    EXPECT_EQ(Campo(Registros(linhas, "C100")[0], 20), "36,50") << "VL_OUT_DA leva o ST desde 2016";

    params.DATA_INI = DataHora::Data(2015, 12, 1), params.DATA_FIM = DataHora::Data(2015, 12, 31);
    erp.Executar("UPDATE NOTAENT SET ENTRADA_NE = '2015-12-06', EMISSAO_NE = '2015-12-05';"
                 "UPDATE ENTRADAMP SET DATA_EMP = '2015-12-06';");
    EXPECT_EQ(Campo(Registros(Gerar(), "C100")[0], 20), "0,00");
}

TEST_F(NotasEntradaTest, NumeroIndicadoresDeFreteEPagamento) {
    struct Caso {
        NotaEntradaTeste nota;
        const char *numDoc, *indPagto, *indFrt;
    };
    const Caso kCasos[] = {
        {{.docto = 1, .doctoFiscal = "77"}, "77", "1", "1"},
        {{.docto = 2, .prazo = "A VISTA", .numparc = 0, .tpfrete = "1"}, "2", "0", "0"},
        {{.docto = 3, .prazo = "", .numparc = 0, .tpfrete = "5"}, "3", "2", "4"},
        {{.docto = 4, .indpag = "9", .tpfrete = "9"}, "4", "9", "9"},
        {{.docto = 5, .tpfrete = ""}, "5", "1", "9"},
        {{.docto = 6, .tpfrete = "7"}, "6", "1", "9"},  // desconhecido: erro na lista
    };
    for (const Caso& c : kCasos) NotaEntradaComItem(c.nota);
    const V c100 = Registros(Gerar(), "C100");
    ASSERT_EQ(c100.size(), std::size(kCasos));
    for (size_t i = 0; i < c100.size(); ++i) {
        EXPECT_EQ(Campo(c100[i], 8), kCasos[i].numDoc);
        EXPECT_EQ(Campo(c100[i], 13), kCasos[i].indPagto) << kCasos[i].nota.docto;
        EXPECT_EQ(Campo(c100[i], 17), kCasos[i].indFrt) << kCasos[i].nota.docto;
    }
    ASSERT_EQ(erros.Erros().size(), 1u);
}

TEST_F(NotasEntradaTest, DevolucaoDeVendaComPartilhaGravaC101ECreditaODifal) {
    configuracoes.GERAR_REG_C101_DEVOLUCAO = true;
    CriarNotaSaida({.docto = 900, .tipo = "C", .codigo = 200, .cnpj = "52998224725", .uf = "RJ"});
    CriarItem({.docto = 900});
    erp.Executar("INSERT INTO ITENSNS_ICMS_DIFAL (FILIAL_ID, DOCTO_ID, SERIE_ID, ITEM_ID, VALOR_FUNDO_COMB_POB_ID, "
                 "VALOR_ICMS_UF_DEST_ID, VALOR_ICMS_UF_REMET_ID) VALUES (1, 900, '1', 1, 20, 50, 0);");
    CriarNotaEntrada({.docto = 600, .fornec = 200, .clifor = "C", .natoper = "2202"});
    CriarItemEntrada({.docto = 600, .fornec = 200, .mprima = 0, .prod = "1010", .un = "PC", .qtde = 2, .preco = 500,
                      .cfop = "2202", .filialDevol = 1, .nfDevol = 900, .itemDevol = 1, .serieDevol = "1"});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C101"), V{"|C101|20,00|0,00|50,00|"});
    const auto& e310 = g.estado.apuracao.E310;
    EXPECT_EQ(e310.at("RJ").VL_TOT_CREDITOS_DIFAL, core::Dinheiro::DeReal(50));
    EXPECT_EQ(e310.at("MG").VL_TOT_CREDITOS_DIFAL, core::Dinheiro{});
    // O produto devolvido leva o código do item da nota de saída.
    EXPECT_EQ(Campo(Registros(linhas, "C170")[0], 3), "1010");

    configuracoes.GERAR_REG_C101_DEVOLUCAO = false;
    EXPECT_TRUE(Registros(Gerar(), "C101").empty());
}

}  // namespace
