#include "app/validacao/TiposFiscais.h"

#include "core/ConfiguracoesErp.h"

namespace app {

ListaTiposFiscais CarregarTiposFiscais(db::Transacao& tr, std::string_view selecaoSalva) {
    const std::string_view preselecao = selecaoSalva.empty() ? "01-02-03-04" : selecaoSalva;
    db::Consulta q(tr, "select COD_TA, DESC_TA from TABELA where NUM_TA='TF' order by DESC_TA ");
    ListaTiposFiscais tipos;
    while (q.Proximo()) {
        TTipoFiscal t{q["COD_TA"].Texto(), q["DESC_TA"].Texto()};
        t.SELEC = preselecao.find(t.COD_TA) != std::string_view::npos;
        tipos.push_back(std::move(t));
    }
    return tipos;
}

// Entre aspas simples, dobrando as de dentro, para o código ir como literal SQL.
static std::string LiteralSql(std::string_view codigo) {
    std::string literal = "'";
    for (char c : codigo) {
        if (c == '\'') literal += '\'';
        literal += c;
    }
    return literal + "'";
}

TFiltroTiposFiscais FiltroTiposFiscais(const ListaTiposFiscais& tipos,
                                       std::string_view tiposProdutoAcabado) {
    TFiltroTiposFiscais filtro;
    for (const TTipoFiscal& t : tipos) {
        if (!t.SELEC) continue;
        if (tiposProdutoAcabado.find(t.COD_TA) != std::string_view::npos) {
            filtro.TipoProdutoSelecionado = true;
            if (t.COD_TA == "04") continue;
        }
        if (!filtro.lista.empty()) filtro.lista += ", ";
        filtro.lista += LiteralSql(t.COD_TA);
    }
    filtro.TiposMateriaPrimaSelecionados = !filtro.lista.empty();
    return filtro;
}

TFiltroTiposFiscais FiltroTiposFiscais(db::Transacao& tr, const ListaTiposFiscais& tipos) {
    return FiltroTiposFiscais(tipos, core::LerTiposFiscaisEstProduto(tr));
}

}  // namespace app
