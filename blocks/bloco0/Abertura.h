#pragma once
// Abertura do arquivo e do bloco 0: 0000, 0001, 0002, 0005 e 0100, a partir da filial (FILIAL),
// dos parâmetros da geração e do contabilista (CONTABILISTA).
#include <string>

#include "core/Filiais.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

void GerarAberturaBloco0(core::Geracao& g);

// COD_VER do 0000 pela data final do período.
std::string CodigoVersaoLeiaute(const util::DataHora& dataFim);
// IND_ATIV: TIPO_ATIVIDADE_SPED_FI, ou "0" quando vazio.
std::string IndicadorAtividade(const core::TFilial& filial);

}  // namespace blocks
