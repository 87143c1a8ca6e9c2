// Bloco H: portas do inventário, valoração das matérias-primas por opção, produtos acabados por
// grade e estoque de produção, H020, transferências internas pendentes e o total do H005.
#include <gtest/gtest.h>

#include "blocks/bloco0/Itens.h"
#include "blocks/blocoH/BlocoH.h"
#include "blocks/blocoH/FiltrosEstoque.h"
#include "blocks/blocoH/ItemInventario.h"
#include "tests/support/GeracaoTeste.h"
#include "util/Texto1252.h"

namespace {

using util::DataHora;
using V = std::vector<std::string>;

// Matérias-primas 501 (grupo 01) e 502 (grupo 02) de tipo 01, 503 de tipo 02 sem grupo; produto 1010.
constexpr const char* kEstoque = R"(
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('07', 'KG', 'QUILOGRAMA');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('07', 'PC', 'PECA');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('22', '01', 'P M G');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('28', '02', '1 2 1');
INSERT INTO MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, CODCONTABIL_MP, ICM_MP, PIS_MP, COFINS_MP,
    CUSTO_MP, GRUPO_MP) VALUES (501, 'BOBINA', 'KG', '01', '72083990', '', 18, 1.65, 7.6, 2, '01');
INSERT INTO MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, CUSTO_MP, GRUPO_MP)
VALUES (502, 'PERFIL', 'KG', '01', '72163100', 1, '02');
INSERT INTO MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, CUSTO_MP)
VALUES (503, 'TINTA', 'KG', '02', '32081010', 1);
INSERT INTO ESTOQUEMP (FILIAL_EP, MPRIMA_EP, CUSTO_EP) VALUES (1, 501, 3.3);
INSERT INTO ESTOQUEMP (FILIAL_EP, MPRIMA_EP, CUSTO_EP) VALUES (1, 502, 0);
INSERT INTO ESTOQUEMP (FILIAL_EP, MPRIMA_EP, CUSTO_EP) VALUES (1, 503, 0);
INSERT INTO ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM, PRMEDIOIMPOSTO_EM, PRCUSTO_EM,
    PRCOMPRA_EM, QTDE_COMPRA_EM) VALUES (2023, 11, 1, 501, 7, 4, 3, 3, 10);
INSERT INTO ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM, PRMEDIOIMPOSTO_EM, PRCUSTO_EM,
    PRCOMPRA_EM, QTDE_COMPRA_EM) VALUES (2023, 12, 1, 501, 10, 4, 3, 5, 6);
INSERT INTO ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM) VALUES (2023, 12, 1, 502, 0.0004);
INSERT INTO ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM) VALUES (2023, 12, 1, 503, -2);
INSERT INTO TABELA_PRECOS (ID_TP, COD_TP) VALUES (1, 'INVM122023');
INSERT INTO TABELA_PRECOS_MPRIMAS (ID_TABELA_PRECOS_TM, MPRIMA_TM, COR_TM, TAM_TM, PRECO_TM, PRECO_IR_TM)
VALUES (1, 501, '*', '*', 2.5, 2);
INSERT INTO TABELA_PRECOS (ID_TP, COD_TP) VALUES (2, 'INV122023');
INSERT INTO TABELA_PRECOS_PRODS (ID_TABELA_PRECOS_TP, PROD_TP, PADRON_TP, TAMANHO_TP, PRECO_TP, PRECO_IR_TP)
VALUES (2, '1010', '01', 'M', 10, 9);
INSERT INTO TABELA_PRECOS_PRODS (ID_TABELA_PRECOS_TP, PROD_TP, PADRON_TP, TAMANHO_TP, PRECO_TP, PRECO_IR_TP)
VALUES (2, '1010', '01', '', 8, 7);
INSERT INTO PRODUTO (COD_PR, DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, CNBM_PR, CODCONTABIL_PR)
VALUES ('1010', 'TRELICA', '', 'PC', '04', '73089010', '');
INSERT INTO PADRONIZ_PRODUTO (PROD_PP, PADRONIZ_PP, DESC_PP) VALUES ('1010', '01', 'PRETA');
)";

