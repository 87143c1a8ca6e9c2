// C100 (com a versão reduzida dos documentos cancelados, denegados e inutilizados) e C160 (volumes
// da nota modelo 01 ou 04 com transportadora) das notas de saída, de NOTASAI e FORNECEDOR.
#include <string>

#include "blocks/bloco0/Participantes.h"
#include "blocks/blocoC/NotasSaida.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace blocks {

using core::FormatarValor;
using util::DataHora;

namespace {

std::string Origem(const TNotaSaida& ns) {
    return "NS=" + std::to_string(ns.FILIAL_NS) + "-" + std::to_string(ns.DOCTO_NS) + "-" + ns.SERIE_NS;
}

char TipoParticipante(const TNotaSaida& ns) { return ns.CLIFORREP_NS.empty() ? ' ' : ns.CLIFORREP_NS[0]; }


std::string DataEntradaSaida(const TNotaSaida& ns, const core::TParametros& p) {
    if (ns.TPNOTA_NS == "E") return core::FormatarDataEFD(ns.EMISSAO_NS);
    const DataHora saida = ns.DTSAIDA_NS.SoData();
    if (saida.Vazia() || saida < DataHora::Data(2000, 1, 1) || saida > p.DATA_FIM.SoData()) return {};
    return core::FormatarDataEFD(saida);
}


std::string IndicadorFrete(const std::string& tipo) {
    static constexpr std::pair<const char*, const char*> kMapa[] = {
        {"1", "0"}, {"2", "1"}, {"3", "2"}, {"4", "3"}, {"5", "4"}};
    for (const auto& [de, para] : kMapa)
        if (tipo == de) return para;
    return tipo;
}

}  // namespace

std::string SituacaoDocSaida(const TNotaSaida& ns, const core::TParametros& params) {
    if (ns.TPNOTA_NS == "C") return ns.SITUACAO_NS == "I" ? "05" : "02";
    if (ns.TPNOTA_NS == "N") return "04";
    for (const char* status : {"110", "301", "302", "303", "205"})
        if (ns.CODSTATUS_NFE_NS == status) return "04";
    if (ns.FINALIDADE_NFE_NS == "2") return "06";
    if (ns.CNPJ_NS == core::SomenteNumeros(params.CNPJ_FIL) && ns.VALOR_NS == 0) return "08";
    if (ns.TPNOTA_NS == "A") return "08";
    return "00";
}

std::string SerieDocumento(const core::Geracao& g, std::string_view modelo, std::string serie) {
    if (SerieTresDigitos(g, modelo) && serie.size() < 3) serie.insert(0, 3 - serie.size(), '0');
    return serie;
}

std::string IndicadorPagamento(const std::string& indPagXml, const std::string& prazo, int parcelas,
                               const core::TParametros& p) {
    if (!core::AparadoEFD(indPagXml).empty()) return indPagXml;
    if (prazo.find("A VISTA") != std::string::npos) return "0";
    if (prazo.find("APRES") != std::string::npos || parcelas > 0) return "1";
    return p.DATA_INI < DataHora::Data(2012, 7, 1) ? "9" : "2";
}

bool SerieTresDigitos(const core::Geracao& g, std::string_view modelo) {
    if (modelo.empty() || std::string_view("-55-65-57-67-").find("-" + std::string(modelo) + "-") == std::string_view::npos)
        return false;
    if (g.params.SERIE_DOCTO_3_DIGITOS) return true;
    const std::string& escritorio = g.configuracoes.COD_CONTABILIDADE;
    const DataHora& inicio = g.params.DATA_INI;
    if ((escritorio == "VORLIKA" || escritorio == "TUNO") && inicio >= DataHora::Data(2017, 9, 1)) return true;
    if (escritorio == "DORBE_MANTU" && inicio >= DataHora::Data(2018, 6, 1)) return true;
    if (escritorio == "PELU" && inicio >= DataHora::Data(2017, 11, 1)) return true;
    return false;
}

