// O programa efd de ponta a ponta, sobre uma instalação de demonstração numa pasta temporária.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "erp/demo/InstalacaoDemo.h"
#include "tests/support/BancoTeste.h"

namespace fs = std::filesystem;

namespace {

struct Resultado {
    int saida;
    std::string texto;  // saída padrão e de erro juntas
};

class EfdTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        instalacao = new teste::PastaTemporaria;
        demo::CriarInstalacaoDemo({instalacao->caminho(), 1, false});
    }
    static void TearDownTestSuite() { delete instalacao; }

    // Roda o efd sem terminal (entrada vazia).
    Resultado Efd(const std::string& argumentos) {
        const std::string comando = std::string(EFD_EXECUTAVEL) + " " + argumentos + " </dev/null 2>&1";
        FILE* p = popen(comando.c_str(), "r");
        Resultado r{};
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.texto.append(buf.data(), n);
        const int status = pclose(p);
        r.saida = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

    std::string Pasta() const { return "--pasta " + instalacao->caminho().string(); }
    std::string Saida() const { return "--dir " + saida.caminho().string(); }

    static teste::PastaTemporaria* instalacao;
    teste::PastaTemporaria saida;
};

teste::PastaTemporaria* EfdTest::instalacao = nullptr;

// Os blocos D, H, K e 1 ainda não são gerados: a conferência do arquivo aponta a falta deles, e o
// arquivo escrito com a lista de erros não vazia sai com 3.
constexpr int kGeradoComProblemas = 3;

TEST_F(EfdTest, GeraOArquivoEDizOndeEstaEQuantasLinhas) {
    const Resultado r = Efd("gerar " + Pasta() + " --filial 1 --periodo 03/2024 " + Saida());
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
    EXPECT_NE(r.texto.find("Problemas do arquivo gerado"), std::string::npos) << r.texto;
    EXPECT_NE(r.texto.find("Reg.: -Arquivo: \"K\": o bloco K não está no arquivo"), std::string::npos) << r.texto;
    const fs::path arquivo = saida.caminho() / "SPED_EFD_2024_03.TXT";
    EXPECT_NE(r.texto.find("Arquivo gerado: " + arquivo.string() + " ("), std::string::npos) << r.texto;
    ASSERT_TRUE(fs::exists(arquivo));
    std::ifstream f(arquivo, std::ios::binary);
    std::string primeira;
    std::getline(f, primeira);
    EXPECT_EQ(primeira.substr(0, 30), "|0000|018|0|01032024|31032024|");
}

TEST_F(EfdTest, CodigosDeSaidaDosErros) {
    struct Caso {
        const char* nome;
        std::string argumentos;
        int saida;
        const char* mensagem;
    };
    const Caso kCasos[] = {
        {"fevereiro sem bloco H e sem terminal", "gerar " + Pasta() + " --filial 1 --periodo 02/2024 " + Saida(), 1,
         "Sem terminal para responder: use --sim"},
        {"filial inexistente", "gerar " + Pasta() + " --filial 77 --periodo 03/2024 " + Saida(), 1,
         "Filial inválida."},
        {"valor fora da lista", "gerar " + Pasta() + " --finalidade 7", 64, "--finalidade: valor \"7\" inválido"},
        {"data inválida", "gerar " + Pasta() + " --periodo 13/2024", 64, "--periodo: data inválida"},
        {"opção desconhecida", "gerar --nada", 64, "--nada"},
        {"sem comando", "", 64, "COMANDO"},
        {"pasta sem instalação", "gerar --pasta /nao/existe --periodo 03/2024", 2, "/nao/existe/Segredos.ini"},
        {"saída que não pode ser pasta", "gerar " + Pasta() + " --filial 1 --periodo 03/2024 --dir /proc/version/x",
         2, "A geração falhou"},
    };
    for (const Caso& c : kCasos) {
        const Resultado r = Efd(c.argumentos);
        EXPECT_EQ(r.saida, c.saida) << c.nome << "\n" << r.texto;
        EXPECT_NE(r.texto.find(c.mensagem), std::string::npos) << c.nome << "\n" << r.texto;
    }
    const Resultado ajuda = Efd("gerar --help");
    EXPECT_EQ(ajuda.saida, 0);
    EXPECT_NE(ajuda.texto.find("Mês do arquivo, MM/AAAA"), std::string::npos) << ajuda.texto;
}

