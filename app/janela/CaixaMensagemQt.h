#pragma once
// As caixas de mensagem do sistema na janela (QMessageBox). Os textos chegam em Windows-1252.
#include <string>

#include "util/Mensagens.h"

namespace janela {

class CaixaMensagemQt : public util::CaixaMensagem {
public:
    void Alerta(const std::string& mensagem) override;
    void Informacao(const std::string& mensagem) override;
    bool Confirmacao(const std::string& mensagem, bool padraoNao) override;
    void Erro(const std::string& mensagem, const std::string& titulo = "Erro") override;
    // Ícone de exclamação com o título dado (avisos da partida).
    virtual void Exclamacao(const std::string& mensagem, const std::string& titulo);
};

}  // namespace janela
