#pragma once
// Formato do código da conta contábil: os comprimentos dos níveis, de PARAM CONTA_CONTABIL/FORMATO.
#include <string>
#include <string_view>
#include <vector>

#include "db/Banco.h"

namespace core {

// Comprimentos dos níveis escritos de dois em dois dígitos ("01020304" = 1, 2, 3, 4). Um par que
// não é número conta 0 e os zeros não entram; um último caractere sozinho é lido sozinho.
std::vector<int> NiveisFormatoConta(std::string_view formato);
// NiveisFormatoConta do FORMATO gravado em PARAM.
std::vector<int> LerFormatoConta(db::Transacao& tr);

// O código em pedaços dos comprimentos dos níveis, juntados por "."; sem níveis, o código como
// está. Um código mais curto que os níveis deixa pedaços vazios: níveis 1, 2, 3, 4 fazem
// "10203" virar "1.02.03.".
std::string FormatarConta(std::string_view codigo, const std::vector<int>& niveis);

}  // namespace core
