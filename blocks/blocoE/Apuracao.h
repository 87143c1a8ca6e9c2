#pragma once
// Totais e resumos da apuração que os documentos dos blocos C e D acumulam numa execução e o bloco E
// grava. Só o código de blocks/blocoE/ escreve aqui; os documentos entregam os seus valores pelas
// funções de ApuracaoIcms.h, ApuracaoIpi.h e ApuracaoDifal.h.
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "core/Dinheiro.h"
#include "util/DataHora.h"

namespace blocks {

using core::Dinheiro;

// TotaisApuracaoICMS: os catorze valores do E110.
struct TotaisApuracaoICMS {
    Dinheiro VL_TOT_DEBITOS;
    Dinheiro VL_AJ_DEBITOS;
    Dinheiro VL_TOT_AJ_DEBITOS;
    Dinheiro VL_ESTORNOS_CRED;
    Dinheiro VL_TOT_CREDITOS;
    Dinheiro VL_AJ_CREDITOS;
    Dinheiro VL_TOT_AJ_CREDITOS;
    Dinheiro VL_ESTORNOS_DEB;
    Dinheiro VL_SLD_CREDOR_ANT;
    Dinheiro VL_SLD_APURADO;
    Dinheiro VL_TOT_DED;
    Dinheiro VL_ICMS_RECOLHER;
    Dinheiro VL_SLD_CREDOR_TRANSPORTAR;
    Dinheiro DEB_ESP;
};

// cdsRegE310: DIFAL e FCP por UF de destino (e a parcela do remetente na linha da UF da empresa).
struct TRegE310 {
    Dinheiro VL_TOT_DEBITOS_DIFAL;
    Dinheiro VL_TOT_DEB_FCP;
    Dinheiro VL_TOT_CREDITOS_DIFAL;
};

// cdsRegE313: uma linha por documento de saída com parcela do remetente, pela chave.
struct TRegE313 {
    std::string COD_PART, MODELO, SERIE, DOCTO, CHAVE;
    util::DataHora EMISSAO;
    Dinheiro VALOR;
};

// cdsRegE316: uma obrigação a recolher por documento.
struct TRegE316 {
    util::DataHora VENCTO;
    std::string COD_RECEITA;
    Dinheiro VR_OBRIGACAO;
};

// cdsRegE510: IPI por (CFOP, CST_IPI).
struct TRegE510 {
    Dinheiro VL_CONT_IPI, VL_BC_IPI, VL_IPI;
};

struct TApuracao {
    TotaisApuracaoICMS totais;
    // cdsRegE111: ajustes da apuração por (COD_AJ, DESCR_COMPL_AJ).
    std::map<std::pair<std::string, std::string>, Dinheiro> E111;
    std::map<std::string, TRegE310> E310;  // por UF
    std::map<std::string, TRegE313> E313;  // por CHAVE
    // Por (UF, DOCTO, COD_OBRIGACAO).
    std::map<std::tuple<std::string, std::string, std::string>, TRegE316> E316;
    std::map<std::pair<std::string, std::string>, TRegE510> cdsRegE510;  // por CFOP, CST_IPI
};

}  // namespace blocks
