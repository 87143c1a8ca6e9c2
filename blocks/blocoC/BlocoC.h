#pragma once
// Bloco C: as notas de saída, as de entrada e, por último, a abertura C001.
namespace core {
struct Geracao;
}

namespace blocks {

void GerarBlocoC(core::Geracao& g);

}  // namespace blocks
