#include "blocks/blocoE/ApuracaoIpi.h"

#include "core/Geracao.h"

namespace blocks {

void AcumularE510(core::Geracao& g, const std::string& cfop, const std::string& cstIpi, const TRegE510& valores) {
    TRegE510& linha = g.estado.apuracao.cdsRegE510[{cfop, cstIpi}];
    linha.VL_CONT_IPI += valores.VL_CONT_IPI;
    linha.VL_BC_IPI += valores.VL_BC_IPI;
    linha.VL_IPI += valores.VL_IPI;
}

}  // namespace blocks
