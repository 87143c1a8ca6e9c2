#include "report/ImpressoraPaginas.h"

#include <stdexcept>
#include <utility>

#include "util/Texto1252.h"

namespace report {

ImpressoraPaginas::ImpressoraPaginas(Entrega entregar, Configuracao configurar)
    : entregar_(std::move(entregar)), configurar_(std::move(configurar)) {}

void ImpressoraPaginas::Abrir() { paginas_.assign(1, Pagina()); }

bool ImpressoraPaginas::ConfigurarImpressora() { return !configurar_ || configurar_(); }

void ImpressoraPaginas::NovaPagina() {
    if (paginas_.empty()) throw std::logic_error(util::W("Nova página sem relatório aberto"));
    paginas_.emplace_back();
}

int ImpressoraPaginas::NumeroPagina() const { return static_cast<int>(paginas_.size()); }

void ImpressoraPaginas::Imprimir(int linha, int coluna, std::string_view texto) {
    if (paginas_.empty()) throw std::logic_error(util::W("Impressão sem relatório aberto"));
    paginas_.back().Escrever(linha, coluna, texto);
}

void ImpressoraPaginas::Fechar() {
    if (paginas_.empty()) throw std::logic_error(util::W("Fechamento sem relatório aberto"));
    entregar_(paginas_);
    paginas_.clear();
}

void ImpressoraPaginas::Abandonar() { paginas_.clear(); }

}  // namespace report