TEST_F(EfdTest, FevereiroComSimGera) {
    const Resultado r = Efd("gerar " + Pasta() + " --filial 1 --periodo 02/2024 --sim " + Saida());
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
}

TEST_F(EfdTest, FiliaisEParametros) {
    Resultado r = Efd("filiais " + Pasta());
    EXPECT_EQ(r.saida, 0) << r.texto;
    EXPECT_NE(r.texto.find("    1  17432896000180       MG  ESTRUTURAS METÁLICAS SERRA AZUL LTDA\n"), std::string::npos)
        << r.texto;
    EXPECT_NE(r.texto.find("DEPÓSITO BETIM"), std::string::npos);

    r = Efd("parametros " + Pasta() + " --definir 'AJ_CONHEC_SAIDA_DESC=Ajuste de frete é assim'");
    EXPECT_EQ(r.saida, 0) << r.texto;
    r = Efd("parametros " + Pasta());
    EXPECT_NE(r.texto.find("AJ_CONHEC_SAIDA_DESC=Ajuste de frete é assim\n"), std::string::npos) << r.texto;
    EXPECT_EQ(Efd("parametros " + Pasta() + " --definir SEMVALOR").saida, 64);
}

TEST_F(EfdTest, ProblemasDeDadosSaemNoRelatorioAoLadoDoArquivo) {
    {
        db::ParametrosConexao p;
        p.banco = (instalacao->caminho() / demo::kArquivoErp).string();
        db::Banco banco = db::Banco::Conectar(p);
        banco.ExecutarScript("UPDATE FILIAL SET ID_CONTABILISTA_FI = 99 WHERE COD_FI = 1");
    }
    const Resultado r = Efd("gerar " + Pasta() + " --filial 1 --periodo 03/2024 " + Saida());
    {
        db::ParametrosConexao p;
        p.banco = (instalacao->caminho() / demo::kArquivoErp).string();
        db::Banco banco = db::Banco::Conectar(p);
        banco.ExecutarScript("UPDATE FILIAL SET ID_CONTABILISTA_FI = 1 WHERE COD_FI = 1");
    }
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
    EXPECT_NE(r.texto.find("Reg.: 0100-Contabilista com código \"99\" não localizado."), std::string::npos) << r.texto;
    EXPECT_TRUE(fs::exists(saida.caminho() / "SPED_EFD_2024_03_ERROS.TXT"));
    EXPECT_TRUE(fs::exists(saida.caminho() / "SPED_EFD_2024_03_ERROS.PDF"));
}

TEST_F(EfdTest, ValidarConfereQualquerArquivo) {
    ASSERT_EQ(Efd("gerar " + Pasta() + " --filial 1 --periodo 03/2024 " + Saida()).saida, kGeradoComProblemas);
    const fs::path arquivo = saida.caminho() / "SPED_EFD_2024_03.TXT";
    Resultado r = Efd("validar " + arquivo.string());
    EXPECT_EQ(r.saida, 1) << r.texto;
    EXPECT_NE(r.texto.find("arquivo: \"D\": o bloco D não está no arquivo\n"), std::string::npos) << r.texto;
    r = Efd("validar " + arquivo.string() + " /nao/existe.txt");
    EXPECT_EQ(r.saida, 2) << r.texto;
    EXPECT_NE(r.texto.find("/nao/existe.txt"), std::string::npos) << r.texto;
}

}  // namespace
