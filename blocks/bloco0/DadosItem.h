#pragma once
// Dados de um item (produto acabado, matéria-prima ou o pseudo-item "Transporte_Tomado"): código,
// descrição e os campos do 0200, a partir dos cadastros e dos históricos de código e descrição.
#include <string>

#include "blocks/bloco0/TabelasBloco0.h"

namespace core {
struct Geracao;
}

namespace blocks {

// O item como o documento o traz.
struct TItemDocumento {
    std::string codigo{};        // texto do código (PROD_SA); vazio para matéria-prima sem código
    std::string produto{};       // número do produto (COD_PROD_SA); vazio para matéria-prima
    int idItemEstoque = 0;     // ID_PI do item de estoque, 0 sem item
    std::string descricao{};     // descrição no documento
    std::string tamanho{};
    std::string cor{};           // cor da matéria-prima
    int mprima = 0;            // número da matéria-prima, 0 sem
    std::string padronizacao{};  // padronização do produto
    int filial = 0;            // filial do documento; 0 = a filial da geração
};

struct TDadosItem {
    // O código pode virar o do item de estoque, ganhar cor e tamanho ou virar um texto "ERRO: ...".
    std::string codigo;
    std::string conta;     // conta contábil do cadastro
    TItem0200 item;  // DESCR_ITEM a CEST; sem ID, COD_ITEM e FILIAL
};

TDadosItem DadosItem(core::Geracao& g, const TItemDocumento& doc, std::string codigo);

inline constexpr const char* kTransporteTomado = "Transporte_Tomado";

}  // namespace blocks