void GravarC100Saida(core::Geracao& g, TDocumentoSaida& doc) {
    const TNotaSaida& ns = doc.nota;
    const bool reduzido = std::string_view("02-03-04-05").find(doc.codSit) != std::string_view::npos;
    const bool consumidor = NotaConsumidor(ns);
    doc.codPart = reduzido || consumidor ? std::string()
                                         : CodigoParticipante(g, TipoParticipante(ns), ns.CODIGO_NS, Origem(ns));
    // Na NFC-e o consumidor não é identificado e os valores de ST, IPI, PIS e COFINS ficam vazios.
    auto valor = [&](double v, bool vazioNaNfce = false) {
        return consumidor && vazioNaNfce ? std::string() : FormatarValor(v, 2);
    };
    const bool fenuka = g.configuracoes.COD_CONTABILIDADE == "FENUKA";
    const double abatimentos = ns.VRDESCTOSUFRAMA_NS + ns.VRDESCTOPIS_NS + ns.VRDESCTOCOFINS_NS;

    core::TRegistroEFD& r = doc.registros.C100;
    r.Clear();
    r.SetCampo("REG", "C100");
    r.SetCampo("IND_OPER", ns.TPNOTA_NS == "E" ? "0" : "1");
    r.SetCampo("IND_EMIT", ns.TPNOTA_NS == "A" ? "1" : "0");
    r.SetCampo("COD_PART", doc.codPart);
    r.SetCampo("COD_MOD", ns.MODELO_DOC_NS);
    r.SetCampo("COD_SIT", doc.codSit);
    r.SetCampo("SER", SerieDocumento(g, ns.MODELO_DOC_NS, ns.SERFISC_NS));
    r.SetCampo("NUM_DOC", core::AparadoEFD(ns.DOCTO_FISCAL_NS).empty() ? std::to_string(ns.DOCTO_NS)
                                                                       : ns.DOCTO_FISCAL_NS);
    const bool semChave = (doc.codSit == "02" || doc.codSit == "03") && ns.EMISSAO_NS < DataHora::Data(2011, 1, 1);
    r.SetCampo("CHV_NFE", semChave ? std::string() : ns.CHAVE_NFE_NS);
    r.SetCampo("DT_DOC", core::FormatarDataEFD(ns.EMISSAO_NS));
    r.SetCampo("DT_E_S", DataEntradaSaida(ns, g.params));
    r.SetCampo("VL_DOC", valor(ns.VALOR_NS));
    r.SetCampo("IND_PAGTO", IndicadorPagamento(ns.INDPAG_XML_NS, ns.PRAZO_NS, ns.NUMPARC_NS, g.params));
    r.SetCampo("VL_DESC", valor(fenuka ? ns.VRDESCTO_NS + abatimentos : ns.VRDESCTO_NS));
    r.SetCampo("VL_ABAT_NT", valor(abatimentos));
    r.SetCampo("VL_MERC", valor(ns.VRMERC_NS));
    r.SetCampo("IND_FRT", IndicadorFrete(ns.TPFRETE_NS));
    r.SetCampo("VL_FRT", valor(ns.VRFRETE_NS));
    r.SetCampo("VL_SEG", valor(ns.VRSEGURO_NS));
    r.SetCampo("VL_OUT_DA", valor(ns.VRDESPESA_NS));
    r.SetCampo("VL_BC_ICMS", valor(ns.BICMS_NS));
    r.SetCampo("VL_ICMS", valor(ns.VRICMS_NS));
    r.SetCampo("VL_BC_ICMS_ST", valor(ns.BSUBSTICM_NS, true));
    r.SetCampo("VL_ICMS_ST", valor(ns.VALSUBSTICM_NS, true));
    r.SetCampo("VL_IPI", valor(ns.VRIPI_NS, true));
    r.SetCampo("VL_PIS", valor(ns.VALORPIS_NS, true));
    r.SetCampo("VL_COFINS", valor(ns.VALORCOFINS_NS, true));
    r.SetCampo("VL_PIS_ST", valor(0, true));
    r.SetCampo("VL_COFINS_ST", valor(0, true));
    // Documento sem efeito: só a identificação, de DT_DOC em diante tudo vazio.
    if (reduzido)
        for (int posicao = 9; posicao < static_cast<int>(r.Quantidade()); ++posicao) r.SetCampoPorPosicao(posicao, "");
    g.GravarRegistro(r);
}

void GravarC160Saida(core::Geracao& g, TDocumentoSaida& doc) {
    const TNotaSaida& ns = doc.nota;
    core::TRegistroEFD& r = doc.registros.C160;
    r.Clear();
    r.SetCampo("REG", "C160");
    r.SetCampo("COD_PART", CodigoParticipante(g, 'F', ns.TRANSP_NS, Origem(ns)));
    r.SetCampo("VEIC_ID", ns.PLACA_NS);
    r.SetCampo("QTD_VOL", FormatarValor(ns.QTVOLUME_NS, 0));
    r.SetCampo("PESO_BRT", FormatarValor(ns.PESOB_NS, 2));
    r.SetCampo("PESO_LIQ", FormatarValor(ns.PESOL_NS, 2));
    r.SetCampo("UF_ID", ns.PLACA_UF_NS);
    g.GravarRegistro(r);
}

}  // namespace blocks
