#include "util/TextoData.h"

namespace util {

namespace {

// Lê um número de 'minimo' a 'maximo' dígitos do começo do texto e o consome.
std::optional<int> Numero(std::string_view& texto, std::size_t minimo, std::size_t maximo) {
    std::size_t n = 0;
    int valor = 0;
    while (n < texto.size() && n < maximo && texto[n] >= '0' && texto[n] <= '9') valor = valor * 10 + (texto[n++] - '0');
    if (n < minimo) return std::nullopt;
    texto.remove_prefix(n);
    return valor;
}

bool Consumir(std::string_view& texto, char c) {
    if (texto.empty() || texto.front() != c) return false;
    texto.remove_prefix(1);
    return true;
}

// Lê a data do começo do texto e a consome.
std::optional<DataHora> Data(std::string_view& texto) {
    const auto dia = Numero(texto, 1, 2);
    if (!dia || !Consumir(texto, '/')) return std::nullopt;
    const auto mes = Numero(texto, 1, 2);
    if (!mes || !Consumir(texto, '/')) return std::nullopt;
    const auto ano = Numero(texto, 4, 4);
    if (!ano || *ano < 1 || *mes < 1 || *mes > 12 || *dia < 1 || *dia > DiasNoMes(*ano, *mes))
        return std::nullopt;
    return DataHora::Data(*ano, *mes, *dia);
}

}  // namespace

std::optional<DataHora> LerData(std::string_view texto) {
    auto d = Data(texto);
    return d && texto.empty() ? d : std::nullopt;
}

std::optional<DataHora> LerDataHora(std::string_view texto) {
    auto d = Data(texto);
    if (!d || texto.empty()) return d;
    if (!Consumir(texto, ' ')) return std::nullopt;
    const auto h = Numero(texto, 1, 2);
    if (!h || !Consumir(texto, ':')) return std::nullopt;
    const auto mi = Numero(texto, 1, 2);
    if (!mi) return std::nullopt;
    int s = 0;
    if (Consumir(texto, ':')) {
        const auto seg = Numero(texto, 1, 2);
        if (!seg) return std::nullopt;
        s = *seg;
    }
    if (!texto.empty() || *h > 23 || *mi > 59 || s > 59) return std::nullopt;
    return d->ComHora(*h, *mi, s);
}

}  // namespace util
