#include "app/validacao/RegistrarLog.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "report/GravarArquivo.h"
#include "util/Executavel.h"
#include "util/Texto1252.h"

namespace fs = std::filesystem;

namespace app {

static std::string LerLog(const fs::path& arquivo) {
    std::error_code erro;
    if (!fs::exists(arquivo, erro)) return {};
    std::ifstream entrada(arquivo, std::ios::binary);
    std::string conteudo{std::istreambuf_iterator<char>(entrada), {}};
    if (!entrada.is_open() || entrada.bad())
        throw std::runtime_error(util::W("Não foi possível ler o log ") + arquivo.string() + ": " +
                                 std::strerror(errno));
    return conteudo;
}

void RegistrarLog(const std::string& mensagem, const fs::path& pasta,
                  const util::DataHora& quando) {
    const fs::path arquivo = pasta / "log.log";
    std::string conteudo = LerLog(arquivo);
    // Linhas terminadas em CR LF, como os outros arquivos de texto do programa.
    if (!conteudo.empty() && !conteudo.ends_with('\n')) conteudo += "\r\n";
    conteudo +=
        fmt::format("\r\n{:02}/{:02}/{:04} {:02}:{:02}:{:02}\t{}\r\n", quando.dia, quando.mes,
                    quando.ano, quando.hora, quando.minuto, quando.segundo, mensagem);
    // Pelo temporário: uma falha no meio não apaga o log que já havia.
    report::GravarArquivo(arquivo, conteudo);
}

void RegistrarLog(const std::string& mensagem) {
    RegistrarLog(mensagem, util::PastaExecutavel(), util::DataHora::Agora());
}

}  // namespace app
