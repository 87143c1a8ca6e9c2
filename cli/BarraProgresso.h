#pragma once
// Barra de progresso da geração no terminal (saída de erro), com a legenda da etapa.
#include "core/Progresso.h"

namespace cli {

class BarraProgresso {
public:
    // Só desenha quando a saída de erro é um terminal.
    BarraProgresso();
    ~BarraProgresso();  // termina a linha da barra
    void Atualizar(const core::TProgresso& p);

private:
    bool ativa_;
    bool desenhou_ = false;
    int ultimoPercentual_ = -1;
    std::string ultimoTexto_;
};

}  // namespace cli
