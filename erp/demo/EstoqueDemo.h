#pragma once
// Estoque da demonstração: o inventário de 31/12 da indústria de demonstração.
#include "db/Banco.h"
#include "util/DataHora.h"

namespace demo {

// Posições por escala: 'escala' = 100 dá cerca de 50.000 posições no inventário.
inline constexpr int kMateriaisPorEscala = 250;
inline constexpr int kProdutosPorEscala = 85;  // três tamanhos cada

// Grava o estoque de matérias-primas (ESTOQUEMP com o fechamento de dezembro em ESTOQUEMP_MES, com
// preço médio, custo e última compra), as tabelas de preços INVM12aaaa e INV12aaaa, os movimentos
// de produtos acabados por grade e o ICMS de cada item (PRODUTO_MPRIMA_SPED_H020, para os motivos
// 02 a 05), para o inventário de 31/12 de 'ano'. Os materiais 501 a 504 e o produto 1010 também
// aparecem nas vendas.
void CriarEstoqueDemo(db::Banco& erp, int ano, int escala);

}  // namespace demo
