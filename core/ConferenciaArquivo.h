#pragma once
// Conferência do arquivo recém-escrito com o leiaute oficial: cada problema vai para a lista de
// erros (seção própria do relatório) com o documento da linha, para o usuário corrigir o ERP
// antes de enviar o arquivo.
#include <filesystem>

#include "core/ListaErros.h"

namespace core {

// Problemas além deste número entram como uma linha só, que manda usar "efd validar".
inline constexpr size_t kMaxProblemasArquivo = 1000;

// Confere 'arquivo' e acrescenta os problemas a 'erros'. Devolve quantos problemas achou.
size_t ConferirArquivo(const std::filesystem::path& arquivo, ListaErros& erros);

}  // namespace core
