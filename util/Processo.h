#pragma once
// Início de outro programa que segue sozinho: o atualizador, e o programa que ele reinicia.
#include <filesystem>
#include <string>
#include <vector>

namespace util {

// Inicia 'programa' com 'argumentos' (cada um como está, sem passar por shell) e 'pasta' como pasta
// de trabalho, numa sessão própria, sem esperar por ele: ele continua depois que quem o iniciou
// termina. Lança std::runtime_error (texto em Windows-1252) quando o programa não pode ser
// iniciado.
void IniciarProgramaSeparado(const std::filesystem::path& programa,
                             const std::vector<std::string>& argumentos,
                             const std::filesystem::path& pasta);

}  // namespace util
