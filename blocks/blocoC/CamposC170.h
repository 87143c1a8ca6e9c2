#pragma once
// Campos que os C170 das notas de saída e de entrada escrevem do mesmo jeito.
#include <string>

#include "core/RegistroEFD.h"

namespace blocks {

// Os dois últimos caracteres de um CST de três ou mais; o próprio CST quando menor.
std::string CstCurto(const std::string& cst);

// PIS e COFINS de um item; a base só vai para o campo do tributo com alíquota.
struct TPisCofinsItem {
    std::string cstPis;
    double aliqPis = 0, valorPis = 0;
    std::string cstCofins;
    double aliqCofins = 0, valorCofins = 0;
    double base = 0;
};

// CST_PIS a VL_COFINS do C170, na ordem do leiaute.
void PreencherPisCofinsC170(core::TRegistroEFD& r, const TPisCofinsItem& v);

}  // namespace blocks
