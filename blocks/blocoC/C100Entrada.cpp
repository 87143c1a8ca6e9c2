// C100 das notas de entrada (com a versão reduzida das canceladas, denegadas e inutilizadas), a
// situação do documento (NOTAENT e, nas emitidas pela empresa, NOTASAI), os totais dos itens e o
// C101 das devoluções de vendas com partilha do ICMS (ENTRADAMP, ITENSNS_ICMS_DIFAL, UFS), cujos
// valores voltam como créditos do DIFAL ao bloco E.
#include <string>

#include "blocks/bloco0/Participantes.h"
#include "blocks/blocoC/NotasEntrada.h"
#include "blocks/blocoC/NotasSaida.h"
#include "blocks/blocoE/ApuracaoDifal.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace blocks {

using core::FormatarValor;
using core::FormatarValorDecimilesimos;
using core::R;
using util::DataHora;

namespace {

// Uma situação da tabela do leiaute; um algarismo só ganha o zero à esquerda.
std::string SituacaoDoLeiaute(core::Geracao& g, const TNotaEntrada& ne) {
    std::string sit(core::AparadoEFD(ne.SIT_DOC_NE));
    if (sit.size() == 1) sit.insert(0, "0");
    if (CodigoNaLista("00-01-02-03-04-05-06-07-08", sit)) return sit;
    g.AdicionarErro("C100",
                    "Situação \"{}\" da NF entrada num. {} fora da tabela do leiaute: gravada como 00 (regular). "
                    "Corrija SIT_DOC_NE da nota no ERP.",
                    ne.SIT_DOC_NE, ne.DOCTO_NE);
    return "00";
}

// TPFRETE_NE do ERP para o leiaute; vazio é "sem frete". Um valor desconhecido vai para a lista de erros.
std::string IndicadorFreteEntrada(core::Geracao& g, const TNotaEntrada& ne) {
    static constexpr std::pair<std::string_view, const char*> kMapa[] = {
        {"1", "0"}, {"2", "1"}, {"3", "2"}, {"4", "3"}, {"5", "4"}, {"9", "9"}, {"", "9"}};
    const std::string_view tipo = core::AparadoEFD(ne.TPFRETE_NE);
    for (const auto& [de, para] : kMapa)
        if (tipo == de) return para;
    g.AdicionarErro("C100",
                    "Tipo de frete \"{}\" da NF entrada num. {} desconhecido: gravado 9 (sem frete). Corrija "
                    "TPFRETE_NE da nota no ERP.",
                    ne.TPFRETE_NE, ne.DOCTO_NE);
    return "9";
}

std::string NumeroDocumento(const TNotaEntrada& ne) {
    const std::string_view chave = core::AparadoEFD(ne.CHAVE_NFE_NE);
    if (chave.size() == 44) return std::string(chave.substr(25, 9));
    if (!core::AparadoEFD(ne.DOCTO_FISCAL_NE).empty()) return ne.DOCTO_FISCAL_NE;
    return std::to_string(ne.DOCTO_NE);
}

bool Fenuka2016(const core::Geracao& g) {
    return g.configuracoes.COD_CONTABILIDADE == "FENUKA" && g.params.DATA_INI >= DataHora::Data(2016, 1, 1);
}

int64_t Centavos(int64_t decimilesimos) { return R(core::Arredondar(decimilesimos / 10000.0, 2) * 10000); }

}  // namespace

std::string SituacaoDocEntrada(core::Geracao& g, const TNotaEntrada& ne) {
    if (IndicadorEmitente(ne) == "0") {
        auto q = g.Preparar(
            "select TPNOTA_NS, SITUACAO_NS, CODSTATUS_NFE_NS from NOTASAI where FILIAL_NS = :FIL and DOCTO_NS = :DOC "
            "and SERIE_NS = :SER");
        q->Param("FIL", ne.FILIAL_NE).Param("DOC", ne.DOCTO_NE).Param("SER", ne.SERIE_NE);
        if (q->Abrir()) {
            const db::Consulta& ns = *q;
            if (ns["TPNOTA_NS"].Texto() == "C" && ns["SITUACAO_NS"].Texto() != "I") return "02";
            const std::string status = ns["CODSTATUS_NFE_NS"].Texto();
            if (status == "110" || status == "301" || status == "302" || status == "205") return "04";
        }
    }
    if (!core::AparadoEFD(ne.SIT_DOC_NE).empty()) return SituacaoDoLeiaute(g, ne);
    return ne.FINALIDADE_NFE_NE == "2" ? "06" : "00";
}

