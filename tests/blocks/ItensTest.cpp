// Itens: código, dados do 0200, 0190 e gravação dos 0200 no fim da geração.
#include <gtest/gtest.h>

#include "blocks/EtapasGeracao.h"
#include "blocks/bloco0/Itens.h"
#include "blocks/bloco0/NaturezasObservacoes.h"
#include "blocks/bloco0/Participantes.h"
#include "tests/blocks/Bloco0Teste.h"

namespace {

using blocks::TItemDocumento;
using teste::Bloco0Teste;
using V = std::vector<std::string>;

class ItensTest : public ::testing::Test, public Bloco0Teste {
protected:
    ItensTest() {
        erp.Executar(R"(
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('07', 'UN', 'UNIDADE  ');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('07', 'M', 'METRO');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('23', '05', 'AZUL');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('25', 'MG', '18');
INSERT INTO MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, GENERO_MP, CODCONTABIL_MP, ICM_MP)
VALUES (123, 'TECIDO', 'M', '01', '52081100', '', '1103', 12);
INSERT INTO MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, GENERO_MP, ICM_MP)
VALUES (200, 'LINHA', 'RL', '', '', '521', 0);
INSERT INTO PRODUTO (COD_PR, DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, CNBM_PR, CODCONTABIL_PR, CEST_PR,
    ALIQ_ICMS_INTERNA_PR)
VALUES ('1000', 'CAMISA', 'CAMISA POLO', 'UN', '04', '61051000', '3101', '2800100', NULL);
INSERT INTO PRODUTO (COD_PR, DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, CNBM_PR, ALIQ_ICMS_INTERNA_PR)
VALUES ('1001', 'CALCA & BERMUDA', '', 'UN', '', '62034200', 12);
INSERT INTO PADRONIZ_PRODUTO (PROD_PP, PADRONIZ_PP, DESC_PP, NCM_PP) VALUES ('1000', '01', 'BRANCA', '61059000');
INSERT INTO PROD_ITEM_ESTOQUE (ID_PI, PROD_PI, CODIGO_PI, DESCRICAO_PI) VALUES (50, '1000', '1000.01.P', 'CAMISA BRANCA P');
INSERT INTO PROD_ITEM_ESTOQUE_ALT (ID_PA, ID_PROD_ITEM_ESTOQUE_PA, CAMPO_ALT_PA, VALOR_ANTERIOR_PA,
    DT_INICIO_VR_ANT_PA, DT_FIM_VR_ANT_PA)
VALUES (1, 50, 'CODIGO_PI', 'CAM-01-P', '2023-01-01', '2024-04-10 00:00:00');
INSERT INTO PROD_ITEM_ESTOQUE_ALT (ID_PA, ID_PROD_ITEM_ESTOQUE_PA, CAMPO_ALT_PA, VALOR_ANTERIOR_PA,
    DT_INICIO_VR_ANT_PA, DT_FIM_VR_ANT_PA)
VALUES (2, 50, 'DESCRICAO_PI', 'CAMISA ANTIGA', '2023-01-01', '2024-02-01 00:00:00');
INSERT INTO MPRIMA_PRODUTO_ALTERACOES (ID_MA, PROD_MA, MPRIMA_MA, COR_MP_PROD_MA, TAM_MP_PROD_MA, DESC_ANTERIOR_MA,
    DATA_INICIAL_MA, DATA_FINAL_MA)
VALUES (1, '0', 123, '*', NULL, 'TECIDO PLANO', '2024-04-01', '2024-06-15');
)");
    }

    // Resolve e grava os 0200 como o fim da geração faz.
    std::vector<std::string> Resolver0200(const TItemDocumento& item) {
        Iniciar();
        blocks::ResolverCodigoItem(g, item);
        blocks::GravarCdsReg0200_E_Filhos(g);
        return Linhas("0200");
    }

    static TItemDocumento MPrima123(std::string cor, std::string tamanho) {
        return {.tamanho = std::move(tamanho), .cor = std::move(cor), .mprima = 123};
    }
};

