// O programa efd de ponta a ponta, sobre uma instalação de demonstração numa pasta temporária.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/CopiaSalva.h"
#include "app/DmPrinc.h"
#include "cli/Comandos.h"
#include "erp/demo/InstalacaoDemo.h"
#include "tests/support/BancoTeste.h"
#include "util/Texto1252.h"

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
    Resultado Efd(const std::string& argumentos, const std::string& programa = EFD_EXECUTAVEL) {
        const std::string comando = programa + " " + argumentos + " </dev/null 2>&1";
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
        {"mês inválido", "gerar " + Pasta() + " --periodo 13/2024", 64, "--periodo: mês inválido \"13/2024\" (use MM/AAAA)"},
        {"data inválida", "gerar " + Pasta() + " --inicio 32/01/2024", 64, "--inicio: data inválida"},
        {"opção desconhecida", "gerar --nada", 64, "Não reconheço --nada."},
        {"sem comando", "", 64, "Falta o comando."},
        {"opção sem valor", "gerar --pasta", 64, "A opção --pasta precisa de um valor."},
        {"valor numa opção sem valor", "gerar --sim=talvez", 64, "Valor inválido \"talvez\" em --sim."},
        {"pasta que não existe", "gerar --pasta /nao/existe --periodo 03/2024", 64,
         "--pasta: a pasta /nao/existe não existe. Informe a pasta da instalação"},
        {"pasta sem instalação", "filiais --pasta /tmp", 64, "--pasta: /tmp não é a pasta de uma instalação"},
        {"sem pasta, a do programa", "parametros", 64, "Falta --pasta: a pasta do programa"},
        {"sem filial nem cópia salva", "gerar " + Pasta() + " --periodo 03/2024 " + Saida(), 64,
         "Falta a filial: informe --filial"},
        {"filial que não é código", "gerar " + Pasta() + " --filial 1,x " + Saida(), 64,
         "--filial: \"x\" não é um código de filial"},
        {"dois meses", "gerar " + Pasta() + " --filial 1 --inicio 01/10/2024 --fim 30/11/2024 " + Saida(), 1,
         "não está dentro de um só mês"},
        {"antes da EFD", "gerar " + Pasta() + " --filial 1 --periodo 12/2008 " + Saida(), 1,
         "A EFD ICMS/IPI começou em janeiro de 2009"},
        {"mês não encerrado sem terminal", "gerar " + Pasta() + " --filial 1 --periodo 12/2099 " + Saida(), 1,
         "O período termina depois de hoje"},
        {"saída que não pode ser pasta", "gerar " + Pasta() + " --filial 1 --periodo 03/2024 --dir /proc/version/x",
         2, "A geração falhou"},
        {"chave desconhecida", "parametros " + Pasta() + " --definir NAO_EXISTE=1", 64,
         "--definir: \"NAO_EXISTE\" não é uma chave do grupo SPED"},
        {"valor grande demais", "parametros " + Pasta() + " --definir AJ_CONHEC_SAIDA_DESC=" + std::string(101, 'x'),
         64, "--definir: o valor de AJ_CONHEC_SAIDA_DESC tem 101 caracteres; o máximo é 100."},
    };
    for (const Caso& c : kCasos) {
        const Resultado r = Efd(c.argumentos);
        EXPECT_EQ(r.saida, c.saida) << c.nome << "\n" << r.texto;
        EXPECT_NE(r.texto.find(c.mensagem), std::string::npos) << c.nome << "\n" << r.texto;
    }
    const Resultado ajuda = Efd("gerar --help");
    EXPECT_EQ(ajuda.saida, 0);
    for (const char* texto : {"Mês do arquivo, MM/AAAA (padrão: o mês anterior)", "PASTA/SPED_EFD",
                              "(ainda não disponível)", "Mostra esta ajuda"})
        EXPECT_NE(ajuda.texto.find(texto), std::string::npos) << texto << "\n" << ajuda.texto;
}

