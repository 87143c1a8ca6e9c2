#pragma once
// Formatação de valores que todo construtor aplica antes de pôr um valor no registro.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Dinheiro.h"
#include "db/Decimal.h"
#include "util/DataHora.h"

namespace core {

// "ddmmaaaa"; a hora é ignorada.
std::string FormatarDataEFD(const util::DataHora& data);
// Decimal com vírgula e exatamente 'casas' casas, sem separador de milhar, arredondando metade
// para longe do zero. O double é lido com 15 algarismos significativos (2.675 vale 2,675).
std::string FormatarValor(double numero, int casas);
std::string FormatarValor(const db::Decimal& numero, int casas);
// O double arredondado a 15 algarismos significativos (o "{:.15g}"), como decimal exato; vazio
// quando esse texto sairia em notação científica (abaixo de 0,0001 ou a partir de 1e15).
std::optional<db::Decimal> Decimal15Algarismos(double numero);
// Valor em décimos de milésimo (como os totais acumulados) formatado com 'casas' casas.
std::string FormatarValorDecimilesimos(int64_t decimilesimos, int casas);
inline std::string FormatarValor(Dinheiro valor, int casas) {
    return FormatarValorDecimilesimos(valor.Decimilesimos(), casas);
}
// Arredonda com 15 algarismos significativos e metade para longe do zero.
double Arredondar(double numero, int casas);
// Só os algarismos "0" a "9", na ordem.
std::string SomenteNumeros(std::string_view texto);

}  // namespace core
