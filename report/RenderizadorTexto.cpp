#include "report/RenderizadorTexto.h"

namespace report {

std::string PaginasEmTexto(const std::vector<Pagina>& paginas) {
    std::string texto;
    for (size_t p = 0; p < paginas.size(); ++p) {
        if (p > 0) texto += '\f';
        const int ultima = paginas[p].UltimaLinhaUsada();
        for (int linha = 1; linha <= ultima; ++linha) {
            texto += paginas[p].Linha(linha);
            texto += "\r\n";
        }
    }
    return texto;
}

}  // namespace report
