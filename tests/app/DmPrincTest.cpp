// A partida do módulo de dados: modo direto e modo servidor de conexões, falhas, parâmetros da
// partida e a cópia salva de uma partida para a outra.
#include <gtest/gtest.h>

#include "app/DmPrinc.h"
#include "app/ReacoesParametros.h"
#include "core/ParametrosErp.h"
#include "tests/app/InstalacaoTeste.h"
#include "tests/app/ServidorBrokerTeste.h"
#include "tests/support/MensagensTeste.h"
#include "util/Texto1252.h"

namespace {

const util::DataHora k15Marco2024 = util::DataHora::Data(2024, 3, 15).ComHora(9, 30, 0);

class DmPrincTest : public ::testing::Test {
protected:
    void SetUp() override {
        erp.Executar(R"(
INSERT INTO FILIAL (COD_FI, NOME_FI, CGC_FI, INSC_FI, EMISNOTA_FORMA_AGRUP_ITENS_FI)
  VALUES (1, 'MATRIZ', '12345678000195', '0012345670089', 'PRODUTO');
INSERT INTO FILIAL (COD_FI, NOME_FI) VALUES (2, 'ARMAZEM');
)");
    }

    // Instalação direta: o banco de acesso guarda o caminho do ERP de teste.
    void InstalarDireto() {
        const std::string acesso = inst.CriarBancoAcesso(erp.arquivo().string());
        inst.GravarIni("[Paths]\r\nACESSO=" + acesso + "\r\n[Banco]\r\nChave=2\r\n");
    }

    std::unique_ptr<app::TdmPrinc> Iniciar(util::DataHora hoje = k15Marco2024) {
        app::OpcoesInicio o;
        o.pastaInstalacao = inst.Pasta();
        o.hoje = [hoje] { return hoje; };
        return std::make_unique<app::TdmPrinc>(o, mensagens);
    }

    teste::BancoErpTeste erp;
    teste::InstalacaoTeste inst;
    teste::MensagensTeste mensagens;
};

TEST_F(DmPrincTest, SemParametrosIniAConexaoFalhaComAMensagemDoFirebird) {
    const auto dm = Iniciar();
    EXPECT_EQ(dm->Versao(), "1.1.83");
    ASSERT_EQ(mensagens.erros.size(), 1u);
    EXPECT_NE(mensagens.erros[0].find("erro"), std::string::npos) << mensagens.erros[0];
    EXPECT_EQ(mensagens.titulosErro[0], "Erro");
    EXPECT_FALSE(dm->Conectado());
    EXPECT_FALSE(dm->Iniciado());
    EXPECT_TRUE(dm->cdsFil.Filiais().empty());
    EXPECT_THROW(dm->Banco(), std::runtime_error);
    EXPECT_THROW(dm->GerarArquivoSped(""), std::runtime_error);
    dm->SalvarParametros({});
    EXPECT_FALSE(std::filesystem::exists(dm->ArquivoCopiaSalva()));
}

TEST_F(DmPrincTest, SemSegredosAMensagemDizOArquivo) {
    InstalarDireto();
    std::filesystem::remove(inst.Pasta() / app::kArquivoSegredos);
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.erros.size(), 1u);
    EXPECT_NE(mensagens.erros[0].find((inst.Pasta() / "Segredos.ini").string()), std::string::npos);
    EXPECT_FALSE(dm->Conectado());
}

TEST_F(DmPrincTest, SegredosLegiveisPorOutrosAvisamNaPartida) {
    InstalarDireto();
    std::filesystem::permissions(inst.Pasta() / app::kArquivoSegredos, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.alertas.size(), 1u);
    EXPECT_NE(mensagens.alertas[0].find("chmod 600"), std::string::npos) << mensagens.alertas[0];
    EXPECT_TRUE(dm->Iniciado());
}

TEST_F(DmPrincTest, BancoSemAsTabelasDoErpDizQueNaoEhOBancoDoErp) {
    // O "banco do ERP" guardado no banco de acesso é o próprio banco de acesso.
    const std::string acesso = inst.CriarBancoAcesso((inst.Pasta() / "ACESSO.FDB").string());
    inst.GravarIni("[Paths]\r\nACESSO=" + acesso + "\r\n[Banco]\r\nChave=2\r\n");
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.erros.size(), 1u);
    EXPECT_NE(mensagens.erros[0].find(util::W("não é o banco do ERP: não tem as tabelas do ERP")), std::string::npos)
        << mensagens.erros[0];
    EXPECT_NE(mensagens.erros[0].find("ACESSO.FDB"), std::string::npos) << mensagens.erros[0];
    EXPECT_FALSE(dm->Iniciado());
}

