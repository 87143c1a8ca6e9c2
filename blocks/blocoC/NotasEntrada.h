#pragma once
// Notas de entrada do período: o documento corrente (cdsNotaEnt), os seus itens (cdsItensNE) e as
// operações que os arquivos de blocks/blocoC/ oferecem uns aos outros e aos testes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "blocks/blocoC/C190.h"
#include "core/RegistroEFD.h"
#include "db/Banco.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

// Uma linha de cdsNotaEnt.
struct TNotaEntrada {
    int FILIAL_NE = 0, DOCTO_NE = 0, FORNEC_NE = 0;
    std::string SERIE_NE, CLIFOR_NE;
    util::DataHora EMISSAO_NE, ENTRADA_NE;
    std::string TPDOC_NE, SERFISC_NE, DOCTO_FISCAL_NE, CHAVE_NFE_NE, EMITENTE_NE, SIT_DOC_NE, FINALIDADE_NFE_NE,
        NATOPER_NE, DESC_NATOPER_NE, OBS_NE, OBSREGENT_NE;
    double VALOR_NE = 0, VRDESCTO_NE = 0, VRFRETE_NE = 0, VRSEGURO_NE = 0, VRDESPESA_NE = 0, VRSERVICO_NE = 0,
           BICM_NE = 0, VRICM_NE = 0, BICMSSUBST_NE = 0, VRICMSSUBST_NE = 0, VRIPI_NE = 0, ALIQICMS_NE = 0,
           ALIQ_ICMS_ST_NE = 0, ISENTOICMS_NE = 0, OUTROSICMS_NE = 0, VALOR_ISS_NE = 0, VALORPIS_NE = 0,
           VALORCOFINS_NE = 0, BASE_CALC_PIS_COFINS_NE = 0;
    std::string CST_ICMS_NE, CFISIPI_NE, CST_PIS_NE, CST_COFINS_NE;
    double ALIQ_PIS_NE = 0, ALIQ_COFINS_NE = 0;
    std::string NAT_BC_CRED_NE, PRAZO_NE;
    int NUMPARCELAS_NE = 0;
    std::string INDPAG_XML_NE, TPFRETE_NE, FRETEFORA_NE, FRETE_ENTSAI_NE;
    std::string COD_CLASSE_CONSUMO_NE, COD_GRUPO_TENSAO_ELETRICA_NE, TIPO_LIGACAO_ELETRICA_NE,
        CTE_COD_MUNICIPIO_INI_NE, CTE_COD_MUNICIPIO_FIM_NE, CTE_COD_MUNICIPIO_ENV_NE;
    std::string NATOPER;  // DESC_TA da TABELA 17 do CFOP da nota
    int QTDE_PARC = 0;
    std::string CCUSTO_CODCONTAB, CNPJ_FILIAL;
};

// Uma linha de cdsItensNE: de ENTRADAMP (matéria-prima) ou, sem elas, de ENTRADAPROD somada por item.
struct TItemEntrada {
    std::string NOME_TABELA;  // "ENTRADAMP" ou "ENTRADAPROD"
    int ITEM = 0, MPRIMA = 0;
    util::DataHora DATA;
    std::string COR, TAMANHO, PROD, PADRON;
    double QTDE_COMERCIAL = 0, QTDE_ENTRADA = 0, BASE_PIS_COFINS = 0, PRREAL = 0, PRECO_UNIT = 0;
    std::string CST, CFOP;
    double BASEICMS = 0, ALIQICMS = 0, VRICMS = 0;
    std::string CST_IPI, CST_PIS, CST_COFINS;
    double BASEIPI = 0, ALIQIPI = 0, VRIPI = 0, ALIQ_PIS = 0, ALIQ_COFINS = 0, VALOR_PIS = 0, VALOR_COFINS = 0;
    std::string UN, CFISIPI_EMP;
    double PERC_DESCTO = 0, VR_DESCTO = 0;
    std::string ATUEST, INFADIC, NATOPER, DESCMP_FORNEC, TIPO_FISCAL_MP, GRUPO_PR;
    double DESPES_EMP = 0, TOT_DESCTO_SUFRAMA_EMP = 0, VRFRETE_ITEM_EMP = 0, PRECO_TOTAL_EMP = 0;
    std::string CODBARRAS;
    std::string MOV_FISICA_EMP;
    int MOV_FISICA_NULA = 1;  // 1 quando MOV_FISICA_EMP é nulo
    int FILIAL_DEVOL = 0, NF_DEVOL = 0, ITEM_DEVOL = 0;
    std::string SERIE_DEVOL;
    int ID_PROD_ITEM_ESTOQUE_EMP = 0;
};

