// Notas fiscais de saída: escolhe em NOTASAI (com a transportadora em FORNECEDOR, os conhecimentos
// de FRETE_NOTAFISCAL e o CNPJ da FILIAL) os documentos do período e, para cada um, lê os itens de
// ITENSNS e grava C100, C101, C160, C170 e C190 na ordem do arquivo.
#include "blocks/blocoC/NotasSaida.h"

#include <set>
#include <tuple>

#include "blocks/CondicaoFilial.h"
#include "blocks/blocoC/C190.h"
#include "core/Geracao.h"
#include "util/Datas.h"
#include "util/Texto1252.h"
#include "util/TracoSql.h"

namespace blocks {

using util::DataHora;

namespace {

constexpr const char* kColunasNota =
    "select NS.FILIAL_NS, NS.DOCTO_NS, NS.SERIE_NS, NS.CLIFORREP_NS, NS.CODIGO_NS, NS.EMISSAO_NS, NS.DTSAIDA_NS, "
    "NS.MODELO_DOC_NS, NS.SERFISC_NS, NS.DOCTO_FISCAL_NS, NS.CHAVE_NFE_NS, NS.TPNOTA_NS, NS.SITUACAO_NS, "
    "NS.CODSTATUS_NFE_NS, NS.FINALIDADE_NFE_NS, NS.CNPJ_NS, NS.UF_NS, NS.INSCEST_NS, NS.NATOPER_NS, NS.CFOP_NS, "
    "NS.OBSERVACOES_NS, NS.VALOR_NS, NS.VRMERC_NS, NS.VRDESCTO_NS, NS.VRDESCTOSUFRAMA_NS, NS.VRDESCTOPIS_NS, "
    "NS.VRDESCTOCOFINS_NS, NS.VRFRETE_NS, NS.VRSEGURO_NS, NS.VRDESPESA_NS, NS.BICMS_NS, NS.VRICMS_NS, "
    "NS.BSUBSTICM_NS, NS.VALSUBSTICM_NS, NS.VRIPI_NS, NS.VALORPIS_NS, NS.VALORCOFINS_NS, NS.PRAZO_NS, "
    "NS.NUMPARC_NS, NS.INDPAG_XML_NS, NS.TPFRETE_NS, NS.TRANSP_NS, NS.PLACA_NS, NS.PLACA_UF_NS, NS.QTVOLUME_NS, "
    "NS.PESOB_NS, NS.PESOL_NS, NS.FRETEICMS_NS, NS.VRICMFRETE_NS, NS.BICMFRETE_NS, NS.ALIQICMFRETE_NS, "
    "TR.TIPO_TRANSPORTADOR_FO as TIPO_TRANSPORTADOR, TR.CNPJ_FO as CNPJ_TRANSPORTADOR, "
    "TR.UF as UF_TRANSPORTADOR, "
    "(select count(*) from FRETE_NOTAFISCAL FN where FN.TIPONOTA_FN='S' and FN.DOCTONOTA_FN=NS.DOCTO_NS "
    "and FN.SERIENOTA_FN=NS.SERIE_NS and FN.FILIALNOTA_FN=NS.FILIAL_NS) as QTDE_CONHEC_FRETE, "
    "(select FI.CGC_FI from FILIAL FI where FI.COD_FI=NS.FILIAL_NS) as CNPJ_FILIAL ";

constexpr const char* kItensNs =
    "select I.ITEM_SA, I.PROD_SA, I.COD_PROD_SA, I.COD_PADRON_SA, I.TAMANHO_SA, I.COD_MPRIMA_SA, I.COR_MPRIMA_SA, "
    "I.ID_PROD_ITEM_ESTOQUE_SA, I.DESC_SA, I.INFAD_SA, I.UN_SA, I.QTDE_SA, I.QTDE_REAL_SA, I.PRECO_SA, "
    "I.PRREAL_SA, I.VRDESCTO_SA, I.VRDESCTO_SUFRAMA_SA, I.VRDESCTO_SUF_PIS_SA, I.VRDESCTO_SUF_COFINS_SA, "
    "I.VRFRETE_SA, I.VRSEGURO_SA, I.VRDESPESA_SA, I.CST_SA, I.CFOP_SA, I.BICM_SA, I.ALIQICM_SA, I.VRICM_SA, "
    "I.BASE_ICMS_SUBST_SA, I.ALIQ_ICMS_SUBST_SA, I.VALOR_ICMS_SUBST_SA, I.CST_IPI_SA, I.CODTRIB_IPI_SA, "
    "I.BASECALCIPI_SA, I.ALIQIPI_SA, I.VRIPI_SA, I.CST_PIS_SA, I.ALIQ_PIS_SA, I.VALOR_PIS_SA, I.CST_COFINS_SA, "
    "I.ALIQ_COFINS_SA, I.VALOR_COFINS_SA, "
    "IIF(I.BCALC_PIS_COFINS_SA IS NULL, I.PRREAL_SA, I.BCALC_PIS_COFINS_SA) BASE_PIS_COFINS, "
    "I.BCALC_SUF_ICMS_SA, I.ALIQ_SUF_ICMS_SA "
    "from ITENSNS I where FILIAL_SA=:FIL and DOCTO_SA=:DOC and SERIE_SA=:SER order by ITEM_SA";

bool EmLista(std::string_view lista, const std::string& codSit) { return lista.find(codSit) != std::string_view::npos; }

TNotaSaida LerNota(const db::Consulta& q) {
    auto t = [&](const char* c) { return q[c].Texto(); };
    auto r = [&](const char* c) { return q[c].Real(); };
    auto i = [&](const char* c) { return static_cast<int>(q[c].Inteiro()); };
    TNotaSaida n;
    n.FILIAL_NS = i("FILIAL_NS");
    n.DOCTO_NS = i("DOCTO_NS");
    n.SERIE_NS = t("SERIE_NS");
    n.CLIFORREP_NS = t("CLIFORREP_NS");
    n.CODIGO_NS = i("CODIGO_NS");
    n.EMISSAO_NS = q["EMISSAO_NS"].Data();
    n.DTSAIDA_NS = q["DTSAIDA_NS"].Data();
    n.MODELO_DOC_NS = t("MODELO_DOC_NS");
    n.SERFISC_NS = t("SERFISC_NS");
    n.DOCTO_FISCAL_NS = t("DOCTO_FISCAL_NS");
    n.CHAVE_NFE_NS = t("CHAVE_NFE_NS");
    n.TPNOTA_NS = t("TPNOTA_NS");
    n.SITUACAO_NS = t("SITUACAO_NS");
    n.CODSTATUS_NFE_NS = t("CODSTATUS_NFE_NS");
    n.FINALIDADE_NFE_NS = t("FINALIDADE_NFE_NS");
    n.CNPJ_NS = t("CNPJ_NS");
    n.UF_NS = t("UF_NS");
    n.INSCEST_NS = t("INSCEST_NS");
    n.NATOPER_NS = t("NATOPER_NS");
    n.CFOP_NS = t("CFOP_NS");
    n.OBSERVACOES_NS = t("OBSERVACOES_NS");
    n.VALOR_NS = r("VALOR_NS");
    n.VRMERC_NS = r("VRMERC_NS");
    n.VRDESCTO_NS = r("VRDESCTO_NS");
    n.VRDESCTOSUFRAMA_NS = r("VRDESCTOSUFRAMA_NS");
    n.VRDESCTOPIS_NS = r("VRDESCTOPIS_NS");
    n.VRDESCTOCOFINS_NS = r("VRDESCTOCOFINS_NS");
    n.VRFRETE_NS = r("VRFRETE_NS");
    n.VRSEGURO_NS = r("VRSEGURO_NS");
    n.VRDESPESA_NS = r("VRDESPESA_NS");
    n.BICMS_NS = r("BICMS_NS");
    n.VRICMS_NS = r("VRICMS_NS");
    n.BSUBSTICM_NS = r("BSUBSTICM_NS");
    n.VALSUBSTICM_NS = r("VALSUBSTICM_NS");
    n.VRIPI_NS = r("VRIPI_NS");
    n.VALORPIS_NS = r("VALORPIS_NS");
    n.VALORCOFINS_NS = r("VALORCOFINS_NS");
    n.PRAZO_NS = t("PRAZO_NS");
    n.NUMPARC_NS = i("NUMPARC_NS");
    n.INDPAG_XML_NS = t("INDPAG_XML_NS");
    n.TPFRETE_NS = t("TPFRETE_NS");
    n.TRANSP_NS = i("TRANSP_NS");
    n.PLACA_NS = t("PLACA_NS");
    n.PLACA_UF_NS = t("PLACA_UF_NS");
    n.QTVOLUME_NS = r("QTVOLUME_NS");
    n.PESOB_NS = r("PESOB_NS");
    n.PESOL_NS = r("PESOL_NS");
    n.FRETEICMS_NS = r("FRETEICMS_NS");
    n.VRICMFRETE_NS = r("VRICMFRETE_NS");
    n.BICMFRETE_NS = r("BICMFRETE_NS");
    n.ALIQICMFRETE_NS = r("ALIQICMFRETE_NS");
    n.TIPO_TRANSPORTADOR = t("TIPO_TRANSPORTADOR");
    n.CNPJ_TRANSPORTADOR = t("CNPJ_TRANSPORTADOR");
    n.UF_TRANSPORTADOR = t("UF_TRANSPORTADOR");
    n.QTDE_CONHEC_FRETE = i("QTDE_CONHEC_FRETE");
    n.CNPJ_FILIAL = t("CNPJ_FILIAL");
    return n;
}

void LerItem(const db::Consulta& q, TItemSaida& it) {
    auto t = [&](const char* c) { return q[c].Texto(); };
    auto r = [&](const char* c) { return q[c].Real(); };
    auto i = [&](const char* c) { return static_cast<int>(q[c].Inteiro()); };
    it.ITEM_SA = i("ITEM_SA");
    it.PROD_SA = t("PROD_SA");
    it.COD_PROD_SA = t("COD_PROD_SA");
    it.COD_PADRON_SA = t("COD_PADRON_SA");
    it.TAMANHO_SA = t("TAMANHO_SA");
    it.COD_MPRIMA_SA = i("COD_MPRIMA_SA");
    it.COR_MPRIMA_SA = t("COR_MPRIMA_SA");
    it.ID_PROD_ITEM_ESTOQUE_SA = i("ID_PROD_ITEM_ESTOQUE_SA");
    it.DESC_SA = t("DESC_SA");
    it.INFAD_SA = t("INFAD_SA");
    it.UN_SA = t("UN_SA");
    it.QTDE_SA = r("QTDE_SA");
    it.QTDE_REAL_SA = r("QTDE_REAL_SA");
    it.PRECO_SA = r("PRECO_SA");
    it.PRREAL_SA = r("PRREAL_SA");
    it.VRDESCTO_SA = r("VRDESCTO_SA");
    it.VRDESCTO_SUFRAMA_SA = r("VRDESCTO_SUFRAMA_SA");
    it.VRDESCTO_SUF_PIS_SA = r("VRDESCTO_SUF_PIS_SA");
    it.VRDESCTO_SUF_COFINS_SA = r("VRDESCTO_SUF_COFINS_SA");
    it.VRFRETE_SA = r("VRFRETE_SA");
    it.VRSEGURO_SA = r("VRSEGURO_SA");
    it.VRDESPESA_SA = r("VRDESPESA_SA");
    it.CST_SA = t("CST_SA");
    it.CFOP_SA = t("CFOP_SA");
    it.BICM_SA = r("BICM_SA");
    it.ALIQICM_SA = r("ALIQICM_SA");
    it.VRICM_SA = r("VRICM_SA");
    it.BASE_ICMS_SUBST_SA = r("BASE_ICMS_SUBST_SA");
    it.ALIQ_ICMS_SUBST_SA = r("ALIQ_ICMS_SUBST_SA");
    it.VALOR_ICMS_SUBST_SA = r("VALOR_ICMS_SUBST_SA");
    it.CST_IPI_SA = t("CST_IPI_SA");
    it.CODTRIB_IPI_SA = t("CODTRIB_IPI_SA");
    it.BASECALCIPI_SA = r("BASECALCIPI_SA");
    it.ALIQIPI_SA = r("ALIQIPI_SA");
    it.VRIPI_SA = r("VRIPI_SA");
    it.CST_PIS_SA = t("CST_PIS_SA");
    it.ALIQ_PIS_SA = r("ALIQ_PIS_SA");
    it.VALOR_PIS_SA = r("VALOR_PIS_SA");
    it.CST_COFINS_SA = t("CST_COFINS_SA");
    it.ALIQ_COFINS_SA = r("ALIQ_COFINS_SA");
    it.VALOR_COFINS_SA = r("VALOR_COFINS_SA");
    it.BASE_PIS_COFINS = r("BASE_PIS_COFINS");
    it.BCALC_SUF_ICMS_SA = r("BCALC_SUF_ICMS_SA");
    it.ALIQ_SUF_ICMS_SA = r("ALIQ_SUF_ICMS_SA");
}

// cdsItensNs do documento; o vetor guarda a capacidade de um documento para o outro.
void CarregarItens(db::Consulta& q, TDocumentoSaida& doc) {
    q.Param("FIL", doc.nota.FILIAL_NS).Param("DOC", doc.nota.DOCTO_NS).Param("SER", doc.nota.SERIE_NS);
    size_t n = 0;
    while (q.Proximo()) {
        if (n == doc.itens.size()) doc.itens.emplace_back();
        LerItem(q, doc.itens[n++]);
    }
    doc.itens.resize(n);
}

void Parametros(db::Consulta& q, const core::TParametros& p) {
    q.Param("DATA_INI", util::DataHoraSql(p.DATA_INI, 0, 0, 0)).Param("DATA_FIM", util::DataHoraSql(p.DATA_FIM, 23, 59, 59));
}

using ChaveNota = std::tuple<int, int, std::string>;  // FILIAL, DOCTO, SERIE

// As notas selecionadas que têm partilha do ICMS em ITENSNS_ICMS_DIFAL: só para elas vale a pena
// procurar o C101 (são poucas, e a consulta por documento custava mais que a leitura dos itens).
std::set<ChaveNota> NotasComDifal(core::Geracao& g, const std::string& filtro) {
    db::Consulta q(g.Leitura(),
                   "select distinct D.FILIAL_ID, D.DOCTO_ID, D.SERIE_ID from ITENSNS_ICMS_DIFAL D join NOTASAI NS on "
                   "NS.FILIAL_NS = D.FILIAL_ID and NS.DOCTO_NS = D.DOCTO_ID and NS.SERIE_NS = D.SERIE_ID " +
                       filtro);
    Parametros(q, g.params);
    std::set<ChaveNota> notas;
    while (q.Proximo())
        notas.emplace(static_cast<int>(q["FILIAL_ID"].Inteiro()), static_cast<int>(q["DOCTO_ID"].Inteiro()),
                      q["SERIE_ID"].Texto());
    return notas;
}

// Um documento, do C100 ao C190.
void ProcessarNota(core::Geracao& g, TDocumentoSaida& doc, db::Consulta& itens, const std::set<ChaveNota>& comDifal) {
    const TNotaSaida& ns = doc.nota;
    doc.codSit = SituacaoDocSaida(ns, g.params);
    if (g.params.DATA_INI >= DataHora::Data(2023, 1, 1) && EmLista("04-05", doc.codSit)) return;
    g.tabelas.cdsRegC190.clear();
    CarregarItens(itens, doc);

    GravarC100Saida(g, doc);
    if (!EmLista("02-03-04-05", doc.codSit)) {
        // A NFC-e leva só C100 e C190 (e C195/C197 dos ajustes).
        const bool consumidor = NotaConsumidor(ns);
        if (g.configuracoes.GERAR_REG_C101 && !consumidor && comDifal.count({ns.FILIAL_NS, ns.DOCTO_NS, ns.SERIE_NS}))
            GerarC101Difal(g, doc);
        // O 1400 (bloco 1) e as informações complementares C110/C113 entram aqui quando existirem.
        if ((ns.MODELO_DOC_NS == "01" || ns.MODELO_DOC_NS == "04") && ns.TRANSP_NS > 0) GravarC160Saida(g, doc);

        doc.somaBaseIcms = doc.somaIcms = 0;
        doc.quantidadeTotal = 0;
        for (const TItemSaida& item : doc.itens) ProcessarItemSaida(g, doc, item);
        if (doc.somaBaseIcms < core::EmDecimilesimos(ns.BICMS_NS)) CorrigirC190Saida(g, doc);
        GravarC190(g);
        // Observação do CFOP, grupos OBDRET e ICMSRP, C195/C197 e o frete seguem aqui quando existirem.
    }
    g.progresso.Incrementar(1);
}

}  // namespace

std::string FiltroNotasSaida(const core::Geracao& g) {
    std::string f = "where" + CondicaoFilial(g.params, "FILIAL_NS") +
                    " and EMISSAO_NS>=:DATA_INI"
                    " and EMISSAO_NS<=:DATA_FIM"
                    " and ((CFOP_NS>='5000') or (CFOP_NS is null) or (CFOP_NS<'4000' and TPNOTA_NS in ('C', 'N')))"
                    " and ((ESPECIE_DOC_NS <> 'NFE') or (ESPECIE_DOC_NS is null) or"
                    " (ESPECIE_DOC_NS = 'NFE' and NUM_PROTOC_NFE_NS <> ''))"
                    " and ((ESPECIE_DOC_NS <> 'NFS') OR (ESPECIE_DOC_NS IS NULL))";
    // Situação ou tipo nulos não são inutilização nem denegação: o documento fica.
    if (g.params.DATA_INI >= DataHora::Data(2023, 1, 1))
        f += " and coalesce(SITUACAO_NS, '') <> 'I' and coalesce(TPNOTA_NS, '') <> 'N'";
    return f;
}

void GerarNotasSaida(core::Geracao& g) {
    const std::string filtro = FiltroNotasSaida(g);
    int quantidade = 0;
    {
        db::Consulta conta(g.Leitura(), "select count(*) as QTDE_REG from NOTASAI NS " + filtro);
        Parametros(conta, g.params);
        if (conta.Proximo()) quantidade = static_cast<int>(conta["QTDE_REG"].Inteiro());
    }
    if (quantidade <= 0) return;

    // SERIE_NS completa a ordem: notas com o mesmo número em séries diferentes saem sempre iguais.
    const std::string sql = std::string(kColunasNota) +
                            "from NOTASAI NS left join FORNECEDOR TR on TR.CODIGO = NS.TRANSP_NS " + filtro +
                            " order by FILIAL_NS, EMISSAO_NS, DOCTO_NS, SERIE_NS";
    util::SalvarSql("sqlNotaSai", sql);
    db::Consulta notas(g.Leitura(), sql);
    Parametros(notas, g.params);
    db::Consulta itens(g.Leitura(), kItensNs);
    const std::set<ChaveNota> comDifal = NotasComDifal(g, filtro);

    g.progresso.IniciarEtapa(util::W("Processando Notas de Saída..."), quantidade);
    TDocumentoSaida doc;
    while (notas.Proximo()) {
        doc.nota = LerNota(notas);
        ProcessarNota(g, doc, itens, comDifal);
    }
}

}  // namespace blocks
