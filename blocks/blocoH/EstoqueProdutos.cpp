#include "blocks/blocoH/EstoqueProdutos.h"

#include <set>
#include <sstream>

#include "blocks/blocoH/ItemInventario.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Datas.h"
#include "util/Texto1252.h"

namespace blocks {

using core::Arredondar;
using util::DataHora;

namespace {

std::vector<std::string> Palavras(const std::string& texto) {
    std::istringstream in(texto);
    std::vector<std::string> palavras;
    for (std::string p; in >> p;) palavras.push_back(p);
    return palavras;
}

// Listas de tamanhos (TABELA 22) e grades de quantidades (TABELA 28), lidas uma vez por código.
class ListasGrade {
public:
    explicit ListasGrade(core::Geracao& g) : g_(g) {}
    const std::vector<std::string>& Lista(const char* numero, const std::string& codigo) {
        auto& cache = numero == std::string_view("22") ? tamanhos_ : grades_;
        auto it = cache.find(codigo);
        if (it != cache.end()) return it->second;
        auto q = g_.Preparar("select t.desc_ta from tabela t where t.num_ta = :num and t.cod_ta = :cod");
        q->Param("num", numero).Param("cod", codigo);
        return cache[codigo] = Palavras(q->Abrir() ? q->NaPosicao(0).Texto() : std::string());
    }

private:
    core::Geracao& g_;
    std::map<std::string, std::vector<std::string>> tamanhos_, grades_;
};

int Inteiro(const std::string& texto) {
    try {
        return std::stoi(texto);
    } catch (const std::exception&) {
        return 0;
    }
}

void CarregarPrecos(core::Geracao& g, TInventarioProdutos& inv) {
    auto q = g.Preparar(
        "select PROD_TP, PADRON_TP, TAMANHO_TP, PRECO_TP, PRECO_IR_TP from TABELA_PRECOS_PRODS TP left join "
        "TABELA_PRECOS T on T.ID_TP = TP.ID_TABELA_PRECOS_TP where T.COD_TP = :COD");
    q->Param("COD", TabelaPrecosProdutos(g.params.DATA_INVENTARIO));
    while (q->Proximo())
        inv.cdsPrecoTabInvTam[{q->NaPosicao(0).Texto(), q->NaPosicao(1).Texto(), q->NaPosicao(2).Texto()}] = {
            q->NaPosicao(3).Real(), q->NaPosicao(4).Real()};
}

// Movimentos de produtos por tamanho ou por grade.
void AcumularMovimentosProdutos(core::Geracao& g, const TTiposFiscaisEstoque& tipos, const DataHora& data,
                                TInventarioProdutos& inv) {
    g.progresso.SetTexto("Gerando estoque dos Produtos Prontos...");
    SqlMontado sql;
    sql.texto =
        "select p.data_mv, p.entsai_mv, p.numeracao_mv, p.grade_mv, p.multiplicador_mv, p.prod_mv, p.padron_mv, "
        "pr.desc_pr, pr.descnf_pr, pr.un_pr, PR.CODCONTABIL_PR, p.qtde_mv, (select PD.DESC_PP from PADRONIZ_PRODUTO "
        "pd where pd.PADRONIZ_PP = p.padron_mv and PD.PROD_PP = P.PROD_MV) as DescPadron from prod_estoque_mov p "
        "left join produto pr on pr.cod_pr = p.prod_mv where p.FILIAL_MV in (" +
        sql.Lista("FIL", FiliaisEstoque(g.params)) + ") and PR.TIPO_FISCAL_PR in (" +
        sql.Lista("TIPO_FISCAL", tipos.produtos) +
        ") and p.data_mv <= :data order by p.numeracao_mv, p.grade_mv, p.prod_mv, p.padron_mv, p.data_mv";
    db::Consulta q(g.Leitura(), sql.texto);
    sql.Aplicar(q);
    q.Param("data", util::DataHoraSql(data, 23, 59, 59));
    ListasGrade listas(g);
    while (q.Proximo()) {
        TMovimentoProduto m{.direcao = q["entsai_mv"].Texto(),
                            .produto = q["prod_mv"].Texto(),
                            .padronizacao = q["padron_mv"].Texto(),
                            .unidade = q["un_pr"].Texto(),
                            .conta = q["CODCONTABIL_PR"].Texto()};
        std::string descricao = q["descnf_pr"].Texto();
        if (descricao.empty()) descricao = q["desc_pr"].Texto();
        descricao += " " + q["DescPadron"].Texto() + " ";
        const std::string numeracao = q["numeracao_mv"].Texto();
        const std::string grade = q["grade_mv"].Texto();
        const double quantidade = q["qtde_mv"].Real();
        if (grade == "**") {
            m.tamanho = numeracao;
            m.quantidade = static_cast<double>(static_cast<int64_t>(quantidade) * q["multiplicador_mv"].Inteiro());
            m.descricao = descricao + m.tamanho;
            AcumularProdutoInventario(inv, m);
            continue;
        }
        const std::vector<std::string>& tamanhos = listas.Lista("22", numeracao);
        const std::vector<std::string>& pares = listas.Lista("28", grade);
        for (size_t i = 0; i < tamanhos.size() && i < pares.size(); ++i) {
            m.tamanho = tamanhos[i];
            m.quantidade = quantidade * Inteiro(pares[i]);
            m.descricao = descricao + m.tamanho;
            AcumularProdutoInventario(inv, m);
        }
    }
}

// sqlDadosProdutoPadroniz: unidade, conta, descrição e o maior preço da tabela do mês.
struct DadosProduto {
    std::string unidade, conta, descricao;
    double preco = 0;
};

DadosProduto LerDadosProduto(core::Geracao& g, const std::string& produto, const std::string& padronizacao) {
    auto q = g.Preparar(
        "SELECT PR.DESC_PR, PR.DESCNF_PR, PR.UN_PR, PR.CODCONTABIL_PR, (SELECT PP.DESC_PP FROM PADRONIZ_PRODUTO PP "
        "WHERE PP.PROD_PP = PR.COD_PR AND PP.PADRONIZ_PP = :PADRONIZ) AS DESC_PP, (SELECT MAX(PRECO_TP) FROM "
        "TABELA_PRECOS_PRODS TP LEFT JOIN TABELA_PRECOS T ON T.ID_TP = TP.ID_TABELA_PRECOS_TP WHERE "
        "T.COD_TP=:TAB_PRECOS AND PROD_TP = :PRODUTO AND ((PADRON_TP = :PADRONIZ) OR (PADRON_TP = '*'))) AS PRECO "
        "FROM PRODUTO PR WHERE PR.COD_PR = :PRODUTO");
    q->Param("PRODUTO", produto).Param("PADRONIZ", padronizacao);
    q->Param("TAB_PRECOS", TabelaPrecosProdutos(g.params.DATA_INVENTARIO));
    DadosProduto d;
    if (!q->Abrir()) return d;
    d.unidade = (*q)["UN_PR"].Texto();
    d.conta = (*q)["CODCONTABIL_PR"].Texto();
    d.descricao = (*q)["DESCNF_PR"].Texto();
    if (d.descricao.empty()) d.descricao = (*q)["DESC_PR"].Texto();
    if (!padronizacao.empty() && padronizacao != "*") d.descricao += " - " + (*q)["DESC_PP"].Texto();
    d.preco = (*q)["PRECO"].Real();
    return d;
}

void AcumularEstoqueProducao(core::Geracao& g, const TTiposFiscaisEstoque& tipos, const DataHora& data,
                             TInventarioProdutos& inv) {
    g.progresso.SetTexto(util::W("Gerando estoque de Produção ..."));
    SqlMontado sql = ConsultaEstoqueProducao(g.params, tipos, data);
    db::Consulta q(g.Leitura(), sql.texto);
    sql.Aplicar(q);
    q.Param("DATA_ESTOQUE", util::DataHoraSql(data, 23, 59, 59));
    std::map<std::pair<std::string, std::string>, DadosProduto> dados;
    while (q.Proximo()) {
        TMovimentoProduto m{.produto = q["PROD_PI"].Texto(),
                            .padronizacao = q["PADRON_PI"].Texto(),
                            .tamanho = q["TAMANHO_PI"].Texto(),
                            .quantidade = q["QTDE_ENT"].Real() - q["QTDE_SAI"].Real()};
        auto it = dados.find({m.produto, m.padronizacao});
        if (it == dados.end())
            it = dados.emplace(std::pair{m.produto, m.padronizacao}, LerDadosProduto(g, m.produto, m.padronizacao)).first;
        m.unidade = it->second.unidade;
        m.conta = it->second.conta;
        m.preco = it->second.preco;
        m.descricao = it->second.descricao;
        if (!m.tamanho.empty() && m.tamanho != "*") m.descricao += m.tamanho;
        AcumularProdutoInventario(inv, m);
    }
}

const char* MensagemNegativo(const std::string& proprietario) {
    if (proprietario == "1")
        return "Existem Itens com Estoque de Produtos em Poder de Terceiros Negativo que devem ser corrigidos para "
               "evitar problemas Fiscais.";
    if (proprietario == "2")
        return "Existem Itens com Estoque de Produtos de Terceiros Negativo que devem ser corrigidos para evitar "
               "problemas Fiscais.";
    return "Existem Itens com Estoque de Produtos da Empresa Negativo que devem ser corrigidos para evitar "
           "problemas Fiscais.";
}

}  // namespace

std::string TabelaPrecosProdutos(const DataHora& dataInventario) {
    return fmt::format("INV{:02}{:04}", dataInventario.mes, dataInventario.ano);
}

void AcumularProdutoInventario(TInventarioProdutos& inv, const TMovimentoProduto& m) {
    double preco = m.preco, precoIR = m.precoIR;
    const bool proprio = m.proprietario == "0";
    if (proprio) {
        auto it = inv.cdsPrecoTabInvTam.find({m.produto, m.padronizacao, m.tamanho});
        if (it == inv.cdsPrecoTabInvTam.end()) it = inv.cdsPrecoTabInvTam.find({m.produto, m.padronizacao, ""});
        if (it != inv.cdsPrecoTabInvTam.end())
            std::tie(preco, precoIR) = it->second;
        else
            precoIR = 0;
    }
    auto semCuringa = [](const std::string& s) { return s == "*" ? std::string() : s; };
    const auto [linha, nova] = inv.cdsInventProd.try_emplace(
        ChaveProduto{m.produto, semCuringa(m.padronizacao), semCuringa(m.tamanho), m.proprietario,
                     proprio ? std::string() : m.participante});
    TPosicaoProduto& p = linha->second;
    if (nova) {
        p.UN = m.unidade;
        p.DESC = m.descricao;
        p.COD_CONTABIL = m.conta;
        if (proprio) {
            p.CUSTO = preco;
            p.CUSTO_IR = precoIR;
        } else {
            p.CLIFORREP_TERC = m.tipoTerceiro;
            p.COD_TERC = m.codTerceiro;
        }
    }
    const double sinal = m.direcao == "S" ? -1 : 1;
    p.ESTOQUE += sinal * m.quantidade;
    if (!proprio) p.CUSTO += sinal * m.quantidade * preco;
}

SqlMontado ConsultaEstoqueProducao(const core::TParametros& params, const TTiposFiscaisEstoque& tipos,
                                   const DataHora& data) {
    const std::vector<int> filiais = FiliaisEstoque(params);
    const bool consolidado = filiais.size() > 1;
    SqlMontado sql;
    std::string& s = sql.texto;
    s = consolidado ? "select EP.ID_PROD_ITEM_ESTOQUE_EP as ID_PROD_ITEM_ESTOQUE,"
                    : "select EP.FILIAL_EP as FILIAL, EP.ID_PROD_ITEM_ESTOQUE_EP as ID_PROD_ITEM_ESTOQUE,";
    s += " PI.ID_PI, PI.CODIGO_PI, PI.PROD_PI, PI.PADRON_PI, PI.TAMANHO_PI, PI.DESCRICAO_PI,"
         " SUM(CASE ES.ENTSAI_ES when 'E' then ES.QTDE_ES else 0 end) as QTDE_ENT,"
         " SUM(CASE ES.ENTSAI_ES when 'S' then ES.QTDE_ES else 0 end) as QTDE_SAI"
         " from EST_PRODUTO_ENTSAI ES inner join EST_PRODUTO EP on EP.ID_EP = ES.ID_EST_PRODUTO_ES"
         " inner join PROD_ITEM_ESTOQUE PI on PI.ID_PI = EP.ID_PROD_ITEM_ESTOQUE_EP"
         " inner join PRODUTO PR on PR.COD_PR = PI.PROD_PI"
         " where ES.STATUS_ES = 'A' and ES.DATA_ES >= '01.01.2000' and ES.DATA_ES <= :DATA_ESTOQUE";
    // Antes de julho de 2019 o estoque de produção não tinha itens genéricos ("*").
    if (data < DataHora::Data(2019, 7, 1)) s += " and PI.PADRON_PI <> '*' and PI.TAMANHO_PI <> '*'";
    s += " and EP.FILIAL_EP in (" + sql.Lista("FIL", filiais) + ")";
    s += " and PR.TIPO_FISCAL_PR in (" + sql.Lista("TIPO_FISCAL", tipos.produtos) + ")";
    s += consolidado ? " group by 1, 2, 3, 4, 5, 6, 7" : " group by 1, 2, 3, 4, 5, 6, 7, 8";
    s += " order by PROD_PI, PADRON_PI, TAMANHO_PI";
    return sql;
}

void AcumularEstoqueProdutos(core::Geracao& g, const std::string& registro, const DataHora& data,
                             const TTiposFiscaisEstoque& tipos) {
    if (!tipos.produtoAcabado) return;
    TInventarioProdutos inv;
    CarregarPrecos(g, inv);
    AcumularMovimentosProdutos(g, tipos, data, inv);
    AcumularEstoqueProducao(g, tipos, data, inv);
    // Os produtos em poder de terceiros e de terceiros se somam aqui com o bloco K.
    g.progresso.IniciarEtapa("Gravando Estoque de Produto Acabado...", static_cast<int>(inv.cdsInventProd.size()));
    const std::string origem = util::W("tabela de preços ") + TabelaPrecosProdutos(g.params.DATA_INVENTARIO);
    std::set<std::string> negativos;
    for (const auto& [chave, p] : inv.cdsInventProd) {
        const auto& [produto, padronizacao, tamanho, dono, participante] = chave;
        if (p.ESTOQUE < 0) negativos.insert(dono);
        if (p.ESTOQUE > 0) {
            TItemInventario item{
                .registro = registro,
                .produto = produto,
                .descricao = p.DESC,
                .participante = participante,
                .proprietario = dono,
                .valorIR = g.params.GERAR_VL_ITEM_IR_REG_H010 ? Arredondar(p.ESTOQUE * p.CUSTO_IR, 2) : 0,
                .valor = p.CUSTO,
                .valorUnitario = dono == "0",
                .quantidade = p.ESTOQUE,
                .conta = p.COD_CONTABIL,
                .unidade = p.UN,
                .tamanho = tamanho,
                .padronizacao = padronizacao,
                .origemPreco = origem};
            if (GravarItemInventario(g, item))
                GravarH020(g, produto, 0, p.COD_TERC, p.CLIFORREP_TERC, dono, tamanho, padronizacao);
        }
        g.progresso.Incrementar(1);
    }
    for (const std::string& dono : negativos) g.AdicionarErro(registro, "{}", util::W(MensagemNegativo(dono)));
}

}  // namespace blocks