TEST_F(DmPrincTest, ChaveDaCifraErradaNaoMostraOCaminhoEmbaralhado) {
    InstalarDireto();
    app::Segredos outros = inst.segredos;
    outros.cifra = app::SegredosDemonstracao(2).cifra;
    app::GravarSegredos(inst.Pasta() / app::kArquivoSegredos, outros);
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.erros.size(), 1u);
    const std::string& erro = mensagens.erros[0];
    EXPECT_NE(erro.find(util::W("não pôde ser decifrado: a seção [Cifra] de ")), std::string::npos) << erro;
    for (const unsigned char c : erro) EXPECT_GE(c, 0x20) << "caractere de controle na mensagem";
    EXPECT_FALSE(dm->Conectado());
}

TEST_F(DmPrincTest, PartidaDiretaCarregaFiliaisEParametrosPadrao) {
    InstalarDireto();
    core::GravarParametro(erp.banco(), "SPED", "AJ_RET_DEBITO_COD", "MG99");
    core::GravarParametro(erp.banco(), "CONTA_CONTABIL", "FORMATO", "0102");
    const auto dm = Iniciar();
    EXPECT_TRUE(mensagens.erros.empty()) << mensagens.erros[0];
    EXPECT_TRUE(mensagens.alertas.empty());
    ASSERT_TRUE(dm->Iniciado());
    EXPECT_STREQ(dm->Driver().nomeDriver, "DevartInterBase");
    ASSERT_EQ(dm->cdsFil.Filiais().size(), 2u);
    EXPECT_EQ(dm->cdsFil.Filiais()[0].NOME_FI, "ARMAZEM");

    const core::TParametros& p = dm->cdsParams;
    EXPECT_EQ(p.DATA_INI, util::DataHora::Data(2024, 2, 1));
    EXPECT_EQ(p.DATA_FIM, util::DataHora::Data(2024, 2, 29));
    EXPECT_EQ(p.MES_ANO_INVENTARIO, "12/2023");
    EXPECT_EQ(p.DATA_INVENTARIO, util::DataHora::Data(2023, 12, 31));
    EXPECT_EQ(p.GERAR_ENTRADAS, "S");
    EXPECT_EQ(p.GERAR_SAIDAS, "S");
    EXPECT_EQ(p.FINALIDADE_ARQ, "0");
    EXPECT_EQ(p.GERAR_REG_H, "N");
    EXPECT_EQ(p.GERAR_BLOCO_K, "N");
    EXPECT_EQ(p.GERAR_REG_0210, "N");
    EXPECT_EQ(p.GERAR_C170_SAI, "N");
    EXPECT_EQ(p.MOTIVO_INVENTARIO, "01");
    EXPECT_EQ(p.CALC_PRECO_INVENT, "TP");
    EXPECT_EQ(p.FILIAL, 0);
    EXPECT_EQ(p.AJ_RET_DEBITO_COD, "MG99");
    EXPECT_EQ(dm->configuracoes.niveisConta, (std::vector<int>{1, 2}));

}

TEST_F(DmPrincTest, GeracaoUsaAConexaoEOsParametrosDoModulo) {
    InstalarDireto();
    const auto dm = Iniciar();
    teste::PastaTemporaria saida;
    dm->DefinirFilial(1);
    dm->cdsParams.DIR_GERACAO = saida.caminho().string();
    dm->GerarArquivoSped("");
    EXPECT_TRUE(std::filesystem::exists(saida.caminho() / "SPED_EFD_2024_02.TXT"));
}

TEST_F(DmPrincTest, PeriodoPadraoEmJaneiroEhDezembroAnterior) {
    InstalarDireto();
    const auto dm = Iniciar(util::DataHora::Data(2024, 1, 10));
    EXPECT_EQ(dm->cdsParams.DATA_INI, util::DataHora::Data(2023, 12, 1));
    EXPECT_EQ(dm->cdsParams.DATA_FIM, util::DataHora::Data(2023, 12, 31));
    EXPECT_EQ(dm->cdsParams.MES_ANO_INVENTARIO, "12/2023");
}

