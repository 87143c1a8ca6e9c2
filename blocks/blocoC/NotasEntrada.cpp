// Notas de entrada: escolhe em NOTAENT os documentos da filial com entrada no período (fora as
// notas de serviço e os conhecimentos rodoviários de serviço), despacha cada um pelo modelo e grava
// as notas de mercadorias (modelos 01, 1B, 04, 55): C100, C101, C170, C190 e as observações do ST.
#include "blocks/blocoC/NotasEntrada.h"

#include "blocks/DocumentosPeriodo.h"
#include "blocks/bloco0/NaturezasObservacoes.h"
#include "blocks/blocoE/ApuracaoIcms.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Texto1252.h"

namespace blocks {

using util::DataHora;

namespace {

using N = TNotaEntrada;
// cdsNotaEnt: NOTAENT com a natureza (TABELA 17), as parcelas, o centro de custo e o CNPJ da filial.
const ColunaDocumento<TNotaEntrada> kColunasNota[] = {
    {"NE.FILIAL_NE", &N::FILIAL_NE},
    {"NE.DOCTO_NE", &N::DOCTO_NE},
    {"NE.SERIE_NE", &N::SERIE_NE},
    {"NE.FORNEC_NE", &N::FORNEC_NE},
    {"NE.CLIFOR_NE", &N::CLIFOR_NE},
    {"NE.EMISSAO_NE", &N::EMISSAO_NE},
    {"NE.ENTRADA_NE", &N::ENTRADA_NE},
    {"NE.TPDOC_NE", &N::TPDOC_NE},
    {"NE.SERFISC_NE", &N::SERFISC_NE},
    {"NE.DOCTO_FISCAL_NE", &N::DOCTO_FISCAL_NE},
    {"NE.CHAVE_NFE_NE", &N::CHAVE_NFE_NE},
    {"NE.EMITENTE_NE", &N::EMITENTE_NE},
    {"NE.SIT_DOC_NE", &N::SIT_DOC_NE},
    {"NE.FINALIDADE_NFE_NE", &N::FINALIDADE_NFE_NE},
    {"NE.NATOPER_NE", &N::NATOPER_NE},
    {"NE.DESC_NATOPER_NE", &N::DESC_NATOPER_NE},
    {"NE.OBS_NE", &N::OBS_NE},
    {"NE.OBSREGENT_NE", &N::OBSREGENT_NE},
    {"NE.VALOR_NE", &N::VALOR_NE},
    {"NE.VRDESCTO_NE", &N::VRDESCTO_NE},
    {"NE.VRFRETE_NE", &N::VRFRETE_NE},
    {"NE.VRSEGURO_NE", &N::VRSEGURO_NE},
    {"NE.VRDESPESA_NE", &N::VRDESPESA_NE},
    {"NE.VRSERVICO_NE", &N::VRSERVICO_NE},
    {"NE.BICM_NE", &N::BICM_NE},
    {"NE.VRICM_NE", &N::VRICM_NE},
    {"NE.BICMSSUBST_NE", &N::BICMSSUBST_NE},
    {"NE.VRICMSSUBST_NE", &N::VRICMSSUBST_NE},
    {"NE.VRIPI_NE", &N::VRIPI_NE},
    {"NE.ALIQICMS_NE", &N::ALIQICMS_NE},
    {"NE.ALIQ_ICMS_ST_NE", &N::ALIQ_ICMS_ST_NE},
    {"NE.ISENTOICMS_NE", &N::ISENTOICMS_NE},
    {"NE.OUTROSICMS_NE", &N::OUTROSICMS_NE},
    {"NE.VALOR_ISS_NE", &N::VALOR_ISS_NE},
    {"NE.VALORPIS_NE", &N::VALORPIS_NE},
    {"NE.VALORCOFINS_NE", &N::VALORCOFINS_NE},
    {"NE.BASE_CALC_PIS_COFINS_NE", &N::BASE_CALC_PIS_COFINS_NE},
    {"NE.CST_ICMS_NE", &N::CST_ICMS_NE},
    {"NE.CFISIPI_NE", &N::CFISIPI_NE},
    {"NE.CST_PIS_NE", &N::CST_PIS_NE},
    {"NE.CST_COFINS_NE", &N::CST_COFINS_NE},
    {"NE.ALIQ_PIS_NE", &N::ALIQ_PIS_NE},
    {"NE.ALIQ_COFINS_NE", &N::ALIQ_COFINS_NE},
    {"NE.NAT_BC_CRED_NE", &N::NAT_BC_CRED_NE},
    {"NE.PRAZO_NE", &N::PRAZO_NE},
    {"NE.NUMPARCELAS_NE", &N::NUMPARCELAS_NE},
    {"NE.INDPAG_XML_NE", &N::INDPAG_XML_NE},
    {"NE.TPFRETE_NE", &N::TPFRETE_NE},
    {"NE.FRETEFORA_NE", &N::FRETEFORA_NE},
    {"NE.FRETE_ENTSAI_NE", &N::FRETE_ENTSAI_NE},
    {"NE.COD_CLASSE_CONSUMO_NE", &N::COD_CLASSE_CONSUMO_NE},
    {"NE.COD_GRUPO_TENSAO_ELETRICA_NE", &N::COD_GRUPO_TENSAO_ELETRICA_NE},
    {"NE.TIPO_LIGACAO_ELETRICA_NE", &N::TIPO_LIGACAO_ELETRICA_NE},
    {"NE.CTE_COD_MUNICIPIO_INI_NE", &N::CTE_COD_MUNICIPIO_INI_NE},
    {"NE.CTE_COD_MUNICIPIO_FIM_NE", &N::CTE_COD_MUNICIPIO_FIM_NE},
    {"NE.CTE_COD_MUNICIPIO_ENV_NE", &N::CTE_COD_MUNICIPIO_ENV_NE},
    {"(select T.DESC_TA from TABELA T where T.NUM_TA = '17' and T.COD_TA = NE.NATOPER_NE)", &N::NATOPER},
    {"iif(coalesce(NE.NUMPARCELAS_NE, 0) <> 0, NE.NUMPARCELAS_NE, (select count(*) from TITULO TI where "
     "TI.FILIAL_TI = NE.FILIAL_NE and TI.NUM_TI = NE.DOCTO_NE and TI.FORNEC_TI = NE.FORNEC_NE and "
     "TI.CLIFORREP_TI = NE.CLIFOR_NE and TI.EMISSAO_TI = NE.EMISSAO_NE))",
     &N::QTDE_PARC},
    {"(select first 1 CC.CODCONTAB_CC from CCUSTO CC where CC.NUMDUP_CC = NE.DOCTO_NE and CC.FORNEC_CC = "
     "NE.FORNEC_NE and CC.FILIAL_CC = NE.FILIAL_NE)",
     &N::CCUSTO_CODCONTAB},
    {"(select FI.CGC_FI from FILIAL FI where FI.COD_FI = NE.FILIAL_NE)", &N::CNPJ_FILIAL},
};

// Observações (C195 com o 0460) da base e do valor do ICMS-ST destacados na nota.
void GravarObservacoesST(core::Geracao& g, const TNotaEntrada& ne) {
    if (ne.VRICMSSUBST_NE <= 0) return;
    const std::string base = util::W("Base de Subts.Trib. destacada na Nota");
    const std::string valor = util::W("Valor do Subts.Trib. destacado na Nota");
    GravarObservacao(g, "C195", "STBASE", base, base + ": R$ " + core::FormatarValor(ne.BICMSSUBST_NE, 2));
    GravarObservacao(g, "C195", "ST_VAL", valor, valor + ": R$ " + core::FormatarValor(ne.VRICMSSUBST_NE, 2));
}

// Nota de mercadorias, do C100 às observações.
void ProcessarNotaMercadorias(core::Geracao& g, TDocumentoEntrada& doc, TConsultasItensEntrada& consultas) {
    const TNotaEntrada& ne = doc.nota;
    CarregarItensEntrada(g, ne, consultas, doc.itens);
    GerarC100Entrada(g, doc);
    // O C100 sem efeito não tem filhos (nem as observações do ST, que o leiaute recusaria ali).
    if (CodigoNaLista(kSituacoesSemEfeito, doc.codSit)) return;
    if (g.configuracoes.GERAR_REG_C101_DEVOLUCAO) GerarC101Devolucao(g, doc);
    // Informações complementares (C110, C113), importação (C120) e títulos (C140/C141) entram aqui
    // quando existirem.
    ProcessarItensEntrada(g, doc);
    GravarC190(g, doc.cdsRegC190);
    // Os grupos OBCRET e OBERET dos ajustes de devolução entram aqui quando existirem.
    GravarObservacoesST(g, ne);
}

// Documento de outro construtor: o gancho grava os registros e a apuração recebe o ICMS.
void Despachar(core::Geracao& g, const TDocumentoEntrada& doc,
               const std::function<void(core::Geracao&, const TDocumentoEntrada&)>& gancho, std::string_view origem) {
    if (!gancho) return;
    gancho(g, doc);
    AcumularApuracaoICMS(g, {.origem = origem,
                             .cfop = doc.nota.NATOPER_NE,
                             .codSit = doc.codSit,
                             .valorDocumento = core::Dinheiro::DeReal(doc.nota.VRICM_NE)});
}

}  // namespace

bool CodigoNaLista(std::string_view lista, std::string_view codigo) {
    if (codigo.empty()) return false;
    size_t inicio = 0;
    while (true) {
        const size_t traco = lista.find('-', inicio);
        if (lista.substr(inicio, traco == std::string_view::npos ? std::string_view::npos : traco - inicio) == codigo)
            return true;
        if (traco == std::string_view::npos) return false;
        inicio = traco + 1;
    }
}

std::string CodModDocumento(const core::Geracao& g, const std::string& tpdoc) {
    const std::string* modelo = core::Localizar(g.caches->cdsTipoDocFiscal, tpdoc);
    return modelo ? *modelo : tpdoc;
}

void GerarNotasEntrada(core::Geracao& g, const DespachoEntrada& outros) {
    const SelecaoPeriodo notas{
        .de = "NOTAENT NE",
        .juncoes = "",
        .filtro = "where" + FiltroFilialPeriodo(g.params, "FILIAL_NE", "ENTRADA_NE") +
                  " and (((TPDOC_NE <> 'NFS') and (TPDOC_NE <> 'CTRS')) or (TPDOC_NE is null))",
        .ordem = "FILIAL_NE, ENTRADA_NE, DOCTO_NE, FORNEC_NE, SERIE_NE",
        .legenda = "Processando Notas de Entrada...",
        .nomeTraco = "sqlNotaEnt"};
    std::vector<TItemEntrada> itens;  // itens do documento corrente
    TRegistrosEntrada registros;
    TConsultasItensEntrada consultas;
    const bool desde2023 = g.params.DATA_INI >= DataHora::Data(2023, 1, 1);
    PercorrerDocumentos<TNotaEntrada>(g, notas, kColunasNota, [&](TNotaEntrada& nota) {
        TDocumentoEntrada doc{.nota = std::move(nota), .itens = itens, .registros = registros};
        doc.codSit = SituacaoDocEntrada(g, doc.nota);
        if (desde2023 && CodigoNaLista("04-05", doc.codSit)) return;
        doc.modelo = CodModDocumento(g, doc.nota.TPDOC_NE);
        if (CodigoNaLista("07-08-8B-09-10-11-26-27-57-67", doc.modelo))
            Despachar(g, doc, outros.transporte, "D190");
        else if (CodigoNaLista("06-66-28-29", doc.modelo))
            Despachar(g, doc, outros.contaConsumo, "C590");
        else if (CodigoNaLista("21-22", doc.modelo))
            Despachar(g, doc, outros.comunicacao, "D590");
        else if (CodigoNaLista("01-1B-04-55", doc.modelo))
            ProcessarNotaMercadorias(g, doc, consultas);
    });
}

}  // namespace blocks
