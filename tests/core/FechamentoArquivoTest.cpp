// Fechamento dos blocos, bloco 9 e o arquivo texto de uma geração real.
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "core/ArquivoTxt.h"
#include "core/FechamentoBlocos.h"
#include "tests/support/GeracaoTeste.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

class FechamentoArquivoTest : public ::testing::Test, public teste::GeracaoTeste {};

TEST_F(FechamentoArquivoTest, ContagensDoBloco9ConferemComOArquivo) {
    const auto linhas = Gerar();
    ASSERT_FALSE(linhas.empty());
    const auto r9900 = Registros(linhas, "9900");
    // Códigos antes do bloco 9: 0000 0001 0005 0100 0990 B001 B990 C001 C990 E001 E100 E110 E990
    // G001 G990 H001 H990 = 17, mais 9001.
    EXPECT_EQ(r9900.size(), 17u + 1 + 3);
    EXPECT_EQ(r9900.front(), "|9900|0000|1|");
    EXPECT_EQ(r9900[r9900.size() - 4], "|9900|H990|1|");
    EXPECT_EQ(r9900[r9900.size() - 3], "|9900|9900|21|");
    EXPECT_EQ(r9900[r9900.size() - 2], "|9900|9990|1|");
    EXPECT_EQ(r9900.back(), "|9900|9999|1|");
    EXPECT_EQ(Registros(linhas, "0990"), std::vector<std::string>{"|0990|5|"});
    EXPECT_EQ(Registros(linhas, "9990"), std::vector<std::string>{"|9990|" + std::to_string(1 + r9900.size() + 2) + "|"});
    EXPECT_EQ(linhas.back(), "|9999|" + std::to_string(linhas.size()) + "|");
    EXPECT_EQ(linhas[linhas.size() - 2].substr(0, 6), "|9990|");
    // Ordem dos blocos no arquivo.
    std::string ordem;
    for (const std::string& l : linhas)
        if (ordem.empty() || ordem.back() != l[1]) ordem += l[1];
    EXPECT_EQ(ordem, "0BCEGH9");
}

TEST_F(FechamentoArquivoTest, ArquivoComCrLfEBytesComoNoBanco) {
    erp.Executar(std::string("UPDATE FILIAL SET NOME_FI = 'CAL\xC7" "ADOS \xC9XITO LTDA'"));
    RecarregarFiliais();
    Gerar();
    const std::string texto = LerArquivo();
    const std::string inicio = "|0000|018|0|01032024|31032024|CAL\xC7" "ADOS \xC9XITO LTDA|17432896000180|";
    EXPECT_EQ(texto.substr(0, inicio.size()), inicio);
    EXPECT_EQ(texto.substr(texto.size() - 2), "\r\n");
    EXPECT_EQ(texto.find("\n\r\n"), std::string::npos);
    EXPECT_EQ(texto.find("\r\r"), std::string::npos);
}

TEST_F(FechamentoArquivoTest, LinhasLongasSaemInteiras) {
    // Em volta do limite em que a leitura troca o VARCHAR pelo blob.
    std::vector<std::string> esperadas;
    for (const size_t tamanho : {1999u, 2000u, 2001u, 40000u})
        esperadas.push_back("|0460|" + std::to_string(tamanho) + "|" + std::string(tamanho, '\xC9') + "|");
    auto gravar = [&](core::Geracao& ger) {
        for (const std::string& l : esperadas) ger.sped.GravarLinha("0460", l);
    };
    const auto linhas = Gerar({{"longas", gravar}, {"fechamento", core::FecharArquivo}});
    EXPECT_EQ(Registros(linhas, "0460"), esperadas);
}

TEST_F(FechamentoArquivoTest, TresGeracoesDeixamOArquivoEDoisBackups) {
    Gerar();
    Gerar();
    Gerar();
    const fs::path backup = pasta.caminho() / "backup";
    EXPECT_TRUE(fs::exists(pasta.caminho() / "SPED_EFD_2024_03.TXT"));
    EXPECT_TRUE(fs::exists(backup / "SPED_EFD_2024_03.001"));
    EXPECT_TRUE(fs::exists(backup / "SPED_EFD_2024_03.002"));
    EXPECT_FALSE(fs::exists(backup / "SPED_EFD_2024_03.003"));
    size_t arquivos = 0;
    for (const auto& e : fs::directory_iterator(pasta.caminho())) arquivos += e.is_regular_file();
    EXPECT_EQ(arquivos, 1u) << "nenhum arquivo temporário fica para trás";
}

