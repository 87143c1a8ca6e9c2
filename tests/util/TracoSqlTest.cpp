// Arquivos de rastreio de consultas.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/BancoTeste.h"
#include "util/Executavel.h"
#include "util/TracoSql.h"

namespace {

namespace fs = std::filesystem;

class TracoSqlTest : public ::testing::Test {
protected:
    void SetUp() override {
        raiz = fs::temp_directory_path() /
               ("traco_sql_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(raiz);
    }
    void TearDown() override { fs::remove_all(raiz); }

    fs::path raiz;
    const std::string sql =
        "select a.ID from A a left join X x on x.ID = a.ID "
        "where a.DATA >= :DATA_INI and a.FILIAL = :FILIAL";
    const std::string podado =
        "select a.ID from A a\r\n where a.DATA >= :DATA_INI and a.FILIAL = :FILIAL";
};

TEST_F(TracoSqlTest, GravaOOriginalEOOtimizadoComOsParametrosSemRepetir) {
    const fs::path pasta = raiz / "SQL";
    const util::ParametrosSql parametros = {{"DATA_INI", "01/01/2024"},
                                            {"FILIAL", "1"},
                                            {"DATA_INI", "01/01/2024"},
                                            {"DATA_INI", "02/01/2024"}};

    EXPECT_EQ(util::TracarEOtimizarSql(sql, parametros, "sqlEstoque", pasta), podado);

    EXPECT_EQ(teste::LerConteudo(pasta / "sqlEstoque.sql"), sql);
    const std::string rodape =
        "\r\n"
        "\r\n"
        "\r\n"
        "--Parametros usados na consulta: \r\n"
        "--DATA_INI: 01/01/2024\r\n"
        "--FILIAL: 1\r\n"
        "--DATA_INI: 02/01/2024\r\n";
    EXPECT_EQ(teste::LerConteudo(pasta / "sqlEstoque_Otimizado.sql"), podado + rodape);
}

TEST_F(TracoSqlTest, SemParametrosOOtimizadoEhSoOSql) {
    util::TracarEOtimizarSql(sql, {}, "sqlEstoque", raiz);
    EXPECT_EQ(teste::LerConteudo(raiz / "sqlEstoque_Otimizado.sql"), podado);
}

TEST_F(TracoSqlTest, PastaQueNaoPodeSerCriadaDeixaOSqlComoEsta) {
    fs::create_directories(raiz);
    std::ofstream(raiz / "arquivo") << "x";
    const fs::path pasta = raiz / "arquivo" / "SQL";

    EXPECT_EQ(util::TracarEOtimizarSql(sql, {{"FILIAL", "1"}}, "sqlEstoque", pasta), sql);
    EXPECT_NO_THROW(util::SalvarSql("sqlEstoque", sql, pasta));
    EXPECT_FALSE(fs::exists(pasta));
}

TEST_F(TracoSqlTest, SalvarSqlCriaAPastaESubstituiOArquivoAnterior) {
    const fs::path pasta = raiz / "a" / "SQL";
    util::SalvarSql("sqlItens", "select * from ITENS where ID > 0", pasta);
    util::SalvarSql("sqlItens", "select 1", pasta);
    EXPECT_EQ(teste::LerConteudo(pasta / "sqlItens.sql"), "select 1");
}

TEST(ExecutavelTest, PastaDoExecutavelSemBarraNoFim) {
    const std::string pasta = util::PastaExecutavel();
    ASSERT_FALSE(pasta.empty());
    EXPECT_NE(pasta.back(), '/');
    EXPECT_TRUE(fs::exists(fs::path(pasta) / "teste_util"));
    EXPECT_EQ(util::PastaTracoSql(), fs::path(pasta) / "SQL");
}

}  // namespace
