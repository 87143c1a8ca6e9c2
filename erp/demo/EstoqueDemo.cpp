#include "erp/demo/EstoqueDemo.h"

#include <fmt/format.h>

#include <string>

namespace demo {

namespace {

constexpr const char* kInsertMPrima =
    "insert into MPRIMA (COD_MP, DESC_MP, UN_MP, TIPO_FISCAL_MP, CNBM_MP, GENERO_MP, CODCONTABIL_MP, ICM_MP, "
    "PIS_MP, COFINS_MP, CUSTO_MP) values (:COD, :DESCR, 'KG', :TIPO, '72083990', '72', '11301', 18, 1.65, 7.6, :CUSTO)";
constexpr const char* kInsertEstoque =
    "insert into ESTOQUEMP (FILIAL_EP, MPRIMA_EP, CUSTO_EP) values (1, :MPRIMA, :CUSTO)";
constexpr const char* kInsertFechamento =
    "insert into ESTOQUEMP_MES (ANO_EM, MES_EM, FILIAL_EM, MPRIMA_EM, ESTOQUE_EM, PRMEDIOIMPOSTO_EM, PRCUSTO_EM, "
    "PRCOMPRA_EM, QTDE_COMPRA_EM) values (:ANO, 12, 1, :MPRIMA, :ESTOQUE, :MEDIO, :CUSTO, :COMPRA, :QTDE_COMPRA)";
constexpr const char* kInsertPrecoMPrima =
    "insert into TABELA_PRECOS_MPRIMAS (ID_TABELA_PRECOS_TM, MPRIMA_TM, COR_TM, TAM_TM, PRECO_TM, PRECO_IR_TM) "
    "values (1, :MPRIMA, '*', '*', :PRECO, :PRECO_IR)";
constexpr const char* kInsertProduto =
    "insert into PRODUTO (COD_PR, DESC_PR, DESCNF_PR, UN_PR, TIPO_FISCAL_PR, CNBM_PR, GENERO_PR, CODCONTABIL_PR) "
    "values (:COD, :DESCR, '', 'PC', '04', '73089010', '73', '11303')";
constexpr const char* kInsertMovimento =
    "insert into PROD_ESTOQUE_MOV (ID_MV, FILIAL_MV, DATA_MV, ENTSAI_MV, NUMERACAO_MV, GRADE_MV, MULTIPLICADOR_MV, "
    "PROD_MV, PADRON_MV, QTDE_MV) values (:ID, 1, :DATA, :ENTSAI, :NUMERACAO, :GRADE, :MULT, :PROD, '', :QTDE)";
constexpr const char* kInsertPrecoProduto =
    "insert into TABELA_PRECOS_PRODS (ID_TABELA_PRECOS_TP, PROD_TP, PADRON_TP, TAMANHO_TP, PRECO_TP, PRECO_IR_TP) "
    "values (2, :PROD, '', '', :PRECO, :PRECO_IR)";

// ICMS do item inventariado para os motivos 02 a 05: uma linha por item, para toda cor e tamanho.
constexpr const char* kInsertH020 =
    "insert into PRODUTO_MPRIMA_SPED_H020 (ID_PH, FILIAL_PH, MES_ANO_PH, PROD_PH, MPRIMA_PH, COR_PADRON_PH, "
    "TAMANHO_PH, CST_PH, BASE_ICMS_PH, VALOR_ICMS_PH, IND_PROP_ESTOQUE_PH) values (:ID, 1, :MES_ANO, :PROD, :MPRIMA, "
    "'*', '*', '000', :BASE, :ICMS, '0')";

// Valores que variam com o número sem sorteio: o mesmo banco a cada criação.
double Variar(int i, int modulo, double base, double passo) { return base + (i % modulo) * passo; }

// A linha é numerada pelo material ou, acima de 1.000.000, pelo produto.
void GravarH020(db::Consulta& h020, int ano, const std::string& prod, int mprima, double base) {
    h020.Param("ID", mprima > 0 ? mprima : 1000000 + std::stoi(prod)).Param("MES_ANO", fmt::format("12/{}", ano)).Param("PROD", prod).Param("MPRIMA", mprima);
    h020.Param("BASE", base).Param("ICMS", base * 0.18).Executar();
}

void GravarMaterial(db::Consulta& estoque, db::Consulta& fechamento, db::Consulta& preco, db::Consulta& h020, int ano,
                    int mprima, int i) {
    const double custo = Variar(i, 37, 2.5, 0.35);
    GravarH020(h020, ano, "", mprima, custo * 10);
    estoque.Param("MPRIMA", mprima).Param("CUSTO", custo).Executar();
    fechamento.Param("ANO", ano).Param("MPRIMA", mprima).Param("ESTOQUE", Variar(i, 53, 12, 7.25));
    fechamento.Param("MEDIO", custo * 1.12).Param("CUSTO", custo).Param("COMPRA", custo * 1.05);
    fechamento.Param("QTDE_COMPRA", Variar(i, 11, 500, 40)).Executar();
    preco.Param("MPRIMA", mprima).Param("PRECO", custo * 1.1).Param("PRECO_IR", custo).Executar();
}

}  // namespace

void CriarEstoqueDemo(db::Banco& erp, int ano, int escala) {
    db::Transacao tr(erp);
    db::Consulta(tr, "insert into TABELA_PRECOS (ID_TP, COD_TP) values (1, :COD)")
        .Param("COD", fmt::format("INVM12{}", ano))
        .Executar();
    db::Consulta(tr, "insert into TABELA_PRECOS (ID_TP, COD_TP) values (2, :COD)")
        .Param("COD", fmt::format("INV12{}", ano))
        .Executar();
    // Tamanhos P M G (TABELA 22) na grade 1 2 1 (TABELA 28).
    db::Consulta(tr, "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('22', '01', 'P M G')").Executar();
    db::Consulta(tr, "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('28', '01', '1 2 1')").Executar();

    db::Consulta material(tr, kInsertMPrima), estoque(tr, kInsertEstoque), fechamento(tr, kInsertFechamento);
    db::Consulta precoMaterial(tr, kInsertPrecoMPrima), h020(tr, kInsertH020);
    for (int mprima = 501; mprima <= 504; ++mprima)
        GravarMaterial(estoque, fechamento, precoMaterial, h020, ano, mprima, mprima);
    for (int i = 0; i < kMateriaisPorEscala * escala; ++i) {
        const int mprima = 10000 + i;
        material.Param("COD", mprima).Param("DESCR", fmt::format("CHAPA DE ACO {:05}", i));
        material.Param("TIPO", i % 5 == 0 ? "02" : "01").Param("CUSTO", Variar(i, 37, 2.5, 0.35)).Executar();
        GravarMaterial(estoque, fechamento, precoMaterial, h020, ano, mprima, i);
    }

    db::Consulta produto(tr, kInsertProduto), movimento(tr, kInsertMovimento), precoProduto(tr, kInsertPrecoProduto);
    const util::DataHora entrada = util::DataHora::Data(ano, 6, 10), saida = util::DataHora::Data(ano, 11, 20);
    int id = 0;
    auto mover = [&](const std::string& prod, const util::DataHora& data, const char* entsai, const char* numeracao,
                     const char* grade, int multiplicador, int quantidade) {
        movimento.Param("ID", ++id).Param("DATA", data).Param("ENTSAI", entsai).Param("NUMERACAO", numeracao);
        movimento.Param("GRADE", grade).Param("MULT", multiplicador).Param("PROD", prod).Param("QTDE", quantidade);
        movimento.Executar();
    };
    for (int i = 0; i < kProdutosPorEscala * escala; ++i) {
        const std::string prod = std::to_string(20000 + i);
        produto.Param("COD", prod).Param("DESCR", fmt::format("TERCA METALICA {:05}", i)).Executar();
        // Entrada por grade (P, M e G) e saída de parte do tamanho M.
        mover(prod, entrada, "E", "01", "01", 1, 10 + i % 20);
        mover(prod, saida, "S", "M", "**", 2, 1 + i % 5);
        precoProduto.Param("PROD", prod).Param("PRECO", Variar(i, 41, 35, 1.5)).Param("PRECO_IR", Variar(i, 41, 30, 1.5));
        precoProduto.Executar();
        GravarH020(h020, ano, prod, 0, Variar(i, 41, 35, 1.5) * 10);
    }
    // O produto das vendas também está em estoque, com o mesmo código de item.
    mover("1010", entrada, "E", "", "**", 1, 40);
    precoProduto.Param("PROD", "1010").Param("PRECO", 180.0).Param("PRECO_IR", 150.0).Executar();
    GravarH020(h020, ano, "1010", 0, 7200);
    tr.Commit();
}

}  // namespace demo
