#pragma once
// Notas fiscais de saída do período: o documento corrente como os passos do bloco C o leem e as
// operações que cada arquivo de blocks/blocoC/ oferece aos outros.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "blocks/blocoC/C190.h"
#include "core/RegistroEFD.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
struct TParametros;
}  // namespace core

namespace blocks {

// Uma linha de cdsNotaSai (NOTASAI com a transportadora e a filial).
struct TNotaSaida {
    int FILIAL_NS = 0;
    int DOCTO_NS = 0;
    std::string SERIE_NS;
    std::string CLIFORREP_NS;
    int CODIGO_NS = 0;
    util::DataHora EMISSAO_NS, DTSAIDA_NS;  // DTSAIDA_NS vazia quando nula
    std::string MODELO_DOC_NS, SERFISC_NS, DOCTO_FISCAL_NS, CHAVE_NFE_NS, TPNOTA_NS, SITUACAO_NS,
        CODSTATUS_NFE_NS, FINALIDADE_NFE_NS, CNPJ_NS, UF_NS, INSCEST_NS, NATOPER_NS, CFOP_NS, OBSERVACOES_NS;
    double VALOR_NS = 0, VRMERC_NS = 0, VRDESCTO_NS = 0, VRDESCTOSUFRAMA_NS = 0, VRDESCTOPIS_NS = 0,
           VRDESCTOCOFINS_NS = 0, VRFRETE_NS = 0, VRSEGURO_NS = 0, VRDESPESA_NS = 0, BICMS_NS = 0, VRICMS_NS = 0,
           BSUBSTICM_NS = 0, VALSUBSTICM_NS = 0, VRIPI_NS = 0, VALORPIS_NS = 0, VALORCOFINS_NS = 0;
    std::string PRAZO_NS;
    int NUMPARC_NS = 0;
    std::string INDPAG_XML_NS;
    std::string TPFRETE_NS;
    int TRANSP_NS = 0;
    std::string PLACA_NS, PLACA_UF_NS;
    double QTVOLUME_NS = 0, PESOB_NS = 0, PESOL_NS = 0, FRETEICMS_NS = 0, VRICMFRETE_NS = 0, BICMFRETE_NS = 0,
           ALIQICMFRETE_NS = 0;
    std::string TIPO_TRANSPORTADOR, CNPJ_TRANSPORTADOR, UF_TRANSPORTADOR;
    int QTDE_CONHEC_FRETE = 0;
    std::string CNPJ_FILIAL;
};

// Uma linha de cdsItensNs.
struct TItemSaida {
    int ITEM_SA = 0;
    std::string PROD_SA, COD_PROD_SA, COD_PADRON_SA, TAMANHO_SA, COR_MPRIMA_SA, DESC_SA, INFAD_SA, UN_SA;
    int COD_MPRIMA_SA = 0, ID_PROD_ITEM_ESTOQUE_SA = 0;
    double QTDE_SA = 0, QTDE_REAL_SA = 0, PRECO_SA = 0, PRREAL_SA = 0;
    double VRDESCTO_SA = 0, VRDESCTO_SUFRAMA_SA = 0, VRDESCTO_SUF_PIS_SA = 0, VRDESCTO_SUF_COFINS_SA = 0;
    double VRFRETE_SA = 0, VRSEGURO_SA = 0, VRDESPESA_SA = 0;
    std::string CST_SA, CFOP_SA;
    double BICM_SA = 0, ALIQICM_SA = 0, VRICM_SA = 0, BASE_ICMS_SUBST_SA = 0, ALIQ_ICMS_SUBST_SA = 0,
           VALOR_ICMS_SUBST_SA = 0;
    std::string CST_IPI_SA, CODTRIB_IPI_SA;
    double BASECALCIPI_SA = 0, ALIQIPI_SA = 0, VRIPI_SA = 0;
    std::string CST_PIS_SA;
    double ALIQ_PIS_SA = 0, VALOR_PIS_SA = 0;
    std::string CST_COFINS_SA;
    double ALIQ_COFINS_SA = 0, VALOR_COFINS_SA = 0, BASE_PIS_COFINS = 0;
    double BCALC_SUF_ICMS_SA = 0, ALIQ_SUF_ICMS_SA = 0;
};

// Os registros de um documento, reaproveitados de um documento para o outro.
struct TRegistrosSaida {
    core::TRegistroEFD C100, C101, C160, C170;
};

// O documento em processamento e o que os seus itens acumulam: um novo a cada nota.
struct TDocumentoSaida {
    TNotaSaida nota;
    const std::vector<TItemSaida>& itens;
    TRegistrosSaida& registros;
    std::string codSit{};
    std::string codPart{};
    int64_t somaBaseIcms = 0;  // décimos de milésimo
    int64_t somaIcms = 0;
    double quantidadeTotal = 0;
    ResumoC190 cdsRegC190{};
};

// NotasSaida.cpp
void GerarNotasSaida(core::Geracao& g);
// " FILIAL_NS=1 and EMISSAO_NS>=..." : o filtro de cdsNotaSai, sem o "where".
std::string FiltroNotasSaida(const core::Geracao& g);

// C100Saida.cpp
std::string SituacaoDocSaida(const TNotaSaida& ns, const core::TParametros& params);
bool SerieTresDigitos(const core::Geracao& g, std::string_view modelo);
// SER do C100: com zeros à esquerda até três caracteres quando SerieTresDigitos vale para o modelo.
std::string SerieDocumento(const core::Geracao& g, std::string_view modelo, std::string serie);
// IND_PAGTO do C100 (saídas e entradas).
std::string IndicadorPagamento(const std::string& indPagXml, const std::string& prazo, int parcelas,
                               const core::TParametros& p);
void GravarC100Saida(core::Geracao& g, TDocumentoSaida& doc);
void GravarC160Saida(core::Geracao& g, TDocumentoSaida& doc);
// NFC-e (modelo 65): só C100 e C190, sem participante.
inline bool NotaConsumidor(const TNotaSaida& ns) { return ns.MODELO_DOC_NS == "65"; }

// Difal.cpp: C101 e a partilha do ICMS para o E300 (cdsRegE310, cdsRegE313, cdsRegE316).
void GerarC101Difal(core::Geracao& g, TDocumentoSaida& doc);

// ItensSaida.cpp
double QuantidadeItem(const TItemSaida& item);
int64_t ValorOperacaoItem(const TDocumentoSaida& doc, const TItemSaida& item);
void ProcessarItemSaida(core::Geracao& g, TDocumentoSaida& doc, const TItemSaida& item);
void CorrigirC190Saida(core::Geracao& g, TDocumentoSaida& doc);
std::string ContaContabilItem(const core::Geracao& g, const std::string& cfop, const std::string& conta);

}  // namespace blocks
