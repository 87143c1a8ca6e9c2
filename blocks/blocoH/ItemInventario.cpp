// H010 (com o código do item e o seu 0200, as regras de valor e o total do inventário) e H020.
#include "blocks/blocoH/ItemInventario.h"

#include "blocks/bloco0/Itens.h"
#include "blocks/bloco0/NaturezasObservacoes.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace blocks {

using core::Arredondar;
using core::FormatarValor;

namespace {

// DESCRICAO_PI do item de estoque do produto, quando o produto pede a descrição do item de estoque.
std::string DescricaoItemEstoque(core::Geracao& g, const TItemInventario& item, const std::string& codigo) {
    auto q = g.Preparar(
        "SELECT FIRST 1 P.DESCRICAO_PI FROM PROD_ITEM_ESTOQUE P INNER JOIN PRODUTO PR ON PR.COD_PR = P.PROD_PI "
        "AND PR.GERAR_DESC_FAT_PROD_ITEM_EST_PR = 'S' WHERE P.PROD_PI = :PROD AND P.PADRON_PI = :PADRON "
        "AND P.TAMANHO_PI = :TAM AND P.CODIGO_PI = :COD_PROD");
    q->Param("PROD", item.produto).Param("PADRON", item.padronizacao).Param("TAM", item.tamanho);
    q->Param("COD_PROD", codigo);
    std::string descricao = q->Abrir() ? q->NaPosicao(0).Texto() : std::string();
    return descricao.empty() ? item.descricao : descricao;
}

TItemResolvido CodigoItemInventario(core::Geracao& g, const TItemInventario& item) {
    TItemDocumento doc;
    doc.tamanho = item.tamanho;
    if (item.produto.empty()) {
        doc.cor = item.cor;
        doc.mprima = item.mprima;
    } else {
        doc.codigo = CodigoItemProduto(g.params, item.produto, item.padronizacao, item.tamanho);
        doc.produto = item.produto;
        doc.descricao = DescricaoItemEstoque(g, item, doc.codigo);
        doc.padronizacao = item.padronizacao;
    }
    return ResolverCodigoItem(g, doc);
}

struct Valores {
    double unitario = 0;
    double item = 0;
    double ir = 0;
};

Valores ValoresPosicao(const core::TParametros& params, const TItemInventario& item, double quantidade) {
    Valores v{.ir = item.valorIR};
    if (item.valorUnitario) {
        v.unitario = Arredondar(item.valor, 6);
        v.item = Arredondar(v.unitario * quantidade, 2);
    } else if (params.CALC_PRECO_INVENT == "PM") {
        v.item = Arredondar(item.valor, 2);
        v.unitario = Arredondar(v.item / quantidade, 6);
    } else {
        v.unitario = Arredondar(item.valor / quantidade, 6);
        v.item = Arredondar(item.valor, 2);
        if (Arredondar(item.valorIR / quantidade, 2) == v.item) v.ir = v.item;
    }
    return v;
}

}  // namespace

std::string CodigoItemProduto(const core::TParametros& params, std::string_view produto,
                              std::string_view padronizacao, std::string_view tamanho) {
    std::string codigo(produto);
    if (!padronizacao.empty())
        codigo.append(params.PRODUTO_PADRONIZ_COM_PONTO || !tamanho.empty() ? "." : "").append(padronizacao);
    if (!tamanho.empty()) codigo.append(".").append(tamanho);
    return codigo;
}

bool GravarItemInventario(core::Geracao& g, const TItemInventario& item) {
    const double quantidade = Arredondar(item.quantidade, 3);
    if (quantidade <= 0) return false;
    const TItemResolvido resolvido = CodigoItemInventario(g, item);
    if (resolvido.codigo.starts_with("ERRO")) g.AdicionarErro("H010", "{}", resolvido.codigo);
    const Valores v = ValoresPosicao(g.params, item, quantidade);
    if (v.item == 0)
        g.AdicionarErro(item.registro,
                        "Item \"{}\" sem preço no inventário (valoração {}): informe o preço antes de enviar o "
                        "arquivo.",
                        resolvido.codigo, item.origemPreco);

    core::TRegistroEFD r;
    r.SetCampo("REG", "H010");
    r.SetCampo("COD_ITEM", resolvido.codigo);
    r.SetCampo("UNID", item.unidade);
    r.SetCampo("QTD", FormatarValor(quantidade, 3));
    r.SetCampo("VL_UNIT", FormatarValor(v.unitario, 6));
    r.SetCampo("VL_ITEM", FormatarValor(v.item, 2));
    r.SetCampo("IND_PROP", item.proprietario);
    r.SetCampo("COD_PART", item.participante == "0" ? std::string() : item.participante);
    r.SetCampo("TXT_COMPL", "");
    r.SetCampo("COD_CTA", CodigoConta(g, item.conta));
    if (g.params.DATA_INI >= util::DataHora::Data(2015, 1, 1))
        r.SetCampo("VL_ITEM_IR", g.params.GERAR_VL_ITEM_IR_REG_H010 ? FormatarValor(v.ir, 2) : std::string());
    TEstadoEstoque& e = g.estado.estoque;
    e.linhasInventario.push_back(std::move(r));
    e.VL_INV += core::Dinheiro::DeReal(v.item);
    return true;
}

