#pragma once
// Bloco E: E001, E100, E110, E111, E116 e E990, com os totais que os documentos acumularam, e o
// saldo credor levado ao período seguinte (APURACAOICMS).
#include "core/Dinheiro.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

void GerarBlocoE(core::Geracao& g);

// Vencimento do ICMS: o dia 'diasVencimento' (1 a 30) do mês seguinte a 'dataIni', ou o último
// dia desse mês; sábado e domingo passam para a segunda-feira.
util::DataHora CalcularVencimentoICMS(const util::DataHora& dataIni, int diasVencimento);

// Saldo credor guardado para o mês anterior ao da geração (zero sem registro).
core::Dinheiro LerSaldoCredorAnterior(core::Geracao& g);
// Guarda (insere ou atualiza) o saldo credor do período da geração, pela gravação no ERP que
// desiste de um registro preso por outro usuário (core::GravarNoErp).
void GravarSaldoCredor(core::Geracao& g, core::Dinheiro saldo);

}  // namespace blocks
