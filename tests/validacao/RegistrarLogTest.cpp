// O log do programa: cada registro acrescenta uma linha em branco e a linha datada.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "app/validacao/RegistrarLog.h"
#include "tests/support/BancoTeste.h"

namespace {

namespace fs = std::filesystem;

std::string Ler(const fs::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void Gravar(const fs::path& arquivo, const std::string& conteudo) {
    std::ofstream(arquivo, std::ios::binary) << conteudo;
}

const util::DataHora kQuando{2024, 3, 5, 9, 7, 3};

TEST(RegistrarLogTest, AcrescentaLinhaEmBrancoELinhaDatada) {
    struct Caso {
        const char* nome;
        const char* antes;  // nullptr: sem arquivo
        const char* depois;
    };
    const Caso kCasos[] = {
        {"sem arquivo", nullptr, "\r\n05/03/2024 09:07:03\tsem rede\r\n"},
        {"arquivo vazio", "", "\r\n05/03/2024 09:07:03\tsem rede\r\n"},
        {"conteúdo anterior fica", "\r\nantes\r\n",
         "\r\nantes\r\n\r\n05/03/2024 09:07:03\tsem rede\r\n"},
        {"última linha sem fim de linha", "antes",
         "antes\r\n\r\n05/03/2024 09:07:03\tsem rede\r\n"},
    };
    for (const auto& c : kCasos) {
        teste::PastaTemporaria pasta;
        const fs::path log = pasta.caminho() / "log.log";
        if (c.antes) Gravar(log, c.antes);
        app::RegistrarLog("sem rede", pasta.caminho(), kQuando);
        EXPECT_EQ(Ler(log), c.depois) << c.nome;
    }
}

TEST(RegistrarLogTest, DoisRegistrosSeguidos) {
    teste::PastaTemporaria pasta;
    app::RegistrarLog("um", pasta.caminho(), kQuando);
    app::RegistrarLog("dois", pasta.caminho(), {2024, 12, 31, 23, 59, 59});
    EXPECT_EQ(Ler(pasta.caminho() / "log.log"),
              "\r\n05/03/2024 09:07:03\tum\r\n\r\n31/12/2024 23:59:59\tdois\r\n");
}

TEST(RegistrarLogTest, FalhaAoGravarChegaAQuemChamou) {
    teste::PastaTemporaria pasta;
    EXPECT_THROW(app::RegistrarLog("x", pasta.caminho() / "nao-existe", kQuando),
                 std::runtime_error);
    // log.log que é uma pasta não se lê como arquivo
    fs::create_directory(pasta.caminho() / "log.log");
    EXPECT_THROW(app::RegistrarLog("x", pasta.caminho(), kQuando), std::runtime_error);
}

}  // namespace
