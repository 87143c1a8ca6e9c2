#include "blocks/blocoH/EstoqueMateriais.h"

#include <set>

#include "blocks/blocoH/ItemInventario.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Datas.h"
#include "util/Texto1252.h"

namespace blocks {

using core::Arredondar;
using util::DataHora;

namespace {

std::string Opcao(const core::Geracao& g) { return g.params.CALC_PRECO_INVENT; }

// Código da tabela de preços das matérias-primas do mês: INVM122023.
std::string TabelaPrecosMateriais(const DataHora& data) { return fmt::format("INVM{:02}{:04}", data.mes, data.ano); }

// "and ((GRUPO_MP not in (...) or (GRUPO_MP is null)))", quando há exceções.
std::string Excecoes(SqlMontado& sql, const std::string& coluna, const std::string& lista, const char* prefixo) {
    const std::vector<std::string> codigos = ListaEntreAspas(lista);
    if (codigos.empty()) return {};
    return " and ((" + coluna + " not in ( " + sql.Lista(prefixo, codigos) + " ) or (" + coluna + " is null)))";
}

SqlMontado ConsultaEstoqueProprio(const core::Geracao& g, const TTiposFiscaisEstoque& tipos) {
    const core::TParametros& p = g.params;
    const std::string opcao = Opcao(g);
    SqlMontado sql;
    std::string& s = sql.texto;
    s = "select MP.COD_MP, MP.DESC_MP, MP.UN_MP, MP.CUSTO_MP, MP.CODCONTABIL_MP, EP.FILIAL_EP, EP.COR_EP, "
        "EP.TAMANHO_EP, EP.CUSTO_EP, MP.TIPO_FISCAL_MP, MP.COD_PRODUTO_MP, (select PESTOQUE from "
        "CONSULTAR_ESTOQUEMP_MES(:ANO, :MES, EP.FILIAL_EP, EP.MPRIMA_EP, EP.COR_EP, EP.TAMANHO_EP, EP.MARCA_EP)) as ESTOQUE";
    if (opcao == "TP")
        for (const char* coluna : {"PRECO_TM", "PRECO_IR_TM"})
            s += fmt::format(
                ", (select max({}) from TABELA_PRECOS_MPRIMAS TM inner join TABELA_PRECOS T on T.ID_TP = "
                "TM.ID_TABELA_PRECOS_TM where T.COD_TP = :TAB_PRECOS and MPRIMA_TM = EP.MPRIMA_EP AND ((TM.COR_TM = "
                "EP.COR_EP) or (TM.COR_TM = '*')) AND ((TM.TAM_TM = EP.TAMANHO_EP) or (TM.TAM_TM = '*'))) as {}",
                coluna, coluna == std::string_view("PRECO_TM") ? "PRECO_TAB_PRECO" : "PRECO_IR_TAB_PRECO");
    if (opcao == "PM")
        s += ", (select PRMEDIOIMPOSTO from CONSULTAR_ESTOQUEMP_MES(:ANO, :MES, EP.FILIAL_EP, EP.MPRIMA_EP, "
             "EP.COR_EP, EP.TAMANHO_EP, EP.MARCA_EP)) as PRMEDIOIMPOSTO";
    // "CO" com abatimento dos impostos abate do custo da última compra, que precisa vir.
    const bool ultimaCompra = opcao == "CO" || opcao == "MC" || p.INV_ABATER_ICMS_PIS_COFINS;
    if (opcao == "CO")
        s += ", PP.PCUSTO_ULT_COMPRA PR_ULT_COMPRA, PP.PALIQ_ICMS ALIQ_ICMS, PP.PALIQ_PIS ALIQ_PIS, "
             "PP.PALIQ_COFINS ALIQ_COFINS";
    else if (ultimaCompra)
        s += ", 0 PR_ULT_COMPRA, PP.PALIQ_ICMS ALIQ_ICMS, PP.PALIQ_PIS ALIQ_PIS, PP.PALIQ_COFINS ALIQ_COFINS";
    else if (opcao == "TP")
        s += ", 0 PR_ULT_COMPRA, 0 ALIQ_ICMS, 0 ALIQ_PIS, 0 ALIQ_COFINS";
    else
        s += ", 0 PR_ULT_COMPRA, MP.PIS_MP ALIQ_PIS, MP.COFINS_MP ALIQ_COFINS, MP.ICM_MP ALIQ_ICMS";
    s += " from ESTOQUEMP EP inner join MPRIMA MP on MP.COD_MP = EP.MPRIMA_EP";
    if (ultimaCompra)
        s += " LEFT JOIN PRECO_ULTIMA_COMPRA(:DATA_INVENT, EP.FILIAL_EP, EP.MPRIMA_EP, EP.COR_EP) PP ON PP.PFILIAL = "
             "EP.FILIAL_EP AND PP.PMPRIMA = EP.MPRIMA_EP AND EP.COR_EP = PP.PCOR";
    s += " where " + FiltroFilialEstoque(p, sql, "FILIAL_EP");
    s += " and TIPO_FISCAL_MP in ( " + sql.Lista("TIPO_FISCAL", tipos.materiais) + " )";
    s += Excecoes(sql, "GRUPO_MP", p.INV_EXCETO_GRUPO_MP, "EXCETO_GRUPO");
    s += Excecoes(sql, "TIPO_MP", p.INV_EXCETO_TIPO_MP, "EXCETO_TIPO");
    s += " and EP.MPRIMA_EP > 0 order by FILIAL_EP, COD_MP";
    return sql;
}

int ContarEstoque(core::Geracao& g) {
    SqlMontado sql;
    sql.texto = "select count(*) as QTREG from ESTOQUEMP where " + FiltroFilialEstoque(g.params, sql, "FILIAL_EP");
    db::Consulta q(g.Leitura(), sql.texto);
    sql.Aplicar(q);
    return q.Abrir() ? static_cast<int>(q.NaPosicao(0).Inteiro()) : 0;
}

// Proprietário e participante da posição pela filial do estoque.
std::pair<std::string, std::string> DonoDaFilial(const core::TParametros& p, int filial) {
    if (filial > 1000000) return {"1", std::to_string(filial - 1000000)};
    if (p.FIL_EST_PODER_TERC > 0 && filial == p.FIL_EST_PODER_TERC) return {"1", "0"};
    if (p.FIL_EST_DE_TERC > 0 && filial == p.FIL_EST_DE_TERC) return {"2", "0"};
    return {"0", "0"};
}

std::pair<std::string, std::string> CorTamanho(const core::Geracao& g, std::string cor, std::string tamanho) {
    const bool antes2016 = g.params.DATA_INI < DataHora::Data(2016, 1, 1);
    if (!g.configuracoes.GERAR_COR_MPRIMA || (antes2016 && g.configuracoes.COD_CONTABILIDADE == "FENUKA")) return {};
    if (tamanho.empty() && cor == "000" && antes2016) cor.clear();
    return {cor, tamanho};
}

const char* MensagemNegativo(const std::string& proprietario) {
    if (proprietario == "1")
        return "Existem Itens com Estoque de Materiais em Poder de Terceiros Negativo que devem ser corrigidos para "
               "evitar problemas Fiscais.";
    if (proprietario == "2")
        return "Existem Itens com Estoque de Materiais de Terceiros Negativo que devem ser corrigidos para evitar "
               "problemas Fiscais.";
    return "Existem Itens com Estoque de Materiais da Empresa Negativo que devem ser corrigidos para evitar "
           "problemas Fiscais.";
}

double CustoMedioUltimasCompras(core::Geracao& g, const ChaveMP& chave, double quantidade) {
    auto q = g.Preparar(
        "SELECT PCUSTO_MEDIO_ULT_COMPRA FROM PRECO_MEDIO_ULTIMA_COMPRA(:DATA_INV, :FILIAL, :MPRIMA, :COR, :TAM, "
        ":QTDE_ESTOQUE)");
    q->Param("DATA_INV", g.params.DATA_INVENTARIO).Param("FILIAL", g.params.FILIAL).Param("MPRIMA", std::get<0>(chave));
    q->Param("COR", std::get<1>(chave)).Param("TAM", std::get<2>(chave)).Param("QTDE_ESTOQUE", quantidade);
    return q->Abrir() ? q->NaPosicao(0).Real() : 0;
}

// Valor unitário menos ICMS, PIS e COFINS, vezes a quantidade.
double SemImpostos(const TPosicaoMP& p, double unitario, int casas) {
    return Arredondar(p.ESTOQUE * (unitario - unitario * p.ALIQ_ICMS / 100 - unitario * p.ALIQ_PIS / 100 -
                                   unitario * p.ALIQ_COFINS / 100),
                      casas);
}

std::string OrigemPreco(const core::Geracao& g) {
    const std::string& opcao = g.params.CALC_PRECO_INVENT;
    if (opcao == "TP") return "TP, tabela " + TabelaPrecosMateriais(g.params.DATA_INVENTARIO);
    return opcao;
}

}  // namespace

void AcumularEstoqueMateriais(core::Geracao& g, const TTiposFiscaisEstoque& tipos, const DataHora& data,
                              TabelaEstMP& cdsEstMP) {
    cdsEstMP.clear();
    if (tipos.materiais.empty()) return;
    g.progresso.IniciarEtapa(util::W("Acumulando estoque das matérias-primas.."), ContarEstoque(g));
    const std::string opcao = Opcao(g);
    SqlMontado sql = ConsultaEstoqueProprio(g, tipos);
    db::Consulta q(g.Leitura(), sql.texto);
    sql.Aplicar(q);
    q.Param("ANO", data.ano).Param("MES", data.mes);
    if (q.TemParam("TAB_PRECOS")) q.Param("TAB_PRECOS", TabelaPrecosMateriais(data));
    if (q.TemParam("DATA_INVENT")) q.Param("DATA_INVENT", g.params.DATA_INVENTARIO);
    while (q.Proximo()) {
        const auto [dono, participante] = DonoDaFilial(g.params, static_cast<int>(q["FILIAL_EP"].Inteiro()));
        auto [cor, tamanho] = CorTamanho(g, q["COR_EP"].Texto(), q["TAMANHO_EP"].Texto());
        const auto [it, nova] = cdsEstMP.try_emplace(
            ChaveMP{static_cast<int>(q["COD_MP"].Inteiro()), std::move(cor), std::move(tamanho), dono, participante});
        TPosicaoMP& p = it->second;
        if (nova) {
            p.UN = q["UN_MP"].Texto();
            p.CODCONTAB = q["CODCONTABIL_MP"].Texto();
            p.TIPO_FISCAL = q["TIPO_FISCAL_MP"].Texto();
            p.COD_PROD_MP = q["COD_PRODUTO_MP"].Texto();
            p.ALIQ_ICMS = q["ALIQ_ICMS"].Real();
            p.ALIQ_PIS = q["ALIQ_PIS"].Real();
            p.ALIQ_COFINS = q["ALIQ_COFINS"].Real();
            if (opcao == "TP") {
                p.PRECO_TAB_PRECO_INV = Arredondar(q["PRECO_TAB_PRECO"].Real(), 8);
                p.PRECO_IR_TAB_PRECO_INV = Arredondar(q["PRECO_IR_TAB_PRECO"].Real(), 8);
            }
        }
        const double estoque = q["ESTOQUE"].Real();
        p.ESTOQUE = Arredondar(p.ESTOQUE + estoque, 8);
        double valor = 0;
        if (opcao == "CO")
            valor = estoque * q["PR_ULT_COMPRA"].Real();
        else if (opcao == "PM")
            valor = estoque * q["PRMEDIOIMPOSTO"].Real();
        else if (opcao != "TP" && opcao != "MC") {
            const double custo = q["CUSTO_EP"].Real();
            valor = estoque * (custo > 0 ? custo : q["CUSTO_MP"].Real());
        }
        p.CUSTO = Arredondar(p.CUSTO + valor, 6);
        g.progresso.Incrementar(1);
    }
}

double ValorIRMaterial(const core::TParametros& params, const std::string& proprietario, const TPosicaoMP& p) {
    if (!params.GERAR_VL_ITEM_IR_REG_H010 || p.ESTOQUE <= 0) return 0;
    const std::string& opcao = params.CALC_PRECO_INVENT;
    double unitario = 0;
    if (proprietario == "0" && opcao == "TP") {
        if (p.CUSTO_IR > 0) return Arredondar(p.ESTOQUE * Arredondar(p.CUSTO_IR, 6), 2);
        unitario = Arredondar(p.CUSTO, 6);
    } else if (proprietario == "1") {
        return Arredondar(p.CUSTO_IR, 6);
    } else {
        unitario = Arredondar(p.CUSTO / p.ESTOQUE, 6);
    }
    const bool abater = params.INV_NAO_ABATER_IMPOSTOS_IR != "T" && !params.INV_ABATER_ICMS_PIS_COFINS && opcao != "PM";
    return abater ? SemImpostos(p, unitario, 2) : Arredondar(p.ESTOQUE * unitario, 2);
}

void ValorarEstoqueMateriais(core::Geracao& g, const std::string& registro, TabelaEstMP& cdsEstMP) {
    g.progresso.IniciarEtapa(util::W("Removendo Matéria Prima sem Estoque..."), static_cast<int>(cdsEstMP.size()));
    std::set<std::string> negativos;
    for (auto it = cdsEstMP.begin(); it != cdsEstMP.end();) {
        TPosicaoMP& p = it->second;
        p.ESTOQUE = Arredondar(p.ESTOQUE, 3);
        if (p.ESTOQUE < 0) negativos.insert(std::get<3>(it->first));
        it = p.ESTOQUE <= 0 ? cdsEstMP.erase(it) : std::next(it);
    }
    const core::TParametros& params = g.params;
    const std::string& opcao = params.CALC_PRECO_INVENT;
    const std::string origem = OrigemPreco(g);
    g.progresso.IniciarEtapa("Processando estoque dos materiais...", static_cast<int>(cdsEstMP.size()));
    for (auto& [chave, p] : cdsEstMP) {
        const auto& [mprima, cor, tamanho, dono, participante] = chave;
        const bool proprio = dono == "0";
        if (proprio && opcao == "TP") {
            p.CUSTO = Arredondar(p.PRECO_TAB_PRECO_INV, 8);
            p.CUSTO_IR = Arredondar(p.PRECO_IR_TAB_PRECO_INV, 8);
        } else if (proprio && opcao == "MC") {
            // O custo da ficha técnica dos materiais de tipo "03" entra com o consumo do bloco K.
            p.CUSTO = Arredondar(p.ESTOQUE * CustoMedioUltimasCompras(g, chave, p.ESTOQUE), 2);
        }
        if (opcao == "CO" && params.INV_ABATER_ICMS_PIS_COFINS) p.CUSTO = SemImpostos(p, p.CUSTO / p.ESTOQUE, 6);
        TItemInventario item{.registro = registro,
                             .participante = participante,
                             .proprietario = dono,
                             .valorIR = ValorIRMaterial(params, dono, p),
                             .valor = p.CUSTO,
                             .valorUnitario = proprio && opcao == "TP",
                             .quantidade = p.ESTOQUE,
                             .conta = p.CODCONTAB,
                             .unidade = p.UN,
                             .tamanho = tamanho,
                             .cor = cor,
                             .mprima = mprima,
                             .origemPreco = origem};
        if (GravarItemInventario(g, item))
            GravarH020(g, "", mprima, p.COD_TERC, p.CLIFORREP_TERC, dono, tamanho, cor);
        g.progresso.Incrementar(1);
    }
    for (const std::string& dono : negativos) g.AdicionarErro(registro, "{}", util::W(MensagemNegativo(dono)));
}

}  // namespace blocks
