#pragma once
// Uma linha de estoque para uma posição de item (H010 do inventário ou K200 do estoque
// escriturado) e as linhas H020 do ICMS do item inventariado.
#include <string>
#include <string_view>

#include "core/Parametros.h"

namespace core {
struct Geracao;
}

namespace blocks {

struct TItemInventario {
    std::string registro = "H010";  // "H010" ou "K200"
    std::string produto{};          // vazio para matéria-prima
    std::string descricao{};        // do produto, quando o item de estoque não tem
    std::string participante{};     // do terceiro; "0" ou vazio sem terceiro
    std::string proprietario = "0";  // IND_PROP
    double valorIR = 0;
    // Preço unitário quando 'valorUnitario', senão o valor total da posição.
    double valor = 0;
    bool valorUnitario = false;
    double quantidade = 0;
    std::string conta{};
    std::string unidade{};
    std::string tamanho{};
    std::string cor{};  // da matéria-prima
    int mprima = 0;
    std::string padronizacao{};  // do produto
    std::string origemPreco{};   // de onde vem o preço, para a mensagem de posição sem valor
};

// ou com tamanho) e "." + tamanho. 1020, 05 e M dão 1020.05.M.
// Código do item de um produto: produto, padronização (com "." quando PRODUTO_PADRONIZ_COM_PONTO
// ou com tamanho) e "." + tamanho. 1020, 05 e M dão 1020.05.M.
std::string CodigoItemProduto(const core::TParametros& params, std::string_view produto,
                              std::string_view padronizacao, std::string_view tamanho);

// Grava a posição; quantidade arredondada a zero ou menos não grava nada. true quando gravou H010
// (o H010 e os seus H020 esperam o H005 em g.estado.estoque.linhasInventario). Por ora só o H010:
// a linha K200 entra aqui com o bloco K, com o mesmo código, quantidade, proprietário e participante.
bool GravarItemInventario(core::Geracao& g, const TItemInventario& item);

// Lê PRODUTO_MPRIMA_SPED_H020 da filial e do mês do inventário para os H020.
void CarregarProdMPH020(core::Geracao& g);

// H020 do item recém-gravado em H010, só nos motivos "02" a "05". 'corOuPadronizacao' e
// 'tamanho' vazios valem "*". Sem linha com ICMS: entrada na lista de erros.
void GravarH020(core::Geracao& g, const std::string& produto, int mprima, int codTerceiro,
                const std::string& tipoTerceiro, const std::string& proprietario, const std::string& tamanho,
                const std::string& corOuPadronizacao);

}  // namespace blocks
