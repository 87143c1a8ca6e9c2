#include "cli/Validar.h"

#include <iostream>

#include "core/leiaute/Verificador.h"
#include "util/Texto1252.h"

namespace cli {

int Validar(const std::vector<std::string>& arquivos) {
    int saida = 0;
    for (const std::string& arquivo : arquivos) {
        try {
            const std::vector<leiaute::Problema> problemas = leiaute::VerificarArquivo(arquivo);
            const std::string prefixo = arquivos.size() > 1 ? arquivo + ": " : "";
            for (const leiaute::Problema& p : problemas)
                std::cout << prefixo << util::Cp1252ParaUtf8(leiaute::Descrever(p)) << "\n";
            if (problemas.empty())
                std::cout << arquivo << ": nenhum problema\n";
            else
                std::cout << arquivo << ": " << problemas.size() << " problema(s)\n";
            if (!problemas.empty() && saida == 0) saida = 1;
        } catch (const leiaute::ArquivoIlegivel& e) {
            std::cerr << util::Cp1252ParaUtf8(e.what()) << "\n";
            saida = 2;
        }
    }
    return saida;
}

}  // namespace cli
