// A conferência contra o leiaute: um arquivo mínimo limpo e cópias dele com um problema de cada
// tipo, montadas aqui mesmo (fechamentos e bloco 9 recontados, salvo nos casos das contagens).
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "core/leiaute/Verificador.h"
#include "tests/support/BancoTeste.h"

namespace {

using Linhas = std::vector<std::string>;

// Chave de acesso de NF-e modelo 55 da filial (MG, CNPJ 17432896000180), série 1, com o dígito.
std::string Chave(int numero) {
    char base[64];
    std::snprintf(base, sizeof base, "31260117432896000180550010%08d112345678", numero);
    std::string k = std::string(base).substr(0, 43);
    int soma = 0, peso = 2;
    for (auto it = k.rbegin(); it != k.rend(); ++it) {
        soma += (*it - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return k + std::to_string(resto < 2 ? 0 : 11 - resto);
}

Linhas Corpo() {
    return {
        "|0000|020|0|01012026|31012026|INDUSTRIA TESTE "
        "LTDA|17432896000180||MG|1862491370083|3118601|||A|1|",
        "|0001|0|",
        "|0150|P1|CONSTRUTORA HORIZONTE LTDA|01058|21483916000110|||3106200||RUA DOS "
        "GUAJAJARAS|1470||CENTRO|",
        "|0190|UN|UNIDADE|",
        "|0200|I1|TRELICA METALICA|||UN|04|73089010||||||",
        "|B001|1|",
        "|C001|0|",
        "|C100|1|0|P1|55|00|001|123|" + Chave(123) +
            "|15012026|15012026|100,00|0|0,00|0,00|100,00|0|0,00|0,00|0,00|100,00|18,00|0,00|0,00|"
            "0,00|0,00|0,00|0,00|0,00|",
        "|C190|000|5101|18,00|100,00|100,00|18,00|0,00|0,00|0,00|0,00||",
        "|D001|1|",
        "|E001|0|",
        "|E100|01012026|31012026|",
        "|E110|18,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|18,00|0,00|18,00|0,00|0,00|",
        "|E116|000|18,00|10022026|1206|||||012026|",
        "|G001|1|",
        "|H001|0|",
        "|H005|31122025|50,00|01|",
        "|H010|I1|UN|2|25,00|50,00|0|||||",
        "|K001|1|",
        "|1001|0|",
        "|1010|N|N|N|N|N|N|N|N|N|N|N|N|N|",
    };
}

std::string Codigo(const std::string& linha) { return linha.substr(1, linha.find('|', 1) - 1); }

// Acrescenta o x990 de cada bloco e o bloco 9 com as contagens certas.
Linhas Montar(const Linhas& corpo) {
    Linhas r;
    std::map<std::string, int> porCodigo;
    auto acrescentar = [&](const std::string& l) {
        r.push_back(l);
        ++porCodigo[Codigo(l)];
    };
    for (size_t i = 0; i < corpo.size();) {
        const char bloco = Codigo(corpo[i])[0];
        size_t n = 0;
        for (; i < corpo.size() && Codigo(corpo[i])[0] == bloco; ++i, ++n) acrescentar(corpo[i]);
        acrescentar(fmt::format("|{}990|{}|", bloco, n + 1));
    }
    acrescentar("|9001|0|");
    std::set<std::string> codigos{"9900", "9990", "9999"};
    for (const auto& [c, n] : porCodigo) codigos.insert(c);
    for (const std::string& c : codigos) {
        const int n = c == "9900"                    ? static_cast<int>(codigos.size())
                      : (c == "9990" || c == "9999") ? 1
                                                     : porCodigo[c];
        r.push_back(fmt::format("|9900|{}|{}|", c, n));
    }
    r.push_back(fmt::format("|9990|{}|", codigos.size() + 3));
    r.push_back(fmt::format("|9999|{}|", r.size() + 1));
    return r;
}

std::vector<leiaute::Problema> Conferir(const Linhas& linhas) {
    leiaute::Verificador v;
    for (const std::string& l : linhas) v.Linha(l + "\r");
    return v.Concluir();
}

std::multiset<std::string> Tipos(const std::vector<leiaute::Problema>& problemas) {
    std::multiset<std::string> r;
    for (const auto& p : problemas) r.insert(p.tipo);
    return r;
}

// Troca o campo 'pos' (REG = 1, como no leiaute) da primeira linha do registro.
Linhas Troca(Linhas c, const std::string& reg, size_t pos, const std::string& valor) {
    for (std::string& l : c)
        if (Codigo(l) == reg) {
            size_t inicio = 0;
            for (size_t k = 0; k < pos; ++k) inicio = l.find('|', inicio) + 1;
            l.replace(inicio, l.find('|', inicio) - inicio, valor);
            return c;
        }
    ADD_FAILURE() << "sem " << reg;
    return c;
}

Linhas Sem(Linhas c, const std::string& reg) {
    std::erase_if(c, [&](const std::string& l) { return Codigo(l) == reg; });
    return c;
}

TEST(Verificador, ArquivoMinimoSaiLimpo) {
    const auto problemas = Conferir(Montar(Corpo()));
    for (const auto& p : problemas) ADD_FAILURE() << leiaute::Descrever(p);
}

TEST(Verificador, CadaProblemaNaSuaRegra) {
    const std::string chave = Chave(123);
    std::string dvErrado = chave;
    dvErrado.back() = static_cast<char>('0' + (chave.back() - '0' + 1) % 10);
    struct Caso {
        const char* nome;
        std::function<Linhas()> arquivo;
        std::multiset<std::string> tipos;
    };
    auto corpo = [](std::function<Linhas(Linhas)> mudar) {
        return [=] { return Montar(mudar(Corpo())); };
    };
    auto final = [](std::function<Linhas(Linhas)> mudar) {
        return [=] { return mudar(Montar(Corpo())); };
    };
    auto trocaFinal = [](const std::string& de, const std::string& para) {
        return [=](Linhas f) {
            std::replace(f.begin(), f.end(), de, para);
            return f;
        };
    };
    const Caso kCasos[] = {
        {"obrigatório em branco",
         corpo([](Linhas c) { return Troca(c, "0150", 3, ""); }),
         {"obrigatorio"}},
        {"texto maior que o campo",
         corpo([](Linhas c) { return Troca(c, "0150", 12, std::string(61, 'X')); }),
         {"tamanho_max"}},
        {"tamanho fixo",
         corpo([](Linhas c) { return Troca(c, "0000", 2, "20"); }),
         {"tamanho_fixo"}},
        {"número com ponto",
         corpo([](Linhas c) { return Troca(c, "C100", 12, "100.00"); }),
         {"numero"}},
        {"casas decimais demais",
         corpo([](Linhas c) { return Troca(c, "H010", 4, "2,0000001"); }),
         {"decimais"}},
        {"data inexistente",
         corpo([](Linhas c) { return Troca(c, "C100", 10, "31022026"); }),
         {"data"}},
        {"fora da lista",
         corpo([](Linhas c) { return Troca(c, "C100", 13, "7"); }),
         {"valores_validos"}},
        {"registro inexistente",
         corpo([](Linhas c) {
             c.insert(c.begin() + 9, "|C999|X|");
             return c;
         }),
         {"registro_inexistente"}},
        {"filho antes do pai",
         corpo([](Linhas c) {
             std::swap(c[7], c[8]);
             return c;
         }),
         {"hierarquia", "filho_ausente"}},
        {"1:1 repetido",
         corpo([](Linhas c) {
             c.insert(c.begin() + 13, c[12]);
             return c;
         }),
         {"ocorrencia", "e116_soma"}},
        {"bloco fora de ordem",
         corpo([](Linhas c) {
             c = Sem(c, "D001");
             c.push_back("|D001|1|");
             return c;
         }),
         {"ordem_blocos", "ordem_blocos"}},
        {"bloco ausente", corpo([](Linhas c) { return Sem(c, "G001"); }), {"bloco_ausente"}},
        {"participante sem 0150",
         corpo([](Linhas c) { return Troca(c, "C100", 4, "P9"); }),
         {"referencia", "mestre_sem_uso"}},
        {"código mestre repetido",
         corpo([](Linhas c) {
             c.insert(c.begin() + 3, c[2]);
             return c;
         }),
         {"mestre_duplicado"}},
        {"C100 diferente dos C190",
         corpo([](Linhas c) { return Troca(c, "C100", 22, "17,00"); }),
         {"totais_c100"}},
        {"H005 diferente dos H010",
         corpo([](Linhas c) { return Troca(c, "H005", 3, "40,00"); }),
         {"h005_total"}},
        {"E110 com a conta errada",
         corpo([](Linhas c) { return Troca(c, "E110", 10, "19,00"); }),
         {"e110_formula", "e110_formula", "e110_formula"}},
        {"E116 diferente do ICMS a recolher",
         corpo([](Linhas c) { return Troca(c, "E116", 3, "17,00"); }),
         {"e116_soma"}},
        {"CNPJ com dígito errado",
         corpo([](Linhas c) { return Troca(c, "0150", 5, "21483916000107"); }),
         {"cnpj"}},
        {"CPF com dígito errado",
         corpo([](Linhas c) { return Troca(Troca(c, "0150", 5, ""), "0150", 6, "39053344704"); }),
         {"cpf"}},
        {"chave com dígito errado",
         corpo([=](Linhas c) { return Troca(c, "C100", 9, dvErrado); }),
         {"chave_dv"}},
        {"chave de outro número",
         corpo([](Linhas c) { return Troca(c, "C100", 9, Chave(124)); }),
         {"chave_documento"}},
        {"C990 errado", final(trocaFinal("|C990|4|", "|C990|5|")), {"contagem_bloco"}},
        {"9900 errado", final(trocaFinal("|9900|C100|1|", "|9900|C100|2|")), {"9900"}},
        {"9999 errado",
         final([](Linhas f) {
             f.back() = "|9999|1|";
             return f;
         }),
         {"9999"}},
    };
    for (const Caso& c : kCasos) EXPECT_EQ(Tipos(Conferir(c.arquivo())), c.tipos) << c.nome;
    Linhas menos = Corpo();
    menos[8] = "|C190|000|5101|18,00|100,00|100,00|18,00|0,00|0,00|0,00|0,00|";
    EXPECT_EQ(Tipos(Conferir(Montar(menos))), std::multiset<std::string>{"qtd_campos"});
}

TEST(Verificador, ProblemaTrazLinhaRegistroCampoValorEDocumento) {
    const auto problemas = Conferir(Montar(Troca(Corpo(), "C100", 12, "100.00")));
    ASSERT_EQ(problemas.size(), 1u);
    EXPECT_EQ(problemas[0].linha, 10);
    EXPECT_EQ(
        leiaute::Descrever(problemas[0]),
        "linha 10: C100 VL_DOC=\"100.00\": n\xFAmero inv\xE1lido (v\xEDrgula decimal) (NF sa\xED"
        "da num. 123)");
}

// O arquivo em disco: só LF, bloco de assinatura depois do 9999, arquivo que não existe.
TEST(Verificador, ArquivoSoComLfEAssinaturaSaoAceitos) {
    teste::PastaTemporaria pasta;
    const auto gravar = [&](const std::string& nome, const std::string& fim,
                            const std::string& depois) {
        std::ofstream f(pasta.caminho() / nome, std::ios::binary);
        for (const std::string& l : Montar(Corpo())) f << l << fim;
        f << depois;
        return pasta.caminho() / nome;
    };
    EXPECT_TRUE(leiaute::VerificarArquivo(gravar("lf.txt", "\n", "")).empty());
    EXPECT_TRUE(
        leiaute::VerificarArquivo(gravar("assinado.txt", "\r\n", "SBRCAAEPDR\x01\x02\xFF|x|\r\n"))
            .empty());
    const auto semFim = leiaute::VerificarArquivo(gravar("semfim.txt", "\r\n", "|C999|"));
    EXPECT_TRUE(semFim.empty());  // depois do 9999 nada é lido
    EXPECT_THROW(leiaute::VerificarArquivo(pasta.caminho() / "nao-existe.txt"),
                 leiaute::ArquivoIlegivel);
}

TEST(Verificador, LinhasMalFormadas) {
    Linhas f = Montar(Corpo());
    f.insert(f.begin() + 2, "");
    f[5] = "0190|UN|UNIDADE|";
    const auto tipos = Tipos(Conferir(f));
    EXPECT_EQ(tipos.count("linha_vazia"), 1u);
    EXPECT_EQ(tipos.count("delimitadores"), 1u);
}

}  // namespace
