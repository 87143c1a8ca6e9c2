// Números de ordem: a tabela das faixas conferida como propriedade sobre todos os registros do
// leiaute, e a numeração de um mês de mais de 20 milhões de linhas escritas na ordem da geração.
#include <gtest/gtest.h>

#include <map>

#include "core/OrdemRegistros.h"
#include "core/leiaute/Leiaute.h"

namespace {

using core::OrdemRegistros;

const std::map<std::string, leiaute::Registro, std::less<>>& Registros() {
    return leiaute::Leiaute::Oficial().Registros();
}

int PosicaoBloco(char bloco) {
    return static_cast<int>(leiaute::Leiaute::kOrdemBlocos.find(bloco));
}

// O ancestral de nível 2 (o registro que abre o grupo dentro do bloco).
const leiaute::Registro& Raiz(const leiaute::Registro& r) {
    const leiaute::Registro* atual = &r;
    while (atual->nivel > 2 && !atual->pai.empty())
        atual = leiaute::Leiaute::Oficial().Procurar(atual->pai);
    return *atual;
}

TEST(OrdemRegistros, BlocosEmOrdemComAberturaEEncerramentoNasPontas) {
    for (const auto& [codigo, r] : Registros()) {
        const char bloco = codigo[0];
        const int base = OrdemRegistros::Base(codigo);
        EXPECT_GT(base, 0) << codigo << " sem faixa";
        if (bloco == '9' || codigo == "0000") continue;
        const std::string abertura = std::string(1, bloco) + "001",
                          encerramento = std::string(1, bloco) + "990";
        EXPECT_GE(base, OrdemRegistros::Base(abertura)) << codigo;
        EXPECT_LE(base, OrdemRegistros::Base(encerramento)) << codigo;
        // Tudo do bloco antes da abertura do bloco seguinte.
        const size_t seguinte = PosicaoBloco(bloco) + 1;
        if (seguinte < leiaute::Leiaute::kOrdemBlocos.size()) {
            EXPECT_LT(base, OrdemRegistros::Base(
                                std::string(1, leiaute::Leiaute::kOrdemBlocos[seguinte]) + "001"))
                << codigo;
        }
    }
    EXPECT_LT(OrdemRegistros::Base("0000"), OrdemRegistros::Base("0001"));
}

TEST(OrdemRegistros, PaisAntesDosFilhosEIrmaosNaOrdemDoLeiaute) {
    const leiaute::Registro* anterior = nullptr;
    for (const auto& [codigo, r] : Registros()) {
        if (!r.pai.empty() && r.nivel > 1) {
            EXPECT_LE(OrdemRegistros::Base(r.pai), OrdemRegistros::Base(codigo))
                << codigo << " antes de " << r.pai;
        }
        if (r.nivel == 2 && anterior && anterior->codigo[0] == codigo[0]) {
            EXPECT_LE(OrdemRegistros::Base(anterior->codigo), OrdemRegistros::Base(codigo))
                << codigo << " antes de " << anterior->codigo;
        }
        if (r.nivel == 2) anterior = &r;
    }
}

// Nos cadastros e nos documentos o pai é escrito antes dos filhos: um filho fica na faixa do seu
// registro de nível 2, para não se separar dele quando há muitos pais.
TEST(OrdemRegistros, FilhosNaFaixaDoPaiNosCadastrosENosDocumentos) {
    for (const auto& [codigo, r] : Registros()) {
        if (r.nivel < 3 || std::string_view("0CD").find(codigo[0]) == std::string_view::npos)
            continue;
        EXPECT_EQ(OrdemRegistros::Base(codigo), OrdemRegistros::Base(Raiz(r).codigo)) << codigo;
    }
}

// Um mês de 20,6 milhões de linhas na ordem da geração: unidades e participantes aparecem à medida
// que as notas os citam, os itens (0200) no fim, 0990 e o bloco 9 por último. Cada grupo tem de
// cair inteiro depois do grupo anterior no arquivo, e dentro dele na ordem em que foi escrito.
TEST(OrdemRegistros, MesDeMaisDeVinteMilhoesDeLinhasSaiNaOrdem) {
    // Os grupos na ordem do arquivo; os códigos de um grupo se intercalam na ordem em que são
    // escritos.
    const std::vector<std::vector<std::string>> kArquivo = {{"0000"},
                                                            {"0001"},
                                                            {"0005"},
                                                            {"0100"},
                                                            {"0150", "0175"},
                                                            {"0190"},
                                                            {"0200", "0220"},
                                                            {"0400"},
                                                            {"0990"},
                                                            {"B001"},
                                                            {"B990"},
                                                            {"C001"},
                                                            {"C100", "C170", "C190"},
                                                            {"C990"},
                                                            {"E001", "E100", "E110", "E990"},
                                                            {"9001", "9900", "9999"}};
    std::map<std::string, size_t> lugar;
    for (size_t k = 0; k < kArquivo.size(); ++k)
        for (const std::string& c : kArquivo[k]) lugar[c] = k;
    struct Faixa {
        int primeira = 0, ultima = 0;
    };
    std::map<size_t, Faixa> porLugar;
    OrdemRegistros ordem;
    int64_t linhas = 0;
    auto escrever = [&](const std::string& codigo) {
        const int n = ordem.Proxima(codigo);
        Faixa& f = porLugar[lugar.at(codigo)];
        if (f.primeira == 0) f.primeira = n;
        ASSERT_GT(n, f.ultima) << codigo << " fora da ordem de escrita";
        f.ultima = n;
        ++linhas;
    };
    for (const char* c : {"0000", "0001", "0005", "0100", "B001", "B990", "C001"}) escrever(c);
    constexpr int kNotas = 1'500'000;
    for (int nota = 0; nota < kNotas; ++nota) {
        if (nota % 2 == 0) escrever("0150");  // um participante novo a cada duas notas
        if (nota % 500'000 == 0) escrever("0175");
        if (nota % 10 == 0) escrever("0190");
        if (nota % 3 == 0) escrever("0400");
        escrever("C100");
        for (int item = 0; item < 10; ++item) escrever("C170");
        for (int resumo = 0; resumo < 2; ++resumo) escrever("C190");
    }
    for (const char* c : {"C990", "E001", "E100", "E110", "E990"}) escrever(c);
    for (int item = 0; item < 1'500'000; ++item) {
        escrever("0200");
        if (item % 2 == 0) escrever("0220");
    }
    escrever("0990");
    escrever("9001");
    for (int k = 0; k < 25; ++k) escrever("9900");
    escrever("9999");
    EXPECT_GT(linhas, 20'000'000);
    int anterior = 0;
    for (const auto& [l, f] : porLugar) {
        EXPECT_GT(f.primeira, anterior)
            << kArquivo[l][0] << " cai antes do grupo anterior do arquivo";
        anterior = f.ultima;
    }
}

TEST(OrdemRegistros, FaixaCheiaFalhaEmVezDeSairForaDeOrdem) {
    OrdemRegistros ordem;
    const int capacidade = OrdemRegistros::Capacidade("0190");
    EXPECT_EQ(capacidade, 1'000'000);
    for (int k = 1; k < capacidade; ++k) ordem.Proxima("0190");
    EXPECT_THROW(ordem.Proxima("0190"), std::runtime_error);
    EXPECT_EQ(ordem.Proxima("0200"), 120'000'001) << "as outras faixas seguem";
}

}  // namespace