// Os registros de um documento, reaproveitados de um documento para o outro.
struct TRegistrosEntrada {
    core::TRegistroEFD C100, C101, C170;
};

// As duas consultas dos itens, preparadas no primeiro documento e reexecutadas nos seguintes.
struct TConsultasItensEntrada {
    std::unique_ptr<db::Consulta> mprima, produto;
};

// O documento de entrada em processamento: um novo a cada nota.
struct TDocumentoEntrada {
    TNotaEntrada nota;
    std::vector<TItemEntrada>& itens;
    TRegistrosEntrada& registros;
    std::string modelo{};
    std::string codSit{};
    int numItem = 0;  // NUM_ITEM do último C170
    ResumoC190 cdsRegC190{};
};

// Documentos de entrada que outros construtores gravam (conhecimentos e documentos de comunicação
// no bloco D, contas de consumo no C500). Um gancho vazio: o documento fica fora do arquivo e da
// apuração. Preenchido, ele grava os registros do documento e a apuração recebe o seu ICMS.
struct DespachoEntrada {
    std::function<void(core::Geracao&, const TDocumentoEntrada&)> transporte;    // D100, D190, D195/D197
    std::function<void(core::Geracao&, const TDocumentoEntrada&)> contaConsumo;  // C500, C590
    std::function<void(core::Geracao&, const TDocumentoEntrada&)> comunicacao;   // D500, D590
};

// NotasEntrada.cpp
void GerarNotasEntrada(core::Geracao& g, const DespachoEntrada& outros = {});
// MODELO_DOC_TD do tipo de documento em TIPO_DOCTO_FISCAL; o próprio tipo quando não há.
std::string CodModDocumento(const core::Geracao& g, const std::string& tpdoc);
// true quando 'codigo' é um dos códigos separados por "-" de 'lista' (o código inteiro).
bool CodigoNaLista(std::string_view lista, std::string_view codigo);

// C100Entrada.cpp
// Canceladas, canceladas extemporâneas, denegadas e inutilizadas: só o C100 reduzido.
inline constexpr std::string_view kSituacoesSemEfeito = "02-03-04-05";
std::string SituacaoDocEntrada(core::Geracao& g, const TNotaEntrada& ne);
// "0" quando a própria empresa emitiu a nota (EMITENTE_NE "S").
inline std::string IndicadorEmitente(const TNotaEntrada& ne) { return ne.EMITENTE_NE == "S" ? "0" : "1"; }
void GerarC100Entrada(core::Geracao& g, TDocumentoEntrada& doc);
void GerarC101Devolucao(core::Geracao& g, TDocumentoEntrada& doc);

// Totais dos itens que vão ao C100, em décimos de milésimo.
struct TTotaisEntrada {
    int64_t mercadorias = 0, descontos = 0, pis = 0, cofins = 0, despesas = 0, abatimentos = 0, ipi = 0;
};
TTotaisEntrada TotaisItensEntrada(const core::Geracao& g, const std::vector<TItemEntrada>& itens);

// ItensEntrada.cpp
void CarregarItensEntrada(core::Geracao& g, const TNotaEntrada& ne, TConsultasItensEntrada& consultas,
                          std::vector<TItemEntrada>& itens);
bool LinhaComGrade(const core::Geracao& g, const TItemEntrada& item);
// Junta as linhas sem grade de um mesmo item na primeira delas.
void JuntarLinhasSemGrade(const core::Geracao& g, std::vector<TItemEntrada>& itens);
bool CfopDevolucao(const core::Geracao& g, const std::string& cfop);
// VL_ITEM da linha, em décimos de milésimo (também o valor das mercadorias do C100).
int64_t ValorItemEntrada(const core::Geracao& g, const TItemEntrada& item);
int64_t DescontoItemEntrada(const core::Geracao& g, const TItemEntrada& item);
// CST_IPI da linha com dois caracteres; vazio quando não há como montá-lo.
std::string CstIpiEntrada(const TNotaEntrada& ne, const TItemEntrada& item);
// C170 onde devido e, para toda linha, C190, apuração do ICMS e E510.
void ProcessarItensEntrada(core::Geracao& g, TDocumentoEntrada& doc);

}  // namespace blocks