// O campo 'n' de "|REG|A|B|" (REG é o 1).
std::string Campo(const std::string& linha, size_t n) {
    std::vector<std::string> campos;
    for (size_t i = 0, fim; (fim = linha.find('|', i + 1)) != std::string::npos; i = fim)
        campos.push_back(linha.substr(i + 1, fim - i - 1));
    return campos.at(n - 1);
}

class BlocoHTest : public ::testing::Test, public teste::GeracaoTeste {
protected:
    BlocoHTest() {
        erp.Executar(kEstoque);
        params.DATA_INI = DataHora::Data(2024, 1, 1);
        params.DATA_FIM = DataHora::Data(2024, 1, 31);
        params.GERAR_REG_H = "S";
        params.MES_ANO_INVENTARIO = "12/2023";
        params.DATA_INVENTARIO = DataHora::Data(2023, 12, 31);
        params.TIPOS_FISCAIS_INV_SELEC = "01";
    }

    V GerarH() {
        const V linhas = Gerar({{"bloco H", blocks::GerarBlocoH}, {"0200", blocks::GravarCdsReg0200_E_Filhos}});
        V h;
        for (const std::string& l : linhas)
            if (l.starts_with("|H")) h.push_back(l);
        return h;
    }

    bool TemErro(const std::string& reg, const std::string& trecho) const {
        for (const core::TErro& e : erros.Erros())
            if (e.REG == reg && util::Cp1252ParaUtf8(e.MENS).find(trecho) != std::string::npos) return true;
        return false;
    }
};

TEST_F(BlocoHTest, SemInventarioSoAberturaEFechamento) {
    params.GERAR_REG_H = "N";
    EXPECT_EQ(GerarH(), (V{"|H001|1|", "|H990|2|"}));
}

TEST_F(BlocoHTest, QuantidadeArredondadaEValorUnitarioOuTotal) {
    struct Caso {
        const char* proprietario;
        const char* participante;
        bool valorUnitario;
        double valor;
        double quantidade;
        const char* h010;  // vazio: nada gravado
    };
    const Caso kCasos[] = {
        {"0", "0", true, 2.5, 3, "|H010|501|KG|3,000|2,500000|7,50|0|||||"},
        {"1", "T1", false, 7.5, 3, "|H010|501|KG|3,000|2,500000|7,50|1|T1||||"},
        {"0", "0", true, 2000, 0.0004, ""},
        {"0", "0", true, 2000, 0.0005, "|H010|501|KG|0,001|2000,000000|2,00|0|||||"},
    };
    for (const Caso& c : kCasos) {
        const auto gravar = [&](core::Geracao& g) {
            g.estado.estoque = {};
            blocks::GravarItemInventario(g, {.participante = c.participante,
                                             .proprietario = c.proprietario,
                                             .valor = c.valor,
                                             .valorUnitario = c.valorUnitario,
                                             .quantidade = c.quantidade,
                                             .unidade = "KG",
                                             .mprima = 501});
            for (const core::TRegistroEFD& r : g.estado.estoque.linhasInventario) g.GravarRegistro(r);
        };
        const V h010 = teste::GeracaoTeste::Registros(Gerar({{"posição", gravar}}), "H010");
        EXPECT_EQ(h010, *c.h010 ? V{c.h010} : V{}) << c.quantidade;
    }
}

TEST_F(BlocoHTest, H010ImportadosGeramOInventarioEEntramNoTotal) {
    params.GERAR_REG_H = "N";
    const V linhas = Gerar({{"unificação", [](core::Geracao& g) {
                                 g.sped.GravarLinha("H010", "|H010|999|KG|2,000|2,500000|5,00|0|||||");
                             }},
                            {"bloco H", blocks::GerarBlocoH}});
    EXPECT_EQ(teste::GeracaoTeste::Registros(linhas, "H005"), V{"|H005|31122023|30,00|01|"});  // 25,00 + 5,00
    EXPECT_EQ(teste::GeracaoTeste::Registros(linhas, "H010").size(), 2u);
}

