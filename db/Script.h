#pragma once
// Divisão de scripts SQL em comandos, no estilo do isql: ";" ou o terminador de "SET TERM".
#include <string>
#include <string_view>
#include <vector>

namespace db {

// Comandos do script, sem o terminador, sem os "SET TERM" e sem "COMMIT" soltos.
// Literais e comentários não são cortados.
std::vector<std::string> DividirScript(std::string_view script);

}  // namespace db
