#include "core/Formatacao.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>

namespace core {

std::string FormatarDataEFD(const util::DataHora& d) { return fmt::format("{:02}{:02}{:04}", d.dia, d.mes, d.ano); }

// O double com 15 algarismos significativos, como decimal exato.
static db::Decimal DecimalDe(double numero) {
    std::string s = fmt::format("{:.15g}", numero);
    if (s.find_first_of("eE") != std::string::npos) {
        // Notação científica: números muito pequenos ou muito grandes; reescreve em ponto fixo.
        s = fmt::format("{:.{}f}", numero, std::abs(numero) < 1 ? 18 : 0);
        if (std::abs(numero) < 1) s = s.substr(0, s.find('.') + 19);
    }
    return db::Decimal::DeTexto(s);
}

std::string FormatarValor(const db::Decimal& numero, int casas) {
    return db::Decimal{numero.EmEscala(casas), casas}.Texto(',');
}

std::string FormatarValor(double numero, int casas) { return FormatarValor(DecimalDe(numero), casas); }

std::string FormatarValorDecimilesimos(int64_t decimilesimos, int casas) {
    return FormatarValor(db::Decimal{decimilesimos, 4}, casas);
}

double Arredondar(double numero, int casas) {
    const double potencia = std::pow(10.0, casas);
    const double produto = std::strtod(fmt::format("{:.15g}", numero * potencia).c_str(), nullptr);
    double inteiro;
    const double fracao = std::modf(produto, &inteiro);
    if (fracao >= 0.5) inteiro += 1;
    if (fracao <= -0.5) inteiro -= 1;
    return inteiro / potencia;
}

std::string TrocarBarraVertical(std::string_view texto) {
    std::string r(texto);
    for (char& c : r)
        if (c == '|') c = '/';
    return r;
}

std::string SomenteNumeros(std::string_view texto) {
    std::string r;
    for (const char c : texto)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

}  // namespace core
