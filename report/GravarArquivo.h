#pragma once
// Gravação de um arquivo inteiro de uma vez: os relatórios prontos e o log do programa.
#include <filesystem>
#include <string_view>

namespace report {

// Grava o conteúdo num temporário ao lado de 'destino' e o renomeia no fim: uma falha não deixa
// arquivo pela metade nem estraga o que já existia. Falha lança std::runtime_error.
void GravarArquivo(const std::filesystem::path& destino, std::string_view conteudo);

}  // namespace report
