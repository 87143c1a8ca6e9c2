#include "core/LimpezaTexto.h"

namespace core {

std::string TrocarBarraVertical(std::string_view texto) {
    std::string r(texto);
    for (char& c : r)
        if (c == '|') c = '/';
    return r;
}

std::string SemQuebrasDeLinha(std::string texto) {
    for (int passada = 0; passada < 2; ++passada)
        for (size_t p = 0; (p = texto.find("\r\n", p)) != std::string::npos;) texto.erase(p, 2);
    return texto;
}

std::string LimparTexto0450(std::string_view texto) {
    std::string r;
    char ultimo = ' ';
    for (char c : texto) {
        if (c == '\r') {
            if (ultimo == ' ') continue;
            c = ' ';
        } else if (static_cast<unsigned char>(c) < ' ' || (c == ' ' && ultimo == ' ')) {
            continue;
        }
        r += c;
        ultimo = c;
    }
    return r;
}

std::string LimparTextoObservacao(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) {
        if (c >= 1 && c <= 31)
            c = ' ';
        else if (c == '|')
            c = '/';
    }
    return r;
}

}  // namespace core
