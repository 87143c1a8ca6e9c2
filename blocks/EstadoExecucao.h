#pragma once
// O estado de uma execução: uma estrutura por bloco dono, refeita a cada geração. Só o código do
// bloco dono escreve na sua; os outros blocos chamam as funções que ele oferece. O bloco K e o
// bloco 1 ganham a sua estrutura aqui quando forem construídos.
#include "blocks/bloco0/TabelasBloco0.h"
#include "blocks/blocoE/Apuracao.h"
#include "blocks/blocoH/EstadoEstoque.h"

namespace blocks {

struct EstadoExecucao {
    TabelasBloco0 bloco0;  // blocks/bloco0/
    TApuracao apuracao;    // blocks/blocoE/
    TEstadoEstoque estoque;  // blocks/blocoH/ (blocos H e K)
};

}  // namespace blocks
