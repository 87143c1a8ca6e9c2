// A execução dos comandos do atualizador numa pasta temporária, com downloads de um servidor local.
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "launcher/ExecutarComandos.h"
#include "tests/support/BancoTeste.h"

extern char** environ;

namespace fs = std::filesystem;
using launcher::Comando;

namespace {

bool EsperarArquivo(const fs::path& arquivo) {
    for (int i = 0; i < 250 && !fs::exists(arquivo); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fs::exists(arquivo);
}

class ExecutarComandosTest : public ::testing::Test {
protected:
    ExecutarComandosTest() {
        servidor_.Get(
            "/atualizacoes/VASTEL_EFD", [](const httplib::Request&, httplib::Response& r) {
                r.set_content("#!/bin/sh\ntouch reiniciado\n", "application/octet-stream");
            });
        porta_ = servidor_.bind_to_any_port("127.0.0.1");
        escuta_ = std::thread([this] { servidor_.listen_after_bind(); });
        // stop() antes de o laço começar não o interromperia.
        while (!servidor_.is_running()) std::this_thread::yield();
        std::ofstream(D() / "VASTEL_EFD") << "#!/bin/sh\ntouch antigo\n";
        fs::permissions(D() / "VASTEL_EFD", fs::perms::owner_all);
    }
    ~ExecutarComandosTest() override {
        servidor_.stop();
        escuta_.join();
    }

    fs::path D() const { return pasta_.caminho(); }
    std::string Url(const std::string& caminho) const {
        return "http://127.0.0.1:" + std::to_string(porta_) + caminho;
    }
    bool Executar(const std::vector<Comando>& comandos) {
        return launcher::ExecutarComandos(comandos, D(),
                                          [this](const std::string& l) { log.push_back(l); });
    }
    std::vector<Comando> Troca(const std::string& url) {
        return {{{"command", "download"}, {"url", url}, {"path", "VASTEL_EFD_update"}},
                {{"command", "wait"}, {"time", "10"}},
                {{"command", "delete"}, {"source", "VASTEL_EFD"}},
                {{"command", "move"}, {"source", "VASTEL_EFD_update"}, {"destiny", "VASTEL_EFD"}},
                {{"command", "wait"}, {"internaval", "10"}},
                {{"command", "runfile"},
                 {"source", "VASTEL_EFD"},
                 {"directory", D().string()},
                 {"show", "0"},
                 {"params", ""}}};
    }

    std::vector<std::string> log;

private:
    teste::PastaTemporaria pasta_;
    httplib::Server servidor_;
    int porta_ = 0;
    std::thread escuta_;
};

TEST_F(ExecutarComandosTest, TrocaOProgramaEOAbreDeNovo) {
    EXPECT_TRUE(Executar(Troca(Url("/atualizacoes/VASTEL_EFD"))));
    EXPECT_EQ(teste::LerConteudo(D() / "VASTEL_EFD"), "#!/bin/sh\ntouch reiniciado\n");
    EXPECT_FALSE(fs::exists(D() / "VASTEL_EFD_update"));
    EXPECT_TRUE(EsperarArquivo(D() / "reiniciado"));
    EXPECT_EQ(log.size(), 6u);
}

TEST_F(ExecutarComandosTest, DownloadQueFalhaNaoApagaOProgramaEAbreOAntigo) {
    EXPECT_FALSE(Executar(Troca(Url("/atualizacoes/NAO_EXISTE"))));
    EXPECT_EQ(teste::LerConteudo(D() / "VASTEL_EFD"), "#!/bin/sh\ntouch antigo\n");
    EXPECT_FALSE(fs::exists(D() / "VASTEL_EFD_update"));
    EXPECT_FALSE(fs::exists(D() / "VASTEL_EFD_update.parcial"));
    EXPECT_TRUE(EsperarArquivo(D() / "antigo"));
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log[0].find("HTTP 404"), std::string::npos) << log[0];
}

TEST_F(ExecutarComandosTest, ComandoDesconhecidoOuIncompletoFalha) {
    EXPECT_FALSE(Executar({{{"command", "format"}}}));
    EXPECT_FALSE(Executar({{{"command", "move"}, {"source", "x"}}}));
    EXPECT_FALSE(Executar({{{"command", "wait"}}}));
}

// closeapp fecha o programa daquela pasta e não toca num de mesmo nome em outra.
TEST_F(ExecutarComandosTest, FecharProgramaSoOsDaquelaPasta) {
    const teste::PastaTemporaria outra;
    fs::copy_file("/bin/sleep", D() / "prog");
    fs::copy_file("/bin/sleep", outra.caminho() / "prog");
    const auto iniciar = [](const fs::path& programa) {
        const std::string caminho = programa.string();
        char segundos[] = "30";
        char* argv[] = {const_cast<char*>(caminho.c_str()), segundos, nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, caminho.c_str(), nullptr, nullptr, argv, environ), 0);
        return pid;
    };
    const pid_t alvo = iniciar(D() / "prog");
    const pid_t vizinho = iniciar(outra.caminho() / "prog");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    // O processo encerrado fica zumbi até ser recolhido; recolhe-o enquanto o closeapp espera.
    int estado = 0;
    std::thread recolher([&] { waitpid(alvo, &estado, 0); });
    EXPECT_TRUE(Executar(
        {{{"command", "closeapp"}, {"source", "prog"}, {"retry", "3"}, {"interval", "200"}}}));
    recolher.join();
    EXPECT_TRUE(WIFSIGNALED(estado));
    EXPECT_EQ(kill(vizinho, 0), 0);  // continua rodando
    kill(vizinho, SIGKILL);
    waitpid(vizinho, nullptr, 0);
}

}  // namespace
