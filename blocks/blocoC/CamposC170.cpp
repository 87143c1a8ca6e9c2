#include "blocks/blocoC/CamposC170.h"

#include "core/Formatacao.h"

namespace blocks {

using core::FormatarValor;

std::string CstCurto(const std::string& cst) { return cst.size() >= 3 ? cst.substr(cst.size() - 2) : cst; }

void PreencherPisCofinsC170(core::TRegistroEFD& r, const TPisCofinsItem& v) {
    r.SetCampo("CST_PIS", CstCurto(v.cstPis));
    r.SetCampo("VL_BC_PIS", FormatarValor(v.aliqPis > 0 ? v.base : 0, 2));
    r.SetCampo("ALIQ_PIS", FormatarValor(v.aliqPis, 2));
    r.SetCampo("QUANT_BC_PIS", "");
    r.SetCampo("ALIQ_PIS_R", "");
    r.SetCampo("VL_PIS", FormatarValor(v.valorPis, 2));
    r.SetCampo("CST_COFINS", CstCurto(v.cstCofins));
    r.SetCampo("VL_BC_COFINS", FormatarValor(v.aliqCofins > 0 ? v.base : 0, 2));
    r.SetCampo("ALIQ_COFINS", FormatarValor(v.aliqCofins, 2));
    r.SetCampo("QUANT_BC_COFINS", "");
    r.SetCampo("ALIQ_COFINS_R", "");
    r.SetCampo("VL_COFINS", FormatarValor(v.valorCofins, 2));
}

}  // namespace blocks
