#pragma once
// Execução da lista de comandos de atualização: download, closeapp, wait, delete, move e runfile.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "launcher/ComandosTexto.h"

namespace launcher {

using Log = std::function<void(const std::string&)>;

// Executa os comandos em ordem ("show" do runfile, o estado da janela no Windows, não se aplica);
// caminhos relativos partem de 'pasta'. O primeiro comando que falha vai para 'log' e os seguintes
// são pulados, menos os "runfile": o programa volta a abrir, na versão que ficou, em vez de o
// usuário ficar sem ele. Devolve true quando todos deram certo.
bool ExecutarComandos(const std::vector<Comando>& comandos, const std::filesystem::path& pasta,
                      const Log& log);

}  // namespace launcher
