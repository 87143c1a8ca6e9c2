#pragma once
// Posições de matérias-primas do inventário (H010) e do estoque escriturado (K200): o estoque
// próprio do mês (ESTOQUEMP com CONSULTAR_ESTOQUEMP_MES) acumulado por posição em cdsEstMP e
// valorado pela opção CALC_PRECO_INVENT.
#include <map>
#include <string>
#include <tuple>

#include "blocks/blocoH/FiltrosEstoque.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

struct TPosicaoMP {
    std::string UN, CODCONTAB;
    std::string CLIFORREP_TERC;
    int COD_TERC = 0;
    std::string TIPO_FISCAL, COD_PROD_MP;
    double ALIQ_ICMS = 0, ALIQ_PIS = 0, ALIQ_COFINS = 0;
    double ESTOQUE = 0;
    double CUSTO = 0;  // total da posição; unitário (preço da tabela) para a própria com "TP"
    double PRECO_TAB_PRECO_INV = 0, PRECO_IR_TAB_PRECO_INV = 0;
    double CUSTO_IR = 0;
};
// MPRIMA, COR, TAM, IND_PROP, COD_PARTICIPANTE.
using ChaveMP = std::tuple<int, std::string, std::string, std::string, std::string>;
using TabelaEstMP = std::map<ChaveMP, TPosicaoMP>;

// Estoque próprio do mês de 'data' acumulado em 'cdsEstMP'. Nada sem tipo fiscal de matéria-prima.
// As posições em poder de terceiros e de terceiros se somam a esta mesma tabela depois dela.
void AcumularEstoqueMateriais(core::Geracao& g, const TTiposFiscaisEstoque& tipos, const util::DataHora& data,
                              TabelaEstMP& cdsEstMP);

// Tira as posições sem estoque (avisando os negativos), valora e grava uma linha por posição.
void ValorarEstoqueMateriais(core::Geracao& g, const std::string& registro, TabelaEstMP& cdsEstMP);

// Valor da posição para o imposto de renda (VL_ITEM_IR); 0 sem GERAR_VL_ITEM_IR_REG_H010.
double ValorIRMaterial(const core::TParametros& params, const std::string& proprietario, const TPosicaoMP& p);

}  // namespace blocks
