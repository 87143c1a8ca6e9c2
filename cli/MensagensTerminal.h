#pragma once
// Caixas de mensagem no terminal: avisos e erros vão para a saída de erro; uma confirmação é
// respondida pelo --sim, ou perguntada quando há terminal, ou recusada quando não há.
#include "util/Mensagens.h"

namespace cli {

class MensagensTerminal : public util::CaixaMensagem {
public:
    explicit MensagensTerminal(bool respostaSim) : respostaSim_(respostaSim) {}

    void Alerta(const std::string& mensagem) override;
    void Informacao(const std::string& mensagem) override;
    bool Confirmacao(const std::string& mensagem, bool padraoNao) override;
    void Erro(const std::string& mensagem, const std::string& titulo) override;

private:
    bool respostaSim_;
};

// Texto Windows-1252 com CR no lugar das quebras de linha, pronto para o terminal (UTF-8); os
// demais caracteres de controle viram "?".
std::string ParaTerminal(const std::string& texto1252);

}  // namespace cli
