// Código e descrição de faturamento: as regras de cada agrupamento, a lista de filiais e o item de
// estoque procurado ou criado.
#include <gtest/gtest.h>

#include "blocks/bloco0/ProdutoFat.h"
#include "tests/blocks/NotasEntradaTeste.h"

namespace {

using blocks::TDadosFaturamento;
using blocks::TRegrasFaturamento;

TEST(MontarCodigoFaturamento, RegrasDeCadaAgrupamento) {
    struct Caso {
        const char *nome, *agrupamento, *padronizacao, *tamanho, *barras, *empresa;
        bool comCodigo;
        int mprima;
        const char *codigo, *descricao;
    };
    const Caso kCasos[] = {
        {"sem padronização", "PRODPADTAM", "", "", "", "", true, 0, "1234", "TRELICA"},
        {"padronização colada", "PRODPAD", "05", "38", "", "", true, 0, "123405", "TRELICA AZUL"},
        {"padronização com ponto", "PRODPAD", "05", "", "", "", true, 7, "1234.05", "TRELICA AZUL"},
        {"tamanho", "PRODPADTAM", "05", "38", "", "", true, 0, "1234.05.38", "TRELICA AZUL 38"},
        {"tamanho só na descrição", "PRODPADTAMST", "05", "38", "", "", true, 0, "1234.05", "TRELICA AZUL 38"},
        {"código de barras", "PRODPADTAMCB", "05", "38", "7891234567895", "", false, 0, "7891234567895",
         "TRELICA AZUL 38"},
        {"barras de KIVO", "PRODPADTAMCB", "05", "38", "7891234567895", "KIVO", true, 0, "7891234567895",
         "TRELICA AZUL 38 REF 1234"},
        {"sem barras", "PRODPADTAMCB", "05", "38", "", "", true, 0, "1234.05.38", "TRELICA AZUL 38"},
        {"referência sem código", "PRODPADTAMREF", "05", "38", "", "", false, 0, "1234.05.38", "TRELICA AZUL 38"},
        {"referência", "PRODPADTAMREF", "05", "38", "", "", true, 0, "1234.05.38",
         "TRELICA AZUL 38 REF 1234.05.38"},
        {"referência de LUMDRA", "PRODPADTAMREF", "05", "38", "", "LUMDRA", true, 0, "1234.05.38",
         "TRELICA AZUL NUM.38 REF 1234.05.38"},
    };
    for (const Caso& c : kCasos) {
        const TRegrasFaturamento regras{.agrupamento = c.agrupamento, .descricaoComCodigo = c.comCodigo,
                                        .empresa = c.empresa};
        const TDadosFaturamento d{.produto = "1234", .padronizacao = c.padronizacao, .tamanho = c.tamanho,
                                  .codigoBarras = c.barras, .descProduto = "TRELICA", .descPadronizacao = "AZUL",
                                  .mprima = c.mprima};
        std::string codigo, descricao;
        blocks::MontarCodigoFaturamento(regras, d, codigo, descricao);
        EXPECT_EQ(codigo, c.codigo) << c.nome;
        EXPECT_EQ(descricao, c.descricao) << c.nome;
    }
}

TEST(FilialNaLista, NumeroInteiroEntreVirgulas) {
    EXPECT_TRUE(blocks::FilialNaLista("", 2));
    EXPECT_TRUE(blocks::FilialNaLista("1,3", 3));
    EXPECT_FALSE(blocks::FilialNaLista("1,3", 2));
    EXPECT_FALSE(blocks::FilialNaLista("13", 1));
}

class ProdutoFatTest : public ::testing::Test, public teste::NotasEntradaTeste {
protected:
    ProdutoFatTest() {
        erp.Executar("UPDATE FILIAL SET EMISNOTA_FORMA_AGRUP_ITENS_FI = 'PRODPADTAM';"
                     "INSERT INTO PADRONIZ_PRODUTO (PROD_PP, PADRONIZ_PP, DESC_PP) VALUES ('1010', '05', 'AZUL');"
                     "INSERT INTO PARAM (GRUPO_PA, PARAM_PA, VALOR_PA) VALUES ('EMISNOTA', 'GERAR_DESC_PROD_ITEM_EST', "
                     "'S');");
        params.FORMA_AGRUP_ITENS = "PRODPADTAM";
    }
    std::vector<std::string> ItensEstoque() {
        std::vector<std::string> r;
        db::Transacao tr(erp.banco());
        db::Consulta q(tr, "select CODIGO_PI || '|' || PADRON_PI || '|' || TAMANHO_PI || '|' || DESCRICAO_PI || '|' "
                           "|| STATUS_PI || '|' || USUARIO_INCLUSAO_PI from PROD_ITEM_ESTOQUE order by ID_PI");
        while (q.Proximo()) r.push_back(q.NaPosicao(0).Texto());
        return r;
    }
    // Uma execução com uma etapa que pede os códigos dados.
    std::vector<std::string> Codigos(std::vector<std::array<const char*, 3>> pedidos) {
        std::vector<std::string> codigos;
        Gerar({{"códigos", [&](core::Geracao& g) {
                    for (const auto& [produto, padronizacao, tamanho] : pedidos)
                        codigos.push_back(blocks::CodigoFaturamento(g, produto, padronizacao, "", tamanho));
                }}});
        return codigos;
    }
};

TEST_F(ProdutoFatTest, CriaOItemDeEstoqueUmaVezEReaproveitaOExistente) {
    EXPECT_EQ(Codigos({{"1010", "05", "38"}, {"1010", "05", "38"}, {"1010", "", "40"}}),
              (std::vector<std::string>{"1010.05.38", "1010.05.38", "1010"}));
    EXPECT_EQ(ItensEstoque(), (std::vector<std::string>{"1010.05.38|05|38|TRELICA AZUL 38|A|AUTOMATICO",
                                                        "1010|*|*|TRELICA|A|AUTOMATICO"}))
        << "o segundo pedido viu o item criado pelo primeiro; o tamanho sem padronização é ignorado";

    // Item existente com descrição vazia: reaproveitado, nada novo.
    erp.Executar("UPDATE PROD_ITEM_ESTOQUE SET DESCRICAO_PI = '' WHERE CODIGO_PI = '1010'");
    Codigos({{"1010", "", ""}});
    EXPECT_EQ(ItensEstoque().size(), 2u);
}

TEST_F(ProdutoFatTest, ItemCriadoFicaMesmoQuandoAGeracaoFalha) {
    EXPECT_THROW(Gerar({{"códigos e falha",
                         [](core::Geracao& g) {
                             blocks::CodigoFaturamento(g, "1010", "05", "", "38");
                             throw std::runtime_error("falha depois do item");
                         }}}),
                 std::exception);
    EXPECT_EQ(ItensEstoque().size(), 1u);
}

TEST_F(ProdutoFatTest, FilialNaoInformadaFalha) {
    params.FILIAL = 0;
    EXPECT_THROW(Codigos({{"1010", "05", "38"}}), std::exception);
}

TEST_F(ProdutoFatTest, CodigoCadastradoNaoCriaItemEDependeDaFilial) {
    erp.Executar("INSERT INTO PRODUTO_COD_DESC_FAT (GRUPO_CL_PF, PRODUTO_PF, PADRONIZ_PF, TAM_PF, COD_FATUR_PF, "
                 "DESC_FATUR_PF) VALUES ('', '1010', '05', '38', 'TR-AZ-38', 'TRELICA AZUL NUM 38');"
                 "INSERT INTO PARAM (GRUPO_PA, PARAM_PA, VALOR_PA) VALUES ('EMISNOTA', 'FILIAL_GERAR_COD_DESC_FAT', "
                 "'2,3');");
    EXPECT_EQ(Codigos({{"1010", "05", "38"}}), std::vector<std::string>{"1010.05.38"}) << "filial 1 fora da lista";
    erp.Executar("DELETE FROM PROD_ITEM_ESTOQUE; UPDATE PARAM SET VALOR_PA = '1,3' WHERE PARAM_PA = "
                 "'FILIAL_GERAR_COD_DESC_FAT'");
    EXPECT_EQ(Codigos({{"1010", "05", "38"}}), std::vector<std::string>{"TR-AZ-38"});
    EXPECT_TRUE(ItensEstoque().empty());
    EXPECT_EQ(blocks::DescricaoFaturamento(g, "1010", "05"), "TRELICA AZUL NUM 38");
    EXPECT_EQ(blocks::DescricaoFaturamento(g, "1010", "06"), "");
}

}  // namespace
