#include "util/PodaJuncoes.h"

#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace util {

namespace {

constexpr std::string_view kJuncoes[] = {"inner join", "left join", "right join"};

// Só ASCII: as palavras-chave e os apelidos que se procuram não têm acento.
std::string Minusculas(std::string_view texto) {
    std::string r(texto);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    return Minusculas(a) == Minusculas(b);
}

// Uma passada da esquerda para a direita, sem sobreposição, como o StringReplace do Delphi.
std::string SubstituirTodos(std::string_view texto, std::string_view de, std::string_view para) {
    std::string r;
    std::size_t inicio = 0;
    for (std::size_t p; (p = texto.find(de, inicio)) != std::string_view::npos;
         inicio = p + de.size())
        r.append(texto.substr(inicio, p - inicio)).append(para);
    r.append(texto.substr(inicio));
    return r;
}

// Tira cada trecho entre parênteses, os de dentro primeiro; parêntese sem par fica.
std::string SemParenteses(std::string_view texto) {
    std::string r;
    std::vector<std::size_t> abertos;
    for (char c : texto) {
        if (c == '(') {
            abertos.push_back(r.size());
        } else if (c == ')' && !abertos.empty()) {
            r.resize(abertos.back());
            abertos.pop_back();
            continue;
        }
        r += c;
    }
    return r;
}

// O apelido em "<junção> TABELA apelido ON ..." ou "<junção> TABELA AS apelido ON ...";
// nada quando a linha não tem junção fora de parênteses ou não segue esse formato.
std::optional<std::string> ApelidoDaJuncao(std::string_view linha) {
    const std::string limpa = SemParenteses(linha);
    const std::string minus = Minusculas(limpa);
    std::size_t inicio = std::string::npos, fim = 0;
    for (std::string_view juncao : kJuncoes) {
        const std::size_t p = minus.find(juncao);
        if (p < inicio) {
            inicio = p;
            fim = p + juncao.size();
        }
    }
    if (inicio == std::string::npos) return std::nullopt;
    std::istringstream palavras(limpa.substr(fim));
    std::string tabela, p1, p2, p3;
    palavras >> tabela >> p1 >> p2 >> p3;
    if (IguaisSemCaixa(p1, "AS") && IguaisSemCaixa(p3, "ON")) return p2;
    if (IguaisSemCaixa(p2, "ON")) return p1;
    return std::nullopt;
}

struct Linha {
    std::size_t inicio, fim;  // sem a quebra de linha
};

std::vector<Linha> Linhas(std::string_view texto) {
    std::vector<Linha> linhas;
    for (std::size_t inicio = 0; inicio <= texto.size();) {
        std::size_t quebra = texto.find('\n', inicio);
        if (quebra == std::string_view::npos) quebra = texto.size();
        std::size_t fim = quebra;
        if (fim > inicio && texto[fim - 1] == '\r') --fim;
        linhas.push_back({inicio, fim});
        inicio = quebra + 1;
    }
    return linhas;
}

std::vector<Linha> JuncoesSemUso(const std::string& sql) {
    const std::string minus = Minusculas(sql);
    std::vector<Linha> semUso;
    for (const Linha& linha : Linhas(sql)) {
        const std::string_view texto(sql.data() + linha.inicio, linha.fim - linha.inicio);
        const std::optional<std::string> apelido = ApelidoDaJuncao(texto);
        if (!apelido) continue;
        const std::string foraDaLinha = minus.substr(0, linha.inicio) + minus.substr(linha.fim);
        if (foraDaLinha.find(Minusculas(*apelido) + ".") == std::string::npos)
            semUso.push_back(linha);
    }
    return semUso;
}

}  // namespace

std::string QuebrarLinhasNasJuncoes(std::string sql) {
    for (std::string_view palavra : {"inner join", "left join", "right join", "where"}) {
        std::string minus = Minusculas(sql);
        // Só a partir do terceiro caractere, para a quebra nunca abrir o texto.
        for (std::size_t p = minus.find(palavra, 2); p != std::string::npos;
             p = minus.find(palavra, p + palavra.size())) {
            if (palavra == "where" && sql[p - 1] != ' ') continue;
            sql.insert(p - 1, "\r\n");
            minus.insert(p - 1, "\r\n");
            p += 2;
        }
    }
    return sql;
}

std::string PodarJuncoesSemUso(std::string sql) {
    for (;;) {
        const std::vector<Linha> semUso = JuncoesSemUso(sql);
        // Da última para a primeira, para as posições das anteriores continuarem valendo.
        for (auto it = semUso.rbegin(); it != semUso.rend(); ++it)
            sql.erase(it->inicio, it->fim - it->inicio);
        sql = SubstituirTodos(sql, "\r\n\r\n", "\r\n");
        if (semUso.empty()) return sql;
    }
}

}  // namespace util
