#pragma once
// Bloco E: E001, E100, E110, E111, E116 e E990, com os totais que os documentos acumularam, e o
// saldo credor levado ao período seguinte (APURACAOICMS).
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

void GerarBlocoE(core::Geracao& g);

// Vencimento do ICMS: o dia 'diasVencimento' (1 a 30) do mês seguinte a 'dataIni', ou o último
// dia desse mês; sábado e domingo passam para a segunda-feira.
util::DataHora CalcularVencimentoICMS(const util::DataHora& dataIni, int diasVencimento);

// Saldo credor guardado para o mês anterior ao da geração, em décimos de milésimo (0 sem registro).
int64_t LerSaldoCredorAnterior(core::Geracao& g);
// Guarda (insere ou atualiza) o saldo credor do período da geração.
void GravarSaldoCredor(core::Geracao& g, int64_t saldoDecimilesimos);

}  // namespace blocks
