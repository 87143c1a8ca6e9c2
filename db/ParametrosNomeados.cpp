#include "db/ParametrosNomeados.h"

#include <cctype>

namespace db {

static bool InicioNome(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
static bool ParteNome(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

SqlPosicional ConverterParametros(std::string_view sql) {
    SqlPosicional r;
    r.sql.reserve(sql.size());
    size_t i = 0;
    auto copiarAte = [&](size_t fim) {
        r.sql.append(sql.substr(i, fim - i));
        i = fim;
    };
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            size_t j = i + 1;
            while (j < sql.size()) {
                if (sql[j] == c) {
                    if (j + 1 < sql.size() && sql[j + 1] == c) { j += 2; continue; }  // aspa dobrada
                    break;
                }
                ++j;
            }
            copiarAte(j < sql.size() ? j + 1 : j);
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            const size_t fim = sql.find('\n', i);
            copiarAte(fim == std::string_view::npos ? sql.size() : fim);
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            const size_t fim = sql.find("*/", i + 2);
            copiarAte(fim == std::string_view::npos ? sql.size() : fim + 2);
        } else if (c == ':' && i + 1 < sql.size() && InicioNome(sql[i + 1])) {
            size_t j = i + 1;
            std::string nome;
            while (j < sql.size() && ParteNome(sql[j]))
                nome += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[j++])));
            r.nomes.push_back(std::move(nome));
            r.sql += '?';
            i = j;
        } else {
            r.sql += c;
            ++i;
        }
    }
    return r;
}

}  // namespace db
