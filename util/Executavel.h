#pragma once
// Onde o programa está instalado: os arquivos de configuração, log e rastreio ficam ao lado dele.
#include <string>

namespace util {

// Pasta do executável em execução, sem a barra final.
std::string PastaExecutavel();

}  // namespace util
