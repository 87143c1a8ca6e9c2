#include "report/Pagina.h"

#include <stdexcept>

#include "util/Texto1252.h"

namespace report {

static void ConferirLinha(int linha) {
    if (linha < 1 || linha > kLinhasPagina)
        throw std::out_of_range("Linha " + std::to_string(linha) + util::W(" fora da página"));
}

void Pagina::Escrever(int linha, int coluna, std::string_view texto) {
    ConferirLinha(linha);
    if (coluna < 1 || coluna > kColunasPagina)
        throw std::out_of_range("Coluna " + std::to_string(coluna) + util::W(" fora da página"));
    std::string& destino = linhas_[linha - 1];
    const size_t inicio = static_cast<size_t>(coluna - 1);
    if (destino.size() < inicio + texto.size()) destino.resize(inicio + texto.size(), ' ');
    destino.replace(inicio, texto.size(), texto);
}

const std::string& Pagina::Linha(int linha) const {
    ConferirLinha(linha);
    return linhas_[linha - 1];
}

int Pagina::UltimaLinhaUsada() const {
    for (int n = kLinhasPagina; n >= 1; --n)
        if (!linhas_[n - 1].empty()) return n;
    return 0;
}

}  // namespace report
