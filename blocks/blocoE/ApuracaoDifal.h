#pragma once
// A partilha do ICMS (DIFAL e FCP) das vendas a consumidor final de outra UF, entregue pelos
// documentos para o grupo E300: débitos por UF (cdsRegE310), a parcela do remetente por documento
// (cdsRegE313) e as obrigações a recolher (cdsRegE316).
#include <string>

#include "blocks/blocoE/Apuracao.h"

namespace core {
struct Geracao;
}

namespace blocks {

// A partilha de um documento de saída, somada pelos seus itens.
struct TPartilhaDifal {
    std::string UF_DEST;
    std::string COD_RECEITA_DIFAL, COD_RECEITA_FCP;  // da UF de destino
    Dinheiro VL_FCP_UF_DEST, VL_ICMS_UF_DEST, VL_ICMS_UF_REM;
    // O documento; COD_PART só é lido quando há parcela do remetente.
    TRegE313 documento;
};

void AcumularPartilhaDifal(core::Geracao& g, const TPartilhaDifal& p);

// Devolução de uma venda com partilha: a parcela que foi da UF de destino volta como crédito dessa
// UF ('ufDestino'), e a que foi do remetente como crédito da UF da empresa.
void AcumularCreditoDifalDevolucao(core::Geracao& g, const std::string& ufDestino, Dinheiro parcelaDestino,
                                   Dinheiro parcelaRemetente);

}  // namespace blocks
