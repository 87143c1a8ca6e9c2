// VastelLauncher: troca o executável do programa pela versão nova e o abre de novo. Recebe a lista
// de comandos como argumento (partida por brancos, ela é juntada de volta) e registra cada passo em
// VastelLauncher.log, na sua pasta.
#include <filesystem>
#include <fstream>
#include <string>

#include "launcher/ComandosTexto.h"
#include "launcher/ExecutarComandos.h"
#include "util/DataHora.h"
#include "util/Executavel.h"

int main(int argc, char** argv) {
    const std::filesystem::path pasta = util::PastaExecutavel();
    std::ofstream arquivoLog(pasta / "VastelLauncher.log", std::ios::app);
    const auto log = [&](const std::string& linha) {
        arquivoLog << util::DataHora::Agora().Texto() << "\t" << linha << std::endl;
    };
    std::string texto;
    for (int i = 1; i < argc; ++i) texto += (i > 1 ? " " : "") + std::string(argv[i]);
    try {
        return launcher::ExecutarComandos(launcher::LerComandos(texto),
                                          std::filesystem::current_path(), log)
                   ? 0
                   : 1;
    } catch (const std::exception& e) {
        log(e.what());
        return 1;
    }
}
