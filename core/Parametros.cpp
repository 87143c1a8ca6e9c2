#include "core/Parametros.h"

#include <array>

namespace core {

namespace {

using P = TParametros;

// Tamanhos dos textos como no ERP; os demais tipos não têm tamanho.
const std::array kCampos = {
    CampoParametro{"FILIAL", &P::FILIAL},
    CampoParametro{"NOME_FIL", &P::NOME_FIL, 40},
    CampoParametro{"CNPJ_FIL", &P::CNPJ_FIL, 18},
    CampoParametro{"INSC_FIL", &P::INSC_FIL, 15},
    CampoParametro{"FORMA_AGRUP_ITENS", &P::FORMA_AGRUP_ITENS, 20},
    CampoParametro{"DATA_INI", &P::DATA_INI},
    CampoParametro{"DATA_FIM", &P::DATA_FIM},
    CampoParametro{"FINALIDADE_ARQ", &P::FINALIDADE_ARQ, 1},
    CampoParametro{"DIR_GERACAO", &P::DIR_GERACAO, 255},
    CampoParametro{"GERAR_ENTRADAS", &P::GERAR_ENTRADAS, 1},
    CampoParametro{"GERAR_SAIDAS", &P::GERAR_SAIDAS, 1},
    CampoParametro{"GERAR_C170_SAI", &P::GERAR_C170_SAI, 1},
    CampoParametro{"GERAR_REG_0210", &P::GERAR_REG_0210, 1},
    CampoParametro{"GERAR_BLOCO_K", &P::GERAR_BLOCO_K, 1},
    CampoParametro{"GERAR_REG_H", &P::GERAR_REG_H, 1},
    CampoParametro{"MOTIVO_INVENTARIO", &P::MOTIVO_INVENTARIO, 2},
    CampoParametro{"MES_ANO_INVENTARIO", &P::MES_ANO_INVENTARIO, 7},
    CampoParametro{"DATA_INVENTARIO", &P::DATA_INVENTARIO},
    CampoParametro{"TIPOS_FISCAIS_INV_SELEC", &P::TIPOS_FISCAIS_INV_SELEC, 100},
    CampoParametro{"CALC_PRECO_INVENT", &P::CALC_PRECO_INVENT, 5},
    CampoParametro{"FILIAL_2", &P::FILIAL_2},
    CampoParametro{"FILIAL_3", &P::FILIAL_3},
    CampoParametro{"FILIAL_4", &P::FILIAL_4},
    CampoParametro{"AJ_CONHEC_SAIDA_COD", &P::AJ_CONHEC_SAIDA_COD, 20},
    CampoParametro{"AJ_CONHEC_SAIDA_DESC", &P::AJ_CONHEC_SAIDA_DESC, 100},
    CampoParametro{"AJ_APUR_CONHEC_SAIDA_COD", &P::AJ_APUR_CONHEC_SAIDA_COD, 20},
    CampoParametro{"AJ_APUR_CONHEC_SAIDA_DESC", &P::AJ_APUR_CONHEC_SAIDA_DESC, 100},
    CampoParametro{"AJ_FRETE_AUTONOMO_COD", &P::AJ_FRETE_AUTONOMO_COD, 20},
    CampoParametro{"AJ_FRETE_AUTONOMO_DESC", &P::AJ_FRETE_AUTONOMO_DESC, 100},
    CampoParametro{"AJ_FRETE_AUT_TRFMG_COD", &P::AJ_FRETE_AUT_TRFMG_COD, 20},
    CampoParametro{"AJ_FRETE_AUT_TRFMG_DESC", &P::AJ_FRETE_AUT_TRFMG_DESC, 100},
    CampoParametro{"REG_AJUSTE_ICMS_ST", &P::REG_AJUSTE_ICMS_ST, 10},
    CampoParametro{"GERAR_CODCONTAB_D100_D500", &P::GERAR_CODCONTAB_D100_D500, 2},
    CampoParametro{"AJ_RET_DEBITO_COD", &P::AJ_RET_DEBITO_COD, 20},
    CampoParametro{"AJ_RET_DEBITO_DESC", &P::AJ_RET_DEBITO_DESC, 40},
    CampoParametro{"AJ_RET_CREDITO_COD", &P::AJ_RET_CREDITO_COD, 20},
    CampoParametro{"AJ_RET_CREDITO_DESC", &P::AJ_RET_CREDITO_DESC, 40},
    CampoParametro{"AJ_RET_ESTORNO_CRED_COD", &P::AJ_RET_ESTORNO_CRED_COD, 20},
    CampoParametro{"AJ_RET_ESTORNO_CRED_DESC", &P::AJ_RET_ESTORNO_CRED_DESC, 100},
    CampoParametro{"AJ_DEB_DIFAL_REG_E111_COD", &P::AJ_DEB_DIFAL_REG_E111_COD, 10},
    CampoParametro{"AJ_DEB_DIFAL_REG_E111_DESC", &P::AJ_DEB_DIFAL_REG_E111_DESC, 100},
    CampoParametro{"AJ_DEB_DIFAL_REG_E311_COD", &P::AJ_DEB_DIFAL_REG_E311_COD, 10},
    CampoParametro{"AJ_DEB_DIFAL_REG_E311_DESC", &P::AJ_DEB_DIFAL_REG_E311_DESC, 100},
    CampoParametro{"AJ_ICMS_REPASSADO_COD", &P::AJ_ICMS_REPASSADO_COD, 20},
    CampoParametro{"AJ_ICMS_REPASSADO_DESC", &P::AJ_ICMS_REPASSADO_DESC, 40},
    CampoParametro{"FIL_EST_PODER_TERC", &P::FIL_EST_PODER_TERC},
    CampoParametro{"FIL_EST_DE_TERC", &P::FIL_EST_DE_TERC},
    CampoParametro{"FILIAL_INVENTARIO", &P::FILIAL_INVENTARIO},
    CampoParametro{"FTEC_GERAR_ASSOC_PROD_ACABADO", &P::FTEC_GERAR_ASSOC_PROD_ACABADO},
    CampoParametro{"GERAR_VL_ITEM_IR_REG_H010", &P::GERAR_VL_ITEM_IR_REG_H010},
    CampoParametro{"SERIE_DOCTO_3_DIGITOS", &P::SERIE_DOCTO_3_DIGITOS},
    CampoParametro{"INV_ABATER_ICMS_PIS_COFINS", &P::INV_ABATER_ICMS_PIS_COFINS},
    CampoParametro{"INV_NAO_ABATER_IMPOSTOS_IR", &P::INV_NAO_ABATER_IMPOSTOS_IR, 1},
    CampoParametro{"INV_EXCETO_GRUPO_MP", &P::INV_EXCETO_GRUPO_MP, 30},
    CampoParametro{"INV_EXCETO_TIPO_MP", &P::INV_EXCETO_TIPO_MP, 30},
    CampoParametro{"EST_PODER_TERC_CALC_IR_ALIQ_MP", &P::EST_PODER_TERC_CALC_IR_ALIQ_MP},
    CampoParametro{"EST_PODER_MP_DATA_BASE_INICIO", &P::EST_PODER_MP_DATA_BASE_INICIO},
    CampoParametro{"EST_TERC_MP_DATA_BASE_INICIO", &P::EST_TERC_MP_DATA_BASE_INICIO},
    CampoParametro{"EST_PODER_PROD_DATA_BASE_INICIO", &P::EST_PODER_PROD_DATA_BASE_INICIO},
    CampoParametro{"EST_TERC_PROD_DATA_BASE_INICIO", &P::EST_TERC_PROD_DATA_BASE_INICIO},
    CampoParametro{"GERAR_REG_1400", &P::GERAR_REG_1400, 1},
    CampoParametro{"VALIDAR_REG_0205", &P::VALIDAR_REG_0205},
    CampoParametro{"PESQ_NCM_PADRONIZ_PRODUTO", &P::PESQ_NCM_PADRONIZ_PRODUTO},
    CampoParametro{"CONSIDERAR_COD_CONT_CADASTRO", &P::CONSIDERAR_COD_CONT_CADASTRO},
    CampoParametro{"SEPARAR_ARQ_POR_FILIAL", &P::SEPARAR_ARQ_POR_FILIAL},
    CampoParametro{"DT_INI_GERACAO_RET", &P::DT_INI_GERACAO_RET, 10},
    CampoParametro{"RET_ECOMMERCE", &P::RET_ECOMMERCE},
    CampoParametro{"SERIE_NF_GERA_RET", &P::SERIE_NF_GERA_RET, 30},
    CampoParametro{"DT_INI_GERACAO_K280_MES_ANO", &P::DT_INI_GERACAO_K280_MES_ANO, 10},
    CampoParametro{"DT_INI_ABAT_ICMS_BC_PIS_COFINS", &P::DT_INI_ABAT_ICMS_BC_PIS_COFINS},
    CampoParametro{"DT_FIM_ABAT_ICMS_BC_PIS_COFINS", &P::DT_FIM_ABAT_ICMS_BC_PIS_COFINS},
    CampoParametro{"DT_INI_COD_PARTICIPANTE_CNPJ", &P::DT_INI_COD_PARTICIPANTE_CNPJ, 10},
    CampoParametro{"PROD_ITEM_ESTOQUE", &P::PROD_ITEM_ESTOQUE},
    CampoParametro{"PRODUTO_PADRONIZ_COM_PONTO", &P::PRODUTO_PADRONIZ_COM_PONTO},
    CampoParametro{"GERAR_DESC_PROD_ITEM_EST", &P::GERAR_DESC_PROD_ITEM_EST},
    CampoParametro{"PERC_BASE_FRETE", &P::PERC_BASE_FRETE},
    CampoParametro{"CFOP_DEVOLUCAO", &P::CFOP_DEVOLUCAO, 100},
    CampoParametro{"GRUPO_PROD_DEVOL", &P::GRUPO_PROD_DEVOL, 5},
};

}  // namespace

std::span<const CampoParametro> CamposParametros() { return kCampos; }

const CampoParametro* LocalizarCampoParametro(std::string_view nome) {
    for (const CampoParametro& c : kCampos)
        if (c.nome == nome) return &c;
    return nullptr;
}

bool TParametros::ExisteCampo(std::string_view nome) const { return LocalizarCampoParametro(nome) != nullptr; }

int TParametros::CampoInteiro(std::string_view nome) const {
    const CampoParametro* c = LocalizarCampoParametro(nome);
    if (!c) return 0;
    const auto* membro = std::get_if<int TParametros::*>(&c->membro);
    return membro ? this->**membro : 0;
}

}  // namespace core
