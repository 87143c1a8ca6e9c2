// Notas de entrada da demonstração, geradas por fórmula: cada nota é um tipo escolhido pelo seu
// número, com itens de matéria-prima (ENTRADAMP) ou de produto acabado por tamanho (ENTRADAPROD).
#include "erp/demo/EntradasDemo.h"

#include <fmt/format.h>

#include <cmath>
#include <string>
#include <vector>

#include "erp/demo/NotasSaidaDemo.h"
#include "util/Datas.h"

namespace demo {

using util::DataHora;

namespace {

enum class Tipo { CompraMG, CompraRJ, Importacao, DevolucaoDifal, DevolucaoProduto, Propria, Cancelada, Cte, Energia };

// Um tipo por posição em cada bloco de 100 notas.
Tipo TipoDaEntrada(int i) {
    switch (i % 100) {
        case 0: return Tipo::Cancelada;
        case 10: return Tipo::Importacao;
        case 20: return Tipo::DevolucaoDifal;
        case 30: case 31: case 32: return Tipo::DevolucaoProduto;
        case 40: case 41: return Tipo::Propria;
        case 50: case 51: case 52: case 53: return Tipo::Cte;
        case 60: case 61: return Tipo::Energia;
        default: return i % 100 >= 70 ? Tipo::CompraRJ : Tipo::CompraMG;
    }
}

double Centavos(double v) { return std::round(v * 100) / 100; }
db::Decimal Dinheiro(double v) { return {std::llround(v * 100), 2}; }

// Uma linha de item; 'produto' preenchido vai para o caminho do produto acabado.
struct Linha {
    int item = 1, mprima = 0;
    std::string produto{}, padron{}, tamanho{}, un{}, cst = "000", cfop{}, cstIpi{}, cfisIpi = "3", codFornec{}, infAdic{};
    double qtde = 0, preco = 0, aliq = 18, reducao = 0, aliqIpi = 0;
    int nfDevol = 0;
};

struct Nota {
    std::string tpdoc = "NFE", serie = "1", clifor = "F", emitente = "N", sitDoc, cfop, uf = "31", cnpj;
    int fornec = 0;
    double vrSt = 0;
    bool produtoAcabado = false;  // itens em ENTRADAPROD
    std::vector<Linha> linhas;
};

Nota MontarNota(Tipo t, int i) {
    Nota n;
    const int v = i % 7;  // variação das quantidades
    auto compraMG = [&] {
        n.fornec = 201, n.cfop = "1101", n.cnpj = "17227422000105";
        n.linhas = {{.item = 1, .mprima = 501, .un = "KG", .cfop = "1101", .codFornec = "BQ-2.00",
                     .infAdic = "LOTE 24-" + std::to_string(100 + v), .qtde = 1000.0 + 250 * v, .preco = 7.8},
                    {.item = 2, .mprima = 502, .un = "BR", .cst = "020", .cfop = "1101", .qtde = 20.0 + v,
                     .preco = 190, .reducao = 0.3889},
                    // Parafusos de duas bitolas na mesma linha do pedido: sem grade, viram um item só.
                    {.item = 3, .mprima = 504, .tamanho = "M10", .un = "PC", .cst = "090", .cfop = "1556",
                     .qtde = 500, .preco = 0.35, .aliq = 0},
                    {.item = 3, .mprima = 504, .tamanho = "M8", .un = "PC", .cst = "090", .cfop = "1556",
                     .qtde = 300, .preco = 0.35, .aliq = 0}};
    };
    switch (t) {
        case Tipo::CompraMG: compraMG(); break;
        case Tipo::Cancelada:
            compraMG();
            n.sitDoc = "02", n.vrSt = 35.2;  // ST destacado numa nota que depois foi cancelada
            break;
        case Tipo::CompraRJ:
            n.fornec = 202, n.cfop = "2101", n.uf = "33", n.cnpj = "29384756000112";
            n.linhas = {{.item = 1, .mprima = 503, .un = "L", .cfop = "2101", .cfisIpi = "0", .qtde = 180.0 + 18 * v,
                         .preco = 31.9, .aliq = 12, .aliqIpi = 5},
                        {.item = 2, .mprima = 503, .un = "L", .cst = "020", .cfop = "2101", .cstIpi = "000",
                         .qtde = 36, .preco = 29.5, .aliq = 12, .reducao = 0.2, .aliqIpi = 5}};
            if (i % 10 == 5) n.vrSt = 118.4;  // tinta com ST destacado pelo fornecedor
            break;
        case Tipo::Importacao:  // a nota de importação é emitida pela própria filial
            n.fornec = 204, n.cfop = "3101", n.emitente = "S", n.serie = "2";
            n.linhas = {{.item = 1, .mprima = 503, .un = "L", .cst = "100", .cfop = "3101", .cstIpi = "00",
                         .qtde = 900, .preco = 22.4, .aliqIpi = 10}};
            break;
        case Tipo::DevolucaoDifal: {
            // A consumidora do RJ devolve o primeiro item de uma venda com partilha do ICMS.
            const int venda = 6 + 50 * (i / 100);
            const ItemVendido vendido = ItemVendidoDemo(venda, 1);
            n.fornec = 105, n.clifor = "C", n.cfop = "2202";
            n.emitente = "S", n.serie = "2";  // nota de entrada emitida pela filial para a pessoa física
            n.linhas = {{.item = 1, .produto = vendido.produto, .un = vendido.un, .cfop = "2202", .cstIpi = "50",
                         .qtde = vendido.qtde, .preco = vendido.preco, .aliq = vendido.aliqIcms, .aliqIpi = 5,
                         .nfDevol = venda}};
            break;
        }
        case Tipo::DevolucaoProduto:
            n.fornec = 101, n.clifor = "C", n.cfop = "1202", n.cnpj = "21483916000107", n.produtoAcabado = true;
            n.linhas = {{.item = 1, .produto = "1010", .padron = "05", .tamanho = "6M", .un = "PC", .cfop = "1202",
                         .cstIpi = "99", .qtde = 2, .preco = 850},
                        {.item = 1, .produto = "1010", .padron = "05", .tamanho = "12M", .un = "PC", .cfop = "1202",
                         .cstIpi = "99", .qtde = 1, .preco = 850},
                        {.item = 2, .produto = "1020", .un = "M", .cst = "020", .cfop = "1202",
                         .cstIpi = "99", .qtde = 40, .preco = 42.5, .reducao = 0.3889}};
            break;
        case Tipo::Propria:  // retorno de material, nota emitida pela filial
            n.fornec = 201, n.cfop = "1949", n.emitente = "S", n.serie = "2";
            n.linhas = {{.item = 1, .mprima = 501, .un = "KG", .cst = "041", .cfop = "1949", .cfisIpi = "9",
                         .qtde = 120, .preco = 7.8, .aliq = 0}};
            break;
        case Tipo::Cte: n.tpdoc = "CTE", n.fornec = 203, n.cfop = "1352", n.cnpj = "05871336000190"; break;
        case Tipo::Energia: n.tpdoc = "NFEE", n.fornec = 205, n.cfop = "1253", n.cnpj = "06981180000116"; break;
    }
    return n;
}

constexpr const char* kInsertNota =
    "insert into NOTAENT (FILIAL_NE, FORNEC_NE, DOCTO_NE, SERIE_NE, CLIFOR_NE, EMISSAO_NE, ENTRADA_NE, TPDOC_NE, "
    "SERFISC_NE, DOCTO_FISCAL_NE, CHAVE_NFE_NE, EMITENTE_NE, SIT_DOC_NE, FINALIDADE_NFE_NE, NATOPER_NE, "
    "DESC_NATOPER_NE, VALOR_NE, VRDESCTO_NE, VRFRETE_NE, VRSEGURO_NE, VRDESPESA_NE, BICM_NE, VRICM_NE, "
    "BICMSSUBST_NE, VRICMSSUBST_NE, VRIPI_NE, PRAZO_NE, NUMPARCELAS_NE, INDPAG_XML_NE, TPFRETE_NE, CFISIPI_NE) "
    "values (1, :FORNEC, :DOC, :SERIE, :CLIFOR, :EMISSAO, :ENTRADA, :TPDOC, :SERIE, :NUMERO, :CHAVE, :EMITENTE, "
    ":SIT, '1', :CFOP, '', :VALOR, 0, 0, 0, 0, :BICM, :ICMS, :BST, :ST, :IPI, '30/60 DIAS', 2, '', '2', '3')";

constexpr const char* kInsertMPrima =
    "insert into ENTRADAMP (FILIAL_EMP, FORNEC_EMP, DOCTO_EMP, SERIE_EMP, ITEM_EMP, DATA_EMP, MPRIMA_EMP, PROD_EMP, "
    "TAMANHO_EMP, UN_COMERCIAL_EMP, QTDE_COMERCIAL_EMP, QTDE_EMP, PRECO_EMP, PRREAL_EMP, CST_EMP, CFOP_EMP, "
    "BASEICM_EMP, ICMS_EMP, VRICM_EMP, CST_IPI_EMP, CFISIPI_EMP, BASEIPI_EMP, IPI_EMP, VRIPI_EMP, CST_PIS_EMP, "
    "ALIQ_PIS_EMP, VALOR_PIS_EMP, CST_COFINS_EMP, ALIQ_COFINS_EMP, VALOR_COFINS_EMP, ATUEST_EMP, INFADIC_EMP, "
    "CODMPFORNEC_EMP, FILIALNFDEVOL_EMP, NFDEVOL_EMP, SERIENFDEVOL_EMP, ITEMNFDEVOL_EMP) values (1, :FORNEC, :DOC, "
    ":SERIE, :ITEM, :DATA, :MPRIMA, :PROD, :TAM, :UN, :QTDE, :QTDE, :PRECO, :PRREAL, :CST, :CFOP, :BICM, :ALIQ, "
    ":ICMS, :CST_IPI, :CFIS_IPI, :BIPI, :ALIQ_IPI, :IPI, '50', 1.65, :PIS, '50', 7.6, :COFINS, 'S', :INFADIC, "
    ":COD_FORNEC, :FIL_DEVOL, :NF_DEVOL, :SER_DEVOL, :ITEM_DEVOL)";

constexpr const char* kInsertProduto =
    "insert into ENTRADAPROD (FILIAL_EP, FORNEC_EP, DOCTO_EP, SERIE_EP, ITEM_EP, TAMANHO_EP, DATA_EP, PRODUTO_EP, "
    "PADRONIZ_EP, QTDE_EP, PRECO_EP, PRREAL_EP, CST_EP, CFOP_EP, BASEICM_EP, ICMS_EP, VRICM_EP, CST_IPI_EP, "
    "BASEIPI_EP, IPI_EP, VRIPI_EP, CST_PIS_EP, CST_COFINS_EP, ALIQ_PIS_EP, ALIQ_COFINS_EP, VALOR_PIS_EP, "
    "VALOR_COFINS_EP) values (1, :FORNEC, :DOC, :SERIE, :ITEM, :TAM, :DATA, :PROD, :PADRON, :QTDE, :PRECO, "
    ":PRREAL, :CST, :CFOP, :BICM, :ALIQ, :ICMS, :CST_IPI, 0, 0, 0, '98', '98', 0, 0, 0, 0)";

}  // namespace

void CriarEntradasDemo(db::Banco& erp, const DataHora& mes, int escala) {
    db::Transacao tr(erp);
    db::Consulta nota(tr, kInsertNota), mprima(tr, kInsertMPrima), produto(tr, kInsertProduto);
    const int total = kEntradasPorEscala * escala;
    const int dias = util::DiasNoMes(mes.ano, mes.mes);
    for (int i = 0; i < total; ++i) {
        const int numero = 50001 + i;
        const Tipo t = TipoDaEntrada(i);
        const Nota n = MontarNota(t, i);
        const int dia = 1 + static_cast<int>(int64_t{i} * dias / total);
        const DataHora entrada = DataHora::Data(mes.ano, mes.mes, dia).ComHora(7 + i % 10, i % 60, 0);
        const DataHora emissao = DataHora::Data(mes.ano, mes.mes, dia > 1 ? dia - 1 : 1);
        double valor = 0, bicm = 0, icms = 0, ipi = 0;
        for (const Linha& l : n.linhas) {
            const double merc = Centavos(l.qtde * l.preco);
            const double base = l.aliq > 0 ? Centavos(merc * (1 - l.reducao)) : 0;
            const double vIcms = Centavos(base * l.aliq / 100), vIpi = Centavos(merc * l.aliqIpi / 100);
            db::Consulta& q = n.produtoAcabado ? produto : mprima;
            q.Param("FORNEC", n.fornec).Param("DOC", numero).Param("SERIE", n.serie).Param("ITEM", l.item);
            q.Param("DATA", entrada).Param("PROD", l.produto).Param("TAM", l.tamanho);
            q.Param("QTDE", Dinheiro(l.qtde)).Param("PRECO", Dinheiro(l.preco)).Param("PRREAL", Dinheiro(merc + vIpi));
            q.Param("CST", l.cst).Param("CFOP", l.cfop).Param("BICM", Dinheiro(base)).Param("ALIQ", Dinheiro(l.aliq));
            q.Param("ICMS", Dinheiro(vIcms)).Param("CST_IPI", l.cstIpi);
            if (n.produtoAcabado) {
                q.Param("PADRON", l.padron);
            } else {
                if (l.mprima) q.Param("MPRIMA", l.mprima); else q.ParamNulo("MPRIMA");
                q.Param("UN", l.un).Param("CFIS_IPI", l.cfisIpi).Param("BIPI", Dinheiro(l.aliqIpi > 0 ? merc : 0));
                q.Param("ALIQ_IPI", Dinheiro(l.aliqIpi)).Param("IPI", Dinheiro(vIpi));
                q.Param("PIS", Dinheiro(merc * 0.0165)).Param("COFINS", Dinheiro(merc * 0.076));
                q.Param("INFADIC", l.infAdic).Param("COD_FORNEC", l.codFornec);
                q.Param("FIL_DEVOL", l.nfDevol ? 1 : 0).Param("NF_DEVOL", l.nfDevol);
                q.Param("SER_DEVOL", l.nfDevol ? "1" : "").Param("ITEM_DEVOL", l.nfDevol ? 1 : 0);
            }
            q.Executar();
            valor += merc + vIpi, bicm += base, icms += vIcms, ipi += vIpi;
        }
        const bool conhecimento = t == Tipo::Cte || t == Tipo::Energia;
        if (conhecimento) valor = 1850 + 10 * (i % 13), bicm = valor, icms = Centavos(valor * 0.18);
        const char* modelo = t == Tipo::Cte ? "57" : t == Tipo::Energia ? "66" : "55";
        nota.Param("FORNEC", n.fornec).Param("DOC", numero).Param("SERIE", n.serie).Param("CLIFOR", n.clifor);
        nota.Param("EMISSAO", emissao).Param("ENTRADA", entrada).Param("TPDOC", n.tpdoc);
        nota.Param("NUMERO", fmt::format("{:06}", numero));
        const bool propria = n.emitente == "S";  // a chave é da filial, em MG
        nota.Param("CHAVE", ChaveAcessoDemo(propria ? "31" : n.uf.c_str(), emissao, propria ? "17432896000180" : n.cnpj,
                                            modelo, std::stoi(n.serie), numero));
        nota.Param("EMITENTE", n.emitente).Param("SIT", n.sitDoc).Param("CFOP", n.cfop);
        nota.Param("VALOR", Dinheiro(valor + n.vrSt)).Param("BICM", Dinheiro(bicm)).Param("ICMS", Dinheiro(icms));
        nota.Param("BST", Dinheiro(n.vrSt > 0 ? n.vrSt / 0.18 : 0)).Param("ST", Dinheiro(n.vrSt));
        nota.Param("IPI", Dinheiro(ipi));
        nota.Executar();
        if (numero % 20000 == 0) tr.CommitRetaining();
    }
    tr.Commit();
}

}  // namespace demo
