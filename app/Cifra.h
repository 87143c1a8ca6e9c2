#pragma once
// Cifra do caminho do banco principal guardado em BD_PRINCIPAL.SENHA: byte a byte, com uma chave
// de 16 bits que avança a cada byte cifrado. As três constantes são segredos da instalação.
#include <cstdint>
#include <string>
#include <string_view>

namespace app {

struct ChaveCifra {
    uint16_t inicial = 0;  // chave K inicial
    uint16_t c1 = 0;       // multiplicador
    uint16_t c2 = 0;       // parcela somada
};

// Cada byte b sai como b XOR (byte alto de K), e K passa a (b + K) * c1 + c2 módulo 65536.
// Só os primeiros (tamanho módulo 256) bytes são tratados, herança do formato gravado pelo ERP:
// um texto com tamanho múltiplo de 256 dá texto vazio.
std::string DecifrarTexto(std::string_view texto, const ChaveCifra& chave);

// O inverso de DecifrarTexto. Lança std::invalid_argument para textos de 256 bytes ou mais,
// que DecifrarTexto não devolveria inteiros.
std::string CifrarTexto(std::string_view texto, const ChaveCifra& chave);

}  // namespace app