TEST_F(ItensTest, MateriaPrimaComCorETamanho) {
    struct Caso {
        const char* escritorio;
        bool gerarCor;
        int ano, mes;
        const char* linha;
    };
    const Caso kCasos[] = {
        {"", true, 2018, 4, "|0200|123.05.G|TECIDO AZUL G|||M|01|52081100||||12,00||"},
        {"", true, 2018, 3, "|0200|123.05.G|TECIDO AZUL TAM G|||M|01|52081100||||12,00||"},
        {"FENUKA", true, 2015, 6, "|0200|123|TECIDO|||M|01|52081100||||12,00|"},
        {"FENUKA", true, 2016, 1, "|0200|123.05.G|TECIDO AZUL TAM G|||M|01|52081100||||12,00|"},
        {"FENUKA", false, 2016, 1, "|0200|123|TECIDO|||M|01|52081100||||12,00|"},
        // Descrição anterior que valia no fim do período, para qualquer cor.
        {"", true, 2024, 5, "|0200|123.05.G|TECIDO PLANO AZUL G|||M|01|52081100||||12,00||"},
    };
    for (const Caso& c : kCasos) {
        configuracoes.COD_CONTABILIDADE = c.escritorio;
        configuracoes.GERAR_COR_MPRIMA = c.gerarCor;
        Periodo(c.ano, c.mes);
        EXPECT_EQ(Resolver0200(MPrima123("05", "G")), V{c.linha}) << c.escritorio << " " << c.ano << "/" << c.mes;
    }
}

TEST_F(ItensTest, MesmoCodigoEmVariosDocumentosGuardaOPrimeiro) {
    Iniciar();
    const TItemDocumento camisa{.codigo = "1000", .produto = "1000", .descricao = "CAMISA DO PEDIDO 1"};
    for (int i = 0; i < 10; ++i) {
        TItemDocumento doc = camisa;
        doc.descricao = "CAMISA DO PEDIDO " + std::to_string(i + 1);
        const blocks::TItemResolvido r = blocks::ResolverCodigoItem(g, doc);
        EXPECT_EQ(r.codigo, "1000");
        EXPECT_EQ(r.conta, "3101");
    }
    EXPECT_EQ(blocks::ResolverCodigoItem(g, MPrima123("", "")).codigo, "123");
    blocks::GravarCdsReg0200_E_Filhos(g);
    // Em ordem de código; a alíquota nula do produto é a interna da UF da filial (TABELA 25).
    EXPECT_EQ(Linhas("0200"), (V{"|0200|1000|CAMISA DO PEDIDO 1|||UN|04|61051000||||18,00|2800100|",
                                 "|0200|123|TECIDO|||M|01|52081100||||12,00||"}));
    EXPECT_EQ(g.estado.bloco0.cdsReg0200.at("1000").ID, 1);
    EXPECT_EQ(g.estado.bloco0.cdsReg0200.at("123").ID, 2);
    EXPECT_EQ(Linhas("0190"), (V{"|0190|UN|UNIDADE|", "|0190|M|METRO|"}));
    EXPECT_TRUE(erros.Erros().empty());
}

TEST_F(ItensTest, ErrosSoNoPrimeiroUsoDoItem) {
    Iniciar();
    const TItemDocumento calca{.codigo = "1001\r\n", .produto = "1001"};
    EXPECT_EQ(blocks::ResolverCodigoItem(g, calca).codigo, "1001");
    EXPECT_EQ(blocks::ResolverCodigoItem(g, {.tamanho = "", .mprima = 200}).codigo, "200");
    const V esperadas = {
        "0190 Unidade de medida \"RL\" não cadastrada na tabela 07.",
        "0200 Código do genero \"521\" informado para m.prima \"200\" deve ter 2 dígitos.",
        "0200 Item com código \"200\" com NCM em branco.",
        "0200 Tipo Fiscal não informado para m.prima \"200\" .",
        "0200 Tipo Fiscal não informado para produto \"1001\" .",
    };
    EXPECT_EQ(Mensagens(), esperadas);
    EXPECT_EQ(Linhas("0190"), (V{"|0190|UN|UNIDADE|", "|0190|RL||"}));

    erros.Limpar();
    TItemDocumento outraDescricao = calca;
    outraDescricao.descricao = "OUTRA";
    blocks::ResolverCodigoItem(g, outraDescricao);
    blocks::ResolverCodigoItem(g, {.cor = "", .mprima = 200});
    EXPECT_TRUE(erros.Erros().empty()) << Mensagens()[0];
}

