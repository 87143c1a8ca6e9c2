// Itens das notas de saída (ITENSNS): C170 quando devido, o resumo cdsRegC190 do documento, o ICMS
// da apuração (E110) e o IPI por CFOP e CST (E510), entregues ao bloco E; a conta do item vem do
// cadastro ou da regra do CFOP (CFOP).
#include <cmath>
#include <string>

#include "blocks/bloco0/Itens.h"
#include "blocks/bloco0/NaturezasObservacoes.h"
#include "blocks/blocoC/CamposC170.h"
#include "blocks/blocoC/NotasSaida.h"
#include "blocks/blocoE/ApuracaoIcms.h"
#include "blocks/blocoE/ApuracaoIpi.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Texto1252.h"

namespace blocks {

using core::Dinheiro;
using core::EmDecimilesimos;
using core::FormatarValor;
using core::FormatarValorDecimilesimos;
using core::R;

namespace {

double Abatimentos(const TItemSaida& i) {
    return i.VRDESCTO_SUFRAMA_SA + i.VRDESCTO_SUF_PIS_SA + i.VRDESCTO_SUF_COFINS_SA;
}

void GerarC170Saida(core::Geracao& g, TDocumentoSaida& doc, const TItemSaida& item) {
    const TNotaSaida& ns = doc.nota;
    TItemDocumento entrada;
    entrada.codigo = item.PROD_SA;
    entrada.produto = item.COD_PROD_SA;
    entrada.idItemEstoque = item.ID_PROD_ITEM_ESTOQUE_SA;
    entrada.descricao = item.DESC_SA;
    entrada.tamanho = item.TAMANHO_SA;
    entrada.cor = item.COR_MPRIMA_SA;
    entrada.mprima = item.COD_MPRIMA_SA;
    entrada.padronizacao = item.COD_PADRON_SA;
    entrada.filial = ns.FILIAL_NS;
    const TItemResolvido resolvido = ResolverCodigoItem(g, entrada);
    if (resolvido.codigo.starts_with("ERRO"))
        g.AdicionarErro("C170", "{} - NF saída num. {}, Item {}", resolvido.codigo, ns.DOCTO_NS, item.ITEM_SA);
    const std::string conta = ContaContabilItem(g, item.CFOP_SA, resolvido.conta);
    const double quantidade = QuantidadeItem(item);

    core::TRegistroEFD& r = doc.registros.C170;
    r.Clear();
    r.SetCampo("REG", "C170");
    r.SetCampo("NUM_ITEM", std::to_string(item.ITEM_SA));
    r.SetCampo("COD_ITEM", resolvido.codigo);
    r.SetCampo("DESCR_COMPL", item.INFAD_SA.substr(0, 254));
    r.SetCampo("QTD", FormatarValor(quantidade, 5));
    r.SetCampo("UNID", item.UN_SA);
    r.SetCampo("VL_ITEM", FormatarValorDecimilesimos(R(quantidade * item.PRECO_SA * 10000), 2));
    r.SetCampo("VL_DESC", FormatarValorDecimilesimos(R((item.VRDESCTO_SA + Abatimentos(item)) * 10000), 2));
    r.SetCampo("IND_MOV", "0");
    r.SetCampo("CST_ICMS", item.CST_SA);
    r.SetCampo("CFOP", item.CFOP_SA);
    r.SetCampo("COD_NAT", CodigoNatureza(g, ns.NATOPER_NS, "NFS " + std::to_string(ns.DOCTO_NS)));
    r.SetCampo("VL_BC_ICMS", FormatarValor(item.ALIQICM_SA != 0 ? item.BICM_SA : 0, 2));
    r.SetCampo("ALIQ_ICMS", FormatarValor(item.ALIQICM_SA, 2));
    r.SetCampo("VL_ICMS", FormatarValor(item.VRICM_SA, 2));
    r.SetCampo("VL_BC_ICMS_ST", FormatarValor(item.BASE_ICMS_SUBST_SA, 2));
    r.SetCampo("ALIQ_ST", FormatarValor(item.ALIQ_ICMS_SUBST_SA, 2));
    r.SetCampo("VL_ICMS_ST", FormatarValor(item.VALOR_ICMS_SUBST_SA, 2));
    r.SetCampo("IND_APUR", "0");
    r.SetCampo("CST_IPI", CstCurto(item.CST_IPI_SA));
    r.SetCampo("COD_ENQ", item.CODTRIB_IPI_SA);
    r.SetCampo("VL_BC_IPI", FormatarValor(item.BASECALCIPI_SA, 2));
    r.SetCampo("ALIQ_IPI", FormatarValor(item.ALIQIPI_SA, 2));
    r.SetCampo("VL_IPI", FormatarValor(item.VRIPI_SA, 2));
    PreencherPisCofinsC170(r, {item.CST_PIS_SA, item.ALIQ_PIS_SA, item.VALOR_PIS_SA, item.CST_COFINS_SA,
                               item.ALIQ_COFINS_SA, item.VALOR_COFINS_SA, item.BASE_PIS_COFINS});
    r.SetCampo("COD_CTA", CodigoConta(g, conta));
    if (g.params.DATA_INI >= util::DataHora::Data(2019, 1, 1))
        r.SetCampo("VL_ABAT_NT", FormatarValor(Abatimentos(item), 2));
    g.GravarRegistro(r);

    if (core::AparadoEFD(item.CST_SA).size() != 3)
        g.AdicionarErro("C170", "CST de ICMS do item {} da NF saída num. {} inválido.", item.ITEM_SA, ns.DOCTO_NS);
}

void AcumularC190Saida(TDocumentoSaida& doc, const TItemSaida& item) {
    TRegC190& c190 = doc.cdsRegC190[ChaveC190{item.CST_SA, item.CFOP_SA, EmDecimilesimos(item.ALIQICM_SA)}];
    c190.VL_OPR += ValorOperacaoItem(doc, item);
    if (item.PRREAL_SA > 0) c190.VL_OPR += EmDecimilesimos(item.VRIPI_SA);
    if (item.ALIQICM_SA > 0) {
        c190.VL_BC_ICMS += EmDecimilesimos(item.BICM_SA);
        doc.somaBaseIcms += R(item.BICM_SA * 10000);
    }
    c190.VL_ICMS += EmDecimilesimos(item.VRICM_SA);
    doc.somaIcms += R(item.VRICM_SA * 10000);
    c190.VL_BC_ICMS_ST += EmDecimilesimos(item.BASE_ICMS_SUBST_SA);
    c190.VL_ICMS_ST += EmDecimilesimos(item.VALOR_ICMS_SUBST_SA);
    const std::string tributacao = item.CST_SA.size() >= 3 ? item.CST_SA.substr(1, 2) : std::string();
    if (tributacao == "20" || tributacao == "70")
        c190.VL_RED_BC += EmDecimilesimos(item.PRREAL_SA) - EmDecimilesimos(item.BICM_SA);
    c190.VL_IPI += EmDecimilesimos(item.VRIPI_SA);
}

}  // namespace

double QuantidadeItem(const TItemSaida& item) { return item.QTDE_REAL_SA > 0 ? item.QTDE_REAL_SA : item.QTDE_SA; }

int64_t ValorOperacaoItem(const TDocumentoSaida& doc, const TItemSaida& i) {
    const double quantidade = QuantidadeItem(i);
    if (i.PRREAL_SA > 0) {
        int64_t v = R((i.PRREAL_SA - i.VRIPI_SA + i.VALOR_ICMS_SUBST_SA) * 10000);
        const int64_t esperado = R((i.PRECO_SA * quantidade + i.VRIPI_SA - i.VRDESCTO_SA) * 10000);
        // Total real que confere com preço × quantidade: os abatimentos da Suframa ainda não saíram.
        if (std::abs(esperado - i.PRREAL_SA * 10000) / 10000 < 0.1)
            v = R(v - i.VRDESCTO_SUFRAMA_SA * 10000 - i.VRDESCTO_SUF_PIS_SA * 10000 - i.VRDESCTO_SUF_COFINS_SA * 10000);
        return v;
    }
    int64_t v = 0;
    if (quantidade > 0 && i.PRECO_SA > 0)
        v = R(i.PRECO_SA * quantidade * 10000);
    else if (doc.nota.FINALIDADE_NFE_NS == "2" && doc.itens.size() == 1)
        v = R(doc.nota.VRMERC_NS * 10000);
    else if (i.PRECO_SA > 0)
        v = R(i.PRECO_SA * 10000);
    v = R(v + (i.VRFRETE_SA + i.VRSEGURO_SA + i.VRDESPESA_SA + i.VRIPI_SA) * 10000);
    v = R(v - (i.VRDESCTO_SUFRAMA_SA + i.VRDESCTO_SUF_PIS_SA + i.VRDESCTO_SUF_COFINS_SA) * 10000);
    return v;
}

std::string ContaContabilItem(const core::Geracao& g, const std::string& cfop, const std::string& conta) {
    if (!conta.empty() && g.params.CONSIDERAR_COD_CONT_CADASTRO) return conta;
    // A primeira regra do CFOP em qualquer filial (a de menor código).
    const auto regra = g.caches->contaCfopMenorFilial.find(cfop);
    return regra == g.caches->contaCfopMenorFilial.end() || regra->second.empty() ? conta : regra->second;
}

void ProcessarItemSaida(core::Geracao& g, TDocumentoSaida& doc, const TItemSaida& item) {
    const TNotaSaida& ns = doc.nota;
    const double quantidade = QuantidadeItem(item);
    const bool c170 = (ns.MODELO_DOC_NS != "55" || g.params.GERAR_C170_SAI == "S") && !NotaConsumidor(ns);
    if (c170 && quantidade > 0) GerarC170Saida(g, doc, item);
    AcumularC190Saida(doc, item);
    // Os ajustes por item (débito do RET, ICMS repassado) entram aqui quando existirem.
    AcumularApuracaoICMS(g, {.origem = "C190",
                             .cfop = item.CFOP_SA,
                             .codSit = doc.codSit,
                             .valorDocumento = Dinheiro::DeDecimilesimos(R(item.VRICM_SA * 10000))});
    AcumularE510(g, item.CFOP_SA, CstCurto(item.CST_IPI_SA),
                 {.VL_CONT_IPI = Dinheiro::DeDecimilesimos(ValorOperacaoItem(doc, item)),
                  .VL_BC_IPI = Dinheiro::DeReal(item.BASECALCIPI_SA),
                  .VL_IPI = Dinheiro::DeReal(item.VRIPI_SA)});
    doc.quantidadeTotal += quantidade;
}

// A diferença de ICMS que a correção pôs numa linha do C190 também vai para a apuração.
static void AcumularCorrecaoC190(core::Geracao& g, const TDocumentoSaida& doc, const std::string& cfop,
                                 int64_t icms) {
    AcumularApuracaoICMS(
        g, {.origem = "C190", .cfop = cfop, .codSit = doc.codSit, .valorDocumento = Dinheiro::DeDecimilesimos(icms)});
}

void CorrigirC190Saida(core::Geracao& g, TDocumentoSaida& doc) {
    ResumoC190& c190 = doc.cdsRegC190;
    if (c190.empty()) return;
    const int64_t dBC = R(doc.nota.BICMS_NS * 10000 - static_cast<double>(doc.somaBaseIcms));
    const int64_t dICMS = R(doc.nota.VRICMS_NS * 10000 - static_cast<double>(doc.somaIcms));
    int64_t totBC = 0;
    for (const auto& [chave, linha] : c190) totBC += linha.VL_BC_ICMS;
    int64_t espalhadoBC = 0, espalhadoICMS = 0;
    if (totBC != 0)
        for (auto& [chave, linha] : c190) {
            const double parte = static_cast<double>(linha.VL_BC_ICMS) * 100 / static_cast<double>(totBC);
            const int64_t addBC = R(core::Arredondar(dBC * parte / 100 / 10000, 2) * 10000);
            const int64_t addICMS = R(core::Arredondar(dICMS * parte / 100 / 10000, 2) * 10000);
            espalhadoBC += addBC;
            espalhadoICMS += addICMS;
            linha.VL_BC_ICMS += addBC;
            linha.VL_ICMS += addICMS;
            AcumularCorrecaoC190(g, doc, std::get<1>(chave), addICMS);
        }
    const int64_t restoBC = dBC - espalhadoBC, restoICMS = dICMS - espalhadoICMS;
    if (restoBC == 0 && restoICMS == 0) return;
    auto& [chave, primeira] = *c190.begin();
    primeira.VL_BC_ICMS += restoBC;
    primeira.VL_ICMS += restoICMS;
    AcumularCorrecaoC190(g, doc, std::get<1>(chave), restoICMS);
}

}  // namespace blocks
