#pragma once
// CPF e CNPJ: só os dígitos, a máscara e os dígitos verificadores. A mesma implementação é
// exportada para outros programas pela biblioteca efdrotinas (util/exportadas/efdrotinas.h).
#include <string>
#include <string_view>

namespace util {

// Os dígitos do texto, na ordem; vazio quando não há nenhum.
std::string desFormataCGCCPF(std::string_view texto);

// Os dígitos com a máscara: 11 como CPF (999.999.999-99), 14 como CNPJ (99.999.999/9999-99);
// qualquer outra quantidade sai só com os dígitos.
std::string formataCGCCPF(std::string_view texto);

// true quando os dígitos do texto são um CPF (11) ou um CNPJ (14) com os verificadores certos.
bool CgcCpfValido(std::string_view texto);

}  // namespace util