TEST_F(EfdTest, MensagensDoEfdDemoEmPortugues) {
    const std::string demo = fs::path(EFD_EXECUTAVEL).parent_path().parent_path() / "erp" / "efd-demo";
    const Resultado ajuda = Efd("--help", demo);
    EXPECT_EQ(ajuda.saida, 0);
    EXPECT_NE(ajuda.texto.find("Mostra esta ajuda"), std::string::npos) << ajuda.texto;
    EXPECT_EQ(ajuda.texto.find("Print this help"), std::string::npos) << ajuda.texto;
    const Resultado escala = Efd("criar --pasta " + saida.caminho().string() + " --escala 0", demo);
    EXPECT_EQ(escala.saida, 64);
    EXPECT_NE(escala.texto.find("--escala: use um número inteiro de 1 a 999999"), std::string::npos) << escala.texto;
    EXPECT_EQ(escala.texto.find("not in range"), std::string::npos) << escala.texto;
    EXPECT_NE(Efd("criar", demo).texto.find("Falta a opção --pasta, que é obrigatória."), std::string::npos);
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

// Um problema de dados na filial 1 (contabilista inexistente) enquanto o objeto existir. A
// conexão fecha logo: o motor embutido não divide o banco com o efd.
class ProblemaDeDados {
public:
    explicit ProblemaDeDados(const fs::path& instalacao) : instalacao_(instalacao) { Contabilista(99); }
    ~ProblemaDeDados() { Contabilista(1); }

    static db::Banco Conectar(const fs::path& instalacao) {
        db::ParametrosConexao p;
        p.banco = (instalacao / demo::kArquivoErp).string();
        return db::Banco::Conectar(p);
    }

private:
    void Contabilista(int id) {
        Conectar(instalacao_).ExecutarScript("UPDATE FILIAL SET ID_CONTABILISTA_FI = " + std::to_string(id) +
                                             " WHERE COD_FI = 1");
    }
    fs::path instalacao_;
};

const char* const kProblema = "Reg.: 0100-Contabilista com código \"99\" não localizado.";

TEST_F(EfdTest, ProblemasDeDadosSaemNoRelatorioAoLadoDoArquivoQueSaiNaGeracaoLimpaSeguinte) {
    const std::string gerar = "gerar " + Pasta() + " --filial 1 --periodo 03/2024 " + Saida();
    const fs::path txt = saida.caminho() / "SPED_EFD_2024_03_ERROS.TXT";
    const fs::path pdf = saida.caminho() / "SPED_EFD_2024_03_ERROS.PDF";
    Resultado r;
    {
        ProblemaDeDados problema(instalacao->caminho());
        r = Efd(gerar);
    }
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
    EXPECT_NE(r.texto.find(kProblema), std::string::npos) << r.texto;
    EXPECT_TRUE(fs::exists(txt));
    EXPECT_TRUE(fs::exists(pdf));

    // Sem o problema de dados sobram só os do arquivo (blocos ainda não gerados): o relatório é outro.
    r = Efd(gerar);
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
    EXPECT_EQ(util::Cp1252ParaUtf8(teste::LerConteudo(txt)).find(kProblema), std::string::npos)
        << "o relatório anterior mostraria problemas que não existem mais";
}

TEST_F(EfdTest, RelatorioQueNaoPodeSerGravadoNaoFazAGeracaoFalhar) {
    // Uma pasta com o nome do relatório: a gravação dele falha como num disco cheio.
    const fs::path ocupado = saida.caminho() / "SPED_EFD_2024_03_ERROS.TXT";
    fs::create_directories(ocupado);
    std::ofstream(ocupado / "outro") << "x";
    Resultado r;
    {
        ProblemaDeDados problema(instalacao->caminho());
        r = Efd("gerar " + Pasta() + " --filial 1 --periodo 03/2024 " + Saida());
    }
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
    EXPECT_TRUE(fs::exists(saida.caminho() / "SPED_EFD_2024_03.TXT"));
    EXPECT_NE(r.texto.find(kProblema), std::string::npos) << r.texto;
    EXPECT_NE(r.texto.find("O arquivo foi gerado, mas o relatório não pôde ser gravado"), std::string::npos) << r.texto;
    EXPECT_EQ(r.texto.find("falhou"), std::string::npos) << r.texto;
}

TEST_F(EfdTest, LinhaDeComandoLeACopiaSalvaDaJanela) {
    core::TParametros salvos;
    salvos.FILIAL = 1;
    salvos.DIR_GERACAO = saida.caminho().string();
    app::GravarCopiaSalva(instalacao->caminho() / app::kArquivoCopiaSalva, salvos);
    const Resultado r = Efd("gerar " + Pasta() + " --periodo 03/2024");
    fs::remove(instalacao->caminho() / app::kArquivoCopiaSalva);
    EXPECT_EQ(r.saida, kGeradoComProblemas) << r.texto;
    EXPECT_TRUE(fs::exists(saida.caminho() / "SPED_EFD_2024_03.TXT")) << r.texto;
}

TEST_F(EfdTest, BancoAbertoPorOutroProgramaDaMaquina) {
    db::Banco aberto = ProblemaDeDados::Conectar(instalacao->caminho());
    for (const std::string& comando : {"gerar " + Pasta() + " --filial 1 --periodo 03/2024 " + Saida(),
                                       "filiais " + Pasta(), "parametros " + Pasta()}) {
        const Resultado r = Efd(comando);
        EXPECT_EQ(r.saida, 2) << comando << "\n" << r.texto;
        EXPECT_NE(r.texto.find("Já existe uma geração do arquivo SPED em andamento neste banco de dados"),
                  std::string::npos)
            << comando << "\n" << r.texto;
        EXPECT_EQ(r.texto.find("engine instance"), std::string::npos) << comando << "\n" << r.texto;
    }
}

TEST_F(EfdTest, VariasFiliaisUmaAUmaComQuadroEOPiorResultado) {
    const Resultado r = Efd("gerar " + Pasta() + " --filial 1,77 --periodo 03/2024 " + Saida());
    EXPECT_EQ(r.saida, 1) << r.texto;
    EXPECT_TRUE(fs::exists(saida.caminho() / "SPED_EFD_1_2024_03.TXT")) << r.texto;
    EXPECT_NE(r.texto.find("Filial inválida."), std::string::npos) << r.texto;
    const size_t quadro = r.texto.find("Filial  Arquivo");
    ASSERT_NE(quadro, std::string::npos) << r.texto;
    EXPECT_NE(r.texto.find("     1  SPED_EFD_1_2024_03.TXT", quadro), std::string::npos) << r.texto;
    EXPECT_NE(r.texto.find("gerado", quadro), std::string::npos) << r.texto;
    EXPECT_NE(r.texto.find("    77  -", quadro), std::string::npos) << r.texto;
    EXPECT_NE(r.texto.find("recusado na validação", quadro), std::string::npos) << r.texto;

    const Resultado todas = Efd("gerar " + Pasta() + " --filial todas --periodo 03/2024 " + Saida());
    EXPECT_NE(todas.texto.find("Filial  Arquivo"), std::string::npos) << todas.texto;
    EXPECT_NE(todas.texto.find("== Filial 1 - ESTRUTURAS"), std::string::npos) << todas.texto;
}

TEST(PiorSaidaTest, FalhaPesaMaisQueRecusaQuePesaMaisQueProblemasQuePesaMaisQueArquivo) {
    using namespace cli;
    EXPECT_EQ(PiorSaida(kArquivoGerado, kValidacaoRecusada), kValidacaoRecusada);
    EXPECT_EQ(PiorSaida(kGeracaoFalhou, kValidacaoRecusada), kGeracaoFalhou);
    EXPECT_EQ(PiorSaida(kValidacaoRecusada, kArquivoGerado), kValidacaoRecusada);
    EXPECT_EQ(PiorSaida(kArquivoGerado, kArquivoGerado), kArquivoGerado);
    EXPECT_EQ(PiorSaida(kArquivoComProblemas, kArquivoGerado), kArquivoComProblemas);
    EXPECT_EQ(PiorSaida(kArquivoComProblemas, kValidacaoRecusada), kValidacaoRecusada);
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
