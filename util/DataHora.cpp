#include "util/DataHora.h"

#include <fmt/format.h>

#include <ctime>

namespace util {

bool AnoBissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

int DiasNoMes(int ano, int mes) {
    static constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && AnoBissexto(ano) ? 29 : kDias[mes - 1];
}

// Algoritmos days_from_civil/civil_from_days de H. Hinnant, que contam a partir de 1970-01-01.
static constexpr int64_t kDias0001a1970 = 719162;
static constexpr int64_t kBaseHinnant = 719468;

int64_t DataHora::DiasSeriais() const {
    int64_t a = ano - (mes <= 2);
    const int64_t era = (a >= 0 ? a : a - 399) / 400;
    const int64_t yoe = a - era * 400;
    const int64_t doy = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - kBaseHinnant + kDias0001a1970;
}

DataHora DataHora::DeDiasSeriais(int64_t dias) {
    const int64_t z = dias - kDias0001a1970 + kBaseHinnant;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

int DataHora::DiaDaSemana() const {
    // 0001-01-01 foi uma segunda-feira no calendário gregoriano proléptico.
    return static_cast<int>((DiasSeriais() + 1) % 7);
}

DataHora DataHora::MaisDias(int64_t n) const {
    DataHora r = DeDiasSeriais(DiasSeriais() + n);
    return r.ComHora(hora, minuto, segundo, decimilesimos);
}

DataHora DataHora::Agora() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm t{};
    localtime_r(&ts.tv_sec, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,      t.tm_hour,
            t.tm_min,         t.tm_sec,     static_cast<int>(ts.tv_nsec / 100000)};
}

std::string DataHora::Texto() const {
    if (hora == 0 && minuto == 0 && segundo == 0 && decimilesimos == 0)
        return fmt::format("{:02}/{:02}/{:04}", dia, mes, ano);
    return fmt::format("{:02}/{:02}/{:04} {:02}:{:02}:{:02}", dia, mes, ano, hora, minuto, segundo);
}

}  // namespace util
