#pragma once
// Página de texto em passo fixo, como a impressora de relatórios a recebe: 66 linhas de 136
// colunas.
#include <string>
#include <string_view>
#include <vector>

namespace report {

inline constexpr int kLinhasPagina = 66;
inline constexpr int kColunasPagina = 136;

class Pagina {
public:
    Pagina() : linhas_(kLinhasPagina) {}

    // Escreve o texto (Windows-1252) a partir da linha e da coluna, contadas de 1, por cima do que
    // já houver ali. O que passa da coluna 136 fica guardado: cada renderizador decide o que fazer
    // com ele. Linha ou coluna fora da página lança std::out_of_range.
    void Escrever(int linha, int coluna, std::string_view texto);
    // A linha como foi escrita, sem brancos à direita além dos escritos.
    const std::string& Linha(int linha) const;
    // A última linha com algum texto; 0 na página em branco.
    int UltimaLinhaUsada() const;

private:
    std::vector<std::string> linhas_;
};

}  // namespace report
