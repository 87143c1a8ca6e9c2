// C101 da venda a consumidor final de outra UF e a partilha do ICMS (DIFAL e FCP) entregue ao E300:
// de ITENSNS_ICMS_DIFAL somado por documento, com os códigos de receita da UF de destino (UFS).
#include <string>

#include "blocks/bloco0/Participantes.h"
#include "blocks/blocoC/NotasSaida.h"
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

// A UF de origem das vendas: a parcela do remetente vai sempre para ela.
constexpr const char* kUFOrigem = "MG";

struct TPartilha {
    std::string UF_NS, COD_RECEITA_DEB_DIFAL_UF, COD_RECEITA_FCP_UF;
    double VR_FUNDO_COMB_POB = 0, VR_ICMS_UF_DEST = 0, VR_ICMS_UF_REMET = 0;
};

void Obrigacao(core::Geracao& g, const TNotaSaida& ns, const TPartilha& p, const char* codigo,
               const std::string& receita, double valor) {
    g.resumosE.E316.try_emplace({p.UF_NS, std::to_string(ns.DOCTO_NS), codigo},
                                core::TRegE316{ns.EMISSAO_NS, receita, valor});
}

}  // namespace

void GerarC101Difal(core::Geracao& g, TDocumentoSaida& doc) {
    const TNotaSaida& ns = doc.nota;
    db::Consulta& q = g.tabelas.consultas.Preparar(g.Leitura(), kSqlDifal);
    q.Param("FIL", ns.FILIAL_NS).Param("DOC", ns.DOCTO_NS).Param("SER", ns.SERIE_NS);
    if (!q.Abrir()) return;
    const TPartilha p{q["UF_NS"].Texto(),          q["COD_RECEITA_DEB_DIFAL_UF"].Texto(),
                      q["COD_RECEITA_FCP_UF"].Texto(), q["VR_FUNDO_COMB_POB"].Real(),
                      q["VR_ICMS_UF_DEST"].Real(),  q["VR_ICMS_UF_REMET"].Real()};
    q.Fechar();

    core::TRegistroEFD& r = doc.C101;
    r.Clear();
    r.SetCampo("REG", "C101");
    r.SetCampo("VL_FCP_UF_DEST", core::FormatarValor(p.VR_FUNDO_COMB_POB, 2));
    r.SetCampo("VL_ICMS_UF_DEST", core::FormatarValor(p.VR_ICMS_UF_DEST, 2));
    r.SetCampo("VL_ICMS_UF_REM", core::FormatarValor(p.VR_ICMS_UF_REMET, 2));
    g.GravarRegistro(r);

    if (p.VR_ICMS_UF_DEST > 0) Obrigacao(g, ns, p, "003", p.COD_RECEITA_DEB_DIFAL_UF, p.VR_ICMS_UF_DEST);
    if (p.VR_FUNDO_COMB_POB > 0) Obrigacao(g, ns, p, "006", p.COD_RECEITA_FCP_UF, p.VR_FUNDO_COMB_POB);
    if (p.VR_ICMS_UF_REMET > 0) {
        const std::string origem =
            "E313=" + std::to_string(ns.FILIAL_NS) + "-" + std::to_string(ns.DOCTO_NS) + "-" + ns.SERIE_NS;
        const std::string codPart =
            CodigoParticipante(g, ns.CLIFORREP_NS.empty() ? ' ' : ns.CLIFORREP_NS[0], ns.CODIGO_NS, origem);
        g.resumosE.E313.try_emplace(ns.CHAVE_NFE_NS,
                                    core::TRegE313{codPart, ns.MODELO_DOC_NS, ns.SERFISC_NS,
                                                   std::to_string(ns.DOCTO_NS), ns.CHAVE_NFE_NS, ns.EMISSAO_NS,
                                                   p.VR_ICMS_UF_REMET});
    }
    core::TRegE310& destino = g.resumosE.E310[p.UF_NS];
    destino.VL_TOT_DEBITOS_DIFAL += p.VR_ICMS_UF_DEST;
    destino.VL_TOT_DEB_FCP += p.VR_FUNDO_COMB_POB;
    g.resumosE.E310[kUFOrigem].VL_TOT_DEBITOS_DIFAL += p.VR_ICMS_UF_REMET;
}

}  // namespace blocks
