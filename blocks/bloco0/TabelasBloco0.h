#pragma once
// Tabelas de trabalho do bloco 0 numa execução: participantes, naturezas, textos e itens citados
// pelos documentos. Só o código de blocks/bloco0/ escreve aqui; os outros blocos pedem códigos
// pelas funções dele (CodigoParticipante, ResolverCodigoItem, CodigoNatureza...).
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "blocks/bloco0/ProdutoFat.h"
#include "util/DataHora.h"

namespace blocks {

// cdsLog: uma alteração de uma coluna de um participante no período.
struct TAlteracaoLog {
    std::string CAMPO_LG;
    util::DataHora DATA_LG;
    std::string VRANT_LG;
    std::string COD_MUNICIPIO_IBGE;
};
// Alterações por participante (ARQUIVO_LG, CHAVE_LG), em ordem de CAMPO_LG e DATA_LG. O participante
// sai do mapa no seu primeiro 0150, o que faz o histórico sair uma vez só.
using LogParticipantes = std::map<std::pair<std::string, std::string>, std::vector<TAlteracaoLog>>;

// cdsReg0175: os 0175 gravados, pelas duas chaves que impedem a repetição.
struct TRegistros0175 {
    std::set<std::tuple<std::string, std::string, std::string>> porData;   // COD_PART, DT_ALT, NR_CAMPO
    std::set<std::tuple<std::string, std::string, std::string>> porValor;  // COD_PART, NR_CAMPO, CONT_ANT
};

// Resposta de CodigoParticipante guardada para as referências seguintes ao mesmo participante.
struct TParticipanteResolvido {
    std::string COD_PART;
    bool gravado = false;  // false: não localizado, as mensagens se repetem com cada origem
};

// cdsReg0200: um item por código, na ordem de COD_ITEM.
struct TItem0200 {
    int ID = 0;
    std::string COD_ITEM, DESCR_ITEM, COD_BARRA, COD_ANT_ITEM, UNID_INV, TIPO_ITEM, COD_NCM, EX_IPI,
        COD_GEN, COD_LST;
    double ALIQ_ICMS = 0;
    std::string CEST;
    int FILIAL = 0;
};

// Resposta de ResolverCodigoItem: o código e a conta contábil do item.
struct TItemResolvido {
    std::string codigo;
    std::string conta;
};

// cdsUnComercNF: unidades comerciais das notas do período, pelas duas chaves de pesquisa.
struct TUnidadesComerciais {
    std::map<int, std::set<std::string>> porMPrima;                         // MPRIMA → UN_COMERCIAL
    std::map<std::string, std::set<std::string>, std::less<>> porProduto;  // PROD → UN_COMERCIAL
};

struct TabelasBloco0 {
    std::map<std::pair<char, int>, TParticipanteResolvido> participantes;  // tipo, número
    LogParticipantes cdsLog;
    TRegistros0175 cdsReg0175;

    std::map<std::string, std::string, std::less<>> cdsNatOper;  // NATOPER → COD
    int contadorNatureza = 0;
    int contadorInformacao = 0;  // códigos do 0450

    std::map<std::string, TItem0200, std::less<>> cdsReg0200;            // COD_ITEM
    std::map<std::string, TItemResolvido, std::less<>> itensResolvidos;  // entrada do documento → resposta
    int contadorItens = 0;                                               // ID do próximo 0200
    TUnidadesComerciais cdsUnComercNF;
    TProdutoFat produtoFat;  // último código de faturamento calculado
};

}  // namespace blocks
