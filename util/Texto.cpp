#include "util/Texto.h"

#include <array>

#include "util/Texto1252.h"

namespace util {

namespace {

bool Branco(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Apara como o Trim do Delphi: tira das pontas tudo com código até 32.
std::string_view Aparar(std::string_view texto) {
    while (!texto.empty() && Branco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && Branco(texto.back())) texto.remove_suffix(1);
    return texto;
}

// CR vira branco (a quebra de linha separa palavras), os demais controles somem e brancos seguidos
// viram um só.
std::string JuntarEmUmaLinha(std::string_view texto) {
    std::string r;
    char ultimo = ' ';
    for (char c : texto) {
        if (c == '\r')
            c = ' ';
        else if (static_cast<unsigned char>(c) < ' ')
            continue;
        if (c == ' ' && ultimo == ' ') continue;
        r += c;
        ultimo = c;
    }
    return r;
}

std::string SubstituirTodos(std::string_view texto, char de, std::string_view para) {
    std::string r;
    for (char c : texto) {
        if (c == de)
            r += para;
        else
            r += c;
    }
    return r;
}

std::string BytesAltosComoEntidades(std::string_view texto) {
    std::string r;
    for (char c : texto) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b > 126)
            r += "&#" + std::to_string(b) + ";";
        else
            r += c;
    }
    return r;
}

}  // namespace

std::string TextoXML(std::string_view texto) {
    std::string r = RemoverAcentos(JuntarEmUmaLinha(Aparar(texto)));
    // "&" primeiro, para não escapar de novo o "&" das entidades seguintes.
    r = SubstituirTodos(r, '&', "&amp;");
    r = SubstituirTodos(r, '<', "&lt;");
    r = SubstituirTodos(r, '>', "&gt;");
    r = SubstituirTodos(r, '"', "&quot;");
    r = SubstituirTodos(r, '\'', "&#39;");
    return BytesAltosComoEntidades(r);
}

std::string RemoverAcentos(std::string_view texto) {
    static const std::array<char, 256> kTroca = [] {
        const std::string acentuadas = W("áÁâÂãÃàÀéÉêÊíÍóÓõÕôÔúÚüÜçÇ");
        constexpr std::string_view kSemAcento = "aAaAaAaAeEeEiIoOoOoOuUuUcC";
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) t[b] = static_cast<char>(b);
        for (std::size_t i = 0; i < kSemAcento.size(); ++i)
            t[static_cast<unsigned char>(acentuadas[i])] = kSemAcento[i];
        return t;
    }();
    std::string r(texto);
    for (char& c : r) c = kTroca[static_cast<unsigned char>(c)];
    return r;
}

std::string Truncar(std::string_view texto, std::size_t n) {
    return std::string(texto.substr(0, n));
}

void DividirTexto(std::string_view texto, std::string_view separador,
                  std::vector<std::string>& lista) {
    auto acrescentar = [&lista](std::string_view pedaco) {
        pedaco = Aparar(pedaco);
        if (!pedaco.empty()) lista.emplace_back(pedaco);
    };
    if (separador.empty()) {
        acrescentar(texto);
        return;
    }
    std::size_t inicio = 0;
    for (std::size_t p; (p = texto.find(separador, inicio)) != std::string_view::npos;
         inicio = p + separador.size())
        acrescentar(texto.substr(inicio, p - inicio));
    acrescentar(texto.substr(inicio));
}

}  // namespace util
