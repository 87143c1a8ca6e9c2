#pragma once
// O CLI11 em português: rótulos da ajuda e as mensagens de uso incorreto. Serve ao efd e ao
// efd-demo.
#include <CLI/CLI.hpp>

#include <string>

namespace cli {

// Rótulos da ajuda, o grupo das opções e o texto de -h/--help, num comando e nos seus subcomandos.
void TraduzirAjuda(CLI::App& app);

// A mensagem de um erro de leitura das opções, em português, com a opção que o causou.
std::string MensagemUsoIncorreto(const CLI::ParseError& erro);

}  // namespace cli
