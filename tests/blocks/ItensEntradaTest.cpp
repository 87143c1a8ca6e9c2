// Itens das notas de entrada: linhas de matéria-prima e de produto, junção das linhas sem grade,
// C170, C190, E510, desconto, CST do IPI e o CFOP das devoluções.
#include <gtest/gtest.h>

#include "blocks/blocoC/NotasEntrada.h"
#include "core/Formatacao.h"
#include "tests/blocks/NotasEntradaTeste.h"

namespace {

using blocks::TItemEntrada;
using teste::ItemEntradaTeste;
using teste::NotaEntradaTeste;
using util::DataHora;
using V = std::vector<std::string>;

class ItensEntradaTest : public ::testing::Test, public teste::NotasEntradaTeste {
protected:
    // Campo 'n' de cada linha do registro.
    static V Campos(const V& linhas, const std::string& reg, int n) {
        V r;
        for (const std::string& l : Registros(linhas, reg)) r.push_back(Campo(l, n));
        return r;
    }
};

TEST_F(ItensEntradaTest, TamanhosSemGradeViramUmaLinhaEComGradeFicamSeparados) {
    CriarNotaEntrada({});
    for (const char* tamanho : {"P", "M", "G"})
        CriarItemEntrada({.tamanho = tamanho, .cor = "AZ", .qtde = 10, .prreal = 100, .bicm = 100, .vricm = 18});
    CriarItemEntrada({.item = 2, .qtde = 5, .preco = 2, .prreal = 10, .bicm = 10, .vricm = 1.8});
    V linhas = Gerar();
    EXPECT_EQ(Campos(linhas, "C170", 2), (V{"001", "002"}));
    EXPECT_EQ(Campos(linhas, "C170", 5), (V{"30,00000", "5,00000"}));
    EXPECT_EQ(Campos(linhas, "C170", 7), (V{"300,00", "10,00"})) << "30 x 10 e 5 x 2";
    EXPECT_EQ(Campos(linhas, "C170", 26), (V{"300,00", "10,00"})) << "a base do PIS também é somada";
    EXPECT_EQ(Campos(linhas, "C190", 5), V{"310,00"});

    configuracoes.GERAR_GRADE_MP = true;
    linhas = Gerar();
    EXPECT_EQ(Campos(linhas, "C170", 5), (V{"10,00000", "10,00000", "10,00000", "5,00000"}));
    EXPECT_EQ(Campos(linhas, "C170", 2), (V{"001", "002", "003", "004"}));
    EXPECT_EQ(Campos(linhas, "C190", 5), V{"310,00"});
}

TEST_F(ItensEntradaTest, QuantidadeZeroOuNegativaENotaPropriaNaoGravamC170MasSomamNoC190) {
    CriarNotaEntrada({.docto = 1});
    CriarItemEntrada({.docto = 1, .item = 1, .qtde = 0, .prreal = 40, .bicm = 40, .vricm = 7.2});
    CriarItemEntrada({.docto = 1, .item = 2, .qtde = -3, .prreal = 60, .bicm = 60, .vricm = 10.8});
    CriarItemEntrada({.docto = 1, .item = 3});
    CriarNotaEntrada({.docto = 2, .finalidade = "2"});  // complementar: quantidade zero é informada
    CriarItemEntrada({.docto = 2, .qtde = 0, .prreal = 40, .bicm = 40, .vricm = 7.2});
    CriarNotaEntrada({.docto = 3, .emitente = "S"});
    CriarItemEntrada({.docto = 3});
    const V linhas = Gerar();
    EXPECT_EQ(Campos(linhas, "C170", 5), (V{"100,00000", "0,00000"}));
    EXPECT_EQ(Campos(linhas, "C190", 5), (V{"1100,00", "40,00", "1000,00"}));
    EXPECT_EQ(Campos(linhas, "C100", 3), (V{"1", "1", "0"}));
}

TEST_F(ItensEntradaTest, LinhasDeProdutoSomadasPorItemQuandoNaoHaMateriaPrima) {
    CriarNotaEntrada({.natoper = "1202"});
    for (const char* tamanho : {"38", "40"})
        erp.Executar(fmt::format(
            "INSERT INTO ENTRADAPROD (FILIAL_EP, FORNEC_EP, DOCTO_EP, SERIE_EP, ITEM_EP, TAMANHO_EP, DATA_EP, "
            "PRODUTO_EP, PADRONIZ_EP, QTDE_EP, PRECO_EP, PRREAL_EP, CST_EP, CFOP_EP, BASEICM_EP, ICMS_EP, VRICM_EP, "
            "CST_IPI_EP, CST_PIS_EP, CST_COFINS_EP, ALIQ_PIS_EP, VALOR_PIS_EP) VALUES (1, 8, 500, '1', 1, '{}', "
            "'2024-03-06', '1010', '', 2, 850, 1700, '000', '1202', 1700, 18, 306, '', '98', '98', 0, 0);",
            tamanho));
    const V linhas = Gerar();
    const V c170 = Registros(linhas, "C170");
    ASSERT_EQ(c170.size(), 1u);
    EXPECT_EQ(Campo(c170[0], 3), "1010");
    EXPECT_EQ(Campo(c170[0], 4), "") << "produto não tem descrição complementar";
    EXPECT_EQ(Campo(c170[0], 5), "4,00000");
    EXPECT_EQ(Campo(c170[0], 6), "PC");
    EXPECT_EQ(Campo(c170[0], 7), "3400,00");
    EXPECT_EQ(Campo(c170[0], 9), "1") << "IND_MOV do produto";
    EXPECT_EQ(Campo(c170[0], 20), "03") << "CST_IPI da classe do IPI da nota";
    EXPECT_EQ(Campos(linhas, "C190", 5), V{"3400,00"});
}

TEST_F(ItensEntradaTest, ProdutoDevolvidoLevaOCodigoDaNotaDeSaidaSoComCfopDeDevolucao) {
    CriarNotaSaida({.docto = 900});
    CriarItem({.docto = 900, .prod = "1010.07"});
    CriarNotaEntrada({.natoper = "1202"});
    const ItemEntradaTeste devolvido{.mprima = 0, .prod = "1010", .un = "PC", .qtde = 1, .preco = 500, .prreal = 500,
                                     .filialDevol = 1, .nfDevol = 900, .itemDevol = 1, .serieDevol = "1"};
    auto item = devolvido;
    item.cfop = "1202";
    CriarItemEntrada(item);
    item.item = 2, item.cfop = "1102";
    CriarItemEntrada(item);
    EXPECT_EQ(Campos(Gerar(), "C170", 3), (V{"1010.07", "1010"}));

    params.CFOP_DEVOLUCAO = "1102";
    EXPECT_EQ(Campos(Gerar(), "C170", 3), (V{"1010", "1010.07"}));
}

TEST_F(ItensEntradaTest, ResumosDoIpiEReducaoDaBase) {
    CriarNotaEntrada({});
    CriarItemEntrada({.item = 1, .cst = "020", .bicm = 600, .vricm = 108, .cstIpi = "050", .baseIpi = 1000,
                      .aliqIpi = 5, .vripi = 50});
    CriarItemEntrada({.item = 2, .prreal = 500, .cst = "020", .bicm = 700, .vricm = 126, .cfisipi = "9"});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C190"),
              V{"|C190|020|1101|18,00|1500,00|1300,00|234,00|0,00|0,00|400,00|50,00||"});
    EXPECT_EQ(Campos(linhas, "C170", 20), (V{"50", "49"}));
    const auto& e510 = g.estado.apuracao.cdsRegE510;
    ASSERT_EQ(e510.size(), 2u);
    EXPECT_EQ(e510.at({"1101", "50"}).VL_IPI, core::Dinheiro::DeReal(50));
    EXPECT_EQ(e510.at({"1101", "49"}).VL_CONT_IPI, core::Dinheiro::DeReal(500));
    EXPECT_EQ(Campo(Registros(linhas, "C100")[0], 25), "50,00") << "VL_IPI do C100";
}

