#include "core/ConferenciaArquivo.h"

#include <fmt/format.h>

#include <cctype>

#include "core/leiaute/Verificador.h"
#include "util/Texto1252.h"

namespace core {

size_t ConferirArquivo(const std::filesystem::path& arquivo, ListaErros& erros) {
    const std::vector<leiaute::Problema> problemas = leiaute::VerificarArquivo(arquivo);
    for (size_t k = 0; k < problemas.size() && k < kMaxProblemasArquivo; ++k) {
        leiaute::Problema p = problemas[k];
        const std::string registro = p.registro;
        p.registro.clear();  // o código já vai em REG
        std::string mensagem = leiaute::Descrever(p);
        mensagem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(mensagem[0])));
        erros.AdicionarProblemaArquivo(registro, mensagem);
    }
    if (problemas.size() > kMaxProblemasArquivo)
        erros.AdicionarProblemaArquivo(
            "", util::W(fmt::format("... e mais {} problemas. Veja todos com: efd validar {}",
                                    problemas.size() - kMaxProblemasArquivo, arquivo.string())));
    return problemas.size();
}

}  // namespace core
