#pragma once
// Estado do estoque de uma execução, compartilhado pelos blocos H e K: o total do inventário, as
// linhas H010/H020 que esperam o H005 e o ICMS dos itens inventariados (cdsProdMPH020). Só o
// código de blocks/blocoH/ escreve aqui.
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/Dinheiro.h"
#include "core/RegistroEFD.h"

namespace blocks {

// Uma linha de PRODUTO_MPRIMA_SPED_H020.
struct TLinhaH020 {
    std::string CST_PH;
    double BASE_ICMS_PH = 0;
    double VALOR_ICMS_PH = 0;
};

// Chave do H020: proprietário, tipo e código do terceiro, item, cor ou padronização, tamanho.
using ChaveH020 = std::tuple<std::string, std::string, int, std::string, std::string, std::string>;

struct TEstadoEstoque {
    core::Dinheiro VL_INV;                             // soma dos VL_ITEM dos H010 desta geração
    std::vector<core::TRegistroEFD> linhasInventario;  // H010 e H020, gravados depois do H005
    bool gerarH020 = false;                            // motivo "02" a "05"
    std::map<ChaveH020, std::vector<TLinhaH020>> cdsProdMPH020;
};

}  // namespace blocks
