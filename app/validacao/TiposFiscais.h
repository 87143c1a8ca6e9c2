#pragma once
// cdsTiposFisc: os tipos fiscais do ERP (TABELA 'TF') e a escolha do usuário dos que entram no
// inventário e no estoque escriturado; o filtro montado da escolha vai às consultas de estoque.
#include <string>
#include <string_view>
#include <vector>

#include "db/Banco.h"

namespace app {

struct TTipoFiscal {
    std::string COD_TA;
    std::string DESC_TA;
    bool SELEC = false;
};
using ListaTiposFiscais = std::vector<TTipoFiscal>;

// Os tipos em ordem de descrição. SELEC marca os que aparecem em 'selecaoSalva'
// (TIPOS_FISCAIS_INV_SELEC, códigos separados por "-"), ou em "01-02-03-04" quando ela está vazia.
// O teste é por trecho do texto, como no ERP: um código "2" cai dentro de "02".
ListaTiposFiscais CarregarTiposFiscais(db::Transacao& tr, std::string_view selecaoSalva);

struct TFiltroTiposFiscais {
    std::string lista;                           // "'01', '02', '03'", para um "in (...)"
    bool TipoProdutoSelecionado = false;         // algum escolhido é tipo de produto acabado
    bool TiposMateriaPrimaSelecionados = false;  // a lista não está vazia
};

// O filtro dos tipos escolhidos, na ordem da lista. 'tiposProdutoAcabado' são os tipos fiscais
// de produto acabado (TIPOS_FISCAIS_EST_PRODUTO); o "04" conta só para TipoProdutoSelecionado e
// fica fora da lista, os outros tipos de produto acabado entram nela também.
TFiltroTiposFiscais FiltroTiposFiscais(const ListaTiposFiscais& tipos,
                                       std::string_view tiposProdutoAcabado);
// O mesmo, com os tipos de produto acabado lidos de PARAM a cada chamada ("04" quando vazio).
TFiltroTiposFiscais FiltroTiposFiscais(db::Transacao& tr, const ListaTiposFiscais& tipos);

}  // namespace app
