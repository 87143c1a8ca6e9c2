// Comandos guardados da geração: um laço por fora que chama código com o mesmo SQL não pode ter o
// seu cursor fechado nem os seus parâmetros trocados por baixo.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/ConsultasGeracao.h"
#include "tests/support/BancoTeste.h"

namespace {

constexpr const char* kFiliaisEntre =
    "select COD_FI from FILIAL where COD_FI >= :MINIMO and COD_FI <= :MAXIMO order by COD_FI";

class ConsultasGeracaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        erp.Executar(R"(
INSERT INTO FILIAL (COD_FI, NOME_FI, UF_FI) VALUES (10, 'A', 'MG');
INSERT INTO FILIAL (COD_FI, NOME_FI, UF_FI) VALUES (11, 'B', 'MG');
INSERT INTO FILIAL (COD_FI, NOME_FI, UF_FI) VALUES (12, 'C', 'MG');
INSERT INTO FILIAL (COD_FI, NOME_FI, UF_FI) VALUES (100, 'D', 'MG');
)");
    }

    std::vector<int> Filiais(int minimo, int maximo, const std::function<void()>& aCada = {}) {
        std::vector<int> lidas;
        auto q = consultas.Preparar(tr, kFiliaisEntre);
        q->Param("MINIMO", minimo).Param("MAXIMO", maximo);
        while (q->Proximo()) {
            lidas.push_back(static_cast<int>((*q)["COD_FI"].Inteiro()));
            if (aCada) aCada();
        }
        return lidas;
    }

    teste::BancoErpTeste erp;
    db::Transacao tr{erp.banco()};
    core::ConsultasGeracao consultas;
};

TEST_F(ConsultasGeracaoTest, UsoAninhadoDoMesmoSqlNaoMexeNoCursorDeFora) {
    std::vector<std::vector<int>> internas;
    const std::vector<int> externas = Filiais(10, 12, [&] { internas.push_back(Filiais(100, 100)); });
    EXPECT_EQ(externas, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(internas, (std::vector<std::vector<int>>(3, {100})));
}

TEST_F(ConsultasGeracaoTest, ComandoDevolvidoComCursorAbertoRecomecaNoProximoUso) {
    {
        auto q = consultas.Preparar(tr, kFiliaisEntre);
        q->Param("MINIMO", 10).Param("MAXIMO", 12);
        ASSERT_TRUE(q->Proximo());  // lê só a primeira e devolve o comando com o cursor aberto
    }
    EXPECT_EQ(Filiais(11, 100), (std::vector<int>{11, 12, 100}));
}

}  // namespace
