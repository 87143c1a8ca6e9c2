#include "util/Executavel.h"

#include <filesystem>
#include <system_error>

namespace util {

std::string PastaExecutavel() {
    std::error_code erro;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", erro);
    // Sem /proc (contêiner restrito), o melhor palpite é a pasta atual.
    if (erro) return std::filesystem::current_path(erro).string();
    return exe.parent_path().string();
}

}  // namespace util
