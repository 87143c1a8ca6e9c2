#include "core/FormatoConta.h"

#include <algorithm>

#include "core/ParametrosErp.h"

namespace core {

static int NumeroOuZero(std::string_view texto) {
    if (texto.empty() || !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    int n = 0;
    for (char c : texto) n = n * 10 + (c - '0');
    return n;
}

std::vector<int> NiveisFormatoConta(std::string_view formato) {
    std::vector<int> niveis;
    for (std::size_t i = 0; i < formato.size(); i += 2) {
        const int n = NumeroOuZero(formato.substr(i, 2));
        if (n > 0) niveis.push_back(n);
    }
    return niveis;
}

std::vector<int> LerFormatoConta(db::Transacao& tr) {
    return NiveisFormatoConta(LerParametro(tr, "CONTA_CONTABIL", "FORMATO"));
}

std::string FormatarConta(std::string_view codigo, const std::vector<int>& niveis) {
    if (niveis.empty()) return std::string(codigo);
    std::string resultado;
    std::size_t pos = 0;
    for (int n : niveis) {
        const std::string_view pedaco = pos < codigo.size() ? codigo.substr(pos, n) : std::string_view();
        pos += n;
        if (!resultado.empty()) resultado += '.';
        resultado += pedaco;
    }
    return resultado;
}

}  // namespace core
