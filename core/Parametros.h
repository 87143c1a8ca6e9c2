#pragma once
// cdsParams: os parâmetros de uma geração, numa linha só. Vêm da janela (filial, período, opções),
// de PARAM (códigos de ajuste e chaves da instalação), da filial escolhida e da cópia salva ao lado
// do executável. Textos em Windows-1252; o tamanho máximo de cada texto está em CamposParametros().
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "util/DataHora.h"

namespace core {

struct TParametros {
    // Janela principal.
    int FILIAL = 0;
    std::string NOME_FIL;           // NOME_FI da filial
    std::string CNPJ_FIL;           // CGC_FI da filial com a máscara
    std::string INSC_FIL;           // INSC_FI da filial
    std::string FORMA_AGRUP_ITENS;  // EMISNOTA_FORMA_AGRUP_ITENS_FI da filial; nunca vem da cópia salva
    util::DataHora DATA_INI;        // primeiro dia do período
    util::DataHora DATA_FIM;        // último dia do período
    std::string FINALIDADE_ARQ = "0";  // "0" remessa normal, "1" arquivo substituto
    std::string DIR_GERACAO;
    std::string GERAR_ENTRADAS = "S";
    std::string GERAR_SAIDAS = "S";
    std::string GERAR_C170_SAI = "N";
    std::string GERAR_REG_0210 = "N";  // acompanha GERAR_BLOCO_K
    std::string GERAR_BLOCO_K = "N";   // "N" sem bloco K, "S" todo o bloco, "E" só K200 e K280
    std::string GERAR_REG_H = "N";
    std::string MOTIVO_INVENTARIO = "01";
    std::string MES_ANO_INVENTARIO;    // "mm/aaaa"
    util::DataHora DATA_INVENTARIO;    // último dia de MES_ANO_INVENTARIO
    std::string TIPOS_FISCAIS_INV_SELEC;
    std::string CALC_PRECO_INVENT = "TP";
    // Filiais adicionais (só a cópia salva): com FILIAL_2 diferente de 0 as consultas de estoque
    // cobrem FILIAL e cada uma acima de 0. Lidas por nome, "FILIAL_" + n, com CampoInteiro.
    int FILIAL_2 = 0;
    int FILIAL_3 = 0;
    int FILIAL_4 = 0;

    // PARAM (editor de parâmetros).
    std::string AJ_CONHEC_SAIDA_COD, AJ_CONHEC_SAIDA_DESC;
    std::string AJ_APUR_CONHEC_SAIDA_COD, AJ_APUR_CONHEC_SAIDA_DESC;
    std::string AJ_FRETE_AUTONOMO_COD, AJ_FRETE_AUTONOMO_DESC;
    std::string AJ_FRETE_AUT_TRFMG_COD, AJ_FRETE_AUT_TRFMG_DESC;
    std::string REG_AJUSTE_ICMS_ST;  // "C197" ou "D197"
    std::string GERAR_CODCONTAB_D100_D500;
    std::string AJ_RET_DEBITO_COD, AJ_RET_DEBITO_DESC;
    std::string AJ_RET_CREDITO_COD, AJ_RET_CREDITO_DESC;
    std::string AJ_RET_ESTORNO_CRED_COD, AJ_RET_ESTORNO_CRED_DESC;
    std::string AJ_DEB_DIFAL_REG_E111_COD, AJ_DEB_DIFAL_REG_E111_DESC;
    std::string AJ_DEB_DIFAL_REG_E311_COD, AJ_DEB_DIFAL_REG_E311_DESC;
    std::string AJ_ICMS_REPASSADO_COD, AJ_ICMS_REPASSADO_DESC;
    int FIL_EST_PODER_TERC = 0;
    int FIL_EST_DE_TERC = 0;
    int FILIAL_INVENTARIO = 0;
    bool FTEC_GERAR_ASSOC_PROD_ACABADO = false;
    bool GERAR_VL_ITEM_IR_REG_H010 = false;
    bool SERIE_DOCTO_3_DIGITOS = false;

    // PARAM (sem tela).
    bool INV_ABATER_ICMS_PIS_COFINS = false;
    std::string INV_NAO_ABATER_IMPOSTOS_IR = "F";  // "T" ou "F"
    std::string INV_EXCETO_GRUPO_MP, INV_EXCETO_TIPO_MP;
    bool EST_PODER_TERC_CALC_IR_ALIQ_MP = false;
    // Datas-base dos relatórios de estoque em poder de terceiros; vazia = data zero.
    util::DataHora EST_PODER_MP_DATA_BASE_INICIO, EST_TERC_MP_DATA_BASE_INICIO;
    util::DataHora EST_PODER_PROD_DATA_BASE_INICIO, EST_TERC_PROD_DATA_BASE_INICIO;
    std::string GERAR_REG_1400;
    bool VALIDAR_REG_0205 = false;
    bool PESQ_NCM_PADRONIZ_PRODUTO = false;
    bool CONSIDERAR_COD_CONT_CADASTRO = false;  // só a cópia salva preenche
    bool SEPARAR_ARQ_POR_FILIAL = false;
    std::string DT_INI_GERACAO_RET;
    bool RET_ECOMMERCE = false;
    std::string SERIE_NF_GERA_RET;
    std::string DT_INI_GERACAO_K280_MES_ANO;
    util::DataHora DT_INI_ABAT_ICMS_BC_PIS_COFINS, DT_FIM_ABAT_ICMS_BC_PIS_COFINS;
    std::string DT_INI_COD_PARTICIPANTE_CNPJ;
    bool PROD_ITEM_ESTOQUE = false;
    bool PRODUTO_PADRONIZ_COM_PONTO = false;
    bool GERAR_DESC_PROD_ITEM_EST = false;
    int PERC_BASE_FRETE = 0;
    std::string CFOP_DEVOLUCAO;
    std::string GRUPO_PROD_DEVOL;

    // Acesso por nome, para quem enumera campos ("FILIAL_2" a "FILIAL_99").
    bool ExisteCampo(std::string_view nome) const;
    // Valor do campo inteiro de nome 'nome'; 0 quando o campo não existe ou não é inteiro.
    int CampoInteiro(std::string_view nome) const;
};

// Descrição de um campo de TParametros: o nome, onde fica e, nos textos, o tamanho máximo.
using MembroParametro = std::variant<int TParametros::*, bool TParametros::*, std::string TParametros::*,
                                     util::DataHora TParametros::*>;
struct CampoParametro {
    std::string_view nome;
    MembroParametro membro;
    std::size_t tamanho = 0;
};

// Todos os campos, na ordem da declaração.
std::span<const CampoParametro> CamposParametros();
// Campo de nome 'nome' (exato), ou nullptr.
const CampoParametro* LocalizarCampoParametro(std::string_view nome);

}  // namespace core
