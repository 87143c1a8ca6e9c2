#pragma once
// Contagem das linhas de cada bloco e o fechamento do arquivo: 0990, C990 e o bloco 9.
#include <string_view>

namespace core {

struct Geracao;

// Linhas desta geração cujo código começa com 'prefixo', mais uma (o registro de fechamento que
// vai ser gravado em seguida). "" conta todas. 1 quer dizer que o bloco ainda não tem linha.
int ContarLinhasBloco(Geracao& g, std::string_view prefixo);

// Grava 0990, C990, 9001, um 9900 por código de registro, 9990 e 9999, nesta ordem.
void FecharArquivo(Geracao& g);

}  // namespace core
