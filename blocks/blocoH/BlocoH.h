#pragma once
// Bloco H: o inventário da filial na data do inventário (H001, H005, H010, H020 e H990).
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

// Com GERAR_REG_H diferente de "N" (ou H010 trazidos de um arquivo unificado) grava o inventário
// das matérias-primas e dos produtos acabados escolhidos; senão só H001 sem movimento e H990.
void GerarBlocoH(core::Geracao& g);

// Avisa (K220) quando há itens faturados com produto trocado cuja transferência interna ainda não
// foi processada entre 'primeiroDia' e 'ultimoDia'. Desligado por REL_INVENT_PROD/VALIDA_TRANS_INTERNA_K220 "N".
void VerificarTransferenciaInterna(core::Geracao& g, const util::DataHora& primeiroDia,
                                   const util::DataHora& ultimoDia);

}  // namespace blocks
