#pragma once
// Notas fiscais de saída da demonstração: um mês de vendas da indústria de demonstração.
#include "db/Banco.h"
#include "util/DataHora.h"

namespace demo {

// Notas emitidas por escala: 'escala' = 100 dá cerca de 100.000 notas.
inline constexpr int kNotasPorEscala = 1000;
inline constexpr int kItensPorNota = 5;

// Grava em NOTASAI, ITENSNS e ITENSNS_ICMS_DIFAL as notas da filial 1 no mês de 'mes' (qualquer
// dia dele): vendas dentro e fora do estado, venda a consumidor final de outra UF (DIFAL), nota
// cancelada, nota denegada, nota modelo 01 com transportadora, NFC-e, exportação e devoluções de
// compra. O conteúdo depende só do mês e da escala. Uma transação, com inserts preparados.
void CriarNotasSaidaDemo(db::Banco& erp, const util::DataHora& mes, int escala);

}  // namespace demo
