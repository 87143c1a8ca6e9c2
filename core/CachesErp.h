#pragma once
// Caches dos cadastros do ERP que os construtores consultam linha a linha: carregados na primeira
// geração depois da partida e mantidos até o programa terminar (mudanças no ERP só são vistas
// depois de reabrir o programa). Cada um é um mapa pela sua ordem de pesquisa. Outros objetos que
// valem entre execuções entram aqui também, e não no módulo de dados.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "db/Banco.h"

namespace core {

struct TMPrima {
    std::string DESC_MP, UN_MP, TIPO_FISCAL_MP, COD_SERVICO_MP, CNBM_MP, CODEX_TIPI_MP, GENERO_MP,
        CODCONTABIL_MP, CEST_MP;
    double ICM_MP = 0;
    double QUEBRA_MP = 0;
};

struct TProduto {
    std::string DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, COD_SERVICO_PR, CNBM_PR, CODEX_TIPI_PR,
        GENERO_PR, CODCONTABIL_PR, COD_MPRIMA_PR, CEST_PR;
    std::optional<double> ALIQ_ICMS_INTERNA_PR;  // nula: vale a alíquota interna da UF da filial
};

struct TPadronizProduto {
    std::string DESC_PP, NCM_PP;
};

struct TCfop {
    std::string EXIGIR_GERACAO_REG_C113_CF, AJ_ICMS_REPASSADO_CF, COD_OBS_FISCAL_CF,
        CODCONTAB_SPED_CF, DESC_NATOPER_NFENT_SPED_CF, AJ_RECOLHIMENTO_RET_CF;
};

struct TObsFiscal {
    std::string DESC_OB, OBS_OB;
};

struct TContaContabil {
    std::string DESC_CC, AS_CC, CODCONTAB_SPED_CC, COD_NATUREZA_CC, COD_CONTA_REF_CC;
    int NIVEL_CC = 0;
};

template <class V>
using PorTexto = std::map<std::string, V, std::less<>>;

struct CachesErp {
    std::map<int, TMPrima> cdsMPrima;                                             // COD_MP
    std::map<std::pair<std::string, std::string>, TPadronizProduto> cdsPadronizProduto;  // PROD_PP;PADRONIZ_PP
    PorTexto<TProduto> cdsProduto;                                                // COD_PR
    std::map<std::tuple<std::string, std::string, int>, double> cdsConversaoUN;  // UN_CV;UN_RESULT_CV;MPRIMA_CV → FATOR_CV
    PorTexto<std::string> cdsCstPisCofins;                                        // CST_PF → DIREITO_CRED_PF
    std::map<std::pair<int, std::string>, TCfop> cdsCFOP;                         // FILIAL_CF;CFOP_CF
    PorTexto<std::string> contaCfopMenorFilial;  // CFOP_CF → CODCONTAB_SPED_CF da filial de menor código
    PorTexto<TObsFiscal> cdsObsFiscal;                                            // COD_OB
    PorTexto<std::string> cdsTabUN;                                               // TABELA 07: COD_TA → DESC_TA
    PorTexto<std::string> cdsTabCor;                                              // TABELA 23: COD_TA → DESC_TA
    PorTexto<std::string> cdsPais;                                                // COD_PA → COD_BACEN_PA
    PorTexto<std::string> cdsTipoDocFiscal;                                       // COD_TD → MODELO_DOC_TD
    PorTexto<TContaContabil> cdsCodContab;                                        // COD_CC

    bool carregados = false;
    // Carrega tudo na primeira chamada; as seguintes não fazem nada.
    void Carregar(db::Transacao& tr);
};

// O valor da chave no mapa, ou nullptr.
template <class Mapa, class Chave>
const typename Mapa::mapped_type* Localizar(const Mapa& mapa, const Chave& chave) {
    const auto it = mapa.find(chave);
    return it == mapa.end() ? nullptr : &it->second;
}

}  // namespace core
