// Notas de saída da demonstração, geradas por fórmula: cada nota é um tipo escolhido pelo seu
// número, com cinco itens de produtos acabados (ou de matérias-primas nas devoluções de compra).
#include "erp/demo/NotasSaidaDemo.h"

#include <fmt/format.h>

#include <cmath>
#include <string>

#include "util/Datas.h"

namespace demo {

using util::DataHora;

namespace {

enum class Tipo { Venda, Interestadual, Cancelada, Denegada, Modelo01, Nfce, Exportacao, DevolucaoMG, DevolucaoRJ, Difal };

// Um tipo por posição em cada bloco de 50 notas.
Tipo TipoDaNota(int i) {
    switch (i % 50) {
        case 0: return Tipo::Cancelada;
        case 25: return Tipo::Denegada;
        case 1: case 26: return Tipo::Modelo01;
        case 2: case 27: case 40: case 45: return Tipo::Nfce;
        case 3: return Tipo::Exportacao;
        case 4: return Tipo::DevolucaoMG;
        case 29: return Tipo::DevolucaoRJ;
        case 5: case 30: return Tipo::Difal;
        default: return i % 50 > 30 ? Tipo::Interestadual : Tipo::Venda;
    }
}

struct Destinatario {
    const char* tipo;
    int codigo;
    const char *cnpj, *uf, *cfop, *natoper;
};

Destinatario DestinatarioDe(Tipo t) {
    switch (t) {
        case Tipo::Interestadual: return {"C", 102, "43127594000109", "SP", "6101", "VENDA DE PRODUCAO"};
        case Tipo::Nfce: return {"C", 103, "39053344705", "MG", "5101", "VENDA A CONSUMIDOR"};
        case Tipo::Exportacao: return {"C", 104, "", "EX", "7101", "EXPORTACAO"};
        case Tipo::DevolucaoMG: return {"F", 201, "17227422000105", "MG", "5202", "DEVOLUCAO DE COMPRA"};
        case Tipo::DevolucaoRJ: return {"F", 202, "29384756000163", "RJ", "6202", "DEVOLUCAO DE COMPRA"};
        case Tipo::Difal: return {"C", 105, "11144477735", "RJ", "6108", "VENDA A NAO CONTRIBUINTE"};
        default: return {"C", 101, "21483916000110", "MG", "5101", "VENDA DE PRODUCAO"};
    }
}

struct Mercadoria {
    const char* produto;  // vazio: matéria-prima
    int mprima;
    const char *un, *descricao;
    double preco;
};
constexpr Mercadoria kProdutos[] = {{"1010", 0, "PC", "TRELICA METALICA", 850},
                                    {"1020", 0, "M", "TERCA GALVANIZADA Z", 42.5},
                                    {"1030", 0, "PC", "TELHA TRAPEZOIDAL", 120}};
constexpr Mercadoria kMateriasPrimas[] = {{"", 501, "KG", "BOBINA DE ACO", 7.8}, {"", 503, "L", "TINTA ESMALTE", 31.9}};

double Centavos(double v) { return std::round(v * 100) / 100; }
db::Decimal Dinheiro(double v) { return {std::llround(v * 100), 2}; }

std::string ChaveAcesso(const DataHora& emissao, const char* modelo, int numero) {
    return ChaveAcessoDemo("31", emissao, "17432896000180", modelo, 1, numero);
}

// Valores de um item e o que ele soma à nota.
struct ItemCalculado {
    const Mercadoria* m;
    double qtde, preco, merc, prreal, bicm, aliq, icms, baseSt, st, baseIpi, aliqIpi, ipi;
    std::string cst, cfop, cstIpi, cstPis;
    double aliqPis, aliqCofins;
};

ItemCalculado CalcularItem(Tipo t, const Destinatario& d, int i, int k) {
    const bool devolucao = t == Tipo::DevolucaoMG || t == Tipo::DevolucaoRJ;
    ItemCalculado c{};
    c.m = devolucao ? &kMateriasPrimas[(i + k) % 2] : &kProdutos[(i + k) % 3];
    c.qtde = 1 + (i * 7 + k * 3) % 10;
    if (devolucao) c.qtde *= 25;
    c.preco = c.m->preco;
    c.merc = Centavos(c.qtde * c.preco);
    c.cfop = d.cfop;
    c.cst = "000";
    c.aliq = std::string(d.uf) == "MG" ? 18 : 12;
    c.bicm = c.merc;
    c.cstIpi = "053";
    c.cstPis = "01";
    c.aliqPis = 1.65;
    c.aliqCofins = 7.6;
    // Cada item das vendas numa combinação própria de CST, CFOP e alíquota (um C190 para cada).
    const bool venda = t == Tipo::Venda, interestadual = t == Tipo::Interestadual;
    if (t == Tipo::Exportacao) {
        c.cst = "041";
        c.aliq = c.bicm = 0;
        c.cstPis = "08";
        c.aliqPis = c.aliqCofins = 0;
    } else if ((interestadual || t == Tipo::Difal) && k == 4) {
        c.cst = "100";  // mercadoria importada na revenda: 4% entre UFs
        c.aliq = 4;
    } else if ((venda || interestadual || t == Tipo::Modelo01) && k == 3) {
        c.cst = "020";
        c.bicm = Centavos(c.merc * 0.6111);
    } else if ((venda && k == 4) || (interestadual && k == 2)) {
        c.cst = "010";
        c.baseSt = Centavos(c.merc * 1.4);
        if (interestadual) c.cfop = "6401";
    } else if ((venda || t == Tipo::Modelo01 || t == Tipo::Nfce) && k == 2) {
        c.cfop = "5102";  // revenda
    } else if (interestadual && k == 1) {
        c.cfop = "6102";
    } else if (venda && k == 1) {
        c.aliq = 12;  // produto com alíquota reduzida
    } else if (t == Tipo::Nfce && k == 4) {
        c.cst = "060";
        c.cfop = "5405";
        c.aliq = c.bicm = 0;
    } else if (devolucao) {
        c.cstPis = "49";
    }
    c.icms = Centavos(c.bicm * c.aliq / 100);
    if (c.baseSt > 0) c.st = Centavos(c.baseSt * 0.18 - c.icms);
    if (t == Tipo::Interestadual || t == Tipo::Difal) {
        c.cstIpi = "050";
        c.baseIpi = c.merc;
        c.aliqIpi = 5;
        c.ipi = Centavos(c.merc * 0.05);
    }
    c.prreal = Centavos(c.merc + c.ipi);
    return c;
}

constexpr const char* kInsertNota =
    "insert into NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS, CLIFORREP_NS, CODIGO_NS, EMISSAO_NS, DTSAIDA_NS, "
    "MODELO_DOC_NS, SERFISC_NS, DOCTO_FISCAL_NS, CHAVE_NFE_NS, ESPECIE_DOC_NS, NUM_PROTOC_NFE_NS, TPNOTA_NS, "
    "SITUACAO_NS, CODSTATUS_NFE_NS, FINALIDADE_NFE_NS, CNPJ_NS, UF_NS, NATOPER_NS, CFOP_NS, VALOR_NS, VRMERC_NS, "
    "VRDESCTO_NS, VRDESCTOSUFRAMA_NS, VRDESCTOPIS_NS, VRDESCTOCOFINS_NS, VRFRETE_NS, VRSEGURO_NS, VRDESPESA_NS, "
    "BICMS_NS, VRICMS_NS, BSUBSTICM_NS, VALSUBSTICM_NS, VRIPI_NS, VALORPIS_NS, VALORCOFINS_NS, PRAZO_NS, "
    "NUMPARC_NS, INDPAG_XML_NS, TPFRETE_NS, TRANSP_NS, PLACA_NS, PLACA_UF_NS, QTVOLUME_NS, PESOB_NS, PESOL_NS) "
    "values (1, :DOC, '1', :TIPO, :CODIGO, :EMISSAO, :EMISSAO, :MODELO, '1', :NUMERO, :CHAVE, :ESPECIE, "
    ":PROTOCOLO, :TPNOTA, 'N', :STATUS, '1', :CNPJ, :UF, :NATOPER, :CFOP, :VALOR, :MERC, 0, 0, 0, 0, 0, 0, 0, "
    ":BICMS, :ICMS, :BST, :ST, :IPI, :PIS, :COFINS, :PRAZO, :PARCELAS, '', :FRETE, :TRANSP, :PLACA, :PLACA_UF, "
    ":VOLUMES, :PESOB, :PESOL)";

constexpr const char* kInsertItem =
    "insert into ITENSNS (FILIAL_SA, DOCTO_SA, SERIE_SA, ITEM_SA, DATA_SA, PROD_SA, COD_PROD_SA, COD_MPRIMA_SA, "
    "UN_SA, DESC_SA, INFAD_SA, QTDE_SA, QTDE_REAL_SA, PRECO_SA, PRREAL_SA, VRDESCTO_SA, VRDESCTO_SUFRAMA_SA, "
    "VRDESCTO_SUF_PIS_SA, VRDESCTO_SUF_COFINS_SA, VRFRETE_SA, VRSEGURO_SA, VRDESPESA_SA, CST_SA, CFOP_SA, BICM_SA, "
    "ALIQICM_SA, VRICM_SA, BASE_ICMS_SUBST_SA, ALIQ_ICMS_SUBST_SA, VALOR_ICMS_SUBST_SA, CST_IPI_SA, CODTRIB_IPI_SA, "
    "BASECALCIPI_SA, ALIQIPI_SA, VRIPI_SA, CST_PIS_SA, ALIQ_PIS_SA, VALOR_PIS_SA, CST_COFINS_SA, ALIQ_COFINS_SA, "
    "VALOR_COFINS_SA) values (1, :DOC, '1', :ITEM, :DATA, :PROD, :PROD, :MPRIMA, :UN, :DESCR, '', :QTDE, 0, "
    ":PRECO, :PRREAL, 0, 0, 0, 0, 0, 0, 0, :CST, :CFOP, :BICM, :ALIQ, :ICMS, :BST, :ALIQ_ST, :ST, :CST_IPI, '999', "
    ":BIPI, :ALIQ_IPI, :IPI, :CST_PIS, :ALIQ_PIS, :PIS, :CST_PIS, :ALIQ_COFINS, :COFINS)";

constexpr const char* kInsertDifal =
    "insert into ITENSNS_ICMS_DIFAL (FILIAL_ID, DOCTO_ID, SERIE_ID, ITEM_ID, BASE_ICMS_UF_DEST_ID, "
    "ALIQ_ICMS_UF_DEST_ID, VALOR_FUNDO_COMB_POB_ID, VALOR_ICMS_UF_DEST_ID, VALOR_ICMS_UF_REMET_ID) "
    "values (1, :DOC, '1', :ITEM, :BASE, 20, :FCP, :DEST, 0)";

}  // namespace

std::string ChaveAcessoDemo(const char* uf, const DataHora& emissao, const std::string& cnpj, const char* modelo,
                            int serie, int numero) {
    std::string c = fmt::format("{}{:02}{:02}{}{}{:03}{:09}1{:08}", uf, emissao.ano % 100, emissao.mes, cnpj, modelo,
                                serie, numero, numero * 7 % 100000000);
    int soma = 0, peso = 2;
    for (auto it = c.rbegin(); it != c.rend(); ++it) {
        soma += (*it - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return c + std::to_string(resto < 2 ? 0 : 11 - resto);
}

ItemVendido ItemVendidoDemo(int numero, int item) {
    const int i = numero - 1, k = item - 1;
    const Tipo t = TipoDaNota(i);
    const ItemCalculado c = CalcularItem(t, DestinatarioDe(t), i, k);
    return {c.m->produto, c.m->un, c.qtde, c.preco, c.aliq};
}

void CriarNotasSaidaDemo(db::Banco& erp, const DataHora& mes, int escala) {
    db::Transacao tr(erp);
    db::Consulta nota(tr, kInsertNota), item(tr, kInsertItem), difal(tr, kInsertDifal);
    const int total = kNotasPorEscala * escala;
    const int dias = util::DiasNoMes(mes.ano, mes.mes);
    for (int i = 0; i < total; ++i) {
        const int numero = i + 1;
        const Tipo t = TipoDaNota(i);
        const Destinatario d = DestinatarioDe(t);
        const char* modelo = t == Tipo::Modelo01 ? "01" : t == Tipo::Nfce ? "65" : "55";
        const DataHora emissao = DataHora::Data(mes.ano, mes.mes, 1 + static_cast<int>(int64_t{i} * dias / total))
                                     .ComHora(8 + i % 10, i % 60, 0);
        double merc = 0, bicms = 0, icms = 0, bst = 0, st = 0, ipi = 0;
        for (int k = 0; k < kItensPorNota; ++k) {
            const ItemCalculado c = CalcularItem(t, d, i, k);
            item.Param("DOC", numero).Param("ITEM", k + 1).Param("DATA", emissao);
            if (c.m->mprima) {
                item.ParamNulo("PROD").Param("MPRIMA", c.m->mprima);
            } else {
                item.Param("PROD", c.m->produto).ParamNulo("MPRIMA");
            }
            item.Param("UN", c.m->un).Param("DESCR", c.m->descricao).Param("QTDE", db::Decimal{std::llround(c.qtde), 0});
            item.Param("PRECO", Dinheiro(c.preco)).Param("PRREAL", Dinheiro(c.prreal)).Param("CST", c.cst);
            item.Param("CFOP", c.cfop).Param("BICM", Dinheiro(c.bicm)).Param("ALIQ", Dinheiro(c.aliq));
            item.Param("ICMS", Dinheiro(c.icms)).Param("BST", Dinheiro(c.baseSt)).Param("ST", Dinheiro(c.st));
            item.Param("ALIQ_ST", Dinheiro(c.baseSt > 0 ? 18 : 0)).Param("CST_IPI", c.cstIpi);
            item.Param("BIPI", Dinheiro(c.baseIpi)).Param("ALIQ_IPI", Dinheiro(c.aliqIpi)).Param("IPI", Dinheiro(c.ipi));
            item.Param("CST_PIS", c.cstPis).Param("ALIQ_PIS", Dinheiro(c.aliqPis));
            item.Param("PIS", Dinheiro(c.merc * c.aliqPis / 100)).Param("ALIQ_COFINS", Dinheiro(c.aliqCofins));
            item.Param("COFINS", Dinheiro(c.merc * c.aliqCofins / 100));
            item.Executar();
            if (t == Tipo::Difal) {
                difal.Param("DOC", numero).Param("ITEM", k + 1).Param("BASE", Dinheiro(c.merc + c.ipi));
                difal.Param("FCP", Dinheiro((c.merc + c.ipi) * 0.02));
                difal.Param("DEST", Dinheiro((c.merc + c.ipi) * (20 - c.aliq) / 100));  // 20% na UF de destino
                difal.Executar();
            }
            merc += c.merc;
            bicms += c.bicm;
            icms += c.icms;
            bst += c.baseSt;
            st += c.st;
            ipi += c.ipi;
        }
        const bool comPis = t != Tipo::Exportacao;
        nota.Param("DOC", numero).Param("TIPO", d.tipo).Param("CODIGO", d.codigo).Param("EMISSAO", emissao);
        nota.Param("MODELO", modelo).Param("NUMERO", fmt::format("{:06}", numero));
        nota.Param("CHAVE", t == Tipo::Modelo01 ? std::string() : ChaveAcesso(emissao, modelo, numero));
        nota.Param("ESPECIE", t == Tipo::Modelo01 ? "NF" : "NFE").Param("PROTOCOLO", fmt::format("13124{:010}", numero));
        nota.Param("TPNOTA", t == Tipo::Cancelada ? "C" : "S").Param("STATUS", t == Tipo::Denegada ? "110" : "100");
        nota.Param("CNPJ", d.cnpj).Param("UF", d.uf).Param("NATOPER", d.natoper).Param("CFOP", d.cfop);
        nota.Param("VALOR", Dinheiro(merc + ipi + st)).Param("MERC", Dinheiro(merc)).Param("BICMS", Dinheiro(bicms));
        nota.Param("ICMS", Dinheiro(icms)).Param("BST", Dinheiro(bst)).Param("ST", Dinheiro(st));
        nota.Param("IPI", Dinheiro(ipi)).Param("PIS", Dinheiro(comPis ? merc * 0.0165 : 0));
        nota.Param("COFINS", Dinheiro(comPis ? merc * 0.076 : 0));
        nota.Param("PRAZO", i % 3 == 0 ? "A VISTA" : "30/60/90 DIAS").Param("PARCELAS", i % 3 == 0 ? 0 : 3);
        const bool transportadora = t == Tipo::Modelo01;
        nota.Param("FRETE", transportadora ? "1" : "9").Param("TRANSP", transportadora ? 203 : 0);
        nota.Param("PLACA", transportadora ? "HMG4C21" : "").Param("PLACA_UF", transportadora ? "MG" : "");
        nota.Param("VOLUMES", db::Decimal{transportadora ? 12 : 0, 0});
        nota.Param("PESOB", Dinheiro(transportadora ? merc / 10 : 0)).Param("PESOL", Dinheiro(transportadora ? merc / 11 : 0));
        nota.Executar();
        if (numero % 20000 == 0) tr.CommitRetaining();
    }
    tr.Commit();
}

}  // namespace demo
