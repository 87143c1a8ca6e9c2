#include "db/Decimal.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace db {

static int64_t Potencia10(int n) {
    int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

Decimal Decimal::DeTexto(std::string_view texto) {
    size_t i = 0;
    while (i < texto.size() && texto[i] == ' ') ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
    Decimal d;
    bool digito = false, fracao = false;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c >= '0' && c <= '9') {
            if (d.valor > (INT64_MAX - 9) / 10) throw std::invalid_argument("numero grande demais");
            d.valor = d.valor * 10 + (c - '0');
            digito = true;
            if (fracao) ++d.escala;
        } else if ((c == '.' || c == ',') && !fracao) {
            fracao = true;
        } else if (c == ' ') {
            break;
        } else {
            throw std::invalid_argument("nao e um numero: " + std::string(texto));
        }
    }
    for (; i < texto.size(); ++i)
        if (texto[i] != ' ') throw std::invalid_argument("nao e um numero: " + std::string(texto));
    if (!digito) throw std::invalid_argument("nao e um numero: " + std::string(texto));
    if (negativo) d.valor = -d.valor;
    return d;
}

int64_t Decimal::EmEscala(int casas) const {
    if (casas >= escala) return valor * Potencia10(casas - escala);
    const int64_t p = Potencia10(escala - casas);
    const int64_t q = valor / p, r = valor % p;
    if (std::llabs(r) * 2 >= p) return valor < 0 ? q - 1 : q + 1;
    return q;
}

double Decimal::ComoDouble() const { return static_cast<double>(valor) / static_cast<double>(Potencia10(escala)); }

std::string Decimal::Texto(char separador) const {
    const bool negativo = valor < 0;
    std::string digitos = std::to_string(negativo ? -static_cast<unsigned long long>(valor)
                                                  : static_cast<unsigned long long>(valor));
    if (escala > 0) {
        if (static_cast<int>(digitos.size()) <= escala)
            digitos.insert(0, escala + 1 - digitos.size(), '0');
        digitos.insert(digitos.size() - escala, 1, separador);
    }
    return negativo ? "-" + digitos : digitos;
}

bool Decimal::operator==(const Decimal& o) const {
    const int e = escala > o.escala ? escala : o.escala;
    return EmEscala(e) == o.EmEscala(e);
}

}  // namespace db