TEST_F(FechamentoArquivoTest, ComAsNoventaENoveCopiasOcupadasAMaisAntigaSai) {
    const fs::path backup = pasta.caminho() / "backup";
    fs::create_directories(backup);
    const auto copia = [&](int n) { return backup / fmt::format("SPED_EFD_2024_03.{:03}", n); };
    for (int n = 1; n <= 99; ++n) std::ofstream(copia(n)) << "copia " << n;
    std::ofstream(pasta.caminho() / "SPED_EFD_2024_03.TXT") << "anterior";
    Gerar();
    EXPECT_EQ(teste::LerConteudo(copia(1)), "copia 2");
    EXPECT_EQ(teste::LerConteudo(copia(98)), "copia 99");
    EXPECT_EQ(teste::LerConteudo(copia(99)), "anterior");
    EXPECT_FALSE(fs::exists(backup / "SPED_EFD_2024_03.100"));
    EXPECT_TRUE(mensagens.alertas.empty());
}

// Número de um processo que já terminou.
pid_t ProcessoTerminado() {
    pid_t pid;
    char programa[] = "true";
    char* argumentos[] = {programa, nullptr};
    EXPECT_EQ(posix_spawnp(&pid, programa, nullptr, nullptr, argumentos, environ), 0);
    waitpid(pid, nullptr, 0);
    return pid;
}

TEST_F(FechamentoArquivoTest, TemporarioDeGeracaoInterrompidaSaiNaGeracaoSeguinte) {
    const fs::path morto = pasta.caminho() / fmt::format("SPED_EFD_2024_03.TXT.tmp{}", ProcessoTerminado());
    const fs::path vivo = pasta.caminho() / fmt::format("SPED_EFD_2024_03.TXT.tmp{}", getppid());
    const fs::path outroArquivo = pasta.caminho() / fmt::format("SPED_EFD_2024_04.TXT.tmp{}", ProcessoTerminado());
    for (const fs::path& p : {morto, vivo, outroArquivo}) std::ofstream(p) << "|0000|pela metade";
    Gerar();
    EXPECT_FALSE(fs::exists(morto));
    EXPECT_TRUE(fs::exists(vivo)) << "o processo ainda pode estar gravando";
    EXPECT_TRUE(fs::exists(outroArquivo)) << "sobra de outro arquivo fica para a geração dele";
}

TEST_F(FechamentoArquivoTest, FalhaDeGravacaoMantemOArquivoAnterior) {
    if (geteuid() == 0) {
        // root ignora permissões de pasta: usa um caminho que não pode ser pasta.
        std::ofstream(pasta.caminho() / "arquivo") << "x";
        params.DIR_GERACAO = (pasta.caminho() / "arquivo" / "sub").string();
        EXPECT_THROW(Gerar(), std::runtime_error);
        return;
    }
    Gerar();
    const std::string anterior = LerArquivo();
    erp.Executar("UPDATE FILIAL SET NOME_FI = 'OUTRO NOME'");
    RecarregarFiliais();
    chmod(pasta.caminho().c_str(), 0555);
    EXPECT_THROW(Gerar(), std::runtime_error);
    chmod(pasta.caminho().c_str(), 0755);
    EXPECT_EQ(LerArquivo(), anterior);
}

TEST_F(FechamentoArquivoTest, NomeDoArquivoPorFilialEAvisoDeArquivoInexistente) {
    params.DIR_GERACAO = "/saida";
    EXPECT_EQ(core::NomeArquivoSped(params), fs::path("/saida/SPED_EFD_2024_03.TXT"));
    params.SEPARAR_ARQ_POR_FILIAL = true;
    params.FILIAL = 12;
    EXPECT_EQ(core::NomeArquivoSped(params), fs::path("/saida/SPED_EFD_12_2024_03.TXT"));

    params.DIR_GERACAO = pasta.caminho().string();
    core::AbrirArquivoGerado(params, mensagens);
    ASSERT_EQ(mensagens.erros.size(), 1u);
    EXPECT_EQ(mensagens.erros[0], "N\xE3o Existe Arquivo Gerado para o M\xEAs/Ano \"03/2024\".");
}

}  // namespace
