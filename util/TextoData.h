#pragma once
// Datas digitadas ou gravadas como texto no formato brasileiro.
#include <optional>
#include <string_view>

#include "util/DataHora.h"

namespace util {

// "dd/mm/aaaa" (dia e mês com um ou dois dígitos, ano com quatro); nullopt quando não é uma data
// que existe.
std::optional<DataHora> LerData(std::string_view texto);
// LerData seguida, opcionalmente, de " hh:mm" ou " hh:mm:ss".
std::optional<DataHora> LerDataHora(std::string_view texto);

}  // namespace util
