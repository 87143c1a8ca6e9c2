// As páginas gravadas em texto e em PDF, e a gravação do arquivo.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "report/GravarArquivo.h"
#include "report/RenderizadorPdf.h"
#include "report/RenderizadorTexto.h"
#include "tests/support/BancoTeste.h"

namespace {

using report::Pagina;

std::vector<Pagina> DuasPaginas() {
    std::vector<Pagina> paginas(2);
    paginas[0].Escrever(1, 1, "Gerador");
    paginas[0].Escrever(3, 5, "P\xE1g.: 0001");  // "Pág." em Windows-1252
    paginas[1].Escrever(2, 1, "Reg.: C100-" + std::string(140, 'x') + "FIM");
    return paginas;
}

std::string LerArquivo(const std::filesystem::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

size_t Ocorrencias(const std::string& texto, const std::string& trecho) {
    size_t n = 0;
    for (size_t p = texto.find(trecho); p != std::string::npos; p = texto.find(trecho, p + 1)) ++n;
    return n;
}

TEST(RenderizadorTextoTest, PaginasSeparadasPorSaltoDePagina) {
    const std::string esperado =
        "Gerador\r\n\r\n    P\xE1g.: 0001\r\n"
        "\f\r\nReg.: C100-" +
        std::string(140, 'x') + "FIM\r\n";
    EXPECT_EQ(report::PaginasEmTexto(DuasPaginas()), esperado);
}

TEST(RenderizadorTextoTest, PaginaEmBrancoViraSoOSalto) {
    std::vector<Pagina> paginas(3);
    paginas[2].Escrever(1, 1, "fim");
    EXPECT_EQ(report::PaginasEmTexto(paginas), "\f\ffim\r\n");
}

TEST(RenderizadorPdfTest, UmaFolhaPorPaginaComOTextoEmWinAnsi) {
    const std::string pdf = report::PaginasEmPdf(DuasPaginas());
    ASSERT_TRUE(pdf.starts_with("%PDF-")) << pdf.substr(0, 20);
    EXPECT_EQ(Ocorrencias(pdf, "/Type /Page\r") + Ocorrencias(pdf, "/Type /Page\n"), 2u);
    EXPECT_NE(pdf.find("/Courier"), std::string::npos);
    EXPECT_NE(pdf.find("/WinAnsiEncoding"), std::string::npos);
    // O byte 0xE1 vai como está, escapado em octal na string do PDF.
    EXPECT_NE(pdf.find("(    P\\341g.: 0001)"), std::string::npos);
    // A linha longa é cortada na coluna 136.
    const std::string cortada = "(Reg.: C100-" + std::string(136 - 11, 'x') + ")";
    EXPECT_NE(pdf.find(cortada), std::string::npos);
    EXPECT_EQ(pdf.find("FIM"), std::string::npos);
}

TEST(GravarArquivoTest, GravaSubstituiENaoDeixaTemporario) {
    teste::PastaTemporaria pasta;
    const auto destino = pasta.caminho() / "erros.txt";
    report::GravarArquivo(destino, "antigo, mais longo");
    report::GravarArquivo(destino, std::string("novo\0x", 6));
    EXPECT_EQ(LerArquivo(destino), std::string("novo\0x", 6));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()), {}), 1);
}

TEST(GravarArquivoTest, PastaInexistenteLancaSemDeixarNada) {
    teste::PastaTemporaria pasta;
    const auto destino = pasta.caminho() / "nao-existe" / "erros.pdf";
    EXPECT_THROW(report::GravarArquivo(destino, "x"), std::runtime_error);
    EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
}

}  // namespace
