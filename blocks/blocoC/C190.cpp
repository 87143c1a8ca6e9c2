// C190 a partir do resumo que os itens de um documento (de saída ou de entrada) preenchem.
#include "blocks/blocoC/C190.h"

#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace blocks {

void GravarC190(core::Geracao& g, const ResumoC190& resumo) {
    using core::FormatarValorDecimilesimos;
    core::TRegistroEFD r;
    for (const auto& [chave, c190] : resumo) {
        const auto& [cst, cfop, aliquota] = chave;
        r.Clear();
        r.SetCampo("REG", "C190");
        r.SetCampo("CST_ICMS", cst);
        r.SetCampo("CFOP", cfop);
        r.SetCampo("ALIQ_ICMS", FormatarValorDecimilesimos(aliquota, 2));
        r.SetCampo("VL_OPR", FormatarValorDecimilesimos(c190.VL_OPR, 2));
        r.SetCampo("VL_BC_ICMS", FormatarValorDecimilesimos(c190.VL_BC_ICMS, 2));
        r.SetCampo("VL_ICMS", FormatarValorDecimilesimos(c190.VL_ICMS, 2));
        r.SetCampo("VL_BC_ICMS_ST", FormatarValorDecimilesimos(c190.VL_BC_ICMS_ST, 2));
        r.SetCampo("VL_ICMS_ST", FormatarValorDecimilesimos(c190.VL_ICMS_ST, 2));
        r.SetCampo("VL_RED_BC", FormatarValorDecimilesimos(c190.VL_RED_BC, 2));
        r.SetCampo("VL_IPI", FormatarValorDecimilesimos(c190.VL_IPI, 2));
        r.SetCampo("COD_OBS", c190.COD_OBS);
        g.GravarRegistro(r);
    }
}

}  // namespace blocks
