// Código e descrição de faturamento (TProdutoFat): FILIAL (agrupamento), PARAM (EMISNOTA), PRODUTO,
// PADRONIZ_PRODUTO, CODBARRA, CONFIG, PRODUTO_COD_DESC_FAT; cria itens em PROD_ITEM_ESTOQUE.
#include "blocks/bloco0/ProdutoFat.h"

#include "core/GravacaoErp.h"
#include "core/Geracao.h"
#include "core/RegistroEFD.h"
#include "util/Texto1252.h"

namespace blocks {

namespace {

std::string Aparado(std::string_view s) { return std::string(core::AparadoEFD(s)); }

std::string Primeiro(core::ConsultasGeracao::Reserva& q, const char* coluna) {
    return q->Abrir() ? (*q)[coluna].Texto() : std::string();
}

std::string ParametroEmisNota(core::Geracao& g, const char* chave) {
    auto q = g.Preparar("select VALOR_PA from PARAM where GRUPO_PA = 'EMISNOTA' and PARAM_PA = :PARAM");
    q->Param("PARAM", chave);
    return Aparado(Primeiro(q, "VALOR_PA"));
}

// Configuração da filial, os parâmetros e o produto: relidos a cada cálculo.
TRegrasFaturamento LerRegras(core::Geracao& g, const std::string& produto) {
    TRegrasFaturamento r;
    {
        auto q = g.Preparar("select EMISNOTA_FORMA_AGRUP_ITENS_FI from FILIAL where COD_FI = :FILIAL");
        q->Param("FILIAL", g.params.FILIAL);
        r.agrupamento = Aparado(Primeiro(q, "EMISNOTA_FORMA_AGRUP_ITENS_FI"));
    }
    r.descricaoComCodigo = ParametroEmisNota(g, "DESC_COM_COD_PROD") != "N";
    r.todosGruposCliente = ParametroEmisNota(g, "COD_DESC_FAT_TODOS_GR_CLIENTE") == "S";
    r.filialHabilitada = FilialNaLista(ParametroEmisNota(g, "FILIAL_GERAR_COD_DESC_FAT"), g.params.FILIAL);
    r.criarItemEstoque = ParametroEmisNota(g, "GERAR_DESC_PROD_ITEM_EST") == "S";
    if (!r.criarItemEstoque) {
        auto q = g.Preparar("select GERAR_DESC_FAT_PROD_ITEM_EST_PR from PRODUTO where COD_PR = :PROD");
        q->Param("PROD", produto);
        r.criarItemEstoque = Primeiro(q, "GERAR_DESC_FAT_PROD_ITEM_EST_PR") == "S";
    }
    auto q = g.Preparar("select NOME_EMPRESA from CONFIG");
    r.empresa = Aparado(Primeiro(q, "NOME_EMPRESA"));
    return r;
}

bool TamanhoNoCodigo(const std::string& agrupamento) {
    return agrupamento == "PRODPADTAMCB" || agrupamento == "PRODPADTAM" || agrupamento == "PRODPADTAMST" ||
           agrupamento == "PRODPADTAMREF";
}

// Código cadastrado para o grupo de clientes (sempre vazio aqui), produto, padronização e tamanho.
bool CodigoCadastrado(core::Geracao& g, const TDadosFaturamento& d, TProdutoFat& r) {
    auto q = d.tamanho.empty()
                 ? g.Preparar("select first 1 COD_FATUR_PF, DESC_FATUR_PF from PRODUTO_COD_DESC_FAT where "
                              "GRUPO_CL_PF = '' and PRODUTO_PF = :PROD and PADRONIZ_PF = :PADRON")
                 : g.Preparar("select first 1 COD_FATUR_PF, DESC_FATUR_PF from PRODUTO_COD_DESC_FAT where "
                              "GRUPO_CL_PF = '' and PRODUTO_PF = :PROD and PADRONIZ_PF = :PADRON and TAM_PF = :TAM");
    q->Param("PROD", d.produto).Param("PADRON", d.padronizacao);
    if (!d.tamanho.empty()) q->Param("TAM", d.tamanho);
    if (!q->Abrir()) return false;
    r.codigo = (*q)["COD_FATUR_PF"].Texto();
    r.descricao = (*q)["DESC_FATUR_PF"].Texto();
    return true;
}

// O item de estoque do código: o existente (mesmo com a descrição vazia, que não se cria de novo)
// ou um novo, gravado e confirmado na hora, visível à próxima procura desta geração.
void ItemEstoque(core::Geracao& g, const TDadosFaturamento& d, TProdutoFat& r) {
    {
        auto q = g.Preparar("select first 1 ID_PI, DESCRICAO_PI from PROD_ITEM_ESTOQUE where CODIGO_PI = :COD "
                            "order by ID_PI");
        q->Param("COD", r.codigo);
        if (q->Abrir()) {
            r.idItemEstoque = static_cast<int>((*q)["ID_PI"].Inteiro());
            const std::string descricao = (*q)["DESCRICAO_PI"].Texto();
            if (!Aparado(descricao).empty()) r.descricao = descricao;
            return;
        }
    }
    auto vazioAsterisco = [](const std::string& s) { return s.empty() ? std::string("*") : s; };
    core::GravarNoErp(g.banco, "o item de estoque " + r.codigo, [&](db::Transacao& tr) {
        r.idItemEstoque = static_cast<int>(db::GenId(tr, "ID_PROD_ITEM_ESTOQUE"));
        db::Consulta ins(tr,
                         "insert into PROD_ITEM_ESTOQUE(ID_PI, PROD_PI, PADRON_PI, TAMANHO_PI, CODIGO_PI, "
                         "DESCRICAO_PI, DATA_INCLUSAO_PI, STATUS_PI, USUARIO_INCLUSAO_PI) values (:ID, :PROD, "
                         ":PADRON, :TAM, :COD, :DESCR, cast('now' as timestamp), 'A', 'AUTOMATICO')");
        ins.Param("ID", r.idItemEstoque).Param("PROD", d.produto).Param("PADRON", vazioAsterisco(d.padronizacao));
        ins.Param("TAM", vazioAsterisco(d.tamanho)).Param("COD", r.codigo).Param("DESCR", r.descricao);
        ins.Executar();
    });
}

}  // namespace

bool FilialNaLista(const std::string& lista, int filial) {
    if (Aparado(lista).empty()) return true;
    const std::string numero = std::to_string(filial);
    size_t inicio = 0;
    while (true) {
        const size_t virgula = lista.find(',', inicio);
        if (lista.substr(inicio, virgula == std::string::npos ? std::string::npos : virgula - inicio) == numero)
            return true;
        if (virgula == std::string::npos) return false;
        inicio = virgula + 1;
    }
}

void MontarCodigoFaturamento(const TRegrasFaturamento& regras, const TDadosFaturamento& d, std::string& codigo,
                             std::string& descricao) {
    const std::string &P = d.produto, &V = d.padronizacao, &DP = d.descProduto, &DV = d.descPadronizacao;
    const std::string T = TamanhoNoCodigo(regras.agrupamento) ? d.tamanho : std::string();
    const std::string PVT = P + "." + V + "." + T;
    const std::string comTamanho = DP + " " + DV + " " + T;
    const std::string referencia = !regras.descricaoComCodigo ? comTamanho
                                   : regras.empresa == "LUMDRA"
                                       ? DP + " " + DV + " NUM." + T + " REF " + PVT
                                       : comTamanho + " REF " + PVT;
    if (T.empty() && V.empty()) {
        codigo = P, descricao = DP;
    } else if (T.empty()) {
        codigo = d.mprima > 0 ? P + "." + V : P + V, descricao = DP + " " + DV;
    } else if (regras.agrupamento == "PRODPADTAMREF") {
        codigo = PVT, descricao = referencia;
    } else if (regras.agrupamento == "PRODPADTAMCB" && !d.codigoBarras.empty()) {
        codigo = d.codigoBarras;
        descricao = !regras.descricaoComCodigo      ? comTamanho
                    : regras.empresa == "LUMDRA"    ? referencia
                    : regras.empresa == "KIVO"      ? comTamanho + " REF " + P
                                                    : comTamanho + " REF " + PVT;
    } else if (regras.agrupamento != "PRODPADTAMST") {
        codigo = PVT, descricao = comTamanho;
    } else {
        codigo = P + "." + V, descricao = comTamanho;
    }
}

std::string CodigoFaturamento(core::Geracao& g, const std::string& produto, const std::string& padronizacao,
                              const std::string& codigoBarras, const std::string& tamanho) {
    if (g.params.FILIAL == 0) throw std::runtime_error(util::W("Obj. ProdutoFat: Filial não informada."));
    const TRegrasFaturamento regras = LerRegras(g, produto);
    TDadosFaturamento d;
    d.produto = produto;
    if (g.params.FORMA_AGRUP_ITENS != "PROD") {
        d.padronizacao = padronizacao;
        if (!padronizacao.empty()) d.tamanho = Aparado(tamanho);
    }
    // Produto fora do cadastro: descrição e matéria-prima vazias.
    if (const core::TProduto* p = core::Localizar(g.caches->cdsProduto, produto)) {
        d.mprima = std::atoi(p->COD_MPRIMA_PR.c_str());
        d.descProduto = p->DESCNF_PR.empty() ? p->DESC_PR : p->DESCNF_PR;
    }
    if (const core::TPadronizProduto* v =
            core::Localizar(g.caches->cdsPadronizProduto, std::make_pair(produto, padronizacao)))
        d.descPadronizacao = v->DESC_PP;
    if (g.params.FORMA_AGRUP_ITENS == "PRODPADTAMCB") {
        d.codigoBarras = codigoBarras;
        if (d.codigoBarras.empty()) {
            auto q = g.Preparar("select CODIGO_CB || coalesce(DV_CB, '') as CODBARRA from CODBARRA where "
                                "PRODUTO_CB = :PRODUTO and PADRON_CB = :PADRON and TAMANHO_CB = :TAM");
            q->Param("PRODUTO", produto).Param("PADRON", padronizacao).Param("TAM", tamanho);
            d.codigoBarras = Primeiro(q, "CODBARRA");
        }
    }

    TProdutoFat& r = g.estado.bloco0.produtoFat;
    r = TProdutoFat{.produto = produto, .padronizacao = padronizacao, .calculado = true};
    if (!TamanhoNoCodigo(regras.agrupamento)) d.tamanho.clear();
    if (regras.filialHabilitada && !regras.todosGruposCliente && CodigoCadastrado(g, d, r)) return r.codigo;
    MontarCodigoFaturamento(regras, d, r.codigo, r.descricao);
    if (regras.criarItemEstoque && !r.codigo.empty()) ItemEstoque(g, d, r);
    return r.codigo;
}

std::string DescricaoFaturamento(const core::Geracao& g, const std::string& produto,
                                 const std::string& padronizacao) {
    const TProdutoFat& r = g.estado.bloco0.produtoFat;
    return r.calculado && r.produto == produto && r.padronizacao == padronizacao ? r.descricao : std::string();
}

}  // namespace blocks
