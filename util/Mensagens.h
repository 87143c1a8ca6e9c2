#pragma once
// Caixas de mensagem do sistema. A janela e a linha de comando implementam cada uma a sua.
// Os textos chegam em Windows-1252; cada implementação converte para o que a sua tela mostra.
#include <string>

namespace util {

class CaixaMensagem {
public:
    virtual ~CaixaMensagem() = default;
    // Título "Alerta", ícone de exclamação, botão OK.
    virtual void Alerta(const std::string& mensagem) = 0;
    // Título "Informação", ícone de informação, botão OK.
    virtual void Informacao(const std::string& mensagem) = 0;
    // Título "Confirmação", botões Sim e Não; padraoNao escolhe Não como botão padrão.
    // Devolve true quando a resposta é Sim.
    virtual bool Confirmacao(const std::string& mensagem, bool padraoNao) = 0;
    // Diálogo de erro padrão da aplicação, com um único botão OK.
    virtual void Erro(const std::string& mensagem, const std::string& titulo = "Erro") = 0;
};

}  // namespace util
