#pragma once
// O log do programa, "log.log" ao lado do executável: guarda as falhas da consulta de versão e
// só cresce.
#include <filesystem>
#include <string>

#include "util/DataHora.h"

namespace app {

// Acrescenta ao log uma linha em branco e a linha "dd/mm/aaaa hh:mm:ss<TAB>mensagem" com a hora
// atual. Falha ao ler ou gravar (arquivo em uso, sem permissão) lança std::runtime_error.
void RegistrarLog(const std::string& mensagem);
// O mesmo com o log em 'pasta' e a hora 'quando'.
void RegistrarLog(const std::string& mensagem, const std::filesystem::path& pasta,
                  const util::DataHora& quando);

}  // namespace app