TEST_F(BlocoHTest, CadaOpcaoDeValoracao) {
    struct Caso {
        const char* opcao;
        bool abater;
        const char* h010;
    };
    const Caso kCasos[] = {
        {"TP", false, "|H010|501|KG|10,000|2,500000|25,00|0|||||"},  // preço da tabela INVM122023
        {"CO", false, "|H010|501|KG|10,000|5,000000|50,00|0|||||"},  // última compra
        // Última compra sem ICMS, PIS e COFINS: 50 × (1 − 0,18 − 0,0165 − 0,076) = 36,375.
        {"CO", true, "|H010|501|KG|10,000|3,637500|36,38|0|||||"},
        {"PM", false, "|H010|501|KG|10,000|4,000000|40,00|0|||||"},  // preço médio com impostos
        {"MC", false, "|H010|501|KG|10,000|4,200000|42,00|0|||||"},  // 6 × 5 + 4 × 3 de compras anteriores
        {"XX", false, "|H010|501|KG|10,000|3,300000|33,00|0|||||"},  // custo da posição
    };
    for (const Caso& c : kCasos) {
        params.CALC_PRECO_INVENT = c.opcao;
        params.INV_ABATER_ICMS_PIS_COFINS = c.abater;
        const V h = GerarH();
        EXPECT_EQ(teste::GeracaoTeste::Registros(h, "H010"), V{c.h010}) << c.opcao << c.abater;
        const std::string vlItem = Campo(c.h010, 6);
        EXPECT_EQ(teste::GeracaoTeste::Registros(h, "H005"), V{"|H005|31122023|" + vlItem + "|01|"}) << c.opcao;
    }
}

TEST_F(BlocoHTest, EstoqueNegativoEQuaseZeroFicamForaENegativoAvisa) {
    params.TIPOS_FISCAIS_INV_SELEC = "01-02";
    const V h010 = teste::GeracaoTeste::Registros(GerarH(), "H010");
    ASSERT_EQ(h010.size(), 1u);  // 502 com 0,0004 e 503 com -2 ficam fora
    EXPECT_TRUE(TemErro("H010", "Estoque de Materiais da Empresa Negativo"));
}

TEST_F(BlocoHTest, PosicaoSemPrecoVaiParaOsErrosEInventarioZeradoNaoTemH010) {
    erp.Executar("DELETE FROM TABELA_PRECOS_MPRIMAS;");
    EXPECT_EQ(GerarH(), (V{"|H001|0|", "|H005|31122023|0,00|01|", "|H990|3|"}));
    EXPECT_TRUE(TemErro("H010", "Item \"501\" sem preço no inventário (valoração TP, tabela INVM122023)"));
}

TEST_F(BlocoHTest, GruposExcluidosPorParametro) {
    params.CALC_PRECO_INVENT = "XX";
    erp.Executar(R"(
UPDATE ESTOQUEMP_MES SET ESTOQUE_EM = 1 WHERE MPRIMA_EM IN (502, 503);
)");
    params.TIPOS_FISCAIS_INV_SELEC = "01-02";
    params.INV_EXCETO_GRUPO_MP = ",01, 02";
    V h010 = teste::GeracaoTeste::Registros(GerarH(), "H010");
    ASSERT_EQ(h010.size(), 1u);
    EXPECT_TRUE(h010[0].starts_with("|H010|503|"));  // sem grupo fica
}

TEST_F(BlocoHTest, ValorParaImpostoDeRendaSoDe2015EmDiante) {
    struct Caso {
        int ano;
        bool gerarIR;
        const char* h010;
    };
    const Caso kCasos[] = {
        {2014, true, "|H010|501|KG|10,000|2,500000|25,00|0||||"},
        {2015, false, "|H010|501|KG|10,000|2,500000|25,00|0|||||"},
        {2015, true, "|H010|501|KG|10,000|2,500000|25,00|0||||20,00|"},  // 10 × preço IR 2
    };
    for (const Caso& c : kCasos) {
        params.DATA_INI = DataHora::Data(c.ano, 1, 1);
        params.DATA_FIM = DataHora::Data(c.ano, 1, 31);
        params.GERAR_VL_ITEM_IR_REG_H010 = c.gerarIR;
        EXPECT_EQ(teste::GeracaoTeste::Registros(GerarH(), "H010"), V{c.h010}) << c.ano;
    }
}

