#pragma once
// Banco de teste com o cadastro mínimo das notas de saída (cliente de MG, consumidor do RJ,
// transportadora, produto) e fábricas de notas e itens com valores padrão.
#include <fmt/format.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/GeracaoTeste.h"

namespace teste {

// Chave de acesso da filial de teste (MG, 03/2024, série 1) para o documento e o modelo, com o
// dígito verificador certo.
inline std::string ChaveNfe(int docto, const std::string& modelo = "55") {
    std::string k = fmt::format("312403174328960001{}{}001{:09}1{:08}", "80", modelo, docto, docto);
    int soma = 0, peso = 2;
    for (auto it = k.rbegin(); it != k.rend(); ++it) {
        soma += (*it - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    return k + std::to_string(soma % 11 < 2 ? 0 : 11 - soma % 11);
}

// Uma nota de NOTASAI; datas "aaaa-mm-dd[ hh:mm:ss]", vazia = nula.
struct NotaTeste {
    int docto = 1001;
    std::string serie = "1", modelo = "55", serfisc = "1", doctoFiscal = "";
    std::string tpnota = "S", situacao = "N", codstatus = "100", finalidade = "1";
    std::string emissao = "2024-03-10", dtsaida = "2024-03-11 08:00:00";
    std::string cfop = "5101", especie = "NFE", protocolo = "131240000012345";
    std::string tipo = "C";
    int codigo = 123;
    std::string cnpj = "11222333000181", uf = "MG", natoper = "VENDA DE PRODUCAO";
    double valor = 1000, vrmerc = 1000, desconto = 0, suframa = 0, bicms = 1000, vricms = 180, vripi = 0;
    std::string prazo = "30 DIAS";
    int numparc = 1;
    std::string indpag = "", tpfrete = "1";
    int transp = 0;
    std::optional<std::string> chave{};  // sem valor: ChaveNfe(docto, modelo)
};

// Um item de ITENSNS da nota 'docto'.
struct ItemTeste {
    int docto = 1001;
    int item = 1;
    std::string serie = "1", prod = "1010", un = "PC", infad = "";
    double qtde = 2, qtdeReal = 0, preco = 500, prreal = 1000, descto = 0, suframa = 0;
    std::string cst = "000", cfop = "5101";
    double bicm = 1000, aliq = 18, vricm = 180, baseSubst = 0, vrSubst = 0;
    std::string cstIpi = "053", codEnq = "999";
    double baseIpi = 0, aliqIpi = 0, vripi = 0;
};

class NotasSaidaTeste : public GeracaoTeste {
public:
    NotasSaidaTeste() {
        erp.Executar(R"(
INSERT INTO PAIS (COD_PA, NOME_PA, COD_BACEN_PA) VALUES ('030', 'BRASIL', '1058');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL,
    ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL)
VALUES (123, 'CLIENTE A LTDA', '11222333000181', '0012345670012', '', '030', '3106200', 'RUA X', '10', '', 'CENTRO',
    'BELO HORIZONTE', 'MG');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL,
    ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL)
VALUES (200, 'MARIA CONSUMIDORA', '52998224725', '', '', '030', '3304557', 'RUA Y', '20', '', 'CENTRO',
    'RIO DE JANEIRO', 'RJ');
INSERT INTO FORNECEDOR (CODIGO, NOME, CNPJ_FO, INSCRESTADUAL, PAIS_FO, CODMUNICIPIO_FO, RUA, ENDER_NUMERO_FO,
    ENDER_COMPL_FO, BAIRRO, UF)
VALUES (7, 'TRANSPORTES T LTDA', '33.444.555/0001-81', '0620001110099', '030', '3118601', 'AV T', '9', '', 'CENTRO', 'MG');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('07', 'PC', 'PECA');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('25', 'MG', '18');
INSERT INTO PRODUTO (COD_PR, DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, CNBM_PR, GENERO_PR, CODCONTABIL_PR)
VALUES ('1010', 'TRELICA', '', 'PC', '04', '73089010', '73', '31101');
INSERT INTO UFS (UF_UF, NOME_UF, COD_RECEITA_DEB_DIFAL_UF, COD_RECEITA_FCP_UF) VALUES ('RJ', 'RIO DE JANEIRO', '100102', '100129');
)");
        params.CNPJ_FIL = "17.432.896/0001-80";
    }

    void CriarNotaSaida(const NotaTeste& n) {
        auto data = [](const std::string& d) { return d.empty() ? std::string("NULL") : "'" + d + "'"; };
        erp.Executar(fmt::format(
            "INSERT INTO NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS, CLIFORREP_NS, CODIGO_NS, EMISSAO_NS, DTSAIDA_NS, "
            "MODELO_DOC_NS, SERFISC_NS, DOCTO_FISCAL_NS, CHAVE_NFE_NS, ESPECIE_DOC_NS, NUM_PROTOC_NFE_NS, TPNOTA_NS, "
            "SITUACAO_NS, CODSTATUS_NFE_NS, FINALIDADE_NFE_NS, CNPJ_NS, UF_NS, NATOPER_NS, CFOP_NS, VALOR_NS, "
            "VRMERC_NS, VRDESCTO_NS, VRDESCTOSUFRAMA_NS, VRDESCTOPIS_NS, VRDESCTOCOFINS_NS, VRFRETE_NS, VRSEGURO_NS, "
            "VRDESPESA_NS, BICMS_NS, VRICMS_NS, BSUBSTICM_NS, VALSUBSTICM_NS, VRIPI_NS, VALORPIS_NS, VALORCOFINS_NS, "
            "PRAZO_NS, NUMPARC_NS, INDPAG_XML_NS, TPFRETE_NS, TRANSP_NS, PLACA_NS, PLACA_UF_NS, QTVOLUME_NS, PESOB_NS, "
            "PESOL_NS) VALUES (1, {}, '{}', '{}', {}, {}, {}, '{}', '{}', '{}', '{}', '{}', '{}', '{}', '{}', '{}', "
            "'{}', '{}', '{}', '{}', '{}', {}, {}, {}, {}, 0, 0, 0, 0, 0, {}, {}, 0, 0, {}, 16.5, 76, '{}', {}, "
            "'{}', '{}', {}, 'ABC1D23', 'MG', 12, 1500.5, 1450.25);",
            n.docto, n.serie, n.tipo, n.codigo, data(n.emissao), data(n.dtsaida), n.modelo, n.serfisc, n.doctoFiscal,
            n.chave.value_or(ChaveNfe(n.docto, n.modelo)), n.especie, n.protocolo, n.tpnota, n.situacao, n.codstatus, n.finalidade, n.cnpj, n.uf, n.natoper,
            n.cfop, n.valor, n.vrmerc, n.desconto, n.suframa, n.bicms, n.vricms, n.vripi, n.prazo, n.numparc, n.indpag,
            n.tpfrete, n.transp));
    }

    void CriarItem(const ItemTeste& i) {
        erp.Executar(fmt::format(
            "INSERT INTO ITENSNS (FILIAL_SA, DOCTO_SA, SERIE_SA, ITEM_SA, DATA_SA, PROD_SA, COD_PROD_SA, UN_SA, "
            "DESC_SA, INFAD_SA, QTDE_SA, QTDE_REAL_SA, PRECO_SA, PRREAL_SA, VRDESCTO_SA, VRDESCTO_SUFRAMA_SA, CST_SA, "
            "CFOP_SA, BICM_SA, ALIQICM_SA, VRICM_SA, BASE_ICMS_SUBST_SA, VALOR_ICMS_SUBST_SA, CST_IPI_SA, "
            "CODTRIB_IPI_SA, BASECALCIPI_SA, ALIQIPI_SA, VRIPI_SA, CST_PIS_SA, ALIQ_PIS_SA, VALOR_PIS_SA, "
            "CST_COFINS_SA, ALIQ_COFINS_SA, VALOR_COFINS_SA) VALUES (1, {}, '{}', {}, '2024-03-10', '{}', '{}', '{}', "
            "'TRELICA', '{}', {}, {}, {}, {}, {}, {}, '{}', '{}', {}, {}, {}, {}, {}, '{}', '{}', {}, {}, {}, '001', "
            "1.65, 16.5, '001', 7.6, 76);",
            i.docto, i.serie, i.item, i.prod, i.prod, i.un, i.infad, i.qtde, i.qtdeReal, i.preco, i.prreal, i.descto,
            i.suframa, i.cst, i.cfop, i.bicm, i.aliq, i.vricm, i.baseSubst, i.vrSubst, i.cstIpi, i.codEnq, i.baseIpi,
            i.aliqIpi, i.vripi));
    }

    // Campo n (o código do registro é o 1) de uma linha "|A|B|".
    static std::string Campo(const std::string& linha, int n) {
        size_t inicio = 0;
        for (int i = 0; i < n; ++i) inicio = linha.find('|', inicio) + 1;
        return linha.substr(inicio, linha.find('|', inicio) - inicio);
    }
};

}  // namespace teste
