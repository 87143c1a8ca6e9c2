// A procura de versão nova e a lista de comandos do atualizador, contra um serviço de atualização
// local e um atualizador de mentira que guarda o que recebeu.
#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "app/atualizacao/AtualizarPrograma.h"
#include "app/atualizacao/ComandosLauncher.h"
#include "app/atualizacao/ConsultarVersao.h"
#include "tests/support/BancoTeste.h"

namespace fs = std::filesystem;

namespace {

// Serviço de atualização em 127.0.0.1 que responde 'resposta' (com 'status') à consulta de versão.
class ServicoAtualizacao {
public:
    ServicoAtualizacao() {
        servidor_.Get(R"(/(.*)services/index.php/versao/listar)",
                      [this](const httplib::Request& r, httplib::Response& resp) {
                          pedidos.push_back(r.path + "?programa=" + r.get_param_value("programa"));
                          resp.status = status;
                          resp.set_content(resposta, "application/json");
                      });
        porta_ = servidor_.bind_to_any_port("127.0.0.1");
        escuta_ = std::thread([this] { servidor_.listen_after_bind(); });
        // stop() antes de o laço começar não o interromperia.
        while (!servidor_.is_running()) std::this_thread::yield();
    }
    ~ServicoAtualizacao() {
        servidor_.stop();
        escuta_.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(porta_); }

    std::string resposta = "\"1.1.83\"";
    int status = 200;
    std::vector<std::string> pedidos;

private:
    httplib::Server servidor_;
    int porta_ = 0;
    std::thread escuta_;
};

TEST(ComandosLauncherTest, ListaDeSeteComandosByteAByte) {
    const std::string comandos = app::ComandosAtualizacao(
        "C:\\Programas\\EFD\\", "https://atualiza.exemplo/atualizacoes/VASTEL_EFD.exe", ".exe");
    EXPECT_EQ(
        comandos,
        R"([{"command":"download","url":"https://atualiza.exemplo/atualizacoes/VASTEL_EFD.exe","path":"C:\Programas\EFD\VASTEL_EFD_update.exe"},)"
        R"({"command":"closeapp","source":"VASTEL_EFD.exe","retry":1,"interval":1000},)"
        R"({"command":"wait","time":1000},)"
        R"({"command":"delete","source":"C:\Programas\EFD\VASTEL_EFD.exe"},)"
        R"({"command":"move","source":"C:\Programas\EFD\VASTEL_EFD_update.exe","destiny":"C:\Programas\EFD\VASTEL_EFD.exe"},)"
        R"({"command":"wait","internaval":500},)"
        R"({"command":"runfile","source":"C:\Programas\EFD\VASTEL_EFD.exe","directory":"C:\Programas\EFD\","show":0,"params":""}])");
    const std::string transformados = app::TransformarComandos("  " + comandos + "\r\n");
    EXPECT_EQ(transformados.substr(0, 94),
              "[{'command':'download','url':'https://atualiza.exemplo/atualizacoes/"
              "VASTEL_EFD.exe','path':'C:");
    EXPECT_NE(transformados.find("'source':'C:/Programas/EFD/VASTEL_EFD.exe'"), std::string::npos);
    EXPECT_NE(transformados.find("'directory':'C:/Programas/EFD/','show':0,'params':''}]"),
              std::string::npos);
    EXPECT_EQ(transformados.find_first_of("\"\\"), std::string::npos);
    EXPECT_EQ(transformados.front(), '[');
    EXPECT_EQ(transformados.back(), ']');
}

TEST(ComandosLauncherTest, EnderecosENomesDaInstalacao) {
    EXPECT_EQ(app::EnderecoDownload("http://h:8080/", ".exe"),
              "http://h:8080/atualizacoes/VASTEL_EFD.exe");
    EXPECT_EQ(app::EnderecoDownload("http://h/base", ""), "http://h/base/atualizacoes/VASTEL_EFD");
    EXPECT_EQ(app::CaminhoLauncher("/opt/efd"),
              fs::path("/opt/efd") / ("VastelLauncher" + std::string(app::kExtensaoExecutavel)));
}

TEST(ConsultarVersaoTest, RespostaEFalhas) {
    ServicoAtualizacao servico;
    std::vector<std::string> log;
    const auto registrar = [&](const std::string& m) { log.push_back(m); };

    servico.resposta = "\"1.1.84\"";
    EXPECT_EQ(app::ConsultarVersao(servico.Url(), "EFD", "1.1.83", registrar), "\"1.1.84\"");
    EXPECT_EQ(app::ConsultarVersao(servico.Url() + "/base/", "EFD", "1.1.83", registrar),
              "\"1.1.84\"");
    EXPECT_EQ(servico.pedidos,
              (std::vector<std::string>{"/services/index.php/versao/listar?programa=EFD",
                                        "/base/services/index.php/versao/listar?programa=EFD"}));
    EXPECT_TRUE(log.empty());

    servico.status = 500;
    EXPECT_EQ(app::ConsultarVersao(servico.Url(), "EFD", "1.1.83", registrar), "\"1.1.83\"");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("HTTP 500"), std::string::npos) << log[0];

