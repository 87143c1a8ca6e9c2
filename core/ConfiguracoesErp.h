#pragma once
// Chaves de PARAM que valem para o programa inteiro: lidas uma vez, na partida, e guardadas no
// módulo de dados (não fazem parte de cdsParams).
#include <string>
#include <vector>

#include "db/Banco.h"

namespace core {

struct ConfiguracoesErp {
    std::string COD_CONTABILIDADE;          // CONTABIL: escritório contábil, regras por cliente
    bool COD_CONTAB_FORMATADO = false;      // SPED: código da conta formatado por FORMATO
    bool GERAR_COR_MPRIMA = true;           // SPED: matérias-primas por cor
    bool GERAR_REG_C101 = false;            // SPED: C101 nas notas de saída
    bool GERAR_REG_C101_DEVOLUCAO = false;  // SPED: C101 nas devoluções de entrada
    bool GERAR_GRADE_MP = false;            // SPED: matérias-primas por grade de tamanhos
    bool VALIDA_TRANS_INTERNA_K220 = true;  // REL_INVENT_PROD: confere transferências antes do K220
    std::vector<int> niveisConta;           // CONTA_CONTABIL/FORMATO (FormatoConta.h)
};

ConfiguracoesErp LerConfiguracoesErp(db::Transacao& tr);

// SPED/TIPOS_FISCAIS_EST_PRODUTO: tipos fiscais dos produtos acabados, "04" quando vazio.
// Lido de novo a cada montagem do filtro de tipos fiscais.
std::string LerTiposFiscaisEstProduto(db::Transacao& tr);

}  // namespace core
