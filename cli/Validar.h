#pragma once
// efd validar: confere arquivos da EFD ICMS/IPI contra o leiaute oficial.
#include <string>
#include <vector>

namespace cli {

// Uma linha por problema na saída padrão. Devolve 0 sem problemas, 1 com problemas e 2 quando
// algum arquivo não pôde ser lido.
int Validar(const std::vector<std::string>& arquivos);

}  // namespace cli
