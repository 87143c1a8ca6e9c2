// O que vai para o terminal: a barra de progresso cabe na largura dele e termina a sua linha; as
// mensagens chegam sem caracteres de controle.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/BarraProgresso.h"
#include "cli/MensagensTerminal.h"
#include "util/Texto1252.h"

namespace {

// O que a barra escreveu, separado nos redesenhos (cada um começa com CR).
std::vector<std::string> Redesenhos(const std::string& saida) {
    std::vector<std::string> partes;
    size_t inicio = 0;
    while ((inicio = saida.find('\r', inicio)) != std::string::npos) {
        const size_t fim = saida.find_first_of("\r\n", inicio + 1);
        partes.push_back(saida.substr(inicio + 1, fim == std::string::npos ? fim : fim - inicio - 1));
        inicio = inicio + 1;
    }
    return partes;
}

// Colunas ocupadas por um texto UTF-8.
size_t Colunas(const std::string& texto) {
    size_t n = 0;
    for (const unsigned char c : texto) n += (c & 0xC0) != 0x80;
    return n;
}

TEST(BarraProgressoTest, CadaRedesenhoCabeNaLarguraETerminaALinha) {
    for (const int colunas : {80, 40, 120}) {
        std::FILE* arquivo = std::tmpfile();
        {
            cli::BarraProgresso barra(arquivo, colunas);
            core::TProgresso p;
            p.Max = 4;
            p.Texto = util::W("Processando Notas de Saída com uma legenda longa que não cabe em oitenta colunas...");
            for (p.Posicao = 0; p.Posicao <= 4; ++p.Posicao) barra.Atualizar(p);
            p.Texto = "Curta";
            barra.Atualizar(p);
            barra.Encerrar();
        }
        std::rewind(arquivo);
        std::string saida;
        for (int c; (c = std::fgetc(arquivo)) != EOF;) saida += static_cast<char>(c);
        std::fclose(arquivo);

        const auto partes = Redesenhos(saida);
        ASSERT_EQ(partes.size(), 6u) << colunas;
        for (const std::string& parte : partes) EXPECT_LE(Colunas(parte), static_cast<size_t>(colunas - 1)) << parte;
        EXPECT_NE(partes[0].find(colunas >= 80 ? "Processando Notas de Saída" : "Processando"), std::string::npos)
            << partes[0];
        EXPECT_NE(partes[4].find("100%"), std::string::npos) << partes[4];
        EXPECT_EQ(saida.back(), '\n') << "a linha da barra termina antes do que vem depois";
        EXPECT_EQ(saida.find('\n'), saida.size() - 1) << "uma linha só, redesenhada";
    }
}

TEST(ParaTerminalTest, QuebrasViramLinhasEControlesViramInterrogacao) {
    EXPECT_EQ(cli::ParaTerminal(util::W("Confirma?\rSim ou Não")), "Confirma?\nSim ou Não");
    EXPECT_EQ(cli::ParaTerminal(std::string("banco \x1b[2J\x07\x7f.FDB\tok")), "banco ?[2J??.FDB\tok");
}

}  // namespace
