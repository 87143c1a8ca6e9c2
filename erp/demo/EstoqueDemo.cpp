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

// Valores que variam com o número sem sorteio: o mesmo banco a cada criação.
double Variar(int i, int modulo, double base, double passo) { return base + (i % modulo) * passo; }

void GravarMaterial(db::Consulta& estoque, db::Consulta& fechamento, db::Consulta& preco, int ano, int mprima, int i) {
    const double custo = Variar(i, 37, 2.5, 0.35);
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
    db::Consulta precoMaterial(tr, kInsertPrecoMPrima);
    for (int mprima = 501; mprima <= 504; ++mprima) GravarMaterial(estoque, fechamento, precoMaterial, ano, mprima, mprima);
    for (int i = 0; i < kMateriaisPorEscala * escala; ++i) {
        const int mprima = 10000 + i;
        material.Param("COD", mprima).Param("DESCR", fmt::format("CHAPA DE ACO {:05}", i));
        material.Param("TIPO", i % 5 == 0 ? "02" : "01").Param("CUSTO", Variar(i, 37, 2.5, 0.35)).Executar();
        GravarMaterial(estoque, fechamento, precoMaterial, ano, mprima, i);
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
    }
    // O produto das vendas também está em estoque, com o mesmo código de item.
    mover("1010", entrada, "E", "", "**", 1, 40);
    precoProduto.Param("PROD", "1010").Param("PRECO", 180.0).Param("PRECO_IR", 150.0).Executar();
    tr.Commit();
}

}  // namespace demo
