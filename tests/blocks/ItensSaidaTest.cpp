// Itens das notas de saída: C170, valor da operação, resumo C190 com a correção pela base da nota e
// o resumo do IPI (cdsRegE510).
#include <gtest/gtest.h>

#include <algorithm>

#include "blocks/blocoC/NotasSaida.h"
#include "tests/blocks/NotasSaidaTeste.h"
#include "util/Texto1252.h"

namespace {

using teste::ItemTeste;
using teste::NotaTeste;
using util::DataHora;
using V = std::vector<std::string>;

TEST(ValorOperacaoItem, TotalRealOuPrecoVezesQuantidade) {
    struct Caso {
        const char* nome;
        blocks::TItemSaida item;
        int itens;
        const char* finalidade;
        int64_t valor;  // décimos de milésimo
    };
    auto item = [](double prreal, double preco, double qtde, double ipi, double st, double suframa) {
        blocks::TItemSaida i;
        i.PRREAL_SA = prreal;
        i.PRECO_SA = preco;
        i.QTDE_SA = qtde;
        i.VRIPI_SA = ipi;
        i.VALOR_ICMS_SUBST_SA = st;
        i.VRDESCTO_SUFRAMA_SA = suframa;
        return i;
    };
    blocks::TItemSaida acessorios = item(0, 10, 3, 4, 0, 1);
    acessorios.VRFRETE_SA = 5;
    acessorios.VRSEGURO_SA = 1;
    acessorios.VRDESPESA_SA = 2;
    const Caso kCasos[] = {
        {"total real sem IPI, com ST", item(1000, 500, 2, 50, 30, 0), 1, "1", 9800000},
        {"total que confere perde a Suframa", item(1000, 500, 2, 0, 0, 70), 1, "1", 9300000},
        {"total que não confere fica com a Suframa", item(1000, 400, 2, 0, 0, 70), 1, "1", 10000000},
        {"preço × quantidade com acessórios", acessorios, 1, "1", 410000},
        {"complementar de um item vale a mercadoria da nota", item(0, 40, 0, 0, 0, 0), 1, "2", 2500000},
        {"complementar de dois itens vale o preço", item(0, 40, 0, 0, 0, 0), 2, "2", 400000},
        {"sem preço nem quantidade", item(0, 0, 0, 0, 0, 0), 1, "1", 0},
    };
    for (const Caso& c : kCasos) {
        const std::vector<blocks::TItemSaida> itens(c.itens, c.item);
        blocks::TRegistrosSaida registros;
        blocks::TDocumentoSaida doc{.nota = {}, .itens = itens, .registros = registros};
        doc.nota.FINALIDADE_NFE_NS = c.finalidade;
        doc.nota.VRMERC_NS = 250;
        EXPECT_EQ(blocks::ValorOperacaoItem(doc, c.item), c.valor) << c.nome;
    }
}

class ItensSaidaTest : public ::testing::Test, public teste::NotasSaidaTeste {
protected:
    std::vector<std::string> Mensagens() const {
        std::vector<std::string> m;
        for (const core::TErro& e : erros.Erros()) m.push_back(e.REG + " " + util::Cp1252ParaUtf8(e.MENS));
        return m;
    }
};

TEST_F(ItensSaidaTest, C170ComTodosOsCampos) {
    // C170 de NF-e própria pedidos pelo parâmetro GERAR_C170_SAI
    problemasEsperados = {"c170_nfe_propria"};
    params.GERAR_C170_SAI = "S";
    CriarNotaSaida({});
    CriarItem({.infad = "PINTURA AZUL"});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C170"),
              V{"|C170|1|1010|PINTURA AZUL|2,00000|PC|1000,00|0,00|0|000|5101|000001|1000,00|18,00|180,00|0,00|0,00|"
                "0,00|0|53|999|0,00|0,00|0,00|01|1000,00|1,65|||16,50|01|1000,00|7,60|||76,00|31101|0,00|"});
    EXPECT_EQ(Registros(linhas, "0400"), V{"|0400|000001|VENDA DE PRODUCAO|"});
    EXPECT_EQ(Campo(Registros(linhas, "0200")[0], 2), "1010");
    EXPECT_EQ(Registros(linhas, "0190"), V{"|0190|PC|PECA|"});
    EXPECT_TRUE(erros.Erros().empty()) << Mensagens()[0];
}