    EXPECT_EQ(app::ConsultarVersao("http://127.0.0.1:1", "EFD", "1.1.83", registrar), "\"1.1.83\"");
    EXPECT_EQ(log.size(), 2u);
}

// O atualizador de mentira guarda o argumento que recebeu e a pasta em que rodou.
class AtualizarProgramaTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path launcher = app::CaminhoLauncher(pasta.caminho());
        std::ofstream(launcher)
            << "#!/bin/sh\nprintf '%s' \"$1\" > recebido.tmp && mv recebido.tmp recebido.txt\n";
        fs::permissions(launcher, fs::perms::owner_all);
    }
    bool Atualizar(const std::string& url) {
        return app::AtualizarPrograma({url, pasta.caminho(), "1.1.83"}, [this] { ++fechamentos; });
    }
    std::string Recebido() {
        const fs::path arquivo = pasta.caminho() / "recebido.txt";
        for (int i = 0; i < 250 && !fs::exists(arquivo); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return teste::LerConteudo(arquivo);
    }

    teste::PastaTemporaria pasta;
    ServicoAtualizacao servico;
    int fechamentos = 0;
};

TEST_F(AtualizarProgramaTest, SoVersaoMaisNovaPassaAoAtualizador) {
    const struct {
        const char* resposta;
        bool atualiza;
    } kCasos[] = {
        {"\"1.1.83\"", false}, {"\"1.2.0\"", true}, {"\"1.1.100\"", true},
        {"\"0.9.99\"", false}, {"\"\"", false},     {"<html>erro interno</html>", false},
    };
    for (const auto& c : kCasos) {
        SCOPED_TRACE(c.resposta);
        fechamentos = 0;
        fs::remove(pasta.caminho() / "recebido.txt");
        servico.resposta = c.resposta;
        EXPECT_EQ(Atualizar(servico.Url()), c.atualiza);
        EXPECT_EQ(fechamentos, c.atualiza ? 1 : 0);
        if (!c.atualiza) continue;
        const std::string d = pasta.caminho().string() + "/";
        EXPECT_EQ(Recebido(), app::TransformarComandos(app::ComandosAtualizacao(
                                  d, servico.Url() + "/atualizacoes/VASTEL_EFD" +
                                         std::string(app::kExtensaoExecutavel))));
    }
    // A resposta que não é versão fica no log, ao lado do executável.
    EXPECT_NE(teste::LerConteudo(pasta.caminho() / "log.log").find("erro interno"), std::string::npos);
}

TEST_F(AtualizarProgramaTest, SemEnderecoNaoPergunta) {
    EXPECT_FALSE(Atualizar(""));
    EXPECT_TRUE(servico.pedidos.empty());
    EXPECT_FALSE(fs::exists(pasta.caminho() / "log.log"));
}

TEST_F(AtualizarProgramaTest, ServicoForaDoArFicaNoLogEAPartidaSegue) {
    EXPECT_FALSE(Atualizar("http://127.0.0.1:1"));
    EXPECT_EQ(fechamentos, 0);
    EXPECT_NE(teste::LerConteudo(pasta.caminho() / "log.log").find("127.0.0.1:1"), std::string::npos);
}

TEST_F(AtualizarProgramaTest, LogQueNaoPodeSerGravadoNaoImpedeAPartida) {
    fs::create_directory(pasta.caminho() / "log.log");  // o log não pode ser escrito
    EXPECT_FALSE(Atualizar("http://127.0.0.1:1"));
}

}  // namespace
