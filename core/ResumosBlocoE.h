#pragma once
// Totais e resumos que os documentos dos blocos C e D acumulam durante a geração e o bloco E lê.
// Zerados no início de cada execução.
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "util/DataHora.h"

namespace core {

// TotaisApuracaoICMS: os catorze valores do E110, em décimos de milésimo.
struct TotaisApuracaoICMS {
    int64_t VL_TOT_DEBITOS = 0;
    int64_t VL_AJ_DEBITOS = 0;
    int64_t VL_TOT_AJ_DEBITOS = 0;
    int64_t VL_ESTORNOS_CRED = 0;
    int64_t VL_TOT_CREDITOS = 0;
    int64_t VL_AJ_CREDITOS = 0;
    int64_t VL_TOT_AJ_CREDITOS = 0;
    int64_t VL_ESTORNOS_DEB = 0;
    int64_t VL_SLD_CREDOR_ANT = 0;
    int64_t VL_SLD_APURADO = 0;
    int64_t VL_TOT_DED = 0;
    int64_t VL_ICMS_RECOLHER = 0;
    int64_t VL_SLD_CREDOR_TRANSPORTAR = 0;
    int64_t DEB_ESP = 0;
};

// cdsRegE310: DIFAL e FCP por UF de destino (e a parcela de origem na linha "MG").
struct TRegE310 {
    double VL_TOT_DEBITOS_DIFAL = 0;
    double VL_TOT_DEB_FCP = 0;
    double VL_TOT_CREDITOS_DIFAL = 0;
};

// cdsRegE313: uma linha por documento de saída com parcela da UF de origem, pela chave.
struct TRegE313 {
    std::string COD_PART, MODELO, SERIE, DOCTO, CHAVE;
    util::DataHora EMISSAO;
    double VALOR = 0;
};

// cdsRegE316: uma obrigação a recolher por documento.
struct TRegE316 {
    util::DataHora VENCTO;
    std::string COD_RECEITA;
    double VR_OBRIGACAO = 0;
};

// cdsRegE510: IPI por (CFOP, CST_IPI), em décimos de milésimo.
struct TRegE510 {
    int64_t VL_CONT_IPI = 0, VL_BC_IPI = 0, VL_IPI = 0;
};

struct ResumosBlocoE {
    TotaisApuracaoICMS totais;
    // cdsRegE111: ajustes da apuração por (COD_AJ, DESCR_COMPL_AJ), VL_ICMS em décimos de milésimo.
    std::map<std::pair<std::string, std::string>, int64_t> E111;
    std::map<std::string, TRegE310> E310;  // por UF
    std::map<std::string, TRegE313> E313;  // por CHAVE
    // Por (UF, DOCTO, COD_OBRIGACAO).
    std::map<std::tuple<std::string, std::string, std::string>, TRegE316> E316;
    std::map<std::pair<std::string, std::string>, TRegE510> cdsRegE510;  // por CFOP, CST_IPI
};

// Valor monetário em décimos de milésimo, arredondado na quarta casa com empate para o par.
// O double é lido com 15 algarismos significativos.
int64_t EmDecimilesimos(double valor);

}  // namespace core
