#include "core/Formatacao.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <cmath>
#include <cstdlib>

namespace core {

std::string FormatarDataEFD(const util::DataHora& d) { return fmt::format("{:02}{:02}{:04}", d.dia, d.mes, d.ano); }

std::optional<db::Decimal> Decimal15Algarismos(double numero) {
    // Caminho rápido: a menor representação que volta ao mesmo double. Com até 15 algarismos ela é
    // o decimal de 15 algarismos mais próximo do double (o erro é menor que meio ulp, e o ulp é menor
    // que o passo de 15 algarismos), que é o que o "{:.15g}" escreve.
    char texto[32];  // o maior texto de "{}" de um double tem 24 caracteres
    const std::string_view curto(texto, fmt::format_to(texto, FMT_COMPILE("{}"), numero) - texto);
    if (curto.find_first_of("eEni") == std::string_view::npos && std::abs(numero) < 1e15) {
        int algarismos = 0;
        bool significativo = false;
        for (const char c : curto) {
            if (c >= '1' && c <= '9') significativo = true;
            if (significativo && c >= '0' && c <= '9') ++algarismos;
        }
        if (algarismos <= 15) return db::Decimal::DeTexto(curto);
    }
    const std::string s = fmt::format(FMT_COMPILE("{:.15g}"), numero);
    if (s.find_first_of("eE") != std::string::npos) return std::nullopt;
    return db::Decimal::DeTexto(s);
}

// O double com 15 algarismos significativos, como decimal exato.
static db::Decimal DecimalDe(double numero) {
    if (const auto d = Decimal15Algarismos(numero)) return *d;
    // Notação científica: números muito pequenos ou muito grandes; reescreve em ponto fixo.
    std::string s = fmt::format("{:.{}f}", numero, std::abs(numero) < 1 ? 18 : 0);
    if (std::abs(numero) < 1) s = s.substr(0, s.find('.') + 19);
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

std::string SomenteNumeros(std::string_view texto) {
    std::string r;
    for (const char c : texto)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

}  // namespace core
