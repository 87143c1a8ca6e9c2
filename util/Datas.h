#pragma once
// Aritmética de meses sobre uma data e hora, e o timestamp que as consultas recebem.
#include "util/DataHora.h"

namespace util {

class TData {
public:
    explicit TData(const DataHora& valor) : valor_(valor) {}

    const DataHora& Valor() const { return valor_; }
    void SetValor(const DataHora& valor) { valor_ = valor; }
    int Ano() const { return valor_.ano; }
    int Mes() const { return valor_.mes; }
    int DiasNoMes() const;
    // Primeiro dia do mês às 00:00.
    DataHora PrimeiroDia() const;
    // Último dia do mês às 23:59:59.999.
    DataHora UltimoDia() const;
    // Soma n meses (n pode ser negativo), mantendo o dia e a hora; quando o dia não existe no mês
    // de destino, fica o último dia dele (31/01 + 1 mês = 28 ou 29/02).
    TData& IncMes(int n);
    TData& DecMes(int n) { return IncMes(-n); }

private:
    DataHora valor_;
};

// A data no horário dado, com frações zeradas.
DataHora DataHoraSql(const DataHora& data, int hora, int minuto, int segundo);

}  // namespace util
