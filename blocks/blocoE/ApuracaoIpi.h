#pragma once
// Resumo do IPI por CFOP e CST (cdsRegE510), que os itens dos documentos alimentam.
#include <string>

#include "blocks/blocoE/Apuracao.h"

namespace core {
struct Geracao;
}

namespace blocks {

// Soma os valores do item na linha (CFOP, CST_IPI) do resumo.
void AcumularE510(core::Geracao& g, const std::string& cfop, const std::string& cstIpi, const TRegE510& valores);

}  // namespace blocks