TEST_F(ItensEntradaTest, CstDoIpiSempreComDoisCaracteres) {
    struct Caso {
        const char *tabela, *cst, *classeItem, *classeNota, *esperado;
    };
    const Caso kCasos[] = {
        {"ENTRADAMP", "050", "", "", "50"},   {"ENTRADAMP", "49", "", "", "49"},
        {"ENTRADAMP", "3", "", "", "03"},     {"ENTRADAMP", "", "3", "", "03"},
        {"ENTRADAMP", "", "9", "", "49"},     {"ENTRADAMP", "", "", "2", ""},
        {"ENTRADAPROD", "", "", "2", "02"},   {"ENTRADAPROD", "", "", "", ""},
    };
    for (const Caso& c : kCasos) {
        blocks::TNotaEntrada ne;
        ne.CFISIPI_NE = c.classeNota;
        TItemEntrada i;
        i.NOME_TABELA = c.tabela, i.CST_IPI = c.cst, i.CFISIPI_EMP = c.classeItem;
        EXPECT_EQ(blocks::CstIpiEntrada(ne, i), c.esperado) << c.tabela << " " << c.cst << c.classeItem;
    }

    CriarNotaEntrada({.cfisipi = ""});
    CriarItemEntrada({.cfisipi = ""});
    EXPECT_EQ(Campos(Gerar(), "C170", 20), V{""});
    ASSERT_EQ(erros.Erros().size(), 1u);
}

