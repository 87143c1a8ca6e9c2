#include "blocks/blocoE/ApuracaoIcms.h"

#include "core/Geracao.h"

namespace blocks {

static void AcumularDocumento(TotaisApuracaoICMS& t, std::string_view cfop, std::string_view codSit, Dinheiro valor) {
    if (cfop == "1605") {
        t.VL_TOT_DEBITOS += valor;
    } else if (cfop[0] >= '5') {
        // Saídas de documentos cancelados ("01") ou complementares extemporâneos ("07") e a 5605
        // não entram em nenhum dos totais.
        if (cfop != "5605" && codSit != "01" && codSit != "07") t.VL_TOT_DEBITOS += valor;
    } else {
        t.VL_TOT_CREDITOS += valor;
    }
}

static void AcumularAjuste(TotaisApuracaoICMS& t, std::string_view origem, std::string_view codAj, Dinheiro valor) {
    const char c3 = codAj.size() > 2 ? codAj[2] : '\0';
    const char c4 = codAj.size() > 3 ? codAj[3] : '\0';
    const bool c4Valido = c4 != '\0' && std::string_view("0345678").find(c4) != std::string_view::npos;
    if (origem == "E111" && c3 == '0' && c4 == '0')
        t.VL_TOT_AJ_DEBITOS += valor;
    else if ((c3 == '0' || c3 == '1' || c3 == '2') && c4Valido)
        t.VL_AJ_CREDITOS += valor;
    else if ((c3 == '3' || c3 == '4' || c3 == '5') && c4Valido)
        t.VL_AJ_DEBITOS += valor;
    else if (c3 == '7' && c4 == '0')
        t.DEB_ESP += valor;
}

void AcumularApuracaoICMS(core::Geracao& g, const TLancamentoICMS& l) {
    TotaisApuracaoICMS& t = g.estado.apuracao.totais;
    if (!l.cfop.empty()) AcumularDocumento(t, l.cfop, l.codSit, l.valorDocumento);
    if (!l.codAj.empty()) AcumularAjuste(t, l.origem, l.codAj, l.valorAjuste);
}

}  // namespace blocks
