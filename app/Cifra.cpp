#include "app/Cifra.h"

#include <stdexcept>

#include "util/Texto1252.h"

namespace app {

static uint16_t ProximaChave(uint16_t k, unsigned char cifrado, const ChaveCifra& chave) {
    // Em 32 bits sem sinal: o produto passa de 2^31 e só os 16 bits de baixo interessam.
    return static_cast<uint16_t>((uint32_t{cifrado} + k) * chave.c1 + chave.c2);
}

std::string DecifrarTexto(std::string_view texto, const ChaveCifra& chave) {
    std::string saida(texto.substr(0, texto.size() % 256));
    uint16_t k = chave.inicial;
    for (char& c : saida) {
        const auto b = static_cast<unsigned char>(c);
        c = static_cast<char>(b ^ (k >> 8));
        k = ProximaChave(k, b, chave);
    }
    return saida;
}

std::string CifrarTexto(std::string_view texto, const ChaveCifra& chave) {
    if (texto.size() >= 256)
        throw std::invalid_argument(util::W("O caminho do banco tem ") + std::to_string(texto.size()) +
                                    util::W(" caracteres; o máximo que a cifra guarda é 255."));
    std::string saida(texto);
    uint16_t k = chave.inicial;
    for (char& c : saida) {
        const auto cifrado = static_cast<unsigned char>(static_cast<unsigned char>(c) ^ (k >> 8));
        c = static_cast<char>(cifrado);
        k = ProximaChave(k, cifrado, chave);
    }
    return saida;
}

}  // namespace app