void CarregarProdMPH020(core::Geracao& g) {
    auto q = g.Preparar(
        "select cast(iif(MPRIMA_PH > 0, MPRIMA_PH, PROD_PH) as varchar(10)) PROD_MPRIMA, COR_PADRON_PH, TAMANHO_PH, "
        "CST_PH, BASE_ICMS_PH, VALOR_ICMS_PH, IND_PROP_ESTOQUE_PH, coalesce(CLIFORREP_TERC_PH, '') CLIFORREP_TERC_PH, "
        "coalesce(COD_TERC_PH, 0) COD_TERC_PH from PRODUTO_MPRIMA_SPED_H020 where FILIAL_PH = :FILIAL and "
        "MES_ANO_PH = :MES_ANO order by PROD_PH, MPRIMA_PH, COR_PADRON_PH");
    q->Param("FILIAL", g.params.FILIAL).Param("MES_ANO", g.params.MES_ANO_INVENTARIO);
    auto& tabela = g.estado.estoque.cdsProdMPH020;
    tabela.clear();
    while (q->Proximo()) {
        const ChaveH020 chave{(*q)["IND_PROP_ESTOQUE_PH"].Texto(), (*q)["CLIFORREP_TERC_PH"].Texto(),
                              static_cast<int>((*q)["COD_TERC_PH"].Inteiro()), (*q)["PROD_MPRIMA"].Texto(),
                              (*q)["COR_PADRON_PH"].Texto(), (*q)["TAMANHO_PH"].Texto()};
        tabela[chave].push_back({(*q)["CST_PH"].Texto(), (*q)["BASE_ICMS_PH"].Real(), (*q)["VALOR_ICMS_PH"].Real()});
    }
}

void GravarH020(core::Geracao& g, const std::string& produto, int mprima, int codTerceiro,
                const std::string& tipoTerceiro, const std::string& proprietario, const std::string& tamanho,
                const std::string& corOuPadronizacao) {
    TEstadoEstoque& e = g.estado.estoque;
    if (!e.gerarH020) return;
    const bool proprio = proprietario == "0";
    ChaveH020 chave{proprietario, proprio ? std::string() : tipoTerceiro, proprio ? 0 : codTerceiro,
                    mprima > 0 ? std::to_string(mprima) : produto, corOuPadronizacao.empty() ? "*" : corOuPadronizacao,
                    tamanho.empty() ? "*" : tamanho};
    // Linha exata, depois qualquer tamanho, depois qualquer cor ou padronização.
    auto linhas = e.cdsProdMPH020.find(chave);
    if (linhas == e.cdsProdMPH020.end() && std::get<5>(chave) != "*") {
        std::get<5>(chave) = "*";
        linhas = e.cdsProdMPH020.find(chave);
    }
    if (linhas == e.cdsProdMPH020.end() && std::get<4>(chave) != "*") {
        std::get<4>(chave) = "*";
        linhas = e.cdsProdMPH020.find(chave);
    }
    const std::string codigo = e.linhasInventario.back().GetCampo("COD_ITEM");
    int gravadas = 0;
    if (linhas != e.cdsProdMPH020.end() && !std::get<3>(chave).empty()) {
        for (const TLinhaH020& l : linhas->second) {
            if (l.BASE_ICMS_PH == 0 && l.VALOR_ICMS_PH == 0 && l.CST_PH.empty()) continue;
            core::TRegistroEFD r;
            r.SetCampo("REG", "H020");
            r.SetCampo("CST_ICMS", l.CST_PH);
            r.SetCampo("BC_ICMS", FormatarValor(l.BASE_ICMS_PH, 2));
            r.SetCampo("VL_ICMS", FormatarValor(l.VALOR_ICMS_PH, 2));
            e.linhasInventario.push_back(std::move(r));
            ++gravadas;
        }
    }
    if (gravadas == 0)
        g.AdicionarErro("H020",
                        "Item \"{}\" sem ICMS do inventário de {} (PRODUTO_MPRIMA_SPED_H020): o motivo {} exige o H020; "
                        "informe o CST, a base e o ICMS do item.",
                        codigo, g.params.MES_ANO_INVENTARIO, g.params.MOTIVO_INVENTARIO);
}

}  // namespace blocks
