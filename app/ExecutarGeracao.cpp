#include "app/ExecutarGeracao.h"

#include <exception>
#include <system_error>

#include "app/DmPrinc.h"
#include "app/validacao/ImprimirErros.h"
#include "app/validacao/ValidarGeracao.h"
#include "core/ArquivoTxt.h"

namespace fs = std::filesystem;

namespace app {

fs::path BaseRelatorioErros(const core::TParametros& params) {
    const fs::path arquivo = core::NomeArquivoSped(params);
    return arquivo.parent_path() / (arquivo.stem().string() + "_ERROS");
}

// Um relatório de outra geração ao lado do arquivo novo mostraria problemas que talvez não
// existam mais.
static void ApagarRelatoriosAnteriores(const core::TParametros& params) {
    const std::string base = BaseRelatorioErros(params).string();
    std::error_code ec;
    for (const char* extensao : {".TXT", ".PDF"}) fs::remove(base + extensao, ec);
}

ResultadoGeracao ExecutarGeracao(TdmPrinc& dm, util::CaixaMensagem& mensagens, const PassosGeracao& passos) {
    ResultadoGeracao r;
    if (!ValidarGeracao(dm.cdsParams, dm.cdsFil, passos.filtro, mensagens, dm.Hoje())) return r;
    if (passos.aoComecar) passos.aoComecar();
    r.linhas = dm.GerarArquivoSped(passos.arquivoUnificar);
    r.gerado = true;
    r.arquivo = core::NomeArquivoSped(dm.cdsParams);
    r.problemas = dm.cdsErros.Quantidade();
    ApagarRelatoriosAnteriores(dm.cdsParams);
    if (passos.aoGerar) passos.aoGerar(r.linhas);
    if (r.problemas > 0) {
        try {
            ImprimirErros(dm.cdsErros, dm.cdsParams, passos.impressora);
        } catch (const std::exception& e) {
            r.falhaRelatorio = e.what();
        }
    }
    return r;
}

}  // namespace app
