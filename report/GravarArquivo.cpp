#include "report/GravarArquivo.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

#include "util/Texto1252.h"

namespace fs = std::filesystem;

namespace report {

void GravarArquivo(const fs::path& destino, std::string_view conteudo) {
    fs::path temporario = destino;
    temporario += ".tmp";
    std::string motivo;
    {
        std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
        saida.write(conteudo.data(), static_cast<std::streamsize>(conteudo.size()));
        saida.close();
        if (saida.fail()) motivo = std::strerror(errno);
    }
    std::error_code erro;
    if (motivo.empty()) {
        fs::rename(temporario, destino, erro);
        if (erro) motivo = erro.message();
    }
    if (!motivo.empty()) {
        fs::remove(temporario, erro);
        throw std::runtime_error(util::W("Não foi possível gravar o arquivo ") + destino.string() +
                                 ": " + motivo);
    }
}

}  // namespace report
