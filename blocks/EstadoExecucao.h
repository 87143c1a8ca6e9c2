#pragma once
// O estado de uma execução: uma estrutura por bloco dono, refeita a cada geração. Só o código do
// bloco dono escreve na sua; os outros blocos chamam as funções que ele oferece. O estoque (blocos
// H e K), o bloco K e o bloco 1 ganham a sua estrutura aqui quando forem construídos.
#include "blocks/bloco0/TabelasBloco0.h"
#include "blocks/blocoE/Apuracao.h"

namespace blocks {

struct EstadoExecucao {
    TabelasBloco0 bloco0;  // blocks/bloco0/
    TApuracao apuracao;    // blocks/blocoE/
};

}  // namespace blocks
