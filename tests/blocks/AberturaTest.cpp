// 0000, 0001, 0002, 0005 e 0100 numa geração real.
#include <gtest/gtest.h>

#include "blocks/bloco0/Abertura.h"
#include "tests/support/GeracaoTeste.h"

namespace {

using teste::GeracaoTeste;
using util::DataHora;

TEST(CodigoVersaoLeiaute, PelaDataFinalDoPeriodo) {
    struct Caso {
        DataHora fim;
        const char* versao;
    };
    const Caso kCasos[] = {
        {DataHora::Data(2010, 12, 31), "003"}, {DataHora::Data(2011, 1, 31), "004"},
        {DataHora::Data(2012, 6, 30), "005"},  {DataHora::Data(2012, 7, 31), "006"},
        {DataHora::Data(2012, 7, 1), "006"},   {DataHora::Data(2024, 12, 31), "018"},
        {DataHora::Data(2025, 1, 31), "019"},  {DataHora::Data(2025, 12, 31), "019"},
        {DataHora::Data(2026, 1, 1), "020"},   {DataHora::Data(2026, 11, 30), "020"},
        {DataHora{2025, 12, 31, 23, 59, 59}, "019"},
    };
    for (const Caso& c : kCasos) EXPECT_EQ(blocks::CodigoVersaoLeiaute(c.fim), c.versao) << c.fim.Texto();
}

class AberturaTest : public ::testing::Test, public GeracaoTeste {};

TEST_F(AberturaTest, RegistrosDeAberturaComSoOsAlgarismosDosTelefonesECeps) {
    const auto linhas = Gerar();
    ASSERT_GE(linhas.size(), 4u);
    EXPECT_EQ(linhas[0], "|0000|018|0|01032024|31032024|INDUSTRIA TESTE LTDA|17432896000180||MG|1862491370083|3118601||"
                         "|B|0|");
    EXPECT_EQ(linhas[1], "|0001|0|");
    EXPECT_EQ(linhas[2], "|0005|TESTE|32210110|AV B|1||CIDADE INDUSTRIAL|3133620500||fiscal@teste.ind.br|");
    EXPECT_EQ(linhas[3], "|0100|ANA CONTADORA|52998224725|MG-1234/O||30140071|RUA A|10||CENTRO|3133334444||"
                         "ana@contab.com.br|3106200|");
    EXPECT_TRUE(erros.Erros().empty());
}

TEST_F(AberturaTest, Registro0002SoParaIndustriaAPartirDe2020) {
    struct Caso {
        DataHora inicio;
        const char* classificacao;
        const char* atividade;
        bool tem0002;
    };
    const Caso kCasos[] = {
        {DataHora::Data(2020, 1, 1), "05", "", true},   {DataHora::Data(2019, 12, 1), "05", "", false},
        {DataHora::Data(2020, 1, 1), "", "0", false},   {DataHora::Data(2020, 1, 1), "05", "1", false},
        {DataHora::Data(2020, 1, 1), "05", "0", true},
    };
    for (const Caso& c : kCasos) {
        erp.Executar(std::string("UPDATE FILIAL SET COD_CLAS_ESTAB_IND_FI = '") + c.classificacao +
                     "', TIPO_ATIVIDADE_SPED_FI = '" + c.atividade + "'");
        RecarregarFiliais();
        params.DATA_INI = c.inicio;
        params.DATA_FIM = DataHora::Data(c.inicio.ano, c.inicio.mes, 28);
        const auto linhas = Gerar();
        const auto r0002 = Registros(linhas, "0002");
        EXPECT_EQ(r0002.size(), c.tem0002 ? 1u : 0u) << c.inicio.Texto() << " " << c.atividade;
        if (c.tem0002) {
            EXPECT_EQ(linhas[2], "|0002|05|");
            EXPECT_EQ(linhas[3].substr(0, 6), "|0005|");
        }
        EXPECT_EQ(Registros(linhas, "0000")[0].substr(linhas[0].size() - 3), std::string(c.atividade).empty() ? "|0|" : std::string("|") + c.atividade + "|");
    }
}

TEST_F(AberturaTest, ContabilistaAusenteOuSemEmail) {
    // contabilista sem e-mail: o 0100 sai sem o EMAIL obrigatório
    problemasEsperados = {"obrigatorio"};
    erp.Executar("UPDATE CONTABILISTA SET EMAIL_CT = ''");
    auto linhas = Gerar();
    ASSERT_EQ(Registros(linhas, "0100").size(), 1u);
    ASSERT_EQ(erros.Erros().size(), 1u);
    EXPECT_EQ(erros.Erros().begin()->MENS,
              "E-mail do contabilista n\xE3o informado. O e-mail do contabilista \xE9 obrigat\xF3rio.");

    erp.Executar("UPDATE FILIAL SET ID_CONTABILISTA_FI = 99");
    RecarregarFiliais();
    linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "0100").size(), 0u);
    EXPECT_EQ(Registros(linhas, "0005").size(), 1u);
    ASSERT_EQ(erros.Erros().size(), 1u);
    EXPECT_EQ(erros.Erros().begin()->REG, "0100");
    EXPECT_EQ(erros.Erros().begin()->MENS, "Contabilista com c\xF3" "digo \"99\" n\xE3o localizado.");
}

}  // namespace
