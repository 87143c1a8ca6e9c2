#pragma once
// As chaves do grupo "SPED" de PARAM que o editor de parâmetros mostra, na ordem da tela; a linha
// de comando só grava estas.
#include <span>

namespace app {

// Maior valor que o editor aceita em VALOR_PA.
inline constexpr int kTamanhoValorParametro = 100;

struct ChaveParametroSped {
    const char* chave;
    const char* descricao;  // UTF-8, só para a tela
};

std::span<const ChaveParametroSped> ChavesParametrosSped();

}  // namespace app
