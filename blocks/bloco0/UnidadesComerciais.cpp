// cdsUnComercNF: unidades comerciais dos itens de ENTRADAMP (com NOTAENT, sem as notas emitidas
// pela própria empresa) e de ITENSNS (com NOTASAI) no período.
#include "blocks/bloco0/UnidadesComerciais.h"

#include "blocks/DocumentosPeriodo.h"
#include "core/Geracao.h"

namespace blocks {

static void Acrescentar(core::Geracao& g, const std::string& sql) {
    db::Consulta q(g.Leitura(), sql);
    ParametrosPeriodo(q, g.params);
    TUnidadesComerciais& u = g.estado.bloco0.cdsUnComercNF;
    while (q.Proximo()) {
        const std::string unidade = q["UN_COMERCIAL"].Texto();
        u.porMPrima[static_cast<int>(q["MPRIMA"].Inteiro())].insert(unidade);
        u.porProduto[q["PROD"].Texto()].insert(unidade);
    }
}

void CarregarUnidadesComerciais(core::Geracao& g) {
    g.estado.bloco0.cdsUnComercNF = {};
    Acrescentar(g,
                "select distinct MPRIMA_EMP as MPRIMA, PROD_EMP as PROD, UN_COMERCIAL_EMP as UN_COMERCIAL "
                "from ENTRADAMP EMP inner join NOTAENT NE on NE.FILIAL_NE = EMP.FILIAL_EMP and "
                "NE.FORNEC_NE = EMP.FORNEC_EMP and NE.DOCTO_NE = EMP.DOCTO_EMP and NE.SERIE_NE = EMP.SERIE_EMP "
                "where FORNEC_EMP > 0 and" + FiltroFilialPeriodo(g.params, "FILIAL_EMP", "DATA_EMP") +
                    " and ( (NE.EMITENTE_NE is null) or (NE.EMITENTE_NE <> 'S') ) "
                    "order by MPRIMA_EMP, PROD_EMP, UN_COMERCIAL_EMP");
    Acrescentar(g,
                "select distinct COD_MPRIMA_SA as MPRIMA, COD_PROD_SA as PROD, UN_SA as UN_COMERCIAL "
                "from ITENSNS I inner join NOTASAI NS on NS.FILIAL_NS = I.FILIAL_SA and NS.DOCTO_NS = I.DOCTO_SA "
                "and NS.SERIE_NS = I.SERIE_SA where" + FiltroFilialPeriodo(g.params, "FILIAL_SA", "DATA_SA") + " order by COD_MPRIMA_SA, COD_PROD_SA, UN_SA");
}

}  // namespace blocks
