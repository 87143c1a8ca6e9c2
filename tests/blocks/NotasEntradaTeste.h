#pragma once
// Banco de teste das notas de entrada: fornecedores de MG e de SP, matéria-prima, produto, tipos de
// documento fiscal e fábricas de notas (NOTAENT) e itens (ENTRADAMP, ENTRADAPROD) com valores padrão.
#include <fmt/format.h>

#include <string>

#include "tests/blocks/NotasSaidaTeste.h"

namespace teste {

// Uma nota de NOTAENT; datas "aaaa-mm-dd".
struct NotaEntradaTeste {
    int docto = 500, fornec = 8;
    std::string serie = "1", clifor = "F", emissao = "2024-03-05", entrada = "2024-03-06", tpdoc = "NFE";
    std::string serfisc = "1", doctoFiscal = "", chave = "", emitente = "N", sitDoc = "", finalidade = "1";
    std::string natoper = "1101", descNatoper = "COMPRA PARA INDUSTRIALIZACAO";
    double valor = 1000, vrdescto = 0, vrfrete = 0, vrdespesa = 0, bicm = 1000, vricm = 180, bicmst = 0, vricmst = 0;
    std::string prazo = "30 DIAS";
    int numparc = 1;
    std::string indpag = "", tpfrete = "2", cfisipi = "3";
    int filial = 1;
};

// Uma linha de ENTRADAMP da nota 'docto'.
struct ItemEntradaTeste {
    int docto = 500, fornec = 8, item = 1, mprima = 501;
    std::string prod = "", padron = "", tamanho = "", cor = "", un = "KG";
    double qtde = 100, preco = 10, prreal = 1000, precoTotal = 0, vrdescto = 0;
    std::string cst = "000", cfop = "1101";
    double bicm = 1000, aliq = 18, vricm = 180;
    std::string cstIpi = "", cfisipi = "3";
    double baseIpi = 0, aliqIpi = 0, vripi = 0;
    int filialDevol = 0, nfDevol = 0, itemDevol = 0;
    std::string serieDevol = "";
};

class NotasEntradaTeste : public NotasSaidaTeste {
public:
    NotasEntradaTeste() {
        // Notas mínimas, uma regra de cada vez: sem chave de acesso, totais do cabeçalho que não
        // fecham com os itens e o IND_PGTO "9" que o ERP grava (fora da lista do leiaute 020).
        problemasEsperados = {"chave_documento", "chave_dv",      "totais_c100",
                              "c190_c170",       "filho_ausente", "valores_validos"};
        erp.Executar(R"(
INSERT INTO FORNECEDOR (CODIGO, NOME, CNPJ_FO, INSCRESTADUAL, PAIS_FO, CODMUNICIPIO_FO, RUA, ENDER_NUMERO_FO,
    ENDER_COMPL_FO, BAIRRO, UF)
VALUES (8, 'ACOS B LTDA', '44.555.666/0001-81', '0620001110177', '030', '3118601', 'AV B', '90', '', 'CENTRO', 'MG');
INSERT INTO MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, GENERO_MP, CODCONTABIL_MP, ICM_MP)
VALUES (501, 'BOBINA DE ACO', 'KG', '01', '72085200', '72', '11301', 18);
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('07', 'KG', 'QUILOGRAMA');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('17', '1101', 'COMPRA PARA INDUSTRIALIZACAO');
INSERT INTO TIPO_DOCTO_FISCAL (COD_TD, MODELO_DOC_TD) VALUES ('NFE', '55');
INSERT INTO TIPO_DOCTO_FISCAL (COD_TD, MODELO_DOC_TD) VALUES ('NF', '01');
INSERT INTO TIPO_DOCTO_FISCAL (COD_TD, MODELO_DOC_TD) VALUES ('CTE', '57');
INSERT INTO TIPO_DOCTO_FISCAL (COD_TD, MODELO_DOC_TD) VALUES ('NFEE', '06');
INSERT INTO TIPO_DOCTO_FISCAL (COD_TD, MODELO_DOC_TD) VALUES ('NFCOM', '21');
)");
    }

