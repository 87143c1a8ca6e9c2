#pragma once
// Números de ordem das linhas em SPED_EFD (ORDEM_SE, inteiro de 32 bits): cada código cai numa
// faixa (base) que fixa o seu lugar no arquivo, e cada faixa conta as suas próprias linhas. Assim
// uma linha escrita tarde (0990, 0190, participantes) cai no seu lugar qualquer que seja o tamanho
// do mês: o limite é o que cabe em cada faixa (ex.: 40 milhões na do C100 e filhos, 10 milhões na
// do 0200 e filhos, 4 milhões na dos participantes), não o total de linhas do arquivo.
#include <string_view>
#include <unordered_map>

namespace core {

class OrdemRegistros {
public:
    // Base da faixa do código. Filhos que precisam ficar junto do pai usam a base dele
    // (0175 a do 0150; 0205, 0206, 0210, 0220 e 0221 a do 0200; 0305 a do 0300).
    static int Base(std::string_view codigo);
    // Quantas linhas cabem na faixa do código (até a próxima base usada por algum registro).
    static int Capacidade(std::string_view codigo);

    // Próximo número de ordem para uma linha do código. Lança std::runtime_error quando a faixa
    // está cheia (o arquivo sairia fora de ordem).
    int Proxima(std::string_view codigo);
    void Zerar() { faixas_.clear(); }

private:
    struct Faixa {
        int linhas = 0;  // já numeradas
        int capacidade = 0;
    };
    std::unordered_map<int, Faixa> faixas_;  // por base
};

}  // namespace core
