#include "app/ArquivoIni.h"

#include <fstream>
#include <sstream>

namespace app {

static std::string Minusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

static std::string_view Aparar(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

static std::string ChaveMapa(std::string_view secao, std::string_view chave) {
    return Minusculas(Aparar(secao)) + '\n' + Minusculas(Aparar(chave));
}

std::optional<ArquivoIni> ArquivoIni::Ler(const std::filesystem::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream conteudo;
    conteudo << f.rdbuf();
    return DeTexto(conteudo.str());
}

ArquivoIni ArquivoIni::DeTexto(std::string_view texto) {
    if (texto.starts_with("\xEF\xBB\xBF")) texto.remove_prefix(3);
    ArquivoIni ini;
    std::string secao;
    while (!texto.empty()) {
        const auto fim = texto.find('\n');
        std::string_view linha = Aparar(texto.substr(0, fim));
        texto = fim == std::string_view::npos ? std::string_view() : texto.substr(fim + 1);
        if (linha.empty() || linha.front() == ';') continue;
        if (linha.front() == '[') {
            const auto fecha = linha.find(']');
            secao = std::string(linha.substr(1, fecha == std::string_view::npos ? linha.npos : fecha - 1));
            continue;
        }
        const auto igual = linha.find('=');
        if (igual == std::string_view::npos) continue;
        std::string_view valor = Aparar(linha.substr(igual + 1));
        if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front())
            valor = valor.substr(1, valor.size() - 2);
        ini.valores_.emplace(ChaveMapa(secao, linha.substr(0, igual)), std::string(valor));
    }
    return ini;
}

std::optional<std::string> ArquivoIni::Valor(std::string_view secao, std::string_view chave) const {
    const auto it = valores_.find(ChaveMapa(secao, chave));
    if (it == valores_.end()) return std::nullopt;
    return it->second;
}

std::string ArquivoIni::Valor(std::string_view secao, std::string_view chave, std::string_view padrao) const {
    return Valor(secao, chave).value_or(std::string(padrao));
}

}  // namespace app
