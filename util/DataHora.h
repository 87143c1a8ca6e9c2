#pragma once
// Data e hora do calendário civil, sem fuso: o que o Firebird guarda em DATE e TIMESTAMP.
#include <compare>
#include <cstdint>
#include <string>

namespace util {

struct DataHora {
    int ano = 0, mes = 0, dia = 0;      // ano 0 = data vazia ("zero date")
    int hora = 0, minuto = 0, segundo = 0;
    int decimilesimos = 0;              // 1/10000 s, a precisão do Firebird

    static DataHora Data(int ano, int mes, int dia) { return {ano, mes, dia}; }
    static DataHora Agora();            // data e hora locais
    static DataHora DeDiasSeriais(int64_t dias);  // dias desde 0001-01-01 = 0

    bool Vazia() const { return ano == 0; }
    int64_t DiasSeriais() const;        // inverso de DeDiasSeriais
    int DiaDaSemana() const;            // 0 = domingo ... 6 = sábado
    DataHora SoData() const { return {ano, mes, dia}; }
    DataHora ComHora(int h, int mi, int s, int dm = 0) const { return {ano, mes, dia, h, mi, s, dm}; }
    DataHora MaisDias(int64_t n) const;

    std::string Texto() const;          // "dd/mm/aaaa", ou "dd/mm/aaaa hh:mm:ss" com hora
    auto operator<=>(const DataHora&) const = default;
};

bool AnoBissexto(int ano);
int DiasNoMes(int ano, int mes);

}  // namespace util
