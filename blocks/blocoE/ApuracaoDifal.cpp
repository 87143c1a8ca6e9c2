#include "blocks/blocoE/ApuracaoDifal.h"

#include "core/Empresa.h"
#include "core/Geracao.h"

namespace blocks {

void AcumularPartilhaDifal(core::Geracao& g, const TPartilhaDifal& p) {
    TApuracao& a = g.estado.apuracao;
    const TRegE313& doc = p.documento;
    auto obrigacao = [&](const char* codigo, const std::string& receita, Dinheiro valor) {
        a.E316.try_emplace({p.UF_DEST, doc.DOCTO, codigo}, TRegE316{doc.EMISSAO, receita, valor});
    };
    if (p.VL_ICMS_UF_DEST > Dinheiro{}) obrigacao("003", p.COD_RECEITA_DIFAL, p.VL_ICMS_UF_DEST);
    if (p.VL_FCP_UF_DEST > Dinheiro{}) obrigacao("006", p.COD_RECEITA_FCP, p.VL_FCP_UF_DEST);
    if (p.VL_ICMS_UF_REM > Dinheiro{}) {
        TRegE313 e313 = doc;
        e313.VALOR = p.VL_ICMS_UF_REM;
        a.E313.try_emplace(doc.CHAVE, std::move(e313));
    }
    TRegE310& destino = a.E310[p.UF_DEST];
    destino.VL_TOT_DEBITOS_DIFAL += p.VL_ICMS_UF_DEST;
    destino.VL_TOT_DEB_FCP += p.VL_FCP_UF_DEST;
    // A parcela do remetente é débito da UF da empresa.
    a.E310[std::string(core::kUFEmpresa)].VL_TOT_DEBITOS_DIFAL += p.VL_ICMS_UF_REM;
}

void AcumularCreditoDifalDevolucao(core::Geracao& g, const std::string& ufDestino, Dinheiro parcelaDestino,
                                   Dinheiro parcelaRemetente) {
    TApuracao& a = g.estado.apuracao;
    a.E310[ufDestino].VL_TOT_CREDITOS_DIFAL += parcelaDestino;
    a.E310[std::string(core::kUFEmpresa)].VL_TOT_CREDITOS_DIFAL += parcelaRemetente;
}

}  // namespace blocks