TEST_F(ItensTest, ProdutoOuMateriaPrimaSemCadastroDevolveErroSemGravar) {
    Iniciar();
    EXPECT_EQ(util::Cp1252ParaUtf8(blocks::ResolverCodigoItem(g, {.codigo = "9999", .produto = "9999"}).codigo),
              "ERRO: Produto \"9999\" não cadastrado.");
    EXPECT_EQ(util::Cp1252ParaUtf8(blocks::ResolverCodigoItem(g, {.mprima = 77}).codigo),
              "ERRO: M.Prima \"77\" não cadastrada.");
    blocks::GravarCdsReg0200_E_Filhos(g);
    EXPECT_TRUE(Linhas().empty());
    EXPECT_TRUE(erros.Erros().empty());
}

TEST_F(ItensTest, DescricaoComoXmlAPartirDeNovembroDe2019ECestAPartirDe2017) {
    struct Caso {
        int ano, mes;
        const char* linha;
    };
    const Caso kCasos[] = {
        {2019, 11, "|0200|1001|CALCA &amp; BERMUDA|||UN||62034200||||12,00||"},
        {2019, 10, "|0200|1001|CALCA & BERMUDA|||UN||62034200||||12,00||"},
        {2017, 1, "|0200|1001|CALCA & BERMUDA|||UN||62034200||||12,00||"},
        {2016, 12, "|0200|1001|CALCA & BERMUDA|||UN||62034200||||12,00|"},
    };
    erp.Executar(util::W("INSERT INTO PRODUTO (COD_PR, DESC_PR, UN_PR, TIPO_FISCAL_PR, CNBM_PR, ALIQ_ICMS_INTERNA_PR) "
                         "VALUES ('1002', 'CALÇA <JEANS>', 'UN', '04', '62034200', 12)"));
    for (const Caso& c : kCasos) {
        Periodo(c.ano, c.mes);
        EXPECT_EQ(Resolver0200({.codigo = "1001", .produto = "1001"}), V{c.linha}) << c.ano << "/" << c.mes;
    }
    // Acentos do cadastro vão em Windows-1252 como estão; a partir de 11/2019 passam por TextoXML.
    Periodo(2019, 10);
    EXPECT_EQ(Resolver0200({.codigo = "1002", .produto = "1002"}),
              V{util::W("|0200|1002|CALÇA <JEANS>|||UN|04|62034200||||12,00||")});
    Periodo(2019, 11);
    EXPECT_EQ(Resolver0200({.codigo = "1002", .produto = "1002"}),
              V{"|0200|1002|CALCA &lt;JEANS&gt;|||UN|04|62034200||||12,00||"});
}

TEST_F(ItensTest, ItemDeEstoqueENcmDaPadronizacao) {
    struct Caso {
        bool prodItemEstoque, descItemEstoque, ncmPadroniz;
        const char* linha;
    };
    const Caso kCasos[] = {
        // Código e descrição que valiam no último dia do período (a descrição antiga já tinha acabado).
        {true, false, false, "|0200|CAM-01-P|CAMISA BRANCA P|||UN|04|61051000||||18,00|2800100|"},
        // Só a descrição do item de estoque; o código fica o do documento.
        {false, true, false, "|0200|1000.01|CAMISA BRANCA P|||UN|04|61051000||||18,00|2800100|"},
        {false, false, true, "|0200|1000.01|CAMISA POLO|||UN|04|61059000||||18,00|2800100|"},
    };
    for (const Caso& c : kCasos) {
        params.PROD_ITEM_ESTOQUE = c.prodItemEstoque;
        params.GERAR_DESC_PROD_ITEM_EST = c.descItemEstoque;
        params.PESQ_NCM_PADRONIZ_PRODUTO = c.ncmPadroniz;
        EXPECT_EQ(Resolver0200({.codigo = "1000.01", .produto = "1000", .idItemEstoque = 50, .padronizacao = "01"}),
                  V{c.linha});
    }
}