    void CriarNotaEntrada(const NotaEntradaTeste& n) {
        erp.Executar(fmt::format(
            "INSERT INTO NOTAENT (FILIAL_NE, FORNEC_NE, DOCTO_NE, SERIE_NE, CLIFOR_NE, EMISSAO_NE, ENTRADA_NE, "
            "TPDOC_NE, SERFISC_NE, DOCTO_FISCAL_NE, CHAVE_NFE_NE, EMITENTE_NE, SIT_DOC_NE, FINALIDADE_NFE_NE, "
            "NATOPER_NE, DESC_NATOPER_NE, VALOR_NE, VRDESCTO_NE, VRFRETE_NE, VRSEGURO_NE, VRDESPESA_NE, BICM_NE, "
            "VRICM_NE, BICMSSUBST_NE, VRICMSSUBST_NE, PRAZO_NE, NUMPARCELAS_NE, INDPAG_XML_NE, TPFRETE_NE, "
            "CFISIPI_NE) VALUES ({}, {}, {}, '{}', '{}', '{}', '{}', {}, '{}', '{}', '{}', '{}', '{}', '{}', '{}', "
            "'{}', {}, {}, {}, 0, {}, {}, {}, {}, {}, '{}', {}, '{}', '{}', '{}');",
            n.filial, n.fornec, n.docto, n.serie, n.clifor, n.emissao, n.entrada,
            n.tpdoc == "NULL" ? "NULL" : "'" + n.tpdoc + "'", n.serfisc, n.doctoFiscal, n.chave, n.emitente, n.sitDoc,
            n.finalidade, n.natoper, n.descNatoper, n.valor, n.vrdescto, n.vrfrete, n.vrdespesa, n.bicm, n.vricm,
            n.bicmst, n.vricmst, n.prazo, n.numparc, n.indpag, n.tpfrete, n.cfisipi));
    }

    void CriarItemEntrada(const ItemEntradaTeste& i) {
        erp.Executar(fmt::format(
            "INSERT INTO ENTRADAMP (FILIAL_EMP, FORNEC_EMP, DOCTO_EMP, SERIE_EMP, ITEM_EMP, DATA_EMP, MPRIMA_EMP, "
            "PROD_EMP, PADRON_EMP, TAMANHO_EMP, COR_EMP, UN_COMERCIAL_EMP, QTDE_COMERCIAL_EMP, QTDE_EMP, PRECO_EMP, "
            "PRREAL_EMP, PRECO_TOTAL_EMP, VRDESCTO_EMP, CST_EMP, CFOP_EMP, BASEICM_EMP, ICMS_EMP, VRICM_EMP, "
            "CST_IPI_EMP, CFISIPI_EMP, BASEIPI_EMP, IPI_EMP, VRIPI_EMP, CST_PIS_EMP, ALIQ_PIS_EMP, VALOR_PIS_EMP, "
            "CST_COFINS_EMP, ALIQ_COFINS_EMP, VALOR_COFINS_EMP, ATUEST_EMP, FILIALNFDEVOL_EMP, NFDEVOL_EMP, "
            "SERIENFDEVOL_EMP, ITEMNFDEVOL_EMP) VALUES (1, {}, {}, '1', {}, '2024-03-06', {}, '{}', '{}', '{}', '{}', "
            "'{}', {}, {}, {}, {}, {}, {}, '{}', '{}', {}, {}, {}, '{}', '{}', {}, {}, {}, '50', 1.65, 16.5, '50', "
            "7.6, 76, 'S', {}, {}, '{}', {});",
            i.fornec, i.docto, i.item, i.mprima, i.prod, i.padron, i.tamanho, i.cor, i.un, i.qtde, i.qtde, i.preco,
            i.prreal, i.precoTotal, i.vrdescto, i.cst, i.cfop, i.bicm, i.aliq, i.vricm, i.cstIpi, i.cfisipi,
            i.baseIpi, i.aliqIpi, i.vripi, i.filialDevol, i.nfDevol, i.serieDevol, i.itemDevol));
    }

    // Nota com um item padrão.
    void NotaEntradaComItem(NotaEntradaTeste n) {
        CriarNotaEntrada(n);
        CriarItemEntrada({.docto = n.docto, .fornec = n.fornec});
    }
};

}  // namespace teste
