#include "app/ChavesParametrosSped.h"

namespace app {

namespace {

constexpr ChaveParametroSped kChaves[] = {
    {"AJ_CONHEC_SAIDA_COD", "Reg. C197: Código de ajuste dos conhecimentos de frete p/ NF saída."},
    {"AJ_CONHEC_SAIDA_DESC",
     "Reg. C197: Descrição de ajuste dos conhecimentos de frete p/ NF saída."},
    {"AJ_APUR_CONHEC_SAIDA_COD",
     "Reg. E220: Código do ajuste da apuração e dedução, conforme a Tabela indicada no item "
     "5.1.1."},
    {"AJ_APUR_CONHEC_SAIDA_DESC", "Reg. E220: Descrição complementar do ajuste da apuração."},
    {"FIL_EST_PODER_TERC",
     "Reg. H010: Filial do estoque em poder de terceiros para geração do inventário."},
    {"FIL_EST_DE_TERC",
     "Reg. H010: Filial do estoque de terceiros em poder do informante para geração do "
     "inventário."},
    {"AJ_FRETE_AUTONOMO_COD", "Reg. C197: Código de ajuste dos fretes de transportador autônomo."},
    {"AJ_FRETE_AUTONOMO_DESC",
     "Reg. C197: Descrição de ajuste dos fretes de transportador autônomo."},
    {"REGISTRO_AJUSTE_ICMS_ST", "Identifica se vai gerar o ajuste de ICMS ST no C197 ou D197."},
    {"GERAR_CODCONTAB_D100_D500",
     "Informar \"N\" para não gerar o cód. contábil nos registros D100/D500."},
    {"AJ_FRETE_AUT_TRFMG_COD",
     "Reg. C197: Código de ajuste dos fretes de transportador autônomo e não inscrito em MG."},
    {"AJ_FRETE_AUT_TRFMG_DESC",
     "Reg. C197: Descrição de ajuste dos fretes de transportador autônomo e não inscrito em MG."},
    {"AJ_RET_DEBITO_COD", "Reg. C197: Código de ajuste de Débito do RET."},
    {"AJ_RET_DEBITO_DESC", "Reg. C197: Descrição de ajuste de Débito do RET."},
    {"AJ_RET_CREDITO_COD", "Reg. C197: Código de ajuste de Crédito do RET."},
    {"AJ_RET_CREDITO_DESC", "Reg. C197: Descrição de ajuste de Crédito do RET."},
    {"AJ_RET_ESTORNO_CRED_COD", "Reg. C197: Código de ajuste de Estorno de Crédito do RET."},
    {"AJ_RET_ESTORNO_CRED_DESC", "Reg. C197: Descrição de ajuste de Estorno de Crédito do RET."},
    {"AJ_DEB_DIFAL_REG_E111_COD",
     "Reg. E111: Código de ajuste de Débito do DIFAL para a UF de MG."},
    {"AJ_DEB_DIFAL_REG_E111_DESC",
     "Reg. E111: Descrição de ajuste de Débito do DIFAL para a UF de MG."},
    {"AJ_DEB_DIFAL_REG_E311_COD",
     "Reg. E311: Código de ajuste de Débito do DIFAL para a UF de MG."},
    {"AJ_DEB_DIFAL_REG_E311_DESC",
     "Reg. E311: Descrição de ajuste de Débito do DIFAL para a UF de MG."},
    {"FILIAL_INVENTARIO", "Reg. H010: Define a Filial do Inventário."},
    {"FTEC_GERAR_ASSOC_PROD_ACABADO",
     "Reg. H010: Ficha Técnica - Informar \"N\" para Não Gerar Associação Produto Acabado."},
    {"SERIE_DOCTO_3_DIGITOS",
     "Formata o Número da Série com 3 dígitos em Documentos de Modelo 55, 65, 57 e 67."},
    {"GERAR_VL_ITEM_IR_REG_H010",
     "Reg. H010: Define o Preenchimento do campo do Valor do Item para efeito do Imposto de "
     "Renda."},
};

}  // namespace

std::span<const ChaveParametroSped> ChavesParametrosSped() { return kChaves; }

}  // namespace app
