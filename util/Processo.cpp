#include "util/Processo.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>

#include "util/Texto1252.h"

extern char** environ;

namespace util {

void IniciarProgramaSeparado(const std::filesystem::path& programa,
                             const std::vector<std::string>& argumentos,
                             const std::filesystem::path& pasta) {
    const std::string caminho = programa.string();
    std::vector<char*> argv{const_cast<char*>(caminho.c_str())};
    for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t acoes;
    posix_spawnattr_t atributos;
    posix_spawn_file_actions_init(&acoes);
    posix_spawnattr_init(&atributos);
    posix_spawn_file_actions_addchdir_np(&acoes, pasta.c_str());
    // Sessão própria: o fim do terminal ou do grupo de quem iniciou não o derruba.
    posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int erro = posix_spawn(&pid, caminho.c_str(), &acoes, &atributos, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    posix_spawnattr_destroy(&atributos);
    if (erro != 0)
        throw std::runtime_error(W("Não foi possível iniciar ") + caminho + ": " +
                                 std::strerror(erro));
    // Enquanto quem iniciou continuar rodando, recolhe o processo quando ele terminar.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
}

}  // namespace util
