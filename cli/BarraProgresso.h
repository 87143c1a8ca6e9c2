#pragma once
// Barra de progresso da geração no terminal (saída de erro), com a legenda da etapa, numa linha
// que cabe na largura do terminal.
#include <cstdio>
#include <string>

#include "core/Progresso.h"

namespace cli {

class BarraProgresso {
public:
    // Só desenha quando a saída de erro é um terminal; a largura é a dele.
    BarraProgresso();
    // Desenha em 'saida' com 'colunas' de largura (os testes).
    BarraProgresso(std::FILE* saida, int colunas);
    ~BarraProgresso();  // Encerrar()
    void Atualizar(const core::TProgresso& p);
    // Termina a linha da barra, para o que vier depois começar numa linha própria.
    void Encerrar();

private:
    std::FILE* saida_;
    int colunas_;
    bool desenhou_ = false;
    int ultimoPercentual_ = -1;
    std::string ultimoTexto_;
};

}  // namespace cli
