#include "util/Versao.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace util {

namespace {

std::array<int, 3> Partes(std::string_view versao) {
    const auto invalida = [versao] {
        return std::invalid_argument("versão inválida: \"" + std::string(versao) + "\"");
    };
    std::array<int, 3> partes{};
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < partes.size(); ++i) {
        const std::size_t ponto = versao.find('.', inicio);
        const bool ultima = i + 1 == partes.size();
        if (ultima != (ponto == std::string_view::npos)) throw invalida();
        const std::string_view parte = versao.substr(inicio, ponto - inicio);
        const char* fim = parte.data() + parte.size();
        const auto lido = std::from_chars(parte.data(), fim, partes[i]);
        if (parte.empty() || lido.ec != std::errc{} || lido.ptr != fim) throw invalida();
        inicio = ponto + 1;
    }
    return partes;
}

}  // namespace

bool VersaoMaisNova(std::string_view a, std::string_view b) { return Partes(a) > Partes(b); }

}  // namespace util