TTotaisEntrada TotaisItensEntrada(const core::Geracao& g, const std::vector<TItemEntrada>& itens) {
    TTotaisEntrada t;
    const bool fenuka = Fenuka2016(g);
    for (const TItemEntrada& i : itens) {
        const int64_t valor = ValorItemEntrada(g, i);
        t.mercadorias += valor;
        if (i.PERC_DESCTO > 0) t.descontos += R(i.PERC_DESCTO * static_cast<double>(valor) / 100);
        if (i.VR_DESCTO > 0) t.descontos += R(i.VR_DESCTO * 10000);
        t.pis += R(i.VALOR_PIS * 10000);
        t.cofins += R(i.VALOR_COFINS * 10000);
        if (i.DESPES_EMP > 0) t.despesas += R(i.DESPES_EMP * 10000);
        if (i.TOT_DESCTO_SUFRAMA_EMP > 0) t.abatimentos += R(i.TOT_DESCTO_SUFRAMA_EMP * 10000);
        if (i.VRIPI <= 0) continue;
        // FENUKA: o IPI dos materiais de uso e consumo (tipos fiscais fora de 01 e 06) é despesa.
        const bool ipiDespesa = fenuka && !i.TIPO_FISCAL_MP.empty() && i.TIPO_FISCAL_MP != "06" &&
                                i.TIPO_FISCAL_MP != "01";
        (ipiDespesa ? t.despesas : t.ipi) += R(i.VRIPI * 10000);
    }
    for (int64_t* total : {&t.descontos, &t.mercadorias, &t.pis, &t.cofins, &t.abatimentos}) *total = Centavos(*total);
    return t;
}

void GerarC100Entrada(core::Geracao& g, TDocumentoEntrada& doc) {
    const TNotaEntrada& ne = doc.nota;
    const bool reduzido = CodigoNaLista(kSituacoesSemEfeito, doc.codSit);
    const TTotaisEntrada t = TotaisItensEntrada(g, doc.itens);
    auto valor = [](double v) { return FormatarValor(v, 2); };
    auto soma = [](double v, int64_t total) { return FormatarValorDecimilesimos(R(v * 10000) + total, 2); };
    int64_t outras = t.despesas;
    if (g.params.DATA_INI >= DataHora::Data(2016, 1, 1)) outras += R(ne.VRICMSSUBST_NE * 10000);

    core::TRegistroEFD& r = doc.registros.C100;
    r.Clear();
    r.SetCampo("REG", "C100");
    r.SetCampo("IND_OPER", "0");
    r.SetCampo("IND_EMIT", IndicadorEmitente(ne));
    r.SetCampo("COD_PART", reduzido ? std::string()
                                    : CodigoParticipante(g, ne.CLIFOR_NE.empty() ? ' ' : ne.CLIFOR_NE[0], ne.FORNEC_NE,
                                                         "NE=" + std::to_string(ne.FILIAL_NE) + "-" +
                                                             std::to_string(ne.DOCTO_NE) + "-" + ne.SERIE_NE));
    r.SetCampo("COD_MOD", doc.modelo);
    r.SetCampo("COD_SIT", doc.codSit);
    r.SetCampo("SER", SerieDocumento(g, doc.modelo, ne.SERFISC_NE));
    r.SetCampo("NUM_DOC", NumeroDocumento(ne));
    const bool semChave = ((doc.codSit == "02" || doc.codSit == "03") && ne.ENTRADA_NE < DataHora::Data(2011, 1, 1)) ||
                          doc.codSit == "05";
    r.SetCampo("CHV_NFE", semChave ? std::string() : ne.CHAVE_NFE_NE);
    r.SetCampo("DT_DOC", core::FormatarDataEFD(ne.EMISSAO_NE));
    r.SetCampo("DT_E_S", core::FormatarDataEFD(ne.ENTRADA_NE));
    r.SetCampo("VL_DOC", valor(ne.VALOR_NE));
    r.SetCampo("IND_PAGTO", IndicadorPagamento(ne.INDPAG_XML_NE, ne.PRAZO_NE, ne.QTDE_PARC, g.params));
    r.SetCampo("VL_DESC", soma(ne.VRDESCTO_NE, t.descontos));
    r.SetCampo("VL_ABAT_NT", FormatarValorDecimilesimos(t.abatimentos, 2));
    r.SetCampo("VL_MERC", FormatarValorDecimilesimos(t.mercadorias, 2));
    r.SetCampo("IND_FRT", reduzido ? std::string() : IndicadorFreteEntrada(g, ne));
    r.SetCampo("VL_FRT", valor(ne.VRFRETE_NE));
    r.SetCampo("VL_SEG", valor(ne.VRSEGURO_NE));
    r.SetCampo("VL_OUT_DA", soma(ne.VRDESPESA_NE, outras));
    r.SetCampo("VL_BC_ICMS", valor(ne.BICM_NE));
    r.SetCampo("VL_ICMS", valor(ne.VRICM_NE));
    r.SetCampo("VL_BC_ICMS_ST", valor(0));
    r.SetCampo("VL_ICMS_ST", valor(0));
    r.SetCampo("VL_IPI", FormatarValorDecimilesimos(t.ipi, 2));
    r.SetCampo("VL_PIS", FormatarValorDecimilesimos(t.pis, 2));
    r.SetCampo("VL_COFINS", FormatarValorDecimilesimos(t.cofins, 2));
    r.SetCampo("VL_PIS_ST", valor(0));
    r.SetCampo("VL_COFINS_ST", valor(0));
    // Documento sem efeito: só a identificação, de DT_DOC em diante tudo vazio.
    if (reduzido)
        for (int posicao = 9; posicao < static_cast<int>(r.Quantidade()); ++posicao) r.SetCampoPorPosicao(posicao, "");
    g.GravarRegistro(r);
}

