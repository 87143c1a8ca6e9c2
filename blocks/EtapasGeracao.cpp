#include "blocks/EtapasGeracao.h"

#include "blocks/BlocosSemConteudo.h"
#include "blocks/bloco0/Abertura.h"
#include "core/FechamentoBlocos.h"

namespace blocks {

using util::DataHora;

// Cada bloco entra aqui, na ordem de gravação, quando o seu construtor existe. A ordem no
// arquivo vem dos números de ordem, não desta lista.
std::vector<core::EtapaGeracao> EtapasGeracao() {
    return {
        {"abertura do bloco 0", GerarAberturaBloco0},
        {"bloco B",
         [](core::Geracao& g) {
             if (g.params.DATA_INI >= DataHora::Data(2019, 1, 1)) GerarBlocoB(g);
         }},
        {"bloco C", GerarC001},
        {"bloco G",
         [](core::Geracao& g) {
             if (g.params.DATA_INI >= DataHora::Data(2011, 1, 1)) GerarBlocoG(g);
         }},
        {"fechamento dos blocos e bloco 9", core::FecharArquivo},
    };
}

}  // namespace blocks
