#pragma once
// Decimal exato como o Firebird guarda NUMERIC/DECIMAL: inteiro de 64 bits e escala.
#include <cstdint>
#include <string>
#include <string_view>

namespace db {

struct Decimal {
    int64_t valor = 0;  // o número é valor / 10^escala
    int escala = 0;     // casas decimais, 0 a 18

    // Aceita "123", "-1.5", "1,50" (ponto ou vírgula). Lança std::invalid_argument se não for número.
    static Decimal DeTexto(std::string_view texto);
    // Valor reescalado para 'casas', arredondando metade para longe do zero.
    int64_t EmEscala(int casas) const;
    double ComoDouble() const;
    std::string Texto(char separador = '.') const;  // todas as casas da escala

    bool operator==(const Decimal& o) const;  // compara o número, não a representação
};

}  // namespace db
