// Dados do item para o 0200: produtos (PRODUTO, PADRONIZ_PRODUTO), matérias-primas (MPRIMA, cores
// da TABELA 23), itens de estoque (PROD_ITEM_ESTOQUE, PROD_ITEM_ESTOQUE_ALT) e descrições
// anteriores (MPRIMA_PRODUTO_ALTERACOES), com os valores que valiam no último dia do período.
#include "blocks/bloco0/DadosItem.h"

#include "blocks/bloco0/ProdutoFat.h"
#include "core/Geracao.h"
#include "util/Datas.h"
#include "util/Texto1252.h"

namespace blocks {

using util::DataHora;

namespace {

DataHora FimDoPeriodo(const core::Geracao& g) { return util::DataHoraSql(g.params.DATA_FIM, 23, 59, 59); }

// Primeira linha de um comando guardado da geração, coluna 'coluna'; vazio sem linha.
std::string PrimeiroValor(db::Consulta& q, const char* coluna) { return q.Abrir() ? q[coluna].Texto() : std::string(); }

// CODIGO_PI ou DESCRICAO_PI anterior do item de estoque, o que valia no último dia do período.
std::string ValorAnteriorItemEstoque(core::Geracao& g, int id, const char* campo) {
    if (id <= 0) return {};
    auto q = g.Preparar(
        "select * from prod_item_estoque_alt p where p.id_prod_item_estoque_pa = :ID and VALOR_ANTERIOR_PA <> '' "
        "and CAMPO_ALT_PA = :CAMPO and DT_FIM_VR_ANT_PA >= :DATA_FIM and DT_INICIO_VR_ANT_PA <= :DATA_FIM "
        "order by DT_FIM_VR_ANT_PA");
    q->Param("ID", id).Param("CAMPO", campo).Param("DATA_FIM", FimDoPeriodo(g));
    return PrimeiroValor(*q, "VALOR_ANTERIOR_PA");
}

std::string ValorAtualItemEstoque(core::Geracao& g, int id, const char* campo) {
    if (id <= 0) return {};
    auto q = g.Preparar("select * from prod_item_estoque p where p.id_pi = :ID");
    q->Param("ID", id);
    return PrimeiroValor(*q, campo);
}

// Valor que valia no fim do período, senão o atual.
std::string ValorItemEstoque(core::Geracao& g, int id, const char* campo) {
    std::string valor = ValorAnteriorItemEstoque(g, id, campo);
    return valor.empty() ? ValorAtualItemEstoque(g, id, campo) : valor;
}

// DESC_ANTERIOR_MA que valia no último dia do período; cor e tamanho vazios ou "*" valem para todos.
std::string DescricaoAnterior(core::Geracao& g, const std::string& produto, int mprima, const std::string& cor,
                              const std::string& tamanho) {
    auto q = g.Preparar(
        "select DESC_ANTERIOR_MA from MPRIMA_PRODUTO_ALTERACOES where PROD_MA = :PROD and MPRIMA_MA = :MPRIMA "
        "AND ((COR_MP_PROD_MA = :COR) or (COR_MP_PROD_MA IS NULL) or (COR_MP_PROD_MA = '') or (COR_MP_PROD_MA = '*')) "
        "AND ((TAM_MP_PROD_MA = :TAM) or (TAM_MP_PROD_MA IS NULL) or (TAM_MP_PROD_MA = '') or (TAM_MP_PROD_MA = '*')) "
        "and DATA_FINAL_MA >= :DATA_FIM and DATA_INICIAL_MA <= :DATA_FIM order by DATA_FINAL_MA");
    q->Param("PROD", produto).Param("MPRIMA", mprima).Param("COR", cor).Param("TAM", tamanho);
    q->Param("DATA_FIM", FimDoPeriodo(g));
    return PrimeiroValor(*q, "DESC_ANTERIOR_MA");
}

std::string DescricaoAnteriorProduto(core::Geracao& g, const TItemDocumento& doc) {
    return DescricaoAnterior(g, doc.produto, 0, doc.padronizacao, doc.tamanho);
}

std::string ErroProduto(const TItemDocumento& doc) {
    return util::W("ERRO: Produto \"") + doc.produto + util::W("\" não cadastrado.");
}

std::string DescricaoPadraoProduto(core::Geracao& g, const TItemDocumento& doc, const core::TProduto& p) {
    std::string descricao = DescricaoAnteriorProduto(g, doc);
    if (descricao.empty()) descricao = doc.descricao;
    if (descricao.empty()) descricao = DescricaoFaturamento(g, doc.produto, doc.padronizacao);
    if (descricao.empty()) descricao = p.DESCNF_PR.empty() ? p.DESC_PR : p.DESCNF_PR;
    return descricao;
}

// Três modos: descrição do item de estoque (GERAR_DESC_PROD_ITEM_EST), código e descrição do item
// de estoque (PROD_ITEM_ESTOQUE), ou a descrição padrão. false quando os dados não valem.
bool CodigoDescricaoProduto(core::Geracao& g, const TItemDocumento& doc, std::string& codigo,
                            std::string& descricao) {
    const core::TProduto* p = core::Localizar(g.caches->cdsProduto, doc.produto);
    const int id = doc.idItemEstoque;
    if (g.params.GERAR_DESC_PROD_ITEM_EST) {
        if (!p) return codigo = ErroProduto(doc), false;
        descricao = ValorAnteriorItemEstoque(g, id, "DESCRICAO_PI");
        if (descricao.empty()) descricao = DescricaoAnteriorProduto(g, doc);
        if (descricao.empty()) descricao = ValorAtualItemEstoque(g, id, "DESCRICAO_PI");
        if (descricao.empty()) descricao = DescricaoPadraoProduto(g, doc, *p);
        return !descricao.empty();
    }
    if (g.params.PROD_ITEM_ESTOQUE && id > 0) {
        codigo = ValorItemEstoque(g, id, "CODIGO_PI");
        if (codigo.empty()) return codigo = ErroProduto(doc), false;
        descricao = ValorItemEstoque(g, id, "DESCRICAO_PI");
        return true;
    }
    if (!p) return codigo = ErroProduto(doc), false;
    descricao = DescricaoPadraoProduto(g, doc, *p);
    return true;
}

// Cor e tamanho no código e na descrição: todo escritório menos FENUKA, que só a partir de 2016 e
// com SPED/GERAR_COR_MPRIMA.
bool SufixoCorTamanho(const core::Geracao& g) {
    return g.configuracoes.COD_CONTABILIDADE != "FENUKA" ||
           (g.params.DATA_INI >= DataHora::Data(2016, 1, 1) && g.configuracoes.GERAR_COR_MPRIMA);
}

bool CodigoDescricaoMPrima(core::Geracao& g, const TItemDocumento& doc, std::string& codigo,
                           std::string& descricao) {
    const std::string erro =
        util::W("ERRO: M.Prima \"") + std::to_string(doc.mprima) + util::W("\" não cadastrada.");
    if (g.params.PROD_ITEM_ESTOQUE && doc.idItemEstoque > 0) {
        codigo = ValorItemEstoque(g, doc.idItemEstoque, "CODIGO_PI");
        if (codigo.empty()) return codigo = erro, false;
        descricao = ValorItemEstoque(g, doc.idItemEstoque, "DESCRICAO_PI");
        return true;
    }
    const core::TMPrima* m = core::Localizar(g.caches->cdsMPrima, doc.mprima);
    if (!m) return codigo = erro, false;
    descricao = DescricaoAnterior(g, "0", doc.mprima, doc.cor, doc.tamanho);
    if (descricao.empty()) descricao = m->DESC_MP;
    if (!SufixoCorTamanho(g)) return true;
    if (!doc.cor.empty()) {
        const std::string* nomeCor = core::Localizar(g.caches->cdsTabCor, doc.cor);
        codigo += "." + doc.cor;
        descricao += " " + (nomeCor ? *nomeCor : std::string());
    }
    if (!doc.tamanho.empty()) {
        codigo += "." + doc.tamanho;
        descricao += (g.params.DATA_INI < DataHora::Data(2018, 4, 1) ? " TAM " : " ") + doc.tamanho;
    }
    return true;
}

}  // namespace

TDadosItem DadosItem(core::Geracao& g, const TItemDocumento& doc, std::string codigo) {
    TDadosItem d{std::move(codigo), {}, {}};
    TItem0200& i = d.item;
    if (d.codigo == kTransporteTomado) {
        i.DESCR_ITEM = "Transporte Tomado";
        i.UNID_INV = "-";
        i.TIPO_ITEM = "99";
        return d;
    }
    if (!doc.produto.empty()) {
        if (!CodigoDescricaoProduto(g, doc, d.codigo, i.DESCR_ITEM)) return d;
        const core::TProduto* p = core::Localizar(g.caches->cdsProduto, doc.produto);
        if (!p) return d;  // item de estoque de produto fora do cadastro: só código e descrição
        const core::TPadronizProduto* variante =
            g.params.PESQ_NCM_PADRONIZ_PRODUTO
                ? core::Localizar(g.caches->cdsPadronizProduto, std::make_pair(doc.produto, doc.padronizacao))
                : nullptr;
        i.UNID_INV = p->UN_PR;
        i.TIPO_ITEM = p->TIPO_FISCAL_PR;
        i.COD_LST = p->COD_SERVICO_PR;
        i.COD_NCM = variante && !variante->NCM_PP.empty() ? variante->NCM_PP : p->CNBM_PR;
        i.EX_IPI = p->CODEX_TIPI_PR;
        i.COD_GEN = p->GENERO_PR;
        i.CEST = p->CEST_PR;
        i.ALIQ_ICMS = p->ALIQ_ICMS_INTERNA_PR.value_or(g.aliqIcmsInternaUF);
        d.conta = p->CODCONTABIL_PR;
        return d;
    }
    if (!CodigoDescricaoMPrima(g, doc, d.codigo, i.DESCR_ITEM)) return d;
    const core::TMPrima* m = core::Localizar(g.caches->cdsMPrima, doc.mprima);
    if (!m) return d;  // item de estoque de matéria-prima fora do cadastro: só código e descrição
    i.UNID_INV = m->UN_MP;
    i.TIPO_ITEM = m->TIPO_FISCAL_MP;
    i.COD_LST = m->COD_SERVICO_MP;
    i.COD_NCM = m->CNBM_MP;
    i.EX_IPI = m->CODEX_TIPI_MP;
    i.COD_GEN = m->GENERO_MP;
    i.CEST = m->CEST_MP;
    i.ALIQ_ICMS = m->ICM_MP;
    d.conta = m->CODCONTABIL_MP;
    return d;
}

}  // namespace blocks
