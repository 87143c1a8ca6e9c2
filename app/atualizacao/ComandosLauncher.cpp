#include "app/atualizacao/ComandosLauncher.h"

#include <fmt/format.h>

#include <algorithm>

namespace app {

std::filesystem::path CaminhoLauncher(const std::filesystem::path& pastaExecutavel) {
    return pastaExecutavel / (std::string(kNomeLauncher) + std::string(kExtensaoExecutavel));
}

std::string EnderecoDownload(std::string_view urlServico, std::string_view extensao) {
    while (urlServico.ends_with('/')) urlServico.remove_suffix(1);
    return fmt::format("{}/atualizacoes/{}{}", urlServico, kNomePrograma, extensao);
}

std::string ComandosAtualizacao(std::string_view pasta, std::string_view urlDownload,
                                std::string_view extensao) {
    const std::string programa = fmt::format("{}{}", kNomePrograma, extensao);
    const std::string novo = fmt::format("{}_update{}", kNomePrograma, extensao);
    return fmt::format(
        R"([{{"command":"download","url":"{1}","path":"{0}{3}"}},)"
        R"({{"command":"closeapp","source":"{2}","retry":1,"interval":1000}},)"
        R"({{"command":"wait","time":1000}},)"
        R"({{"command":"delete","source":"{0}{2}"}},)"
        R"({{"command":"move","source":"{0}{3}","destiny":"{0}{2}"}},)"
        R"({{"command":"wait","internaval":500}},)"
        R"({{"command":"runfile","source":"{0}{2}","directory":"{0}","show":0,"params":""}}])",
        pasta, urlDownload, programa, novo);
}

std::string TransformarComandos(std::string comandos) {
    std::replace(comandos.begin(), comandos.end(), '\\', '/');
    std::replace(comandos.begin(), comandos.end(), '"', '\'');
    const auto branco = [](unsigned char c) { return c <= ' '; };
    const auto inicio = std::find_if_not(comandos.begin(), comandos.end(), branco);
    const auto fim = std::find_if_not(comandos.rbegin(), comandos.rend(), branco).base();
    return inicio < fim ? std::string(inicio, fim) : std::string();
}

}  // namespace app
