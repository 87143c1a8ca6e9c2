#include "db/Script.h"

#include <algorithm>
#include <cctype>

namespace db {

static std::string Aparado(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return std::string(s.substr(a, b - a));
}

static std::string Maiusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

// Retira comentários do início do comando, para reconhecer SET TERM e COMMIT.
static std::string SemComentariosIniciais(std::string s) {
    for (;;) {
        s = Aparado(s);
        if (s.rfind("--", 0) == 0) {
            const size_t fim = s.find('\n');
            s = fim == std::string::npos ? "" : s.substr(fim + 1);
        } else if (s.rfind("/*", 0) == 0) {
            const size_t fim = s.find("*/");
            s = fim == std::string::npos ? "" : s.substr(fim + 2);
        } else {
            return s;
        }
    }
}

std::vector<std::string> DividirScript(std::string_view script) {
    std::vector<std::string> comandos;
    std::string terminador = ";";
    size_t inicio = 0, i = 0;
    while (i < script.size()) {
        const char c = script[i];
        if (c == '\'' || c == '"') {
            const size_t fim = script.find(c, i + 1);
            i = fim == std::string_view::npos ? script.size() : fim + 1;
        } else if (script.compare(i, 2, "--") == 0) {
            const size_t fim = script.find('\n', i);
            i = fim == std::string_view::npos ? script.size() : fim + 1;
        } else if (script.compare(i, 2, "/*") == 0) {
            const size_t fim = script.find("*/", i + 2);
            i = fim == std::string_view::npos ? script.size() : fim + 2;
        } else if (script.compare(i, terminador.size(), terminador) == 0) {
            const std::string cmd = SemComentariosIniciais(std::string(script.substr(inicio, i - inicio)));
            i += terminador.size();
            inicio = i;
            const std::string maiusc = Maiusculas(cmd);
            if (maiusc.rfind("SET TERM", 0) == 0) {
                terminador = Aparado(std::string_view(cmd).substr(8));
            } else if (!cmd.empty() && maiusc != "COMMIT" && maiusc != "COMMIT WORK") {
                comandos.push_back(cmd);
            }
        } else {
            ++i;
        }
    }
    const std::string resto = SemComentariosIniciais(std::string(script.substr(inicio)));
    if (!resto.empty()) comandos.push_back(resto);
    return comandos;
}

}  // namespace db
