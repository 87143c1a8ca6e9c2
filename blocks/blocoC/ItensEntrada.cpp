// Itens das notas de entrada: linhas de matéria-prima (ENTRADAMP, com MPRIMA, PRODUTO, a descrição
// do fornecedor em MPRIMA_FORNEC e a natureza da TABELA 17) ou, sem elas, de produto acabado
// (ENTRADAPROD somada por item); C170 das notas de terceiros, o resumo C190 do documento, o ICMS
// da apuração e o IPI por CFOP e CST (E510). Produtos devolvidos levam o código e a descrição do
// item da nota de saída (ITENSNS); os demais, o código de faturamento.
#include <string>

#include "blocks/DocumentosPeriodo.h"
#include "blocks/bloco0/Itens.h"
#include "blocks/bloco0/NaturezasObservacoes.h"
#include "blocks/bloco0/ProdutoFat.h"
#include "blocks/blocoC/CamposC170.h"
#include "blocks/blocoC/NotasEntrada.h"
#include "blocks/blocoC/NotasSaida.h"
#include "blocks/blocoE/ApuracaoIcms.h"
#include "blocks/blocoE/ApuracaoIpi.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "core/LimpezaTexto.h"

namespace blocks {

using core::Dinheiro;
using core::EmDecimilesimos;
using core::FormatarValor;
using core::FormatarValorDecimilesimos;
using core::R;
using util::DataHora;

namespace {

using I = TItemEntrada;
// As duas consultas enchem a mesma estrutura pela posição: a de produto acabado põe constantes onde
// ENTRADAPROD não tem coluna.
const ColunaDocumento<TItemEntrada> kColunasMPrima[] = {
    {"'ENTRADAMP'", &I::NOME_TABELA},
    {"EP.ITEM_EMP", &I::ITEM},
    {"EP.MPRIMA_EMP", &I::MPRIMA},
    {"EP.DATA_EMP", &I::DATA},
    {"EP.COR_EMP", &I::COR},
    {"EP.TAMANHO_EMP", &I::TAMANHO},
    {"EP.PROD_EMP", &I::PROD},
    {"EP.PADRON_EMP", &I::PADRON},
    {"EP.QTDE_COMERCIAL_EMP", &I::QTDE_COMERCIAL},
    {"EP.QTDE_EMP", &I::QTDE_ENTRADA},
    {"coalesce(EP.BASE_CALC_PIS_COFINS_EMP, EP.PRREAL_EMP)", &I::BASE_PIS_COFINS},
    {"EP.PRREAL_EMP", &I::PRREAL},
    {"EP.PRECO_EMP", &I::PRECO_UNIT},
    {"EP.CST_EMP", &I::CST},
    {"EP.CFOP_EMP", &I::CFOP},
    {"EP.BASEICM_EMP", &I::BASEICMS},
    {"EP.ICMS_EMP", &I::ALIQICMS},
    {"EP.VRICM_EMP", &I::VRICMS},
    {"EP.CST_IPI_EMP", &I::CST_IPI},
    {"EP.CST_PIS_EMP", &I::CST_PIS},
    {"EP.CST_COFINS_EMP", &I::CST_COFINS},
    {"EP.BASEIPI_EMP", &I::BASEIPI},
    {"EP.IPI_EMP", &I::ALIQIPI},
    {"EP.VRIPI_EMP", &I::VRIPI},
    {"EP.ALIQ_PIS_EMP", &I::ALIQ_PIS},
    {"EP.ALIQ_COFINS_EMP", &I::ALIQ_COFINS},
    {"EP.VALOR_PIS_EMP", &I::VALOR_PIS},
    {"EP.VALOR_COFINS_EMP", &I::VALOR_COFINS},
    {"EP.UN_COMERCIAL_EMP", &I::UN},
    {"EP.CFISIPI_EMP", &I::CFISIPI_EMP},
    {"EP.DESCTO_EMP", &I::PERC_DESCTO},
    {"EP.VRDESCTO_EMP", &I::VR_DESCTO},
    {"EP.ATUEST_EMP", &I::ATUEST},
    {"EP.INFADIC_EMP", &I::INFADIC},
    {"(select T.DESC_TA from TABELA T where T.NUM_TA = '17' and T.COD_TA = EP.CFOP_EMP)", &I::NATOPER},
    {"(select MF.DESC_MF from MPRIMA_FORNEC MF where MF.CODIGO_MF = EP.CODMPFORNEC_EMP and MF.FORNEC_MF = "
     "EP.FORNEC_EMP)",
     &I::DESCMP_FORNEC},
    {"MP.TIPO_FISCAL_MP", &I::TIPO_FISCAL_MP},
    {"PR.GRUPO_PR", &I::GRUPO_PR},
    {"EP.DESPES_EMP", &I::DESPES_EMP},
    {"EP.TOT_DESCTO_SUFRAMA_EMP", &I::TOT_DESCTO_SUFRAMA_EMP},
    {"EP.VRFRETE_ITEM_EMP", &I::VRFRETE_ITEM_EMP},
    {"EP.PRECO_TOTAL_EMP", &I::PRECO_TOTAL_EMP},
    {"EP.COD_EAN_EMP", &I::CODBARRAS},
    {"EP.MOV_FISICA_EMP", &I::MOV_FISICA_EMP},
    {"iif(EP.MOV_FISICA_EMP is null, 1, 0)", &I::MOV_FISICA_NULA},
    {"EP.FILIALNFDEVOL_EMP", &I::FILIAL_DEVOL},
    {"EP.NFDEVOL_EMP", &I::NF_DEVOL},
    {"EP.SERIENFDEVOL_EMP", &I::SERIE_DEVOL},
    {"EP.ITEMNFDEVOL_EMP", &I::ITEM_DEVOL},
    {"EP.ID_PROD_ITEM_ESTOQUE_EMP", &I::ID_PROD_ITEM_ESTOQUE_EMP},
};

// Quantidades e valores somados, alíquotas pelo máximo; o preço unitário é o maior dos tamanhos.
const ColunaDocumento<TItemEntrada> kColunasProduto[] = {
    {"'ENTRADAPROD'", &I::NOME_TABELA},
    {"EP.ITEM_EP", &I::ITEM},
    {"0", &I::MPRIMA},
    {"max(EP.DATA_EP)", &I::DATA},
    {"''", &I::COR},
    {"''", &I::TAMANHO},
    {"EP.PRODUTO_EP", &I::PROD},
    {"EP.PADRONIZ_EP", &I::PADRON},
    {"sum(EP.QTDE_EP)", &I::QTDE_COMERCIAL},
    {"sum(EP.QTDE_EP)", &I::QTDE_ENTRADA},
    {"sum(coalesce(EP.BASE_CALC_PIS_COFINS_EP, EP.PRREAL_EP))", &I::BASE_PIS_COFINS},
    {"sum(EP.PRREAL_EP)", &I::PRREAL},
    {"max(EP.PRECO_EP)", &I::PRECO_UNIT},
    {"EP.CST_EP", &I::CST},
    {"EP.CFOP_EP", &I::CFOP},
    {"sum(EP.BASEICM_EP)", &I::BASEICMS},
    {"max(EP.ICMS_EP)", &I::ALIQICMS},
    {"sum(EP.VRICM_EP)", &I::VRICMS},
    {"EP.CST_IPI_EP", &I::CST_IPI},
    {"EP.CST_PIS_EP", &I::CST_PIS},
    {"EP.CST_COFINS_EP", &I::CST_COFINS},
    {"sum(EP.BASEIPI_EP)", &I::BASEIPI},
    {"max(EP.IPI_EP)", &I::ALIQIPI},
    {"sum(EP.VRIPI_EP)", &I::VRIPI},
    {"max(EP.ALIQ_PIS_EP)", &I::ALIQ_PIS},
    {"max(EP.ALIQ_COFINS_EP)", &I::ALIQ_COFINS},
    {"sum(EP.VALOR_PIS_EP)", &I::VALOR_PIS},
    {"sum(EP.VALOR_COFINS_EP)", &I::VALOR_COFINS},
    {"PR.UN_PR", &I::UN},
    {"''", &I::CFISIPI_EMP},
    {"sum(EP.DESCTO_EP)", &I::PERC_DESCTO},
    {"sum(EP.VRDESCTO_EP)", &I::VR_DESCTO},
    {"''", &I::ATUEST},
    {"''", &I::INFADIC},
    {"(select T.DESC_TA from TABELA T where T.NUM_TA = '17' and T.COD_TA = EP.CFOP_EP)", &I::NATOPER},
    {"''", &I::DESCMP_FORNEC},
    {"''", &I::TIPO_FISCAL_MP},
    {"max(PR.GRUPO_PR)", &I::GRUPO_PR},
    {"0", &I::DESPES_EMP},
    {"0", &I::TOT_DESCTO_SUFRAMA_EMP},
    {"0", &I::VRFRETE_ITEM_EMP},
    {"0", &I::PRECO_TOTAL_EMP},
    {"''", &I::CODBARRAS},
    {"''", &I::MOV_FISICA_EMP},
    {"1", &I::MOV_FISICA_NULA},
    {"0", &I::FILIAL_DEVOL},
    {"0", &I::NF_DEVOL},
    {"''", &I::SERIE_DEVOL},
    {"0", &I::ITEM_DEVOL},
    {"0", &I::ID_PROD_ITEM_ESTOQUE_EMP},
};

const std::string& SqlEntMP() {
    static const std::string sql = "select " + ListaSelect<TItemEntrada>(kColunasMPrima) +
                                   " from ENTRADAMP EP left join MPRIMA MP on MP.COD_MP = EP.MPRIMA_EMP "
                                   "left join PRODUTO PR on PR.COD_PR = EP.PROD_EMP where EP.FILIAL_EMP = :FIL and "
                                   "EP.FORNEC_EMP = :FORNEC and EP.DOCTO_EMP = :DOC and EP.SERIE_EMP = :SER "
                                   "order by EP.ITEM_EMP, EP.TAMANHO_EMP";
    return sql;
}

const std::string& SqlEntProd() {
    static const std::string sql =
        "select " + ListaSelect<TItemEntrada>(kColunasProduto) +
        " from ENTRADAPROD EP left join PRODUTO PR on PR.COD_PR = EP.PRODUTO_EP where EP.FILIAL_EP = :FIL and "
        "EP.FORNEC_EP = :FORNEC and EP.DOCTO_EP = :DOC and EP.SERIE_EP = :SER group by EP.ITEM_EP, EP.PRODUTO_EP, "
        "EP.PADRONIZ_EP, EP.CST_EP, EP.CFOP_EP, EP.CST_IPI_EP, EP.CST_PIS_EP, EP.CST_COFINS_EP, PR.UN_PR "
        "order by EP.ITEM_EP";
    return sql;
}

// Lê as linhas de 'sql' para o documento; o vetor guarda a capacidade de um documento para o outro.
bool Ler(core::Geracao& g, std::unique_ptr<db::Consulta>& consulta, const std::string& sql,
         std::span<const ColunaDocumento<TItemEntrada>> colunas, const TNotaEntrada& ne,
         std::vector<TItemEntrada>& itens) {
    if (!consulta) consulta = std::make_unique<db::Consulta>(g.Leitura(), sql);
    db::Consulta& q = *consulta;
    q.Param("FIL", ne.FILIAL_NE).Param("FORNEC", ne.FORNEC_NE).Param("DOC", ne.DOCTO_NE).Param("SER", ne.SERIE_NE);
    itens.clear();
    while (q.Proximo()) LerColunas(q, colunas, itens.emplace_back());
    return !itens.empty();
}

bool LinhaMPrima(const TItemEntrada& i) { return i.NOME_TABELA == "ENTRADAMP"; }

bool IpiDeUsoConsumoFenuka(const core::Geracao& g, const TItemEntrada& i) {
    return g.configuracoes.COD_CONTABILIDADE == "FENUKA" && g.params.DATA_INI >= DataHora::Data(2016, 1, 1) &&
           !i.TIPO_FISCAL_MP.empty() && i.TIPO_FISCAL_MP != "06" && i.TIPO_FISCAL_MP != "01";
}

// Controles viram brancos e "|" vira "/".
std::string Limpo(const std::string& texto) { return core::LimparTextoObservacao(texto); }

std::string DescricaoComplementar(const TItemEntrada& i) {
    if (!LinhaMPrima(i)) return {};
    std::string d = i.DESCMP_FORNEC.empty() ? std::string() : Limpo(i.DESCMP_FORNEC);
    if (!i.INFADIC.empty()) d += " " + Limpo(i.INFADIC);
    return std::string(core::AparadoEFD(d)).substr(0, 252);
}

std::string IndicadorMovimento(const TItemEntrada& i) {
    if (!LinhaMPrima(i)) return "1";
    if (!i.MOV_FISICA_NULA) return i.MOV_FISICA_EMP == "S" ? "0" : "1";
    return i.ATUEST == "S" ? "0" : "1";
}

std::string NaturezaItem(core::Geracao& g, const TNotaEntrada& ne, const TItemEntrada& i) {
    const std::string origem = "NFE " + std::to_string(ne.DOCTO_NE);
    const core::TCfop* regra = core::Localizar(g.caches->cdsCFOP, std::make_pair(ne.FILIAL_NE, i.CFOP));
    if (i.CFOP == ne.NATOPER_NE && regra && !ne.DESC_NATOPER_NE.empty() && regra->DESC_NATOPER_NFENT_SPED_CF == "S")
        return CodigoNatureza(g, ne.DESC_NATOPER_NE, origem);
    if (!i.NATOPER.empty()) return CodigoNatureza(g, i.NATOPER, origem);
    return CodigoNatureza(g, ne.DESC_NATOPER_NE, origem);
}

// Código e conta do item: produto (devolvido, pelo item da nota de saída; senão o código de
// faturamento) ou matéria-prima.
TItemResolvido ResolverItem(core::Geracao& g, const TNotaEntrada& ne, const TItemEntrada& i) {
    TItemDocumento item{.idItemEstoque = i.ID_PROD_ITEM_ESTOQUE_EMP, .tamanho = i.TAMANHO, .filial = ne.FILIAL_NE};
    if (!LinhaMPrima(i) || !i.PROD.empty()) {
        const std::string& grupoDevol = g.params.GRUPO_PROD_DEVOL;
        if ((grupoDevol.empty() || grupoDevol != i.GRUPO_PR) && i.ITEM_DEVOL > 0 && CfopDevolucao(g, i.CFOP)) {
            auto q = g.Preparar("select I.PROD_SA, I.DESC_SA from ITENSNS I where FILIAL_SA = :FILIAL and "
                                "DOCTO_SA = :DOCTO and SERIE_SA = :SERIE and ITEM_SA = :ITEM");
            q->Param("FILIAL", i.FILIAL_DEVOL).Param("DOCTO", i.NF_DEVOL).Param("SERIE", i.SERIE_DEVOL);
            q->Param("ITEM", i.ITEM_DEVOL);
            if (q->Abrir()) item.codigo = (*q)["PROD_SA"].Texto(), item.descricao = (*q)["DESC_SA"].Texto();
        }
        if (item.codigo.empty()) item.codigo = CodigoFaturamento(g, i.PROD, i.PADRON, i.CODBARRAS, i.TAMANHO);
        item.produto = i.PROD;
        item.padronizacao = i.PADRON;
    } else {
        item.mprima = i.MPRIMA;
        item.cor = i.COR;
    }
    return ResolverCodigoItem(g, item);
}

void GerarC170Entrada(core::Geracao& g, TDocumentoEntrada& doc, const TItemEntrada& i) {
    const TNotaEntrada& ne = doc.nota;
    const TItemResolvido resolvido = ResolverItem(g, ne, i);
    const int numItem = ++doc.numItem;
    const std::string numero = fmt::format("{:03}", numItem);
    if (resolvido.codigo.starts_with("ERRO"))
        g.AdicionarErro("C170", "{} - NF entrada num. {}, Item {}", resolvido.codigo, ne.DOCTO_NE, numero);
    const std::string cstIpi = CstIpiEntrada(ne, i);
    if (cstIpi.empty())
        g.AdicionarErro("C170",
                        "CST de IPI do item {} da NF entrada num. {} sem valor: informe o CST_IPI do item ou a classe "
                        "do IPI (CFISIPI) no ERP.",
                        numero, ne.DOCTO_NE);
    GerarRegistro0190(g, i.UN);

    core::TRegistroEFD& r = doc.registros.C170;
    r.Clear();
    r.SetCampo("REG", "C170");
    r.SetCampo("NUM_ITEM", numero);
    r.SetCampo("COD_ITEM", resolvido.codigo);
    r.SetCampo("DESCR_COMPL", DescricaoComplementar(i));
    r.SetCampo("QTD", FormatarValor(i.QTDE_COMERCIAL, 5));
    r.SetCampo("UNID", i.UN);
    r.SetCampo("VL_ITEM", FormatarValorDecimilesimos(ValorItemEntrada(g, i), 2));
    r.SetCampo("VL_DESC", FormatarValorDecimilesimos(DescontoItemEntrada(g, i), 2));
    r.SetCampo("IND_MOV", IndicadorMovimento(i));
    r.SetCampo("CST_ICMS", i.CST);
    r.SetCampo("CFOP", i.CFOP);
    r.SetCampo("COD_NAT", NaturezaItem(g, ne, i));
    r.SetCampo("VL_BC_ICMS", FormatarValor(i.ALIQICMS != 0 ? i.BASEICMS : 0, 2));
    r.SetCampo("ALIQ_ICMS", FormatarValor(i.ALIQICMS, 2));
    r.SetCampo("VL_ICMS", FormatarValor(i.VRICMS, 2));
    r.SetCampo("VL_BC_ICMS_ST", FormatarValor(0, 2));
    r.SetCampo("ALIQ_ST", FormatarValor(0, 2));
    r.SetCampo("VL_ICMS_ST", FormatarValor(0, 2));
    r.SetCampo("IND_APUR", "0");
    r.SetCampo("CST_IPI", cstIpi);
    r.SetCampo("COD_ENQ", "");
    r.SetCampo("VL_BC_IPI", FormatarValor(i.BASEIPI, 2));
    r.SetCampo("ALIQ_IPI", FormatarValor(i.ALIQIPI, 2));
    r.SetCampo("VL_IPI", FormatarValor(i.VRIPI, 2));
    PreencherPisCofinsC170(r, {i.CST_PIS, i.ALIQ_PIS, i.VALOR_PIS, i.CST_COFINS, i.ALIQ_COFINS, i.VALOR_COFINS,
                               i.BASE_PIS_COFINS});
    r.SetCampo("COD_CTA", CodigoConta(g, ContaContabilItem(g, i.CFOP, resolvido.conta)));
    if (g.params.DATA_INI >= DataHora::Data(2019, 1, 1))
        r.SetCampo("VL_ABAT_NT", FormatarValor(i.TOT_DESCTO_SUFRAMA_EMP, 2));
    g.GravarRegistro(r);

    if (i.VRICMS < 0)
        g.AdicionarErro("C170", "Valor de ICMS do item {} da NF entrada num. {} inválido.", numItem, ne.DOCTO_NE);
    if (core::AparadoEFD(i.CST).size() != 3)
        g.AdicionarErro("C170", "CST de ICMS do item {} da NF entrada num. {} inválido.", numItem, ne.DOCTO_NE);
}

void AcumularC190Entrada(const core::Geracao& g, TDocumentoEntrada& doc, const TItemEntrada& i) {
    TRegC190& c190 = doc.cdsRegC190[ChaveC190{i.CST, i.CFOP, EmDecimilesimos(i.ALIQICMS)}];
    c190.VL_OPR += EmDecimilesimos(i.PRREAL);
    if (i.BASEICMS > 0) c190.VL_BC_ICMS += EmDecimilesimos(i.BASEICMS);
    c190.VL_ICMS += EmDecimilesimos(i.VRICMS);
    const std::string tributacao = i.CST.size() >= 3 ? i.CST.substr(1, 2) : std::string();
    if (tributacao == "20" || tributacao == "70")
        c190.VL_RED_BC += std::max<int64_t>(0, R((i.PRREAL - i.BASEICMS) * 10000));
    if (!IpiDeUsoConsumoFenuka(g, i)) c190.VL_IPI += EmDecimilesimos(i.VRIPI);
}

void AcumularE510Entrada(core::Geracao& g, const TDocumentoEntrada& doc, const TItemEntrada& i) {
    if (IpiDeUsoConsumoFenuka(g, i)) return;
    AcumularE510(g, i.CFOP, CstIpiEntrada(doc.nota, i),
                 {.VL_CONT_IPI = Dinheiro::DeReal(i.PRREAL),
                  .VL_BC_IPI = Dinheiro::DeReal(i.BASEIPI),
                  .VL_IPI = Dinheiro::DeReal(i.VRIPI)});
}

}  // namespace

bool LinhaComGrade(const core::Geracao& g, const TItemEntrada& i) {
    if (!i.PROD.empty() && !i.PADRON.empty() && g.params.FORMA_AGRUP_ITENS.find("TAM") != std::string::npos)
        return !i.TAMANHO.empty();
    return i.MPRIMA > 0 && !i.COR.empty() && g.configuracoes.GERAR_GRADE_MP && !i.TAMANHO.empty();
}

void JuntarLinhasSemGrade(const core::Geracao& g, std::vector<TItemEntrada>& itens) {
    std::vector<TItemEntrada> juntos;
    juntos.reserve(itens.size());
    int itemAnterior = -1;
    size_t alvo = 0;  // primeira linha sem grade do item corrente, em 'juntos'
    bool temAlvo = false;
    for (TItemEntrada& linha : itens) {
        const bool mesmoItem = linha.ITEM == itemAnterior;
        itemAnterior = linha.ITEM;
        if (!mesmoItem) temAlvo = false;
        if (LinhaComGrade(g, linha)) {
            juntos.push_back(std::move(linha));
            continue;
        }
        if (!mesmoItem || !temAlvo) {
            juntos.push_back(std::move(linha));
            alvo = juntos.size() - 1;
            temAlvo = true;
            continue;
        }
        // Também o total do preço, as despesas e a base do PIS/COFINS: o item junto vale o que as
        // linhas valiam, e o VL_ITEM, o VL_DESC e a base conferem com os impostos somados.
        TItemEntrada& t = juntos[alvo];
        t.TAMANHO.clear();
        for (double TItemEntrada::*v :
             {&I::QTDE_COMERCIAL, &I::QTDE_ENTRADA, &I::PRREAL, &I::VRFRETE_ITEM_EMP, &I::TOT_DESCTO_SUFRAMA_EMP,
              &I::BASEICMS, &I::VRICMS, &I::BASEIPI, &I::VRIPI, &I::VALOR_PIS, &I::VALOR_COFINS, &I::VR_DESCTO,
              &I::PRECO_TOTAL_EMP, &I::DESPES_EMP, &I::BASE_PIS_COFINS})
            t.*v += linha.*v;
    }
    itens = std::move(juntos);
}

void CarregarItensEntrada(core::Geracao& g, const TNotaEntrada& ne, TConsultasItensEntrada& consultas,
                          std::vector<TItemEntrada>& itens) {
    if (!Ler(g, consultas.mprima, SqlEntMP(), kColunasMPrima, ne, itens))
        Ler(g, consultas.produto, SqlEntProd(), kColunasProduto, ne, itens);
    JuntarLinhasSemGrade(g, itens);
}

bool CfopDevolucao(const core::Geracao& g, const std::string& cfop) {
    if (cfop.empty()) return false;
    const std::string& lista = g.params.CFOP_DEVOLUCAO;
    return (lista.empty() ? std::string_view("1201-1202-1203-2201-2202-2203-1553-2553") : std::string_view(lista))
               .find(cfop) != std::string_view::npos;
}

int64_t ValorItemEntrada(const core::Geracao& g, const TItemEntrada& i) {
    if (i.PRECO_TOTAL_EMP > 0 && !LinhaComGrade(g, i)) return EmDecimilesimos(core::Arredondar(i.PRECO_TOTAL_EMP, 2));
    return EmDecimilesimos(core::Arredondar(i.QTDE_ENTRADA * i.PRECO_UNIT, 2));
}

int64_t DescontoItemEntrada(const core::Geracao& g, const TItemEntrada& i) {
    const double bruto = (i.PRECO_TOTAL_EMP > 0 && !LinhaComGrade(g, i) ? i.PRECO_TOTAL_EMP
                                                                         : i.QTDE_ENTRADA * i.PRECO_UNIT) +
                         i.VRFRETE_ITEM_EMP + i.VRIPI + i.DESPES_EMP;
    int64_t d = R((bruto - i.PRREAL) * 10000);
    d = R(i.TOT_DESCTO_SUFRAMA_EMP * 10000 + static_cast<double>(d));
    if (d < 0) return 0;
    // Diferença abaixo de três centavos sem desconto informado é arredondamento.
    if (d < 300 && i.VR_DESCTO == 0) return 0;
    return R(core::Arredondar(d / 10000.0, 2) * 10000);
}

std::string CstIpiEntrada(const TNotaEntrada& ne, const TItemEntrada& i) {
    const std::string cst(core::AparadoEFD(i.CST_IPI));
    if (cst.size() >= 2) return CstCurto(cst);
    if (cst.size() == 1) return "0" + cst;
    const std::string classe(core::AparadoEFD(LinhaMPrima(i) ? i.CFISIPI_EMP : ne.CFISIPI_NE));
    if (classe.size() != 1) return {};
    return classe == "9" ? "49" : "0" + classe;
}

void ProcessarItensEntrada(core::Geracao& g, TDocumentoEntrada& doc) {
    const bool terceiros = IndicadorEmitente(doc.nota) == "1";
    const bool semQuantidadeInforma = CodigoNaLista("06-07", doc.codSit);
    for (const TItemEntrada& i : doc.itens) {
        const bool informado = i.QTDE_COMERCIAL > 0 || (i.QTDE_COMERCIAL == 0 && semQuantidadeInforma);
        if (informado && terceiros) GerarC170Entrada(g, doc, i);
        AcumularC190Entrada(g, doc, i);
        AcumularApuracaoICMS(g, {.origem = "C190",
                                 .cfop = i.CFOP,
                                 .codSit = doc.codSit,
                                 .valorDocumento = Dinheiro::DeDecimilesimos(R(i.VRICMS * 10000))});
        AcumularE510Entrada(g, doc, i);
    }
}

}  // namespace blocks