TEST_F(DmPrincTest, SemCaminhoNoBancoDeAcessoUsaODBDoIni) {
    for (const std::optional<std::string>& senha : {std::optional<std::string>(""), std::optional<std::string>()}) {
        teste::InstalacaoTeste outra;
        const std::string acesso = outra.CriarBancoAcesso(senha);
        outra.GravarIni("[Paths]\r\nACESSO=" + acesso + "\r\nDB=" + erp.arquivo().string() + "\r\n");
        app::OpcoesInicio o;
        o.pastaInstalacao = outra.Pasta();
        teste::MensagensTeste m;
        app::TdmPrinc dm(o, m);
        EXPECT_TRUE(m.erros.empty()) << m.erros[0];
        EXPECT_EQ(dm.cdsFil.Filiais().size(), 2u);
    }
}

TEST_F(DmPrincTest, CopiaSalvaDeUmaPartidaParaAOutra) {
    InstalarDireto();
    {
        const auto dm = Iniciar();
        dm->DefinirFilial(1);
        dm->DefinirGerarBlocoK("S");
        dm->cdsParams.DIR_GERACAO = "/saida/efd";
        dm->cdsParams.GERAR_C170_SAI = "S";
        dm->cdsParams.FILIAL_2 = 2;
        dm->SalvarParametros({"01", "04"});
    }
    ASSERT_TRUE(std::filesystem::exists(inst.Pasta() / "VASTEL_EFD.XML"));
    // A filial mudou no ERP entre uma partida e outra: vale o cadastro atual.
    erp.Executar("UPDATE FILIAL SET EMISNOTA_FORMA_AGRUP_ITENS_FI = 'NENHUM' WHERE COD_FI = 1;");
    const auto dm = Iniciar(util::DataHora::Data(2024, 1, 10));
    const core::TParametros& p = dm->cdsParams;
    EXPECT_EQ(p.FILIAL, 1);
    EXPECT_EQ(p.NOME_FIL, "MATRIZ");
    EXPECT_EQ(p.CNPJ_FIL, "12.345.678/0001-95");
    EXPECT_EQ(p.FORMA_AGRUP_ITENS, "NENHUM");
    EXPECT_EQ(p.DIR_GERACAO, "/saida/efd");
    EXPECT_EQ(p.GERAR_C170_SAI, "N");
    EXPECT_EQ(p.GERAR_BLOCO_K, "S");
    EXPECT_EQ(p.GERAR_REG_0210, "S");
    EXPECT_EQ(p.CampoInteiro("FILIAL_2"), 2);
    EXPECT_EQ(p.TIPOS_FISCAIS_INV_SELEC, "01-04");
    EXPECT_EQ(p.DATA_INI, util::DataHora::Data(2023, 12, 1));
}

TEST_F(DmPrincTest, CopiaIlegivelAvisaEPartidaSegueComPadroes) {
    InstalarDireto();
    inst.GravarArquivo("VASTEL_EFD.XML", "<cdsParams><FILIAL>um</FILIAL></cdsParams>");
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.alertas.size(), 1u);
    EXPECT_NE(mensagens.alertas[0].find("VASTEL_EFD.XML"), std::string::npos);
    EXPECT_TRUE(dm->Iniciado());
    EXPECT_EQ(dm->cdsParams.FILIAL, 0);
    EXPECT_EQ(dm->cdsParams.GERAR_ENTRADAS, "S");
}

TEST_F(DmPrincTest, DataInvalidaEmParamInterrompeAPartida) {
    InstalarDireto();
    core::GravarParametro(erp.banco(), "SPED", "DT_INI_ABAT_ICMS_BC_PIS_COFINS", "99/99/9999");
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.erros.size(), 1u);
    EXPECT_NE(mensagens.erros[0].find("DT_INI_ABAT_ICMS_BC_PIS_COFINS"), std::string::npos);
    EXPECT_TRUE(dm->Conectado());
    EXPECT_FALSE(dm->Iniciado());
    EXPECT_THROW(dm->GerarArquivoSped(""), std::runtime_error);
    // Corrigido no editor, os parâmetros são relidos sem reiniciar.
    dm->GravarParametro("SPED", "DT_INI_ABAT_ICMS_BC_PIS_COFINS", "01/01/2024");
    dm->CarregarParametrosSped();
    EXPECT_EQ(dm->cdsParams.DT_INI_ABAT_ICMS_BC_PIS_COFINS, util::DataHora::Data(2024, 1, 1));
    EXPECT_EQ(dm->LerParametro("SPED", "DT_INI_ABAT_ICMS_BC_PIS_COFINS"), "01/01/2024");
}

