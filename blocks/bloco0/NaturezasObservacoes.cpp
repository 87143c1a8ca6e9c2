// 0400, 0450 e 0460: criados na primeira vez que um documento precisa deles; e a conversão da
// conta contábil do ERP (CONTACONTABIL) no código informado em COD_CTA.
#include "blocks/bloco0/NaturezasObservacoes.h"

#include <fmt/format.h>

#include "core/FormatoConta.h"
#include "core/LimpezaTexto.h"
#include "core/Geracao.h"
#include "util/Texto.h"
#include "util/Texto1252.h"

namespace blocks {

static void GravarCodigoTexto(core::Geracao& g, const char* reg, const char* campoCodigo, const std::string& codigo,
                              const char* campoTexto, std::string texto) {
    core::TRegistroEFD r;
    r.SetCampo("REG", reg);
    r.SetCampo(campoCodigo, codigo);
    r.SetCampo(campoTexto, std::move(texto));
    g.GravarRegistro(r);
}

std::string CodigoNatureza(core::Geracao& g, const std::string& natureza, std::string_view origem) {
    if (natureza.empty()) {
        g.AdicionarErro("0400", "Natureza da operação inválida para o docto \"{}\" .", origem);
        return {};
    }
    TabelasBloco0& t = g.estado.bloco0;
    if (const std::string* codigo = core::Localizar(t.cdsNatOper, natureza)) return *codigo;
    const std::string codigo = fmt::format("{:06d}", ++t.contadorNatureza);
    t.cdsNatOper.emplace(natureza, codigo);
    GravarCodigoTexto(g, "0400", "COD_NAT", codigo, "DESCR_NAT", natureza);
    return codigo;
}

std::string GerarRegistro0450(core::Geracao& g, std::string_view texto) {
    const std::string codigo = fmt::format("{:06d}", ++g.estado.bloco0.contadorInformacao);
    GravarCodigoTexto(g, "0450", "COD_INF", codigo, "TXT", core::LimparTexto0450(core::TrocarBarraVertical(texto)));
    return codigo;
}

void GravarObservacao(core::Geracao& g, std::string_view registro, const std::string& codObs,
                      std::string_view texto0460, std::string_view textoComplementar) {
    const std::string complementar = core::LimparTextoObservacao(util::Truncar(textoComplementar, 254));
    std::string texto = core::LimparTextoObservacao(util::Truncar(texto0460, 254));
    core::TRegistroEFD r;
    r.SetCampo("REG", std::string(registro));
    r.SetCampo("COD_OBS", codObs);
    r.SetCampo("TXT_COMPL", complementar);
    g.GravarRegistro(r);
    if (texto.empty()) texto = complementar;
    GravarCodigoTexto(g, "0460", "COD_OBS", codObs, "TXT", std::move(texto));
}

std::string CodigoConta(const core::Geracao& g, const std::string& conta) {
    if (conta.empty()) return conta;
    const core::TContaContabil* c = core::Localizar(g.caches->cdsCodContab, conta);
    if (!c) return conta;
    const std::string& codigo = c->CODCONTAB_SPED_CC.empty() ? conta : c->CODCONTAB_SPED_CC;
    return g.configuracoes.COD_CONTAB_FORMATADO ? core::FormatarConta(codigo, g.configuracoes.niveisConta) : codigo;
}

}  // namespace blocks
