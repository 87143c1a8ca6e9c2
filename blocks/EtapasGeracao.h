#pragma once
#include <vector>

#include "core/Geracao.h"

namespace blocks {

// As etapas de construção dos registros, na ordem em que são gravados.
std::vector<core::EtapaGeracao> EtapasGeracao();

}  // namespace blocks
