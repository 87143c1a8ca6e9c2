// 0400, 0450 e 0460: criados na primeira vez que um documento precisa deles; e a conversão da
// conta contábil do ERP (CONTACONTABIL) no código informado em COD_CTA.
#include "blocks/bloco0/NaturezasObservacoes.h"

#include <fmt/format.h>

#include <algorithm>

#include "core/FormatoConta.h"
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
        g.AdicionarErro("0400", util::W("Natureza da operação inválida para o docto \"") + std::string(origem) + "\" .");
        return {};
    }
    if (const std::string* codigo = core::Localizar(g.tabelas.cdsNatOper, natureza)) return *codigo;
    const std::string codigo = fmt::format("{:06d}", ++g.tabelas.contadorNatureza);
    g.tabelas.cdsNatOper.emplace(natureza, codigo);
    GravarCodigoTexto(g, "0400", "COD_NAT", codigo, "DESCR_NAT", natureza);
    return codigo;
}

std::string LimparTexto0450(std::string_view texto) {
    std::string r;
    char ultimo = ' ';
    for (char c : texto) {
        if (c == '\r') {
            if (ultimo == ' ') continue;
            c = ' ';
        } else if (static_cast<unsigned char>(c) < ' ' || (c == ' ' && ultimo == ' ')) {
            continue;
        }
        r += c;
        ultimo = c;
    }
    return r;
}

std::string GerarRegistro0450(core::Geracao& g, std::string_view texto) {
    std::string semBarras(texto);
    std::replace(semBarras.begin(), semBarras.end(), '|', '/');
    const std::string codigo = fmt::format("{:06d}", ++g.tabelas.contadorInformacao);
    GravarCodigoTexto(g, "0450", "COD_INF", codigo, "TXT", LimparTexto0450(semBarras));
    return codigo;
}

std::string LimparTextoObservacao(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) {
        if (c >= 1 && c <= 31)
            c = ' ';
        else if (c == '|')
            c = '/';
    }
    return r;
}

void GravarObservacao(core::Geracao& g, std::string_view registro, const std::string& codObs,
                      std::string_view texto0460, std::string_view textoComplementar) {
    const std::string complementar = LimparTextoObservacao(util::Truncar(textoComplementar, 254));
    std::string texto = LimparTextoObservacao(util::Truncar(texto0460, 254));
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
