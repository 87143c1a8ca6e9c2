#include "core/Dinheiro.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/Formatacao.h"
#include "db/Decimal.h"

namespace core {

int64_t R(double x) { return static_cast<int64_t>(std::rint(x)); }

int64_t EmDecimilesimos(double valor) {
    const std::optional<db::Decimal> lido = Decimal15Algarismos(valor);
    const db::Decimal d = lido ? *lido : db::Decimal::DeTexto(fmt::format("{:.10f}", valor));  // muito pequeno
    if (d.escala <= 4) return d.EmEscala(4);
    int64_t divisor = 1;
    for (int i = 4; i < d.escala; ++i) divisor *= 10;
    int64_t q = d.valor / divisor;
    const int64_t resto = std::llabs(d.valor % divisor);
    if (resto * 2 > divisor || (resto * 2 == divisor && (q % 2 != 0))) q += d.valor < 0 ? -1 : 1;
    return q;
}

}  // namespace core
