#pragma once
// cdsParams: os parâmetros de uma geração (filial, período, opções).
#include <string>

#include "util/DataHora.h"

namespace core {

struct TParametros {
    int FILIAL = 0;
    util::DataHora DATA_INI;
    util::DataHora DATA_FIM;
    std::string FINALIDADE_ARQ = "0";
    std::string DIR_GERACAO;
    std::string GERAR_ENTRADAS = "S";
    std::string GERAR_SAIDAS = "S";
};

}  // namespace core