TEST_F(BlocoHTest, FiliaisDoEstoque) {
    params.CALC_PRECO_INVENT = "XX";
    erp.Executar(R"(
INSERT INTO ESTOQUEMP (FILIAL_EP, MPRIMA_EP, CUSTO_EP) VALUES (2, 501, 3.3);
INSERT INTO ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM) VALUES (2023, 12, 2, 501, 5);
)");
    struct Caso {
        int filial2;
        int filialInventario;
        const char* h010;
    };
    const Caso kCasos[] = {
        {0, 0, "|H010|501|KG|10,000|3,300000|33,00|0|||||"},
        {2, 0, "|H010|501|KG|15,000|3,300000|49,50|0|||||"},  // as duas filiais numa posição
        {2, 2, "|H010|501|KG|5,000|3,300000|16,50|0|||||"},   // só a filial do inventário
    };
    for (const Caso& c : kCasos) {
        params.FILIAL_2 = c.filial2;
        params.FILIAL_INVENTARIO = c.filialInventario;
        EXPECT_EQ(teste::GeracaoTeste::Registros(GerarH(), "H010"), V{c.h010}) << c.filial2 << c.filialInventario;
    }
}

TEST_F(BlocoHTest, PseudoFilialAntesDe2016EmPoderDeTerceiros) {
    params.DATA_INI = DataHora::Data(2015, 12, 1);
    params.DATA_FIM = DataHora::Data(2015, 12, 31);
    params.CALC_PRECO_INVENT = "XX";
    erp.Executar(R"(
INSERT INTO ESTOQUEMP (FILIAL_EP, MPRIMA_EP, CUSTO_EP) VALUES (1000007, 501, 2);
INSERT INTO ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM) VALUES (2023, 12, 1000007, 501, 4);
)");
    EXPECT_EQ(teste::GeracaoTeste::Registros(GerarH(), "H010"),
              (V{"|H010|501|KG|10,000|3,300000|33,00|0|||||", "|H010|501|KG|4,000|2,000000|8,00|1|7||||"}));
}

TEST_F(BlocoHTest, ProdutosPorGradeEPrecoDaTabelaDoMes) {
    params.TIPOS_FISCAIS_INV_SELEC = "04";
    params.CALC_PRECO_INVENT = "PM";  // o produto vale quantidade × preço em qualquer opção
    erp.Executar(R"(
INSERT INTO PROD_ESTOQUE_MOV (ID_MV, FILIAL_MV, DATA_MV, ENTSAI_MV, NUMERACAO_MV, GRADE_MV, MULTIPLICADOR_MV, PROD_MV,
    PADRON_MV, QTDE_MV) VALUES (1, 1, '2023-05-02', 'E', 'M', '**', 12, '1010', '01', 2);
INSERT INTO PROD_ESTOQUE_MOV (ID_MV, FILIAL_MV, DATA_MV, ENTSAI_MV, NUMERACAO_MV, GRADE_MV, MULTIPLICADOR_MV, PROD_MV,
    PADRON_MV, QTDE_MV) VALUES (2, 1, '2023-06-02', 'E', '01', '02', 1, '1010', '01', 3);
INSERT INTO PROD_ESTOQUE_MOV (ID_MV, FILIAL_MV, DATA_MV, ENTSAI_MV, NUMERACAO_MV, GRADE_MV, MULTIPLICADOR_MV, PROD_MV,
    PADRON_MV, QTDE_MV) VALUES (3, 1, '2023-07-02', 'S', 'G', '**', 1, '1010', '01', 3);
INSERT INTO PROD_ESTOQUE_MOV (ID_MV, FILIAL_MV, DATA_MV, ENTSAI_MV, NUMERACAO_MV, GRADE_MV, MULTIPLICADOR_MV, PROD_MV,
    PADRON_MV, QTDE_MV) VALUES (4, 1, '2024-01-02', 'E', 'P', '**', 1, '1010', '01', 50);
)");
    // M: 24 + 6 a 10,00; P: 3 ao preço sem tamanho (8,00); G: 3 − 3 não grava; janeiro fica fora.
    EXPECT_EQ(teste::GeracaoTeste::Registros(GerarH(), "H010"),
              (V{"|H010|1010.01.M|PC|30,000|10,000000|300,00|0|||||", "|H010|1010.01.P|PC|3,000|8,000000|24,00|0|||||"}));
}