TEST_F(ItensSaidaTest, C170SoForaDaNfeOuComOParametroESoComQuantidade) {
    // o item sem quantidade fica fora dos C170, mas entra no C190
    problemasEsperados = {"c190_c170"};
    CriarNotaSaida({.docto = 1});  // modelo 55, sem GERAR_C170_SAI
    CriarItem({.docto = 1});
    CriarNotaSaida({.docto = 2, .modelo = "01", .especie = "NF"});
    CriarItem({.docto = 2, .item = 1, .qtde = 3, .qtdeReal = 0, .preco = 10, .prreal = 30, .bicm = 30, .vricm = 5.4});
    CriarItem({.docto = 2, .item = 2, .qtde = 3, .qtdeReal = 4, .preco = 10, .prreal = 40, .bicm = 40, .vricm = 7.2});
    CriarItem({.docto = 2, .item = 3, .qtde = 0, .preco = 0, .prreal = 5, .bicm = 5, .vricm = 0.9});  // sem quantidade
    erp.Executar("UPDATE NOTASAI SET BICMS_NS = 75, VRICMS_NS = 13.5 WHERE DOCTO_NS = 2");
    const V linhas = Gerar();
    V quantidades;
    for (const std::string& l : Registros(linhas, "C170")) quantidades.push_back(Campo(l, 2) + ":" + Campo(l, 5));
    EXPECT_EQ(quantidades, (V{"1:3,00000", "2:4,00000"}));
    EXPECT_EQ(Registros(linhas, "C190"), (V{"|C190|000|5101|18,00|1000,00|1000,00|180,00|0,00|0,00|0,00|0,00||",
                                           "|C190|000|5101|18,00|75,00|75,00|13,50|0,00|0,00|0,00|0,00||"}));
    EXPECT_EQ(Campo(Registros(linhas, "E110")[0], 2), "193,50");
    const auto& e510 = g.estado.apuracao.cdsRegE510;
    ASSERT_EQ(e510.size(), 1u);
    EXPECT_EQ(e510.begin()->first, (std::pair<std::string, std::string>{"5101", "53"}));
    EXPECT_EQ(e510.begin()->second.VL_CONT_IPI.Decimilesimos(), 10750000);
}

TEST_F(ItensSaidaTest, CstDeDoisCaracteresEGravadoEApontado) {
    // o CST de dois caracteres do ERP sai como está e a conferência aponta
    problemasEsperados = {"c170_nfe_propria", "tamanho_fixo"};
    params.GERAR_C170_SAI = "S";
    CriarNotaSaida({});
    CriarItem({.cst = "00"});
    const V linhas = Gerar();
    EXPECT_EQ(Campo(Registros(linhas, "C170")[0], 10), "00");
    EXPECT_EQ(Mensagens(), V{"C170 CST de ICMS do item 1 da NF saída num. 1001 inválido."});
}

TEST_F(ItensSaidaTest, ResumoPorCstCfopEAliquotaComReducaoDeBase) {
    problemasEsperados = {"totais_c100"};  // ST nos itens sem ST no cabeçalho da nota
    CriarNotaSaida({.bicms = 2300, .vricms = 402});
    CriarItem({.item = 1});
    CriarItem({.item = 2, .qtde = 1, .preco = 500, .prreal = 500, .bicm = 500, .vricm = 90});
    CriarItem({.item = 3, .qtde = 1, .preco = 200, .prreal = 200, .bicm = 200, .aliq = 12, .vricm = 24});
    CriarItem({.item = 4, .qtde = 1, .preco = 1000, .prreal = 1000, .cst = "020", .bicm = 600, .vricm = 108});
    CriarItem({.item = 5, .qtde = 1, .preco = 300, .prreal = 300, .cst = "060", .cfop = "5405", .bicm = 0, .aliq = 0,
               .vricm = 0, .baseSubst = 400, .vrSubst = 22});
    EXPECT_EQ(Registros(Gerar(), "C190"), (V{
                                              "|C190|000|5101|12,00|200,00|200,00|24,00|0,00|0,00|0,00|0,00||",
                                              "|C190|000|5101|18,00|1500,00|1500,00|270,00|0,00|0,00|0,00|0,00||",
                                              "|C190|020|5101|18,00|1000,00|600,00|108,00|0,00|0,00|400,00|0,00||",
                                              "|C190|060|5405|0,00|322,00|0,00|0,00|400,00|22,00|0,00|0,00||",
                                          }));
}