void GerarC101Devolucao(core::Geracao& g, TDocumentoEntrada& doc) {
    const TNotaEntrada& ne = doc.nota;
    // As parcelas trocam de nome na volta: a da UF de destino da venda é o VR_ICMS_UF_REMET da devolução.
    auto q = g.Preparar(
        "select NS.UF_NS, U.COD_RECEITA_DEB_DIFAL_UF, U.COD_RECEITA_FCP_UF, "
        "sum(D.VALOR_FUNDO_COMB_POB_ID) VR_FUNDO_COMB_POB, sum(D.VALOR_ICMS_UF_REMET_ID) VR_ICMS_UF_DEST, "
        "sum(D.VALOR_ICMS_UF_DEST_ID) VR_ICMS_UF_REMET from ENTRADAMP EP "
        "join ITENSNS_ICMS_DIFAL D on D.FILIAL_ID = EP.FILIALNFDEVOL_EMP and D.DOCTO_ID = EP.NFDEVOL_EMP and "
        "D.SERIE_ID = EP.SERIENFDEVOL_EMP and D.ITEM_ID = EP.ITEMNFDEVOL_EMP "
        "join NOTASAI NS on NS.FILIAL_NS = D.FILIAL_ID and NS.DOCTO_NS = D.DOCTO_ID and NS.SERIE_NS = D.SERIE_ID "
        "left join UFS U on U.UF_UF = NS.UF_NS "
        "where EP.FILIAL_EMP = :FIL and EP.DOCTO_EMP = :DOC and EP.SERIE_EMP = :SER and EP.FORNEC_EMP = :FORN "
        "group by NS.UF_NS, U.COD_RECEITA_DEB_DIFAL_UF, U.COD_RECEITA_FCP_UF");
    q->Param("FIL", ne.FILIAL_NE).Param("DOC", ne.DOCTO_NE).Param("SER", ne.SERIE_NE).Param("FORN", ne.FORNEC_NE);
    if (!q->Abrir()) return;
    const db::Consulta& c = *q;
    const std::string uf = c["UF_NS"].Texto();
    if (core::AparadoEFD(uf).empty()) return;
    const core::Dinheiro fcp = core::Dinheiro::DeReal(c["VR_FUNDO_COMB_POB"].Real());
    const core::Dinheiro ufDest = core::Dinheiro::DeReal(c["VR_ICMS_UF_DEST"].Real());
    const core::Dinheiro ufRemet = core::Dinheiro::DeReal(c["VR_ICMS_UF_REMET"].Real());

    core::TRegistroEFD& r = doc.registros.C101;
    r.Clear();
    r.SetCampo("REG", "C101");
    r.SetCampo("VL_FCP_UF_DEST", FormatarValor(fcp, 2));
    r.SetCampo("VL_ICMS_UF_DEST", FormatarValor(ufDest, 2));
    r.SetCampo("VL_ICMS_UF_REM", FormatarValor(ufRemet, 2));
    g.GravarRegistro(r);
    AcumularCreditoDifalDevolucao(g, uf, ufRemet, ufDest);
}

}  // namespace blocks
