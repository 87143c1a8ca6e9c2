// Tipos fiscais do inventário: a pré-seleção ao carregar e o filtro montado da escolha.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "app/validacao/TiposFiscais.h"
#include "tests/support/BancoTeste.h"

namespace {

using app::ListaTiposFiscais;
using app::TTipoFiscal;

class TiposFiscaisTest : public ::testing::Test {
protected:
    void SetUp() override {
        bd.Executar(
            "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('TF', '04', 'PRODUTO ACABADO');"
            "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('TF', '01', 'MATERIA PRIMA');"
            "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('TF', '05', 'SUBPRODUTO');"
            "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('TF', '2', 'AVULSO');"
            "insert into TABELA (NUM_TA, COD_TA, DESC_TA) values ('07', 'UN', 'UNIDADE');");
    }
    teste::BancoErpTeste bd;
};

// Códigos na ordem da lista, com "*" nos marcados.
std::string Marcados(const ListaTiposFiscais& tipos) {
    std::string texto;
    for (const TTipoFiscal& t : tipos)
        texto += (texto.empty() ? "" : " ") + t.COD_TA + (t.SELEC ? "*" : "");
    return texto;
}

TEST_F(TiposFiscaisTest, CarregarMarcaPorTrechoDaSelecaoSalva) {
    struct Caso {
        const char* selecaoSalva;
        const char* esperado;
    };
    const Caso kCasos[] = {
        // Sem seleção salva vale "01-02-03-04"; o "2" cai dentro do "02".
        {"", "2* 01* 04* 05"},
        {"04-05", "2 01 04* 05*"},
        {"01", "2 01* 04 05"},
    };
    db::Transacao tr(bd.banco());
    for (const auto& c : kCasos)
        EXPECT_EQ(Marcados(app::CarregarTiposFiscais(tr, c.selecaoSalva)), c.esperado)
            << c.selecaoSalva;
    EXPECT_EQ(app::CarregarTiposFiscais(tr, "")[1].DESC_TA, "MATERIA PRIMA");
}

// A lista toda, com SELEC só nos códigos dados.
ListaTiposFiscais Escolhidos(std::initializer_list<std::string_view> codigos) {
    ListaTiposFiscais tipos;
    for (const char* c : {"01", "02", "04", "05", "06", "A'B"})
        tipos.push_back({c, "", std::find(codigos.begin(), codigos.end(), c) != codigos.end()});
    return tipos;
}

TEST(FiltroTiposFiscaisTest, ListaEIndicadores) {
    struct Caso {
        const char* nome;
        ListaTiposFiscais tipos;
        const char* produtoAcabado;
        const char* lista;
        bool produto, materiaPrima;
    };
    const Caso kCasos[] = {
        {"04 fica fora da lista", Escolhidos({"01", "04", "05"}), "04", "'01', '05'", true, true},
        {"só o produto acabado", Escolhidos({"04"}), "04", "", true, false},
        {"nenhum escolhido", Escolhidos({}), "04", "", false, false},
        {"produto acabado além do 04 entra na lista", Escolhidos({"04", "06"}), "04-06", "'06'",
         true, true},
        {"04 sem ser produto acabado entra", Escolhidos({"04"}), "06", "'04'", false, true},
        {"aspas do código dobradas", Escolhidos({"A'B"}), "04", "'A''B'", false, true},
    };
    for (const auto& c : kCasos) {
        const app::TFiltroTiposFiscais f = app::FiltroTiposFiscais(c.tipos, c.produtoAcabado);
        EXPECT_EQ(f.lista, c.lista) << c.nome;
        EXPECT_EQ(f.TipoProdutoSelecionado, c.produto) << c.nome;
        EXPECT_EQ(f.TiposMateriaPrimaSelecionados, c.materiaPrima) << c.nome;
    }
}

TEST_F(TiposFiscaisTest, FiltroLeOsTiposDeProdutoAcabadoDePARAM) {
    const ListaTiposFiscais so04 = Escolhidos({"04"});
    db::Transacao tr(bd.banco());
    // Sem a linha em PARAM vale "04".
    EXPECT_TRUE(app::FiltroTiposFiscais(tr, so04).TipoProdutoSelecionado);

    db::Consulta(tr,
                 "insert into PARAM (GRUPO_PA, PARAM_PA, VALOR_PA) values "
                 "('SPED', 'TIPOS_FISCAIS_EST_PRODUTO', '05')")
        .Executar();
    const app::TFiltroTiposFiscais f = app::FiltroTiposFiscais(tr, so04);
    EXPECT_FALSE(f.TipoProdutoSelecionado);
    EXPECT_EQ(f.lista, "'04'");
}

}  // namespace