TEST_F(ItensSaidaTest, DiferencaDaBaseDaNotaEspalhadaPelosResumos) {
    problemasEsperados = {"totais_c100"};  // base e ICMS da nota diferentes da soma dos itens
    // Nota 1: 0,01 de base e de ICMS a mais na nota, quase tudo na primeira linha pela sua parte.
    CriarNotaSaida({.docto = 1, .bicms = 100, .vricms = 18});
    CriarItem({.docto = 1, .item = 1, .qtde = 1, .preco = 60, .prreal = 60, .bicm = 60, .vricm = 10.8});
    CriarItem({.docto = 1, .item = 2, .qtde = 1, .preco = 39.99, .prreal = 39.99, .cfop = "6101", .bicm = 39.99,
               .aliq = 12, .vricm = 7.19});
    // Nota 2: 0,02 em três partes iguais dá 0,03; o resto de -0,01 volta para a primeira linha.
    CriarNotaSaida({.docto = 2, .bicms = 300.02, .vricms = 54});
    for (const char* cfop : {"5101", "5102", "6101"})
        CriarItem({.docto = 2, .item = cfop[3] - '0' + (cfop[0] == '6' ? 2 : 0), .qtde = 1, .preco = 100,
                   .prreal = 100, .cfop = cfop, .bicm = 100, .vricm = 18});
    // Nota 3: itens com base maior que a da nota não mudam nada.
    CriarNotaSaida({.docto = 3, .bicms = 50, .vricms = 9});
    CriarItem({.docto = 3, .qtde = 1, .preco = 100, .prreal = 100, .bicm = 100, .vricm = 18});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C190"), (V{
                                              "|C190|000|5101|18,00|60,00|60,01|10,81|0,00|0,00|0,00|0,00||",
                                              "|C190|000|6101|12,00|39,99|39,99|7,19|0,00|0,00|0,00|0,00||",
                                              "|C190|000|5101|18,00|100,00|100,00|18,00|0,00|0,00|0,00|0,00||",
                                              "|C190|000|5102|18,00|100,00|100,01|18,00|0,00|0,00|0,00|0,00||",
                                              "|C190|000|6101|18,00|100,00|100,01|18,00|0,00|0,00|0,00|0,00||",
                                              "|C190|000|5101|18,00|100,00|100,00|18,00|0,00|0,00|0,00|0,00||",
                                          }));
    // O ICMS espalhado também entra na apuração: 17,99 + 0,01 + 54 + 18.
    EXPECT_EQ(Campo(Registros(linhas, "E110")[0], 2), "90,00");
}

TEST_F(ItensSaidaTest, AbatimentoNaoTributadoDoItemSoDesde2019) {
    // C170 de NF-e própria pedidos pelo parâmetro GERAR_C170_SAI
    problemasEsperados = {"c170_nfe_propria"};
    params.GERAR_C170_SAI = "S";
    for (const auto& [ano, mes, campos] : {std::tuple{2018, 12, 37}, std::tuple{2019, 1, 38}}) {
        erp.Executar("DELETE FROM ITENSNS; DELETE FROM NOTASAI;");
        params.DATA_INI = DataHora::Data(ano, mes, 1);
        params.DATA_FIM = DataHora::Data(ano, mes, 31);
        const std::string emissao = fmt::format("{}-{:02}-10", ano, mes);
        CriarNotaSaida({.emissao = emissao, .dtsaida = emissao});
        CriarItem({.suframa = 12.5});
        const std::string c170 = Registros(Gerar(), "C170").at(0);
        EXPECT_EQ(std::count(c170.begin(), c170.end(), '|') - 1, campos) << ano;
        EXPECT_EQ(Campo(c170, 8), "12,50") << "VL_DESC com a Suframa";
        if (ano == 2019) {
            EXPECT_EQ(Campo(c170, 38), "12,50");
        }
    }
}

TEST_F(ItensSaidaTest, IpiPorCfopECstComOValorDaOperacao) {
    CriarNotaSaida({.vripi = 100});
    CriarItem({.item = 1, .cstIpi = "050", .baseIpi = 1000, .aliqIpi = 10, .vripi = 100});
    CriarItem({.item = 2, .bicm = 0, .vricm = 0, .cstIpi = "50"});
    Gerar();
    const auto& e510 = g.estado.apuracao.cdsRegE510;
    ASSERT_EQ(e510.size(), 1u);
    const blocks::TRegE510& linha = e510.at({"5101", "50"});
    EXPECT_EQ(linha.VL_CONT_IPI.Decimilesimos(), 9000000 + 10000000);  // 1000 - 100 de IPI no total real que não confere; 1000
    EXPECT_EQ(linha.VL_BC_IPI.Decimilesimos(), 10000000);
    EXPECT_EQ(linha.VL_IPI.Decimilesimos(), 1000000);
}

}  // namespace