TEST_F(BlocoHTest, EstoqueDeProducaoDosItensDeEstoque) {
    params.TIPOS_FISCAIS_INV_SELEC = "04";
    erp.Executar(R"(
INSERT INTO PROD_ITEM_ESTOQUE (ID_PI, PROD_PI, PADRON_PI, TAMANHO_PI, CODIGO_PI) VALUES (1, '1010', '01', 'M', '1010.01.M');
INSERT INTO PROD_ITEM_ESTOQUE (ID_PI, PROD_PI, PADRON_PI, TAMANHO_PI, CODIGO_PI) VALUES (2, '1010', '*', '*', '1010');
INSERT INTO EST_PRODUTO (ID_EP, FILIAL_EP, ID_PROD_ITEM_ESTOQUE_EP) VALUES (1, 1, 1);
INSERT INTO EST_PRODUTO (ID_EP, FILIAL_EP, ID_PROD_ITEM_ESTOQUE_EP) VALUES (2, 1, 2);
INSERT INTO EST_PRODUTO_ENTSAI (ID_ES, ID_EST_PRODUTO_ES, DATA_ES, ENTSAI_ES, QTDE_ES, STATUS_ES)
VALUES (1, 1, '2023-03-01', 'E', 5, 'A');
INSERT INTO EST_PRODUTO_ENTSAI (ID_ES, ID_EST_PRODUTO_ES, DATA_ES, ENTSAI_ES, QTDE_ES, STATUS_ES)
VALUES (2, 1, '2023-04-01', 'S', 1, 'A');
INSERT INTO EST_PRODUTO_ENTSAI (ID_ES, ID_EST_PRODUTO_ES, DATA_ES, ENTSAI_ES, QTDE_ES, STATUS_ES)
VALUES (3, 1, '2023-04-01', 'S', 100, 'C');
INSERT INTO EST_PRODUTO_ENTSAI (ID_ES, ID_EST_PRODUTO_ES, DATA_ES, ENTSAI_ES, QTDE_ES, STATUS_ES)
VALUES (4, 2, '2023-04-01', 'E', 2, 'A');
)");
    // O item genérico ("*") entra sem padronização nem tamanho e não tem preço na tabela.
    EXPECT_EQ(teste::GeracaoTeste::Registros(GerarH(), "H010"),
              (V{"|H010|1010|PC|2,000|0,000000|0,00|0|||||", "|H010|1010.01.M|PC|4,000|10,000000|40,00|0|||||"}));
    EXPECT_TRUE(TemErro("H010", "Item \"1010\" sem preço no inventário (valoração tabela de preços INV122023)"));
}

TEST_F(BlocoHTest, ProdutoDoDocumentoEDoInventarioComUmSoCodigo) {
    params.TIPOS_FISCAIS_INV_SELEC = "04";
    params.PRODUTO_PADRONIZ_COM_PONTO = true;
    erp.Executar(R"(
INSERT INTO PROD_ESTOQUE_MOV (ID_MV, FILIAL_MV, DATA_MV, ENTSAI_MV, NUMERACAO_MV, GRADE_MV, MULTIPLICADOR_MV, PROD_MV,
    PADRON_MV, QTDE_MV) VALUES (1, 1, '2023-05-02', 'E', '', '**', 1, '1010', '01', 2);
)");
    // A nota traz o código do item como o ERP o compõe: produto, ponto e padronização.
    const V linhas = Gerar({{"nota", [](core::Geracao& g) {
                                 blocks::ResolverCodigoItem(g, {.codigo = "1010.01", .produto = "1010",
                                                                .descricao = "TRELICA PRETA", .padronizacao = "01"});
                             }},
                            {"bloco H", blocks::GerarBlocoH},
                            {"0200", blocks::GravarCdsReg0200_E_Filhos}});
    const V itens = teste::GeracaoTeste::Registros(linhas, "0200");
    ASSERT_EQ(itens.size(), 1u);
    EXPECT_TRUE(itens[0].starts_with("|0200|1010.01|"));
    EXPECT_TRUE(teste::GeracaoTeste::Registros(linhas, "H010").at(0).starts_with("|H010|1010.01|"));
}

