// Blocos B e G pelas datas de início e C001 pelo movimento do bloco C.
#include <gtest/gtest.h>

#include "tests/support/GeracaoTeste.h"

namespace {

using util::DataHora;

class BlocosSemConteudoTest : public ::testing::Test, public teste::GeracaoTeste {};

TEST_F(BlocosSemConteudoTest, BlocosBEGSoAPartirDasSuasDatas) {
    struct Caso {
        DataHora inicio;
        bool temB, temG;
    };
    const Caso kCasos[] = {
        {DataHora::Data(2019, 1, 1), true, true},
        {DataHora::Data(2018, 12, 1), false, true},
        {DataHora::Data(2011, 1, 1), false, true},
        {DataHora::Data(2010, 12, 1), false, false},
    };
    for (const Caso& c : kCasos) {
        params.DATA_INI = c.inicio;
        params.DATA_FIM = DataHora::Data(c.inicio.ano, c.inicio.mes, 28);
        const auto linhas = Gerar();
        const std::string quando = c.inicio.Texto();
        EXPECT_EQ(Registros(linhas, "B001"), c.temB ? std::vector<std::string>{"|B001|1|"} : std::vector<std::string>{}) << quando;
        EXPECT_EQ(Registros(linhas, "B990"), c.temB ? std::vector<std::string>{"|B990|2|"} : std::vector<std::string>{}) << quando;
        EXPECT_EQ(Registros(linhas, "G001"), c.temG ? std::vector<std::string>{"|G001|1|"} : std::vector<std::string>{}) << quando;
        EXPECT_EQ(Registros(linhas, "G990"), c.temG ? std::vector<std::string>{"|G990|2|"} : std::vector<std::string>{}) << quando;
        bool temBNo9900 = false;
        for (const std::string& l : Registros(linhas, "9900")) temBNo9900 |= l.rfind("|9900|B", 0) == 0;
        EXPECT_EQ(temBNo9900, c.temB) << quando;
    }
}

TEST_F(BlocosSemConteudoTest, C001SemDocumentosTemIndMov1EC990Conta2) {
    const auto linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C001"), std::vector<std::string>{"|C001|1|"});
    EXPECT_EQ(Registros(linhas, "C990"), std::vector<std::string>{"|C990|2|"});
}

}  // namespace
