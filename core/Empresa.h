#pragma once
// Dados fixos da empresa que usa o programa.
#include <string_view>

namespace core {

// UF da empresa: nas regras que a nomeiam (DIFAL de devoluções, parcela do remetente, frete com
// ST, transportador autônomo, códigos da sub-apuração).
inline constexpr std::string_view kUFEmpresa = "MG";

}  // namespace core