TEST_F(BlocoHTest, H020NosMotivosQueOExigem) {
    erp.Executar(R"(
INSERT INTO PRODUTO_MPRIMA_SPED_H020 (ID_PH, FILIAL_PH, MES_ANO_PH, PROD_PH, MPRIMA_PH, COR_PADRON_PH, TAMANHO_PH,
    CST_PH, BASE_ICMS_PH, VALOR_ICMS_PH, IND_PROP_ESTOQUE_PH) VALUES (1, 1, '12/2023', '', 501, '*', '*', '000', 25, 4.5, '0');
INSERT INTO PRODUTO_MPRIMA_SPED_H020 (ID_PH, FILIAL_PH, MES_ANO_PH, PROD_PH, MPRIMA_PH, COR_PADRON_PH, TAMANHO_PH,
    CST_PH, BASE_ICMS_PH, VALOR_ICMS_PH, IND_PROP_ESTOQUE_PH) VALUES (2, 1, '12/2023', '', 501, '*', '*', '', 0, 0, '0');
)");
    params.MOTIVO_INVENTARIO = "01";
    EXPECT_TRUE(teste::GeracaoTeste::Registros(GerarH(), "H020").empty());

    params.MOTIVO_INVENTARIO = "02";
    const V h = GerarH();
    EXPECT_EQ(V(h.begin() + 2, h.begin() + 4), (V{"|H010|501|KG|10,000|2,500000|25,00|0|||||", "|H020|000|25,00|4,50|"}));
    EXPECT_EQ(h.back(), "|H990|5|");

    erp.Executar("DELETE FROM PRODUTO_MPRIMA_SPED_H020;");
    GerarH();
    EXPECT_TRUE(TemErro("H020", "Item \"501\" sem ICMS do inventário de 12/2023"));
}

TEST_F(BlocoHTest, TransferenciaInternaPendenteAvisa) {
    erp.Executar(R"(
INSERT INTO NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS, TPNOTA_NS, CHAVE_NFE_NS) VALUES (1, 10, '1', 'S', '');
INSERT INTO ITENSNS (FILIAL_SA, DOCTO_SA, SERIE_SA, ITEM_SA, DATA_SA, COD_PRODPED_SA, COD_PADRON_SA, TAMANHO_SA,
    MOV_FISICA_SA) VALUES (1, 10, '1', 1, '2023-12-10 10:00:00', '1010', '01', 'M', 'S');
INSERT INTO ITENSNS_DET_IT_FAT (FILIAL_DI, DOCTO_DI, SERIE_DI, ITEM_ITENSNS_DI, PROD_DI, PADRON_DI, TAM_DI)
VALUES (1, 10, '1', 1, '1010', '01', 'G');
)");
    const std::string aviso = "Existem registros de Transferência Interna a serem processados no período.";
    erp.Executar("UPDATE ITENSNS SET MOV_FISICA_SA = 'N';");
    GerarH();
    EXPECT_FALSE(TemErro("K220", aviso));
    erp.Executar("UPDATE ITENSNS SET MOV_FISICA_SA = 'S';");
    GerarH();
    EXPECT_TRUE(TemErro("K220", aviso));
    erp.Executar("UPDATE ITENSNS_DET_IT_FAT SET ID_ESTOQUE_MOV_INT_DI = 1;");
    GerarH();
    EXPECT_FALSE(TemErro("K220", aviso));
}

TEST(CodigoItemProduto, PontoEntreProdutoPadronizacaoETamanho) {
    struct Caso {
        bool comPonto;
        const char* padronizacao;
        const char* tamanho;
        const char* codigo;
    };
    const Caso kCasos[] = {
        {false, "05", "M", "1020.05.M"}, {false, "05", "", "102005"}, {true, "05", "", "1020.05"},
        {false, "", "M", "1020.M"},      {true, "", "", "1020"},
    };
    core::TParametros params;
    for (const Caso& c : kCasos) {
        params.PRODUTO_PADRONIZ_COM_PONTO = c.comPonto;
        EXPECT_EQ(blocks::CodigoItemProduto(params, "1020", c.padronizacao, c.tamanho), c.codigo);
    }
}

TEST(ListaEntreAspas, CodigosSemVirgulaInicialNemPedacosVazios) {
    EXPECT_EQ(blocks::ListaEntreAspas(",01, 02,"), (V{"01", "02"}));
    EXPECT_EQ(blocks::ListaEntreAspas("  "), V{});
}

}  // namespace
