#pragma once
// TProgresso: andamento da etapa corrente, que a janela ou o terminal mostram.
#include <functional>
#include <string>

namespace core {

struct TProgresso {
    int Min = 0;
    int Max = 0;
    int Posicao = 0;
    std::string Texto;  // legenda da etapa, em Windows-1252
    std::function<void(const TProgresso&)> OnProgresso;

    void DefinirCallback(std::function<void(const TProgresso&)> callback) { OnProgresso = std::move(callback); }
    void SetTexto(std::string texto) {
        Texto = std::move(texto);
        Notificar();
    }
    void Incrementar(int n = 1) {
        Posicao += n;
        Notificar();
    }
    // Protocolo das etapas longas: limites 0..total, posição 0 e a legenda.
    void IniciarEtapa(std::string texto, int total) {
        Min = 0;
        Max = total;
        Posicao = 0;
        SetTexto(std::move(texto));
    }

private:
    void Notificar() {
        if (OnProgresso) OnProgresso(*this);
    }
};

}  // namespace core
