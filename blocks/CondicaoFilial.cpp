#include "blocks/CondicaoFilial.h"

namespace blocks {

std::string CondicaoFilial(const core::TParametros& params, std::string_view coluna) {
    std::string c = " " + std::string(coluna);
    if (params.FILIAL_2 == 0) return c + "=" + std::to_string(params.FILIAL);
    std::string lista = std::to_string(params.FILIAL);
    for (int n = 2; n <= 99; ++n) {
        const std::string campo = "FILIAL_" + std::to_string(n);
        if (params.ExisteCampo(campo) && params.CampoInteiro(campo) > 0)
            lista += ", " + std::to_string(params.CampoInteiro(campo));
    }
    return c + " in (" + lista + ")";
}

}  // namespace blocks
