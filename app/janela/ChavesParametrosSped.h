#pragma once
// As chaves do grupo "SPED" de PARAM que o editor de parâmetros mostra, na ordem da tela.
#include <span>

namespace janela {

struct ChaveParametroSped {
    const char* chave;
    const char* descricao;  // UTF-8, só para a tela
};

std::span<const ChaveParametroSped> ChavesParametrosSped();

}  // namespace janela
