#include "core/CachesErp.h"

namespace core {

static std::string Texto(const db::Consulta& q, const char* coluna) { return q[coluna].Texto(); }

static void CarregarMPrima(db::Transacao& tr, std::map<int, TMPrima>& m) {
    db::Consulta q(tr,
                   "select COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, COD_SERVICO_MP, CNBM_MP, CODEX_TIPI_MP, "
                   "GENERO_MP, CODCONTABIL_MP, ICM_MP, QUEBRA_MP, CEST_MP from MPRIMA");
    while (q.Proximo())
        m[static_cast<int>(q["COD_MP"].Inteiro())] = {
            Texto(q, "DESC_MP"),   Texto(q, "UN_MP"),          Texto(q, "TIPO_FISCAL_MP"),
            Texto(q, "COD_SERVICO_MP"), Texto(q, "CNBM_MP"),   Texto(q, "CODEX_TIPI_MP"),
            Texto(q, "GENERO_MP"), Texto(q, "CODCONTABIL_MP"), Texto(q, "CEST_MP"),
            q["ICM_MP"].Real(),    q["QUEBRA_MP"].Real()};
}

static void CarregarProduto(db::Transacao& tr, PorTexto<TProduto>& m) {
    db::Consulta q(tr,
                   "select COD_PR, DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, COD_SERVICO_PR, CNBM_PR, "
                   "CODEX_TIPI_PR, GENERO_PR, CODCONTABIL_PR, COD_MPRIMA_PR, CEST_PR, ALIQ_ICMS_INTERNA_PR "
                   "from PRODUTO");
    while (q.Proximo()) {
        TProduto p{Texto(q, "DESC_PR"),        Texto(q, "DESCNF_PR"),     Texto(q, "UN_PR"),
                   Texto(q, "TIPO_FISCAL_PR"), Texto(q, "COD_SERVICO_PR"), Texto(q, "CNBM_PR"),
                   Texto(q, "CODEX_TIPI_PR"),  Texto(q, "GENERO_PR"),     Texto(q, "CODCONTABIL_PR"),
                   Texto(q, "COD_MPRIMA_PR"),  Texto(q, "CEST_PR"),       std::nullopt};
        if (!q["ALIQ_ICMS_INTERNA_PR"].Nulo()) p.ALIQ_ICMS_INTERNA_PR = q["ALIQ_ICMS_INTERNA_PR"].Real();
        m[Texto(q, "COD_PR")] = std::move(p);
    }
}

static void CarregarPadronizProduto(db::Transacao& tr,
                                    std::map<std::pair<std::string, std::string>, TPadronizProduto>& m) {
    db::Consulta q(tr, "SELECT P.PROD_PP, P.PADRONIZ_PP, P.DESC_PP, P.NCM_PP FROM PADRONIZ_PRODUTO P");
    while (q.Proximo())
        m[{Texto(q, "PROD_PP"), Texto(q, "PADRONIZ_PP")}] = {Texto(q, "DESC_PP"), Texto(q, "NCM_PP")};
}

static void CarregarConversaoUN(db::Transacao& tr,
                                std::map<std::tuple<std::string, std::string, int>, double>& m) {
    db::Consulta q(tr, "select UN_CV, UN_RESULT_CV, MPRIMA_CV, FATOR_CV from CONVERSAO_UN");
    while (q.Proximo())
        m[{Texto(q, "UN_CV"), Texto(q, "UN_RESULT_CV"), static_cast<int>(q["MPRIMA_CV"].Inteiro())}] =
            q["FATOR_CV"].Real();
}

static void CarregarCFOP(db::Transacao& tr, std::map<std::pair<int, std::string>, TCfop>& m) {
    db::Consulta q(tr, "select * from CFOP");
    while (q.Proximo())
        m[{static_cast<int>(q["FILIAL_CF"].Inteiro()), Texto(q, "CFOP_CF")}] = {
            Texto(q, "EXIGIR_GERACAO_REG_C113_CF"), Texto(q, "AJ_ICMS_REPASSADO_CF"),
            Texto(q, "COD_OBS_FISCAL_CF"),          Texto(q, "CODCONTAB_SPED_CF"),
            Texto(q, "DESC_NATOPER_NFENT_SPED_CF"), Texto(q, "AJ_RECOLHIMENTO_RET_CF")};
}

static void CarregarObsFiscal(db::Transacao& tr, PorTexto<TObsFiscal>& m) {
    db::Consulta q(tr, "select * from OBS_FISCAL");
    while (q.Proximo()) m[Texto(q, "COD_OB")] = {Texto(q, "DESC_OB"), Texto(q, "OBS_OB")};
}

static void CarregarCodContab(db::Transacao& tr, PorTexto<TContaContabil>& m) {
    db::Consulta q(tr,
                   "select COD_CC, DESC_CC, AS_CC, CODCONTAB_SPED_CC, COD_NATUREZA_CC, COD_CONTA_REF_CC, "
                   "NIVEL_CC from CONTACONTABIL order by COD_CC");
    while (q.Proximo())
        m[Texto(q, "COD_CC")] = {Texto(q, "DESC_CC"),         Texto(q, "AS_CC"),
                                 Texto(q, "CODCONTAB_SPED_CC"), Texto(q, "COD_NATUREZA_CC"),
                                 Texto(q, "COD_CONTA_REF_CC"),  static_cast<int>(q["NIVEL_CC"].Inteiro())};
}

// Tabelas de código e descrição em duas colunas.
static void CarregarPares(db::Transacao& tr, std::string_view sql, const char* chave, const char* valor,
                          PorTexto<std::string>& m) {
    db::Consulta q(tr, sql);
    while (q.Proximo()) m[Texto(q, chave)] = Texto(q, valor);
}

void CachesErp::Carregar(db::Transacao& tr) {
    if (carregados) return;
    CarregarMPrima(tr, cdsMPrima);
    CarregarPadronizProduto(tr, cdsPadronizProduto);
    CarregarProduto(tr, cdsProduto);
    CarregarConversaoUN(tr, cdsConversaoUN);
    CarregarPares(tr, "select CST_PF, DIREITO_CRED_PF from CST_PIS_COFINS order by CST_PF", "CST_PF",
                  "DIREITO_CRED_PF", cdsCstPisCofins);
    CarregarCFOP(tr, cdsCFOP);
    for (const auto& [chave, regra] : cdsCFOP) contaCfopMenorFilial.try_emplace(chave.second, regra.CODCONTAB_SPED_CF);
    CarregarObsFiscal(tr, cdsObsFiscal);
    CarregarPares(tr, "select COD_TA, DESC_TA from TABELA where NUM_TA='07'", "COD_TA", "DESC_TA", cdsTabUN);
    CarregarPares(tr, "select COD_TA, DESC_TA from TABELA where NUM_TA='23'", "COD_TA", "DESC_TA", cdsTabCor);
    CarregarPares(tr, "select COD_PA, COD_BACEN_PA from PAIS order by COD_PA", "COD_PA", "COD_BACEN_PA", cdsPais);
    CarregarPares(tr, "select COD_TD, MODELO_DOC_TD from TIPO_DOCTO_FISCAL order by COD_TD", "COD_TD",
                  "MODELO_DOC_TD", cdsTipoDocFiscal);
    CarregarCodContab(tr, cdsCodContab);
    carregados = true;
}

}  // namespace core
