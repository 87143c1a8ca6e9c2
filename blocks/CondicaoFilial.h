#pragma once
// Condição de filial das consultas de documentos: a filial da geração ou, com FILIAL_2, a lista de
// todas as filiais consolidadas no mesmo arquivo.
#include <string>
#include <string_view>

#include "core/Parametros.h"

namespace blocks {

// " COLUNA=1", ou " COLUNA in (1, 2, 5)" com FILIAL_2 diferente de 0 (FILIAL_2 a FILIAL_99 acima de 0).
std::string CondicaoFilial(const core::TParametros& params, std::string_view coluna);

}  // namespace blocks
