// 0400, 0450, 0460 com C195 e códigos de conta.
#include <gtest/gtest.h>

#include "blocks/bloco0/NaturezasObservacoes.h"
#include "core/LimpezaTexto.h"
#include "tests/blocks/Bloco0Teste.h"

namespace {

using teste::Bloco0Teste;
using V = std::vector<std::string>;

class NaturezasObservacoesTest : public ::testing::Test, public Bloco0Teste {};

TEST_F(NaturezasObservacoesTest, NaturezasNumeradasPeloPrimeiroUsoEmCadaGeracao) {
    Iniciar();
    EXPECT_EQ(blocks::CodigoNatureza(g, "VENDA", "NFS 1"), "000001");
    EXPECT_EQ(blocks::CodigoNatureza(g, util::W("REMESSA P/ INDUSTRIALIZAÇÃO"), "NFS 2"), "000002");
    EXPECT_EQ(blocks::CodigoNatureza(g, "VENDA", "NFS 3"), "000001");
    EXPECT_EQ(blocks::CodigoNatureza(g, "", "NFS 4"), "");
    EXPECT_EQ(Linhas("0400"), (V{"|0400|000001|VENDA|", util::W("|0400|000002|REMESSA P/ INDUSTRIALIZAÇÃO|")}));
    EXPECT_EQ(Mensagens(), V{"0400 Natureza da operação inválida para o docto \"NFS 4\" ."});

    Iniciar();
    EXPECT_EQ(blocks::CodigoNatureza(g, util::W("REMESSA P/ INDUSTRIALIZAÇÃO"), "NFS 2"), "000001");
}

TEST_F(NaturezasObservacoesTest, Registro0450UmCodigoPorChamadaEmUmaLinhaSo) {
    Iniciar();
    EXPECT_EQ(blocks::GerarRegistro0450(g, "PEDIDO 55"), "000001");
    EXPECT_EQ(blocks::GerarRegistro0450(g, "PEDIDO 55"), "000002");
    EXPECT_EQ(blocks::GerarRegistro0450(g, "LINHA UM  \r\nLINHA\tDOIS|FIM\r\n"), "000003");
    EXPECT_EQ(blocks::GerarRegistro0450(g, "  \r\n  COMECA COM BRANCOS"), "000004");
    EXPECT_EQ(Linhas("0450"), (V{"|0450|000001|PEDIDO 55|", "|0450|000002|PEDIDO 55|",
                                 "|0450|000003|LINHA UM LINHADOIS/FIM|", "|0450|000004|COMECA COM BRANCOS|"}));
}

TEST_F(NaturezasObservacoesTest, LimparTexto0450) {
    struct Caso {
        const char* texto;
        const char* limpo;
    };
    const Caso kCasos[] = {
        {"A\r\nB", "A B"},     {"A  \r\n  B", "A B"}, {"\r\n\r\nA", "A"},
        {"A\r\n", "A "},       {"A\tB\nC", "ABC"},    {"  A   B  ", "A B "},
    };
    for (const Caso& c : kCasos) EXPECT_EQ(core::LimparTexto0450(c.texto), c.limpo) << c.texto;
}

TEST_F(NaturezasObservacoesTest, ObservacaoGuardaO0460DaPrimeiraVez) {
    Iniciar();
    blocks::GravarObservacao(g, "C195", "OBS1", "", "TEXTO\tCOM|BARRA");
    blocks::GravarObservacao(g, "C195", "OBS1", "OUTRO", "SEGUNDO TEXTO");
    blocks::GravarObservacao(g, "D195", "OBS2", "DESCRICAO\r\nCURTA", std::string(300, 'X'));
    EXPECT_EQ(Linhas("0460"), (V{"|0460|OBS1|TEXTO COM/BARRA|", "|0460|OBS2|DESCRICAO  CURTA|"}));
    EXPECT_EQ(Linhas("C195"), (V{"|C195|OBS1|TEXTO COM/BARRA|", "|C195|OBS1|SEGUNDO TEXTO|"}));
    EXPECT_EQ(Linhas("D195"), V{"|D195|OBS2|" + std::string(254, 'X') + "|"});
}

TEST_F(NaturezasObservacoesTest, CodigoDaContaPeloPlanoDeContas) {
    erp.Executar(R"(
INSERT INTO CONTACONTABIL (COD_CC, DESC_CC, CODCONTAB_SPED_CC, NIVEL_CC) VALUES ('3101', 'VENDAS', '1020304', 4);
INSERT INTO CONTACONTABIL (COD_CC, DESC_CC, CODCONTAB_SPED_CC, NIVEL_CC) VALUES ('1102', 'ESTOQUE', '', 3);
)");
    Iniciar();
    struct Caso {
        bool formatado;
        const char* conta;
        const char* codigo;
    };
    const Caso kCasos[] = {
        {true, "3101", "1.02.030.4"}, {true, "1102", "1.10.2."}, {true, "999999", "999999"}, {true, "", ""},
        {false, "3101", "1020304"},   {false, "1102", "1102"},
    };
    configuracoes.niveisConta = {1, 2, 3, 4};
    for (const Caso& c : kCasos) {
        configuracoes.COD_CONTAB_FORMATADO = c.formatado;
        EXPECT_EQ(blocks::CodigoConta(g, c.conta), c.codigo) << c.conta << " " << c.formatado;
    }
}

}  // namespace
