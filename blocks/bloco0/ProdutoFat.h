#pragma once
// Código e descrição de faturamento de um produto acabado (TProdutoFat): refeitos a partir de
// produto, padronização, tamanho e código de barras pelas regras de agrupamento da filial, com o
// código cadastrado em PRODUTO_COD_DESC_FAT e, quando pedido, o item de estoque (PROD_ITEM_ESTOQUE)
// procurado ou criado.
#include <string>

namespace core {
struct Geracao;
}

namespace blocks {

// O último cálculo, que a descrição do 0200 (DescricaoPadraoProduto) reaproveita.
struct TProdutoFat {
    std::string produto{}, padronizacao{};
    std::string codigo{}, descricao{};
    int idItemEstoque = 0;
    bool calculado = false;
};

// Entradas do cálculo, depois das regras do agrupamento da filial.
struct TRegrasFaturamento {
    std::string agrupamento;        // EMISNOTA_FORMA_AGRUP_ITENS_FI
    bool descricaoComCodigo = true;  // EMISNOTA/DESC_COM_COD_PROD diferente de "N"
    bool todosGruposCliente = false;  // EMISNOTA/COD_DESC_FAT_TODOS_GR_CLIENTE = "S"
    bool filialHabilitada = true;    // EMISNOTA/FILIAL_GERAR_COD_DESC_FAT vazio ou com a filial
    bool criarItemEstoque = false;
    std::string empresa;             // NOME_EMPRESA de CONFIG
};

struct TDadosFaturamento {
    std::string produto, padronizacao, tamanho, codigoBarras;
    std::string descProduto, descPadronizacao;
    int mprima = 0;  // COD_MPRIMA_PR
};

// Código e descrição pelas regras, sem consultar o ERP.
void MontarCodigoFaturamento(const TRegrasFaturamento& regras, const TDadosFaturamento& d, std::string& codigo,
                             std::string& descricao);

// "1,3" lista a filial 3; vazio lista todas.
bool FilialNaLista(const std::string& lista, int filial);

// Código de faturamento do produto (com a padronização, o código de barras e o tamanho do
// documento). Pode criar o item de estoque no ERP, numa transação própria, confirmada na hora.
std::string CodigoFaturamento(core::Geracao& g, const std::string& produto, const std::string& padronizacao,
                              const std::string& codigoBarras, const std::string& tamanho);

// A descrição do último cálculo quando foi do mesmo produto e padronização; vazio senão.
std::string DescricaoFaturamento(const core::Geracao& g, const std::string& produto,
                                 const std::string& padronizacao);

}  // namespace blocks
