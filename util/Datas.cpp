#include "util/Datas.h"

#include <algorithm>

namespace util {

int TData::DiasNoMes() const { return util::DiasNoMes(valor_.ano, valor_.mes); }

DataHora TData::PrimeiroDia() const { return DataHora::Data(valor_.ano, valor_.mes, 1); }

DataHora TData::UltimoDia() const {
    return DataHora::Data(valor_.ano, valor_.mes, DiasNoMes()).ComHora(23, 59, 59, 9990);
}

TData& TData::IncMes(int n) {
    // Meses contados a partir de janeiro do ano 0, com divisão arredondando para baixo.
    const int meses = valor_.ano * 12 + (valor_.mes - 1) + n;
    const int ano = meses >= 0 ? meses / 12 : (meses - 11) / 12;
    valor_.ano = ano;
    valor_.mes = meses - ano * 12 + 1;
    valor_.dia = std::min(valor_.dia, util::DiasNoMes(valor_.ano, valor_.mes));
    return *this;
}

DataHora DataHoraSql(const DataHora& data, int hora, int minuto, int segundo) {
    return data.ComHora(hora, minuto, segundo);
}

}  // namespace util
