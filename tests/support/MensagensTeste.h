#pragma once
// Caixa de mensagem dos testes: guarda o que seria mostrado e responde o que o teste mandar.
#include <string>
#include <vector>

#include "util/Mensagens.h"

namespace teste {

class MensagensTeste : public util::CaixaMensagem {
public:
    void Alerta(const std::string& m) override { alertas.push_back(m); }
    void Informacao(const std::string& m) override { informacoes.push_back(m); }
    bool Confirmacao(const std::string& m, bool) override {
        confirmacoes.push_back(m);
        return respostaConfirmacao;
    }
    void Erro(const std::string& m, const std::string& titulo) override {
        erros.push_back(m);
        titulosErro.push_back(titulo);
    }

    std::vector<std::string> alertas, informacoes, confirmacoes, erros, titulosErro;
    bool respostaConfirmacao = true;
};

}  // namespace teste
