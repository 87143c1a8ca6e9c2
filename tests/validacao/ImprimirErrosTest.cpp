// Relatório de erros: cabeçalho, título, uma linha por erro e a quebra de página na linha 61.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "app/validacao/ImprimirErros.h"
#include "report/GravarArquivo.h"
#include "report/ImpressoraPaginas.h"
#include "report/RenderizadorPdf.h"
#include "tests/support/BancoTeste.h"
#include "util/Texto1252.h"

namespace {

using report::Pagina;
using util::W;

class ImprimirErrosTest : public ::testing::Test {
protected:
    ImprimirErrosTest() {
        params.NOME_FIL = W("CONFECÇÕES MODELO LTDA");
        params.DATA_INI = util::DataHora::Data(2024, 2, 1);
        params.DATA_FIM = util::DataHora::Data(2024, 2, 29);
    }

    // Cada chamada do relógio anda um minuto, para ver que cada página lê a hora.
    util::DataHora Agora() { return {2024, 3, 5, 9, minuto++, 41}; }

    std::vector<Pagina> Imprimir() {
        std::vector<Pagina> paginas;
        report::ImpressoraPaginas impressora([&](const std::vector<Pagina>& p) { paginas = p; });
        app::ImprimirErros(erros, params, impressora, [this] { return Agora(); });
        return paginas;
    }

    static std::string Cabecalho(const char* horaEPagina) {
        const std::string direita = W(horaEPagina);
        return "Gerador do arquivo SPED EFD" + std::string(135 - 27 - direita.size(), ' ') +
               direita;
    }

    core::TParametros params;
    core::ListaErros erros;
    int minuto = 7;
};

const std::string kTitulo =
    W("Erros encontrados na geração do arquivo da empresa CONFECÇÕES MODELO LTDA"
      " do periodo de 01/02/24 a 29/02/24");
const std::string kTraco(135, '-');

TEST_F(ImprimirErrosTest, SessentaErrosDeixam57NaPrimeiraPagina) {
    for (int n = 1; n <= 60; ++n) erros.AdicionarErro("C100", fmt::format("Erro {:02}", n));
    const std::vector<Pagina> paginas = Imprimir();

    ASSERT_EQ(paginas.size(), 2u);
    EXPECT_EQ(paginas[0].Linha(1), Cabecalho("05/03/24 09:07 - Pág.: 0001"));
    EXPECT_EQ(paginas[0].Linha(2), "");
    EXPECT_EQ(paginas[0].Linha(3), kTitulo);
    EXPECT_EQ(paginas[0].Linha(4), kTraco);
    EXPECT_EQ(paginas[0].Linha(5), "Reg.: C100-Erro 01");
    EXPECT_EQ(paginas[0].Linha(61), "Reg.: C100-Erro 57");
    EXPECT_EQ(paginas[0].UltimaLinhaUsada(), 61);

    EXPECT_EQ(paginas[1].Linha(1), Cabecalho("05/03/24 09:08 - Pág.: 0002"));
    EXPECT_EQ(paginas[1].Linha(3), kTitulo);
    EXPECT_EQ(paginas[1].Linha(4), kTraco);
    EXPECT_EQ(paginas[1].Linha(5), "Reg.: C100-Erro 58");
    EXPECT_EQ(paginas[1].Linha(7), "Reg.: C100-Erro 60");
    EXPECT_EQ(paginas[1].UltimaLinhaUsada(), 7);
}

TEST_F(ImprimirErrosTest, OrdemPorRegistroEMensagemEUmaLinhaPorErro) {
    const std::string longa = W("Descrição ") + std::string(490, 'x');
    erros.AdicionarErro("C170", "Item sem NCM");
    erros.AdicionarErro("0200", longa);
    erros.AdicionarErro("0150", W("CNPJ inválido"));
    erros.AdicionarErro("0150", W("CNPJ inválido"));
    const std::vector<Pagina> paginas = Imprimir();

    ASSERT_EQ(paginas.size(), 1u);
    EXPECT_EQ(paginas[0].Linha(5), W("Reg.: 0150-CNPJ inválido"));
    // A mensagem longa vai inteira na sua linha; quem desenha a página decide o corte.
    EXPECT_EQ(paginas[0].Linha(6), "Reg.: 0200-" + longa);
    EXPECT_EQ(paginas[0].Linha(7), "Reg.: C170-Item sem NCM");
    EXPECT_EQ(paginas[0].UltimaLinhaUsada(), 7);
}

// Os problemas da conferência do arquivo vêm depois dos de dados, com o título da seção, na ordem
// das linhas; a seção continua na página seguinte com o título repetido.
TEST_F(ImprimirErrosTest, ProblemasDoArquivoNaSuaSecao) {
    const std::string kSecao =
        W("Problemas do arquivo gerado, conferido com o leiaute oficial (corrija no ERP antes de enviar):");
    erros.AdicionarErro("0100", "Contabilista sem e-mail");
    for (int n = 1; n <= 60; ++n) erros.AdicionarProblemaArquivo("C100", fmt::format("Linha {}: problema", n));
    const std::vector<Pagina> paginas = Imprimir();

    ASSERT_EQ(paginas.size(), 2u);
    EXPECT_EQ(paginas[0].Linha(5), "Reg.: 0100-Contabilista sem e-mail");
    EXPECT_EQ(paginas[0].Linha(6), "");
    EXPECT_EQ(paginas[0].Linha(7), kSecao);
    EXPECT_EQ(paginas[0].Linha(8), "Reg.: C100-Linha 1: problema");
    EXPECT_EQ(paginas[0].Linha(61), "Reg.: C100-Linha 54: problema");
    EXPECT_EQ(paginas[1].Linha(3), kTitulo);
    EXPECT_EQ(paginas[1].Linha(5), kSecao);
    EXPECT_EQ(paginas[1].Linha(6), "Reg.: C100-Linha 55: problema");
}

TEST_F(ImprimirErrosTest, ConfiguracaoCanceladaNaoImprimeNada) {
    erros.AdicionarErro("C100", "Erro");
    bool entregou = false;
    report::ImpressoraPaginas impressora([&](const std::vector<Pagina>&) { entregou = true; },
                                         [] { return false; });
    app::ImprimirErros(erros, params, impressora, [this] { return Agora(); });
    EXPECT_FALSE(entregou);
    EXPECT_TRUE(impressora.Paginas().empty());
}

TEST_F(ImprimirErrosTest, FalhaAbandonaERepassa) {
    erros.AdicionarErro("C100", "Erro");
    report::ImpressoraPaginas impressora(
        [](const std::vector<Pagina>&) { throw std::runtime_error("impressora desligada"); });
    EXPECT_THROW(app::ImprimirErros(erros, params, impressora, [this] { return Agora(); }),
                 std::runtime_error);
    EXPECT_TRUE(impressora.Paginas().empty());
}

TEST_F(ImprimirErrosTest, RelatorioEmArquivoPdf) {
    for (int n = 1; n <= 60; ++n) erros.AdicionarErro("H010", fmt::format("Erro {:02}", n));
    teste::PastaTemporaria pasta;
    const auto destino = pasta.caminho() / "erros.pdf";
    report::ImpressoraPaginas impressora([&](const std::vector<Pagina>& p) {
        report::GravarArquivo(destino, report::PaginasEmPdf(p));
    });
    app::ImprimirErros(erros, params, impressora);

    std::ifstream pdf(destino, std::ios::binary);
    std::string inicio(5, '\0');
    pdf.read(inicio.data(), 5);
    EXPECT_EQ(inicio, "%PDF-");
}

}  // namespace
