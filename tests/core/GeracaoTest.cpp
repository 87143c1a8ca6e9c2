// A condução da geração: ordem das etapas, preparação e o que fica quando uma etapa falha.
#include <gtest/gtest.h>

#include "core/Geracao.h"
#include "util/Texto1252.h"
#include "tests/support/BancoTeste.h"
#include "tests/support/MensagensTeste.h"

namespace {

class GeracaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        erp.Executar(R"(
INSERT INTO FILIAL (COD_FI, NOME_FI, UF_FI) VALUES (1, 'MATRIZ', 'MG');
INSERT INTO FILIAL (COD_FI, NOME_FI, UF_FI) VALUES (2, 'FILIAL SP', 'SP');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('25', 'MG', ' 18,5 ');
INSERT INTO TABELA (NUM_TA, COD_TA, DESC_TA) VALUES ('25', 'SP', 'DEZOITO');
)");
        db::Transacao tr(erp.banco());
        filiais.Carregar(tr);
        params.FILIAL = 1;
        params.DATA_INI = util::DataHora::Data(2024, 3, 1);
        params.DIR_GERACAO = pasta.caminho().string();
    }

    int64_t LinhasNoBanco() {
        db::Banco outra = db::Banco::Conectar(erp.parametros());
        db::Transacao tr(outra);
        db::Consulta q(tr, "select count(*) as N from SPED_EFD");
        q.Proximo();
        return q["N"].Inteiro();
    }

    static core::EtapaGeracao Gravar(const char* nome, const char* reg, std::vector<std::string>* ordem) {
        return {nome, [=](core::Geracao& g) {
                    ordem->push_back(nome);
                    core::TRegistroEFD r;
                    r.SetCampo("REG", reg);
                    g.GravarRegistro(r);
                }};
    }

    teste::BancoErpTeste erp;
    teste::PastaTemporaria pasta;
    teste::MensagensTeste mensagens;
    core::TParametros params;
    core::ListaFiliais filiais;
    core::ArmazemSped sped{erp.banco(), mensagens};
    core::ListaErros erros;
    core::TProgresso progresso;
    core::ConfiguracoesErp configuracoes;
    core::Geracao g{erp.banco(), params, filiais, sped, erros, progresso, mensagens, configuracoes};
};

TEST_F(GeracaoTest, EtapasNaOrdemLinhasConfirmadasArquivoEscritoEErrosImpressos) {
    std::vector<std::string> ordem;
    erros.AdicionarErro("0000", "de uma geração anterior");
    int impressoes = 0;
    g.imprimirErros = [&](const core::ListaErros& lista) { impressoes += static_cast<int>(lista.Erros().size()); };
    const core::EtapaGeracao comErro{"erro", [](core::Geracao& g) { g.AdicionarErro("C100", "dado ruim"); }};
    const int64_t linhas = core::GerarArquivoSped(
        g, "   ", {Gravar("abertura", "0000", &ordem), comErro, Gravar("bloco C", "C001", &ordem),
                   Gravar("fechamento", "9999", &ordem)});
    EXPECT_EQ(ordem, (std::vector<std::string>{"abertura", "bloco C", "fechamento"}));
    EXPECT_FALSE(sped.EmGeracao());
    EXPECT_EQ(erros.Erros().size(), 1u) << "a lista recomeça a cada geração";
    EXPECT_EQ(impressoes, 1);
    EXPECT_FALSE(erros.ProblemasArquivo().empty()) << "o arquivo escrito (incompleto) passa pela conferência";
    EXPECT_EQ(LinhasNoBanco(), 3);
    EXPECT_EQ(linhas, 3);
    EXPECT_TRUE(std::filesystem::exists(pasta.caminho() / "SPED_EFD_2024_03.TXT"));
    EXPECT_DOUBLE_EQ(g.aliqIcmsInternaUF, 18.5);
}

TEST_F(GeracaoTest, FalhaEncerraAGeracaoEMantemOQueFoiGravado) {
    std::vector<std::string> ordem;
    const core::EtapaGeracao falha{"falha", [](core::Geracao&) { throw std::runtime_error("banco caiu"); }};
    EXPECT_THROW(core::GerarArquivoSped(g, "", {Gravar("a", "0000", &ordem), falha, Gravar("b", "9999", &ordem)}),
                 std::runtime_error);
    EXPECT_EQ(ordem, (std::vector<std::string>{"a"}));
    EXPECT_FALSE(sped.EmGeracao()) << "a reserva de SPED_EFD é liberada";
    EXPECT_EQ(LinhasNoBanco(), 1);
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "SPED_EFD_2024_03.TXT"));

    core::GerarArquivoSped(g, "", {Gravar("a", "0000", &ordem)});  // a próxima geração começa limpa
    EXPECT_EQ(LinhasNoBanco(), 1);
}

TEST_F(GeracaoTest, AliquotaInternaQueNaoENumeroVale0) {
    params.FILIAL = 2;
    core::GerarArquivoSped(g, "", {});
    EXPECT_DOUBLE_EQ(g.aliqIcmsInternaUF, 0);
    params.FILIAL = 99;
    core::GerarArquivoSped(g, "", {});
    EXPECT_DOUBLE_EQ(g.aliqIcmsInternaUF, 0);
}

TEST_F(GeracaoTest, ArquivoAUnificarAindaNaoSuportadoERecusadoAntesDeApagar) {
    std::vector<std::string> ordem;
    core::GerarArquivoSped(g, "", {Gravar("a", "0000", &ordem)});
    EXPECT_THROW(core::GerarArquivoSped(g, "/tmp/SPED.TXT", {}), std::runtime_error);
    EXPECT_EQ(LinhasNoBanco(), 1);
}

TEST_F(GeracaoTest, AdicionarErroConverteOModeloEGuardaOsValoresComoVieram) {
    const std::string doErp = "A\xC7O";  // "AÇO" em Windows-1252
    g.AdicionarErro("0200", "Código {} sem descrição, item nº {}", doErp, 7);
    ASSERT_EQ(erros.Quantidade(), 1u);
    EXPECT_EQ(erros.Erros().begin()->MENS, util::W("Código ") + doErp + util::W(" sem descrição, item nº 7"));
}

}  // namespace
