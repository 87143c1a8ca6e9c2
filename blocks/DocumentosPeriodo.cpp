#include "blocks/DocumentosPeriodo.h"

#include "blocks/CondicaoFilial.h"
#include "core/Geracao.h"
#include "util/Datas.h"
#include "util/TracoSql.h"

namespace blocks {

std::string FiltroFilialPeriodo(const core::TParametros& params, std::string_view colunaFilial,
                                std::string_view colunaData) {
    const std::string data(colunaData);
    return CondicaoFilial(params, colunaFilial) + " and " + data + ">=:DATA_INI and " + data + "<=:DATA_FIM";
}

void ParametrosPeriodo(db::Consulta& q, const core::TParametros& params) {
    q.Param("DATA_INI", util::DataHoraSql(params.DATA_INI, 0, 0, 0))
        .Param("DATA_FIM", util::DataHoraSql(params.DATA_FIM, 23, 59, 59));
}

std::optional<db::Consulta> AbrirDocumentosPeriodo(core::Geracao& g, const SelecaoPeriodo& s,
                                                   const std::string& listaSelect) {
    int quantidade = 0;
    {
        db::Consulta conta(g.Leitura(), "select count(*) from " + std::string(s.de) + " " + s.filtro);
        ParametrosPeriodo(conta, g.params);
        if (conta.Proximo()) quantidade = static_cast<int>(conta.NaPosicao(0).Inteiro());
    }
    if (quantidade <= 0) return std::nullopt;
    const std::string sql = "select " + listaSelect + " from " + std::string(s.de) + " " + std::string(s.juncoes) +
                            " " + s.filtro + " order by " + std::string(s.ordem);
    util::SalvarSql(s.nomeTraco, sql);
    std::optional<db::Consulta> q(std::in_place, g.Leitura(), sql);
    ParametrosPeriodo(*q, g.params);
    g.progresso.IniciarEtapa(s.legenda, quantidade);
    return q;
}

void IncrementarProgresso(core::Geracao& g) { g.progresso.Incrementar(1); }

}  // namespace blocks