TEST_F(ItensEntradaTest, DescontoDoItem) {
    struct Caso {
        double qtde, preco, prreal, vrDescto, ipi, frete;
        const char* desconto;
    };
    const Caso kCasos[] = {
        {10, 10, 90, 10, 0, 0, "10,00"},
        {10, 10, 101, 0, 0, 0, "0,00"},        // valor real acima do bruto
        {10, 10, 99.98, 0, 0, 0, "0,00"},      // dois centavos sem desconto: arredondamento
        {10, 10, 99.98, 0.02, 0, 0, "0,02"},
        {10, 10, 100, 0, 5, 3, "8,00"},        // IPI e frete entram no bruto
    };
    for (const Caso& c : kCasos) {
        TItemEntrada i;
        i.NOME_TABELA = "ENTRADAMP";
        i.QTDE_ENTRADA = c.qtde, i.PRECO_UNIT = c.preco, i.PRREAL = c.prreal, i.VR_DESCTO = c.vrDescto;
        i.VRIPI = c.ipi, i.VRFRETE_ITEM_EMP = c.frete;
        EXPECT_EQ(core::FormatarValorDecimilesimos(blocks::DescontoItemEntrada(g, i), 2), c.desconto) << c.prreal;
    }
}

TEST_F(ItensEntradaTest, CfopDeDevolucao) {
    for (const char* cfop : {"1202", "2553", "1201"}) EXPECT_TRUE(blocks::CfopDevolucao(g, cfop)) << cfop;
    for (const char* cfop : {"1102", "5202", ""}) EXPECT_FALSE(blocks::CfopDevolucao(g, cfop)) << cfop;
    params.CFOP_DEVOLUCAO = "1410-2410";
    EXPECT_TRUE(blocks::CfopDevolucao(g, "2410"));
    EXPECT_FALSE(blocks::CfopDevolucao(g, "1202"));
}

TEST_F(ItensEntradaTest, SemAbatimentoAntesDe2019) {
    params.DATA_INI = DataHora::Data(2018, 3, 1), params.DATA_FIM = DataHora::Data(2018, 3, 31);
    CriarNotaEntrada({.emissao = "2018-03-05", .entrada = "2018-03-06"});
    CriarItemEntrada({});
    const V c170 = Registros(Gerar(), "C170");
    ASSERT_EQ(c170.size(), 1u);
    EXPECT_EQ(std::count(c170[0].begin(), c170[0].end(), '|'), 38) << c170[0];
}

}  // namespace

namespace {

TEST_F(ItensEntradaTest, TotaisDoC100EIpiDeUsoEConsumoDaFenuka) {
    auto item = [](const char* tipoFiscal, double ipi, double percDescto, double vrDescto) {
        TItemEntrada i;
        i.NOME_TABELA = "ENTRADAMP";
        i.QTDE_ENTRADA = 3, i.PRECO_UNIT = 33.333, i.VRIPI = ipi, i.PERC_DESCTO = percDescto;
        i.VR_DESCTO = vrDescto, i.TIPO_FISCAL_MP = tipoFiscal, i.DESPES_EMP = 1;
        return i;
    };
    const std::vector<TItemEntrada> itens = {item("01", 5, 10, 0), item("07", 7, 0, 2.5)};
    blocks::TTotaisEntrada t = blocks::TotaisItensEntrada(g, itens);
    EXPECT_EQ(t.mercadorias, 2 * 1000000) << "3 x 33,333 = 100,00 por item";
    EXPECT_EQ(t.descontos, 125000) << "10% de 100,00 e mais 2,50";
    EXPECT_EQ(t.ipi, 120000);
    EXPECT_EQ(t.despesas, 20000);

    configuracoes.COD_CONTABILIDADE = "FENUKA";
    params.DATA_INI = DataHora::Data(2016, 1, 1);
    t = blocks::TotaisItensEntrada(g, itens);
    EXPECT_EQ(t.ipi, 50000) << "o IPI do material de uso e consumo vira despesa";
    EXPECT_EQ(t.despesas, 90000);
}

TEST_F(ItensEntradaTest, NaturezaDaNotaQuandoORegraDoCfopPede) {
    erp.Executar("INSERT INTO CFOP (FILIAL_CF, CFOP_CF, DESC_NATOPER_NFENT_SPED_CF) VALUES (1, '1101', 'S');"
                 "INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('17', '1556', 'USO E CONSUMO');");
    CriarNotaEntrada({.descNatoper = "COMPRA DE BOBINAS"});
    CriarItemEntrada({.item = 1});
    CriarItemEntrada({.item = 2, .cfop = "1556"});
    const V linhas = Gerar();
    V naturezas;
    for (const std::string& l : Registros(linhas, "0400")) naturezas.push_back(Campo(l, 3));
    EXPECT_EQ(naturezas, (V{"COMPRA DE BOBINAS", "USO E CONSUMO"}));
}

}  // namespace
