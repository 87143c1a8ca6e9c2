#include "app/ParametrosSped.h"

#include <array>

#include "util/TextoData.h"
#include "core/ParametrosErp.h"
#include "util/Texto1252.h"

namespace app {

namespace {

enum class Conversao {
    Texto,        // o valor como está gravado
    Inteiro,      // LerParametroInteiro
    SeS,          // true só para "S"
    SeSTF,        // "T" só para "S", senão "F"
    ExcetoN,      // true exceto para "N"
    Data,         // data e hora; vazio deixa o campo vazio
    DataOuZero,   // dd/mm/aaaa; vazio dá a data zero
};

struct Leitura {
    const char* grupo;
    const char* chave;
    const char* campo;
    Conversao conversao;
};

using C = Conversao;
constexpr std::array kLeituras = {
    Leitura{"SPED", "AJ_CONHEC_SAIDA_COD", "AJ_CONHEC_SAIDA_COD", C::Texto},
    Leitura{"SPED", "AJ_CONHEC_SAIDA_DESC", "AJ_CONHEC_SAIDA_DESC", C::Texto},
    Leitura{"SPED", "AJ_APUR_CONHEC_SAIDA_COD", "AJ_APUR_CONHEC_SAIDA_COD", C::Texto},
    Leitura{"SPED", "AJ_APUR_CONHEC_SAIDA_DESC", "AJ_APUR_CONHEC_SAIDA_DESC", C::Texto},
    Leitura{"SPED", "FIL_EST_PODER_TERC", "FIL_EST_PODER_TERC", C::Inteiro},
    Leitura{"SPED", "FIL_EST_DE_TERC", "FIL_EST_DE_TERC", C::Inteiro},
    Leitura{"SPED", "AJ_FRETE_AUTONOMO_COD", "AJ_FRETE_AUTONOMO_COD", C::Texto},
    Leitura{"SPED", "AJ_FRETE_AUTONOMO_DESC", "AJ_FRETE_AUTONOMO_DESC", C::Texto},
    Leitura{"SPED", "REGISTRO_AJUSTE_ICMS_ST", "REG_AJUSTE_ICMS_ST", C::Texto},
    Leitura{"SPED", "GERAR_REG_1400", "GERAR_REG_1400", C::Texto},
    Leitura{"SPED", "GERAR_CODCONTAB_D100_D500", "GERAR_CODCONTAB_D100_D500", C::Texto},
    Leitura{"SPED", "AJ_FRETE_AUT_TRFMG_COD", "AJ_FRETE_AUT_TRFMG_COD", C::Texto},
    Leitura{"SPED", "AJ_FRETE_AUT_TRFMG_DESC", "AJ_FRETE_AUT_TRFMG_DESC", C::Texto},
    Leitura{"SPED", "INV_ABATER_ICMS_PIS_COFINS", "INV_ABATER_ICMS_PIS_COFINS", C::SeS},
    Leitura{"SPED", "INV_NAO_ABATER_IMPOSTOS_IR", "INV_NAO_ABATER_IMPOSTOS_IR", C::SeSTF},
    Leitura{"SPED", "GERAR_VL_ITEM_IR_REG_H010", "GERAR_VL_ITEM_IR_REG_H010", C::ExcetoN},
    Leitura{"SPED", "AJ_ICMS_REPASSADO_COD", "AJ_ICMS_REPASSADO_COD", C::Texto},
    Leitura{"SPED", "AJ_ICMS_REPASSADO_DESC", "AJ_ICMS_REPASSADO_DESC", C::Texto},
    Leitura{"SPED", "AJ_RET_DEBITO_COD", "AJ_RET_DEBITO_COD", C::Texto},
    Leitura{"SPED", "AJ_RET_DEBITO_DESC", "AJ_RET_DEBITO_DESC", C::Texto},
    Leitura{"SPED", "AJ_RET_CREDITO_COD", "AJ_RET_CREDITO_COD", C::Texto},
    Leitura{"SPED", "AJ_RET_CREDITO_DESC", "AJ_RET_CREDITO_DESC", C::Texto},
    Leitura{"SPED", "AJ_RET_ESTORNO_CRED_COD", "AJ_RET_ESTORNO_CRED_COD", C::Texto},
    Leitura{"SPED", "AJ_RET_ESTORNO_CRED_DESC", "AJ_RET_ESTORNO_CRED_DESC", C::Texto},
    Leitura{"SPED", "AJ_DEB_DIFAL_REG_E111_COD", "AJ_DEB_DIFAL_REG_E111_COD", C::Texto},
    Leitura{"SPED", "AJ_DEB_DIFAL_REG_E111_DESC", "AJ_DEB_DIFAL_REG_E111_DESC", C::Texto},
    Leitura{"SPED", "AJ_DEB_DIFAL_REG_E311_COD", "AJ_DEB_DIFAL_REG_E311_COD", C::Texto},
    Leitura{"SPED", "AJ_DEB_DIFAL_REG_E311_DESC", "AJ_DEB_DIFAL_REG_E311_DESC", C::Texto},
    Leitura{"SPED", "DT_INI_GERACAO_RET", "DT_INI_GERACAO_RET", C::Texto},
    Leitura{"SPED", "RET_ECOMMERCE", "RET_ECOMMERCE", C::SeS},
    Leitura{"SPED", "FILIAL_INVENTARIO", "FILIAL_INVENTARIO", C::Inteiro},
    Leitura{"SPED", "FTEC_GERAR_ASSOC_PROD_ACABADO", "FTEC_GERAR_ASSOC_PROD_ACABADO", C::ExcetoN},
    Leitura{"SPED", "SERIE_DOCTO_3_DIGITOS", "SERIE_DOCTO_3_DIGITOS", C::SeS},
    Leitura{"SPED", "SEPARAR_ARQ_POR_FILIAL", "SEPARAR_ARQ_POR_FILIAL", C::SeS},
    Leitura{"SPED", "DT_INI_GERACAO_K280_MES_ANO", "DT_INI_GERACAO_K280_MES_ANO", C::Texto},
    Leitura{"SPED", "PESQ_NCM_PADRONIZ_PRODUTO", "PESQ_NCM_PADRONIZ_PRODUTO", C::SeS},
    Leitura{"SPED", "DT_FIM_ABAT_ICMS_BC_PIS_COFINS", "DT_FIM_ABAT_ICMS_BC_PIS_COFINS", C::Data},
    Leitura{"SPED", "DT_INI_ABAT_ICMS_BC_PIS_COFINS", "DT_INI_ABAT_ICMS_BC_PIS_COFINS", C::Data},
    Leitura{"SPED", "DT_INI_COD_PARTICIPANTE_CNPJ", "DT_INI_COD_PARTICIPANTE_CNPJ", C::Texto},
    Leitura{"SPED", "SERIE_NF_GERA_RET", "SERIE_NF_GERA_RET", C::Texto},
    Leitura{"REL_EST_PODER_TERC", "CALC_IR_ALIQ_CAD_MP", "EST_PODER_TERC_CALC_IR_ALIQ_MP", C::SeS},
    Leitura{"EMISNOTA", "PROD_ITEM_ESTOQUE", "PROD_ITEM_ESTOQUE", C::SeS},
    Leitura{"EMISNOTA", "PRODUTO_PADRONIZ_COM_PONTO", "PRODUTO_PADRONIZ_COM_PONTO", C::SeS},
    Leitura{"EMISNOTA", "GERAR_DESC_PROD_ITEM_EST", "GERAR_DESC_PROD_ITEM_EST", C::SeS},
    Leitura{"EMISNOTA", "PERC_BASE_FRETE", "PERC_BASE_FRETE", C::Inteiro},
    Leitura{"NOTA_FISCAL_ENTRADA", "CFOP_DEVOLUCAO", "CFOP_DEVOLUCAO", C::Texto},
    Leitura{"PRODUTO", "GRUPO_PROD_DEVOL", "GRUPO_PROD_DEVOL", C::Texto},
    Leitura{"SPED", "INV_EXCETO_GRUPO_MP", "INV_EXCETO_GRUPO_MP", C::Texto},
    Leitura{"SPED", "INV_EXCETO_TIPO_MP", "INV_EXCETO_TIPO_MP", C::Texto},
    Leitura{"SPED", "VALIDAR_REG_0205", "VALIDAR_REG_0205", C::SeS},
    Leitura{"REL_EST_PODER_TERC", "DATA_BASE_INICIO", "EST_PODER_MP_DATA_BASE_INICIO", C::DataOuZero},
    Leitura{"REL_EST_TERC", "DATA_BASE_INICIO", "EST_TERC_MP_DATA_BASE_INICIO", C::DataOuZero},
    Leitura{"REL_EST_PODER_TERC_PROD", "DATA_BASE_INICIO", "EST_PODER_PROD_DATA_BASE_INICIO", C::DataOuZero},
    Leitura{"REL_EST_TERC_PROD", "DATA_BASE_INICIO", "EST_TERC_PROD_DATA_BASE_INICIO", C::DataOuZero},
};

// O membro do tipo que a conversão pede; um desencontro é erro desta tabela, não dos dados.
template <class T>
T& Membro(core::TParametros& p, const Leitura& l) {
    const core::CampoParametro* campo = core::LocalizarCampoParametro(l.campo);
    const auto* membro = campo ? std::get_if<T core::TParametros::*>(&campo->membro) : nullptr;
    if (!membro) throw std::logic_error(std::string("Campo de cdsParams sem o tipo da leitura de PARAM: ") + l.campo);
    return p.**membro;
}

util::DataHora Data(const Leitura& l, const std::string& valor) {
    if (valor.empty()) return {};
    const auto d = l.conversao == C::Data ? util::LerDataHora(valor) : util::LerData(valor);
    if (!d)
        throw ErroConversaoParametro(util::W("O parâmetro ") + l.grupo + "/" + l.chave +
                                     util::W(" da tabela PARAM tem o valor \"") + valor +
                                     util::W("\", que não é uma data válida (dd/mm/aaaa). Corrija-o no editor de "
                                             "parâmetros."));
    return *d;
}

}  // namespace

void CarregarParametrosSped(db::Transacao& tr, core::TParametros& params) {
    for (const Leitura& l : kLeituras) {
        if (l.conversao == C::Inteiro) {
            Membro<int>(params, l) = core::LerParametroInteiro(tr, l.grupo, l.chave);
            continue;
        }
        const std::string valor = core::LerParametro(tr, l.grupo, l.chave);
        switch (l.conversao) {
            case C::Texto: {
                const core::CampoParametro* campo = core::LocalizarCampoParametro(l.campo);
                Membro<std::string>(params, l) = valor.substr(0, campo->tamanho);
                break;
            }
            case C::SeS: Membro<bool>(params, l) = valor == "S"; break;
            case C::SeSTF: Membro<std::string>(params, l) = valor == "S" ? "T" : "F"; break;
            case C::ExcetoN: Membro<bool>(params, l) = valor != "N"; break;
            case C::Data:
            case C::DataOuZero: Membro<util::DataHora>(params, l) = Data(l, valor); break;
            case C::Inteiro: break;
        }
    }
}

}  // namespace app
