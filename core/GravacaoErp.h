#pragma once
// Gravações nas tabelas do ERP (saldo credor do ICMS, parâmetros, itens de estoque criados): cada
// uma na sua transação, nunca na da área SPED_EFD.
#include <functional>
#include <string_view>

#include "db/Banco.h"

namespace core {

// Segundos que uma gravação espera por um registro preso por um usuário do ERP.
inline constexpr int kEsperaGravacaoErp = 15;

// Executa 'gravar' numa transação própria e a confirma. Um registro preso por outro usuário é
// esperado até 'limiteSegundos'; passado o prazo, nada é gravado e sai std::runtime_error com o
// que se gravava ('oQue', em Windows-1252) e o que fazer. Outras falhas do banco seguem como vieram.
void GravarNoErp(db::Banco& banco, std::string_view oQue, const std::function<void(db::Transacao&)>& gravar,
                 int limiteSegundos = kEsperaGravacaoErp);

}  // namespace core
