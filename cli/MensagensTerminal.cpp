#include "cli/MensagensTerminal.h"

#include <unistd.h>

#include <iostream>
#include <string>

#include "util/Texto1252.h"

namespace cli {

// Um caractere de controle vindo de um dado estragado (um caminho decifrado com a chave errada)
// mexeria no terminal: sai como "?".
std::string ParaTerminal(const std::string& texto1252) {
    std::string texto = util::Cp1252ParaUtf8(texto1252);
    for (char& c : texto) {
        if (c == '\r')
            c = '\n';
        else if ((static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') || c == 0x7F)
            c = '?';
    }
    return texto;
}

void MensagensTerminal::Alerta(const std::string& mensagem) { std::cerr << "Alerta: " << ParaTerminal(mensagem) << "\n"; }

void MensagensTerminal::Informacao(const std::string& mensagem) { std::cerr << ParaTerminal(mensagem) << "\n"; }

void MensagensTerminal::Erro(const std::string& mensagem, const std::string& titulo) {
    std::cerr << ParaTerminal(titulo) << ": " << ParaTerminal(mensagem) << "\n";
}

bool MensagensTerminal::Confirmacao(const std::string& mensagem, bool padraoNao) {
    if (respostaSim_) return true;
    std::cerr << ParaTerminal(mensagem) << "\n";
    if (!isatty(STDIN_FILENO)) {
        std::cerr << "Sem terminal para responder: use --sim para confirmar.\n";
        return false;
    }
    std::cerr << (padraoNao ? "Confirma? [s/N] " : "Confirma? [S/n] ") << std::flush;
    std::string resposta;
    if (!std::getline(std::cin, resposta) || resposta.empty()) return !padraoNao;
    return resposta[0] == 's' || resposta[0] == 'S';
}

}  // namespace cli
