#pragma once
// AcumularApuracaoICMS: os documentos e ajustes dos blocos C e D alimentam os totais do E110.
#include <string_view>

#include "core/ResumosBlocoE.h"

namespace blocks {

// 'origem' é o registro de onde vem o valor ("C190", "C197", ..., "E111"); só "E111" muda a regra.
// Documento: CFOP e COD_SIT preenchidos, valorDocumento. Ajuste: COD_AJ preenchido, valorAjuste.
// Os valores são arredondados na quarta casa antes de somar.
void AcumularApuracaoICMS(core::TotaisApuracaoICMS& t, std::string_view origem, std::string_view cfop,
                          std::string_view codSit, std::string_view codAj, double valorDocumento,
                          double valorAjuste);

}  // namespace blocks