TEST_F(ItensTest, UnidadesComerciaisDoPeriodoEDasFiliaisDaGeracao) {
    erp.Executar(R"(
INSERT INTO NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS) VALUES (1, 10, '1');
INSERT INTO NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS) VALUES (3, 11, '1');
INSERT INTO ITENSNS (FILIAL_SA, DOCTO_SA, SERIE_SA, ITEM_SA, DATA_SA, COD_PROD_SA, COD_MPRIMA_SA, UN_SA)
VALUES (1, 10, '1', 1, '2024-03-31 18:00:00', '1000', 0, 'CX');
INSERT INTO ITENSNS (FILIAL_SA, DOCTO_SA, SERIE_SA, ITEM_SA, DATA_SA, COD_PROD_SA, COD_MPRIMA_SA, UN_SA)
VALUES (1, 10, '1', 2, '2024-03-31 18:00:00', '1000', 0, 'UN');
INSERT INTO ITENSNS (FILIAL_SA, DOCTO_SA, SERIE_SA, ITEM_SA, DATA_SA, COD_PROD_SA, COD_MPRIMA_SA, UN_SA)
VALUES (3, 11, '1', 1, '2024-03-10 08:00:00', '1001', 0, 'PC');
INSERT INTO NOTAENT (FILIAL_NE, FORNEC_NE, DOCTO_NE, SERIE_NE, EMITENTE_NE) VALUES (1, 7, 500, '1', 'N');
INSERT INTO NOTAENT (FILIAL_NE, FORNEC_NE, DOCTO_NE, SERIE_NE, EMITENTE_NE) VALUES (1, 8, 501, '1', 'S');
INSERT INTO ENTRADAMP (FILIAL_EMP, FORNEC_EMP, DOCTO_EMP, SERIE_EMP, ITEM_EMP, DATA_EMP, MPRIMA_EMP, PROD_EMP,
    UN_COMERCIAL_EMP) VALUES (1, 7, 500, '1', 1, '2024-03-01 00:00:00', 123, NULL, 'RL');
INSERT INTO ENTRADAMP (FILIAL_EMP, FORNEC_EMP, DOCTO_EMP, SERIE_EMP, ITEM_EMP, DATA_EMP, MPRIMA_EMP, PROD_EMP,
    UN_COMERCIAL_EMP) VALUES (1, 7, 500, '1', 2, '2024-04-01 00:00:00', 123, NULL, 'KG');
INSERT INTO ENTRADAMP (FILIAL_EMP, FORNEC_EMP, DOCTO_EMP, SERIE_EMP, ITEM_EMP, DATA_EMP, MPRIMA_EMP, PROD_EMP,
    UN_COMERCIAL_EMP) VALUES (1, 8, 501, '1', 1, '2024-03-02 00:00:00', 123, NULL, 'CX');
)");
    using Conjunto = std::set<std::string>;
    Iniciar();
    const blocks::TUnidadesComerciais& u = g.estado.bloco0.cdsUnComercNF;
    EXPECT_EQ(u.porProduto.at("1000"), (Conjunto{"CX", "UN"}));
    EXPECT_FALSE(u.porProduto.contains("1001"));
    EXPECT_EQ(u.porMPrima.at(123), Conjunto{"RL"});  // fora do período e nota própria não entram

    params.FILIAL_2 = 3;
    Iniciar();
    EXPECT_EQ(g.estado.bloco0.cdsUnComercNF.porProduto.at("1001"), Conjunto{"PC"});
}

// Uma geração inteira: o que os documentos pedem ao bloco 0 cai no lugar certo do arquivo.
TEST_F(ItensTest, RegistrosDoBloco0NoLugarDoArquivo) {
    erp.Executar(R"(
INSERT INTO PAIS (COD_PA, NOME_PA, COD_BACEN_PA) VALUES ('030', 'BRASIL', '1058');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL, BAIRRO_CL)
VALUES (1, 'CLIENTE UM', '11222333000181', '', '030', '3106200', 'RUA', '1', 'CENTRO');
)");
    auto etapas = blocks::EtapasGeracao();
    etapas.insert(etapas.begin() + 2, {"documento de teste", [](core::Geracao& g) {
                                           blocks::ResolverCodigoItem(g, {.codigo = "1000", .produto = "1000"});
                                           blocks::CodigoParticipante(g, 'C', 1, "NS=1-1-1");
                                           blocks::CodigoNatureza(g, "VENDA", "NFS 1");
                                       }});
    core::GerarArquivoSped(g, "", etapas);
    std::vector<std::string> bloco0;
    const std::string texto = LerArquivo();
    for (size_t i = 0, f; (f = texto.find("\r\n", i)) != std::string::npos && texto.compare(i, 2, "|0") == 0; i = f + 2)
        bloco0.push_back(texto.substr(i, 6));
    EXPECT_EQ(bloco0, (V{"|0000|", "|0001|", "|0005|", "|0100|", "|0150|", "|0190|", "|0200|", "|0400|", "|0990|"}));
    EXPECT_NE(texto.find("|0990|9|"), std::string::npos);
    EXPECT_NE(texto.find("|0200|1000|CAMISA POLO|||UN|04|61051000||||18,00|2800100|"), std::string::npos);
}

}  // namespace
