// Notas fiscais de saída: escolhe em NOTASAI (com a transportadora em FORNECEDOR, os conhecimentos
// de FRETE_NOTAFISCAL e o CNPJ da FILIAL) os documentos do período e, para cada um, lê os itens de
// ITENSNS e grava C100, C101, C160, C170 e C190 na ordem do arquivo.
#include "blocks/blocoC/NotasSaida.h"

#include <optional>
#include <set>
#include <tuple>

#include "blocks/DocumentosPeriodo.h"
#include "core/Geracao.h"
#include "util/Texto1252.h"

namespace blocks {

using util::DataHora;

namespace {

using N = TNotaSaida;
// cdsNotaSai: NOTASAI com a transportadora (FORNECEDOR TR), os conhecimentos de frete e o CNPJ da filial.
const ColunaDocumento<TNotaSaida> kColunasNota[] = {
    {"NS.FILIAL_NS", &N::FILIAL_NS},
    {"NS.DOCTO_NS", &N::DOCTO_NS},
    {"NS.SERIE_NS", &N::SERIE_NS},
    {"NS.CLIFORREP_NS", &N::CLIFORREP_NS},
    {"NS.CODIGO_NS", &N::CODIGO_NS},
    {"NS.EMISSAO_NS", &N::EMISSAO_NS},
    {"NS.DTSAIDA_NS", &N::DTSAIDA_NS},
    {"NS.MODELO_DOC_NS", &N::MODELO_DOC_NS},
    {"NS.SERFISC_NS", &N::SERFISC_NS},
    {"NS.DOCTO_FISCAL_NS", &N::DOCTO_FISCAL_NS},
    {"NS.CHAVE_NFE_NS", &N::CHAVE_NFE_NS},
    {"NS.TPNOTA_NS", &N::TPNOTA_NS},
    {"NS.SITUACAO_NS", &N::SITUACAO_NS},
    {"NS.CODSTATUS_NFE_NS", &N::CODSTATUS_NFE_NS},
    {"NS.FINALIDADE_NFE_NS", &N::FINALIDADE_NFE_NS},
    {"NS.CNPJ_NS", &N::CNPJ_NS},
    {"NS.UF_NS", &N::UF_NS},
    {"NS.INSCEST_NS", &N::INSCEST_NS},
    {"NS.NATOPER_NS", &N::NATOPER_NS},
    {"NS.CFOP_NS", &N::CFOP_NS},
    {"NS.OBSERVACOES_NS", &N::OBSERVACOES_NS},
    {"NS.VALOR_NS", &N::VALOR_NS},
    {"NS.VRMERC_NS", &N::VRMERC_NS},
    {"NS.VRDESCTO_NS", &N::VRDESCTO_NS},
    {"NS.VRDESCTOSUFRAMA_NS", &N::VRDESCTOSUFRAMA_NS},
    {"NS.VRDESCTOPIS_NS", &N::VRDESCTOPIS_NS},
    {"NS.VRDESCTOCOFINS_NS", &N::VRDESCTOCOFINS_NS},
    {"NS.VRFRETE_NS", &N::VRFRETE_NS},
    {"NS.VRSEGURO_NS", &N::VRSEGURO_NS},
    {"NS.VRDESPESA_NS", &N::VRDESPESA_NS},
    {"NS.BICMS_NS", &N::BICMS_NS},
    {"NS.VRICMS_NS", &N::VRICMS_NS},
    {"NS.BSUBSTICM_NS", &N::BSUBSTICM_NS},
    {"NS.VALSUBSTICM_NS", &N::VALSUBSTICM_NS},
    {"NS.VRIPI_NS", &N::VRIPI_NS},
    {"NS.VALORPIS_NS", &N::VALORPIS_NS},
    {"NS.VALORCOFINS_NS", &N::VALORCOFINS_NS},
    {"NS.PRAZO_NS", &N::PRAZO_NS},
    {"NS.NUMPARC_NS", &N::NUMPARC_NS},
    {"NS.INDPAG_XML_NS", &N::INDPAG_XML_NS},
    {"NS.TPFRETE_NS", &N::TPFRETE_NS},
    {"NS.TRANSP_NS", &N::TRANSP_NS},
    {"NS.PLACA_NS", &N::PLACA_NS},
    {"NS.PLACA_UF_NS", &N::PLACA_UF_NS},
    {"NS.QTVOLUME_NS", &N::QTVOLUME_NS},
    {"NS.PESOB_NS", &N::PESOB_NS},
    {"NS.PESOL_NS", &N::PESOL_NS},
    {"NS.FRETEICMS_NS", &N::FRETEICMS_NS},
    {"NS.VRICMFRETE_NS", &N::VRICMFRETE_NS},
    {"NS.BICMFRETE_NS", &N::BICMFRETE_NS},
    {"NS.ALIQICMFRETE_NS", &N::ALIQICMFRETE_NS},
    {"TR.TIPO_TRANSPORTADOR_FO", &N::TIPO_TRANSPORTADOR},
    {"TR.CNPJ_FO", &N::CNPJ_TRANSPORTADOR},
    {"TR.UF", &N::UF_TRANSPORTADOR},
    {"(select count(*) from FRETE_NOTAFISCAL FN where FN.TIPONOTA_FN='S' and FN.DOCTONOTA_FN=NS.DOCTO_NS "
     "and FN.SERIENOTA_FN=NS.SERIE_NS and FN.FILIALNOTA_FN=NS.FILIAL_NS)",
     &N::QTDE_CONHEC_FRETE},
    {"(select FI.CGC_FI from FILIAL FI where FI.COD_FI=NS.FILIAL_NS)", &N::CNPJ_FILIAL},
};

using I = TItemSaida;
// cdsItensNs: os itens de um documento.
const ColunaDocumento<TItemSaida> kColunasItem[] = {
    {"I.ITEM_SA", &I::ITEM_SA},
    {"I.PROD_SA", &I::PROD_SA},
    {"I.COD_PROD_SA", &I::COD_PROD_SA},
    {"I.COD_PADRON_SA", &I::COD_PADRON_SA},
    {"I.TAMANHO_SA", &I::TAMANHO_SA},
    {"I.COD_MPRIMA_SA", &I::COD_MPRIMA_SA},
    {"I.COR_MPRIMA_SA", &I::COR_MPRIMA_SA},
    {"I.ID_PROD_ITEM_ESTOQUE_SA", &I::ID_PROD_ITEM_ESTOQUE_SA},
    {"I.DESC_SA", &I::DESC_SA},
    {"I.INFAD_SA", &I::INFAD_SA},
    {"I.UN_SA", &I::UN_SA},
    {"I.QTDE_SA", &I::QTDE_SA},
    {"I.QTDE_REAL_SA", &I::QTDE_REAL_SA},
    {"I.PRECO_SA", &I::PRECO_SA},
    {"I.PRREAL_SA", &I::PRREAL_SA},
    {"I.VRDESCTO_SA", &I::VRDESCTO_SA},
    {"I.VRDESCTO_SUFRAMA_SA", &I::VRDESCTO_SUFRAMA_SA},
    {"I.VRDESCTO_SUF_PIS_SA", &I::VRDESCTO_SUF_PIS_SA},
    {"I.VRDESCTO_SUF_COFINS_SA", &I::VRDESCTO_SUF_COFINS_SA},
    {"I.VRFRETE_SA", &I::VRFRETE_SA},
    {"I.VRSEGURO_SA", &I::VRSEGURO_SA},
    {"I.VRDESPESA_SA", &I::VRDESPESA_SA},
    {"I.CST_SA", &I::CST_SA},
    {"I.CFOP_SA", &I::CFOP_SA},
    {"I.BICM_SA", &I::BICM_SA},
    {"I.ALIQICM_SA", &I::ALIQICM_SA},
    {"I.VRICM_SA", &I::VRICM_SA},
    {"I.BASE_ICMS_SUBST_SA", &I::BASE_ICMS_SUBST_SA},
    {"I.ALIQ_ICMS_SUBST_SA", &I::ALIQ_ICMS_SUBST_SA},
    {"I.VALOR_ICMS_SUBST_SA", &I::VALOR_ICMS_SUBST_SA},
    {"I.CST_IPI_SA", &I::CST_IPI_SA},
    {"I.CODTRIB_IPI_SA", &I::CODTRIB_IPI_SA},
    {"I.BASECALCIPI_SA", &I::BASECALCIPI_SA},
    {"I.ALIQIPI_SA", &I::ALIQIPI_SA},
    {"I.VRIPI_SA", &I::VRIPI_SA},
    {"I.CST_PIS_SA", &I::CST_PIS_SA},
    {"I.ALIQ_PIS_SA", &I::ALIQ_PIS_SA},
    {"I.VALOR_PIS_SA", &I::VALOR_PIS_SA},
    {"I.CST_COFINS_SA", &I::CST_COFINS_SA},
    {"I.ALIQ_COFINS_SA", &I::ALIQ_COFINS_SA},
    {"I.VALOR_COFINS_SA", &I::VALOR_COFINS_SA},
    {"IIF(I.BCALC_PIS_COFINS_SA IS NULL, I.PRREAL_SA, I.BCALC_PIS_COFINS_SA)", &I::BASE_PIS_COFINS},
    {"I.BCALC_SUF_ICMS_SA", &I::BCALC_SUF_ICMS_SA},
    {"I.ALIQ_SUF_ICMS_SA", &I::ALIQ_SUF_ICMS_SA},
};

std::string SqlItensNs() {
    return "select " + ListaSelect<TItemSaida>(kColunasItem) +
           " from ITENSNS I where FILIAL_SA=:FIL and DOCTO_SA=:DOC and SERIE_SA=:SER order by ITEM_SA";
}

bool EmLista(std::string_view lista, const std::string& codSit) { return lista.find(codSit) != std::string_view::npos; }

// cdsItensNs do documento; o vetor guarda a capacidade de um documento para o outro.
void CarregarItens(db::Consulta& q, const TNotaSaida& ns, std::vector<TItemSaida>& itens) {
    q.Param("FIL", ns.FILIAL_NS).Param("DOC", ns.DOCTO_NS).Param("SER", ns.SERIE_NS);
    size_t n = 0;
    while (q.Proximo()) {
        if (n == itens.size()) itens.emplace_back();
        LerColunas<TItemSaida>(q, kColunasItem, itens[n++]);
    }
    itens.resize(n);
}

using ChaveNota = std::tuple<int, int, std::string>;  // FILIAL, DOCTO, SERIE

// As notas selecionadas que têm partilha do ICMS em ITENSNS_ICMS_DIFAL: só para elas vale a pena
// procurar o C101 (são poucas, e a consulta por documento custava mais que a leitura dos itens).
std::set<ChaveNota> NotasComDifal(core::Geracao& g, const std::string& filtro) {
    db::Consulta q(g.Leitura(),
                   "select distinct D.FILIAL_ID, D.DOCTO_ID, D.SERIE_ID from ITENSNS_ICMS_DIFAL D join NOTASAI NS on "
                   "NS.FILIAL_NS = D.FILIAL_ID and NS.DOCTO_NS = D.DOCTO_ID and NS.SERIE_NS = D.SERIE_ID " +
                       filtro);
    ParametrosPeriodo(q, g.params);
    std::set<ChaveNota> notas;
    while (q.Proximo())
        notas.emplace(static_cast<int>(q["FILIAL_ID"].Inteiro()), static_cast<int>(q["DOCTO_ID"].Inteiro()),
                      q["SERIE_ID"].Texto());
    return notas;
}

// Um documento, do C100 ao C190.
void ProcessarNota(core::Geracao& g, TDocumentoSaida& doc, db::Consulta& itens, std::vector<TItemSaida>& lidos,
                   const std::set<ChaveNota>& comDifal) {
    const TNotaSaida& ns = doc.nota;
    doc.codSit = SituacaoDocSaida(ns, g.params);
    if (g.params.DATA_INI >= DataHora::Data(2023, 1, 1) && EmLista("04-05", doc.codSit)) return;
    CarregarItens(itens, ns, lidos);

    GravarC100Saida(g, doc);
    if (EmLista("02-03-04-05", doc.codSit)) return;
    // A NFC-e leva só C100 e C190 (e C195/C197 dos ajustes).
    const bool consumidor = NotaConsumidor(ns);
    if (g.configuracoes.GERAR_REG_C101 && !consumidor && comDifal.count({ns.FILIAL_NS, ns.DOCTO_NS, ns.SERIE_NS}))
        GerarC101Difal(g, doc);
    // O 1400 (bloco 1) e as informações complementares C110/C113 entram aqui quando existirem.
    if ((ns.MODELO_DOC_NS == "01" || ns.MODELO_DOC_NS == "04") && ns.TRANSP_NS > 0) GravarC160Saida(g, doc);

    for (const TItemSaida& item : doc.itens) ProcessarItemSaida(g, doc, item);
    if (doc.somaBaseIcms < core::EmDecimilesimos(ns.BICMS_NS)) CorrigirC190Saida(g, doc);
    GravarC190(g, doc.cdsRegC190);
    // Observação do CFOP, grupos OBDRET e ICMSRP, C195/C197 e o frete seguem aqui quando existirem.
}

}  // namespace

std::string FiltroNotasSaida(const core::Geracao& g) {
    std::string f = "where" + FiltroFilialPeriodo(g.params, "FILIAL_NS", "EMISSAO_NS") +
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
    // SERIE_NS completa a ordem: notas com o mesmo número em séries diferentes saem sempre iguais.
    const SelecaoPeriodo notas{.de = "NOTASAI NS",
                               .juncoes = "left join FORNECEDOR TR on TR.CODIGO = NS.TRANSP_NS",
                               .filtro = FiltroNotasSaida(g),
                               .ordem = "FILIAL_NS, EMISSAO_NS, DOCTO_NS, SERIE_NS",
                               .legenda = util::W("Processando Notas de Saída..."),
                               .nomeTraco = "sqlNotaSai"};
    std::set<ChaveNota> comDifal;
    std::optional<db::Consulta> itens;
    std::vector<TItemSaida> lidos;  // itens do documento corrente
    TRegistrosSaida registros;
    PercorrerDocumentos<TNotaSaida>(g, notas, kColunasNota, [&](TNotaSaida& nota) {
        if (!itens) {  // preparados só quando o período tem notas
            itens.emplace(g.Leitura(), SqlItensNs());
            comDifal = NotasComDifal(g, notas.filtro);
        }
        TDocumentoSaida doc{.nota = std::move(nota), .itens = lidos, .registros = registros};
        ProcessarNota(g, doc, *itens, lidos, comDifal);
    });
}

}  // namespace blocks
