#include "cli/BarraProgresso.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

#include "util/Texto1252.h"

namespace cli {

namespace {

constexpr int kColunasPadrao = 80;

int ColunasDoTerminal(int fd) {
    winsize janela{};
    if (ioctl(fd, TIOCGWINSZ, &janela) == 0 && janela.ws_col > 0) return janela.ws_col;
    return kColunasPadrao;
}

}  // namespace

BarraProgresso::BarraProgresso()
    : saida_(isatty(STDERR_FILENO) ? stderr : nullptr), colunas_(saida_ ? ColunasDoTerminal(STDERR_FILENO) : 0) {}

BarraProgresso::BarraProgresso(std::FILE* saida, int colunas) : saida_(saida), colunas_(colunas) {}

BarraProgresso::~BarraProgresso() { Encerrar(); }

void BarraProgresso::Encerrar() {
    if (desenhou_) std::fputs("\n", saida_);
    desenhou_ = false;
}

// "[####.....] 42% legenda": a barra ocupa até 30 colunas; a linha toda, menos a última coluna
// (escrever nela faz alguns terminais quebrarem a linha).
void BarraProgresso::Atualizar(const core::TProgresso& p) {
    if (!saida_) return;
    const int faixa = p.Max - p.Min;
    int percentual = faixa > 0 ? (p.Posicao - p.Min) * 100 / faixa : 0;
    percentual = std::clamp(percentual, 0, 100);
    if (percentual == ultimoPercentual_ && p.Texto == ultimoTexto_) return;  // redesenha só o que muda
    ultimoPercentual_ = percentual;
    ultimoTexto_ = p.Texto;

    constexpr int kPercentual = 7;  // "] 100% " e o "[" inicial
    const int util = std::max(colunas_ - 1, 13);
    const int largura = std::clamp(util - kPercentual - 20, 5, 30);
    const int cheios = percentual * largura / 100;
    // A legenda é Windows-1252, um byte por coluna: corta antes de converter.
    const size_t espacoLegenda = static_cast<size_t>(std::max(util - largura - kPercentual - 1, 0));
    std::string legenda = p.Texto.substr(0, espacoLegenda);
    legenda.resize(espacoLegenda, ' ');  // apaga o resto de uma legenda mais longa
    std::fprintf(saida_, "\r[%s%s] %3d%% %s", std::string(cheios, '#').c_str(),
                 std::string(largura - cheios, '.').c_str(), percentual, util::Cp1252ParaUtf8(legenda).c_str());
    std::fflush(saida_);
    desenhou_ = true;
}

}  // namespace cli
