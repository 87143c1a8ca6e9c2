#include "cli/BarraProgresso.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "util/Texto1252.h"

namespace cli {

BarraProgresso::BarraProgresso() : ativa_(isatty(STDERR_FILENO)) {}

BarraProgresso::~BarraProgresso() {
    if (desenhou_) std::fputs("\n", stderr);
}

void BarraProgresso::Atualizar(const core::TProgresso& p) {
    if (!ativa_) return;
    const int faixa = p.Max - p.Min;
    int percentual = faixa > 0 ? (p.Posicao - p.Min) * 100 / faixa : 0;
    percentual = percentual < 0 ? 0 : percentual > 100 ? 100 : percentual;
    if (percentual == ultimoPercentual_ && p.Texto == ultimoTexto_) return;  // redesenha só o que muda
    ultimoPercentual_ = percentual;
    ultimoTexto_ = p.Texto;
    constexpr int kLargura = 30;
    const int cheios = percentual * kLargura / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%% %-50.50s", std::string(cheios, '#').c_str(),
                 std::string(kLargura - cheios, '.').c_str(), percentual, util::Cp1252ParaUtf8(p.Texto).c_str());
    std::fflush(stderr);
    desenhou_ = true;
}

}  // namespace cli
