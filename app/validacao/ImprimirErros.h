#pragma once
// O relatório impresso dos problemas de dados encontrados numa geração (cdsErros).
#include <functional>

#include "core/ListaErros.h"
#include "core/Parametros.h"
#include "report/ImpressoraRelatorio.h"
#include "util/DataHora.h"

namespace app {

using Relogio = std::function<util::DataHora()>;

// Imprime cdsErros em 'impressora', uma linha por erro, com o cabeçalho (e a hora de 'agora') em
// toda página e o título com o traço no começo de cada uma. Se o usuário cancela a configuração
// da impressora, o relatório é abandonado sem imprimir nada. Uma falha abandona o relatório e
// segue para quem chamou.
void ImprimirErros(const core::ListaErros& cdsErros, const core::TParametros& params,
                   report::ImpressoraRelatorio& impressora,
                   const Relogio& agora = util::DataHora::Agora);

}  // namespace app
