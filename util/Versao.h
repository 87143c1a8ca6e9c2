#pragma once
// Comparação de versões do programa no formato "maior.menor.revisão".
#include <string_view>

namespace util {

// true quando a é mais nova que b, parte a parte como números ("1.1.100" é mais nova que "1.1.83").
// Lança std::invalid_argument quando uma delas não tem exatamente três partes inteiras.
bool VersaoMaisNova(std::string_view a, std::string_view b);

}  // namespace util
