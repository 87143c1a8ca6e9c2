#pragma once
// C190: o resumo analítico do documento (cdsRegC190), gravado depois dos seus itens.
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

namespace core {
struct Geracao;
}

namespace blocks {

// Uma linha do resumo: valores em décimos de milésimo.
struct TRegC190 {
    int64_t VL_OPR = 0, VL_BC_ICMS = 0, VL_ICMS = 0, VL_BC_ICMS_ST = 0, VL_ICMS_ST = 0, VL_RED_BC = 0, VL_IPI = 0;
    std::string COD_OBS;
};
// (CST_ICMS, CFOP, ALIQ_ICMS), a alíquota em décimos de milésimo.
using ChaveC190 = std::tuple<std::string, std::string, int64_t>;
// cdsRegC190: o resumo de um documento, que nasce vazio com ele.
using ResumoC190 = std::map<ChaveC190, TRegC190>;

// Uma linha por registro do resumo, em ordem de CST, CFOP e alíquota.
void GravarC190(core::Geracao& g, const ResumoC190& resumo);

}  // namespace blocks