TEST_F(DmPrincTest, MesAnoInventarioInvalidoPelaJanela) {
    InstalarDireto();
    const auto dm = Iniciar();
    EXPECT_THROW(dm->DefinirMesAnoInventario("13/2023"), app::MesAnoInventarioInvalido);
    EXPECT_EQ(dm->cdsParams.MES_ANO_INVENTARIO, "12/2023");
}

class DmPrincServidorTest : public DmPrincTest {
protected:
    void Responder(const std::string& bancos) {
        servidor.corpo = teste::CodificarRespostaBroker("[{\"bancos\": [" + bancos + "]}]", 77, inst.segredos.tabelaChave);
        inst.GravarIni("[VEXSERVER]\r\nHOST=" + servidor.Host() + "\r\n[Paths]\r\nACESSO=nao/usado\r\n");
    }
    teste::ServidorBrokerTeste servidor{inst.segredos.usuarioBroker, inst.segredos.chaveSistema};
};

TEST_F(DmPrincServidorTest, ConectaNoBancoAInformado) {
    Responder(R"({"host": "g", "password": "", "type": "G"}, {"host": ")" + erp.arquivo().string() +
              R"(", "password": "x", "type": "A"})");
    const auto dm = Iniciar();
    EXPECT_TRUE(mensagens.erros.empty()) << mensagens.erros[0];
    EXPECT_TRUE(dm->Iniciado());
    EXPECT_FALSE(dm->sqlAcesso);
    EXPECT_EQ(dm->cdsFil.Filiais().size(), 2u);
}

TEST_F(DmPrincServidorTest, FalhaNoServidorEncerraOPrograma) {
    const app::Segredos outros = app::SegredosDemonstracao(2);
    const struct {
        const char* nome;
        std::string corpo;
        std::string chaveSistema;  // a da instalação; outra dá 401
    } kCasos[] = {
        {"sem banco G", teste::CodificarRespostaBroker(R"([{"bancos":[{"host":"a","type":"A"}]}])", 0,
                                                       inst.segredos.tabelaChave),
         inst.segredos.chaveSistema},
        {"corpo malformado", "lixo", inst.segredos.chaveSistema},
        {"chave do sistema errada", "", outros.chaveSistema},
    };
    for (const auto& c : kCasos) {
        Responder("");
        servidor.corpo = c.corpo;
        teste::InstalacaoTeste instalacao;
        app::Segredos segredos = inst.segredos;
        segredos.chaveSistema = c.chaveSistema;
        app::GravarSegredos(instalacao.Pasta() / app::kArquivoSegredos, segredos);
        instalacao.GravarIni("[VEXSERVER]\r\nHOST=" + servidor.Host() + "\r\n");
        app::OpcoesInicio o;
        o.pastaInstalacao = instalacao.Pasta();
        teste::MensagensTeste m;
        try {
            app::TdmPrinc dm(o, m);
            ADD_FAILURE() << "a partida seguiu: " << c.nome;
        } catch (const app::EncerrarPrograma& e) {
            EXPECT_EQ(e.codigoSaida, 0);
        }
        ASSERT_EQ(m.erros.size(), 1u) << c.nome;
        EXPECT_EQ(m.titulosErro[0], "Falha ao conectar.") << c.nome;
    }
}

TEST_F(DmPrincServidorTest, EmpresaSemBancoAAvisaESegueSemConexao) {
    Responder(R"({"host": "g", "type": "G"})");
    const auto dm = Iniciar();
    ASSERT_EQ(mensagens.erros.size(), 1u);
    EXPECT_EQ(mensagens.titulosErro[0], "Erro");
    EXPECT_FALSE(dm->Conectado());
}

}  // namespace
