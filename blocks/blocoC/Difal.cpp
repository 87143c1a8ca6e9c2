// C101 da venda a consumidor final de outra UF e a partilha do ICMS (DIFAL e FCP) entregue ao E300:
// de ITENSNS_ICMS_DIFAL somado por documento, com os códigos de receita da UF de destino (UFS).
#include <string>

#include "blocks/bloco0/Participantes.h"
#include "blocks/blocoC/NotasSaida.h"
#include "blocks/blocoE/ApuracaoDifal.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace blocks {

namespace {

constexpr const char* kSqlDifal =
    "SELECT UF_NS, COD_RECEITA_DEB_DIFAL_UF, COD_RECEITA_FCP_UF, SUM(VALOR_FUNDO_COMB_POB_ID) VR_FUNDO_COMB_POB, "
    "SUM(VALOR_ICMS_UF_DEST_ID) VR_ICMS_UF_DEST, SUM(VALOR_ICMS_UF_REMET_ID) VR_ICMS_UF_REMET "
    "FROM ITENSNS_ICMS_DIFAL LEFT JOIN NOTASAI ON FILIAL_ID = FILIAL_NS AND DOCTO_ID = DOCTO_NS AND "
    "SERIE_ID = SERIE_NS LEFT JOIN UFS ON UF_UF = UF_NS WHERE FILIAL_ID = :FIL and DOCTO_ID = :DOC and "
    "SERIE_ID = :SER GROUP BY UF_NS, COD_RECEITA_DEB_DIFAL_UF, COD_RECEITA_FCP_UF";

}  // namespace

void GerarC101Difal(core::Geracao& g, TDocumentoSaida& doc) {
    const TNotaSaida& ns = doc.nota;
    TPartilhaDifal p;
    {
        auto q = g.Preparar(kSqlDifal);
        q->Param("FIL", ns.FILIAL_NS).Param("DOC", ns.DOCTO_NS).Param("SER", ns.SERIE_NS);
        if (!q->Abrir()) return;
        const db::Consulta& c = *q;
        p.UF_DEST = c["UF_NS"].Texto();
        p.COD_RECEITA_DIFAL = c["COD_RECEITA_DEB_DIFAL_UF"].Texto();
        p.COD_RECEITA_FCP = c["COD_RECEITA_FCP_UF"].Texto();
        p.VL_FCP_UF_DEST = Dinheiro::DeReal(c["VR_FUNDO_COMB_POB"].Real());
        p.VL_ICMS_UF_DEST = Dinheiro::DeReal(c["VR_ICMS_UF_DEST"].Real());
        p.VL_ICMS_UF_REM = Dinheiro::DeReal(c["VR_ICMS_UF_REMET"].Real());
    }

    core::TRegistroEFD& r = doc.registros.C101;
    r.Clear();
    r.SetCampo("REG", "C101");
    r.SetCampo("VL_FCP_UF_DEST", core::FormatarValor(p.VL_FCP_UF_DEST, 2));
    r.SetCampo("VL_ICMS_UF_DEST", core::FormatarValor(p.VL_ICMS_UF_DEST, 2));
    r.SetCampo("VL_ICMS_UF_REM", core::FormatarValor(p.VL_ICMS_UF_REM, 2));
    g.GravarRegistro(r);

    p.documento.MODELO = ns.MODELO_DOC_NS;
    p.documento.SERIE = ns.SERFISC_NS;
    p.documento.DOCTO = std::to_string(ns.DOCTO_NS);
    p.documento.CHAVE = ns.CHAVE_NFE_NS;
    p.documento.EMISSAO = ns.EMISSAO_NS;
    if (p.VL_ICMS_UF_REM > Dinheiro{}) {
        const std::string origem =
            "E313=" + std::to_string(ns.FILIAL_NS) + "-" + std::to_string(ns.DOCTO_NS) + "-" + ns.SERIE_NS;
        p.documento.COD_PART =
            CodigoParticipante(g, ns.CLIFORREP_NS.empty() ? ' ' : ns.CLIFORREP_NS[0], ns.CODIGO_NS, origem);
    }
    AcumularPartilhaDifal(g, p);
}

}  // namespace blocks
