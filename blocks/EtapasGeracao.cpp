#include "blocks/EtapasGeracao.h"

#include "blocks/BlocosSemConteudo.h"
#include "blocks/bloco0/Abertura.h"
#include "blocks/bloco0/Historico0175.h"
#include "blocks/bloco0/Itens.h"
#include "blocks/bloco0/UnidadesComerciais.h"
#include "blocks/blocoC/BlocoC.h"
#include "blocks/blocoE/BlocoE.h"
#include "blocks/blocoH/BlocoH.h"
#include "core/FechamentoBlocos.h"

namespace blocks {

using util::DataHora;

// Cada bloco entra aqui, na ordem de gravação, quando o seu construtor existe. A ordem no
// arquivo vem dos números de ordem, não desta lista.
std::vector<core::EtapaGeracao> EtapasGeracao() {
    return {
        {"alterações de cadastro e unidades comerciais do período",
         [](core::Geracao& g) {
             CarregarLogParticipantes(g);
             CarregarUnidadesComerciais(g);
         }},
        {"abertura do bloco 0", GerarAberturaBloco0},
        {"bloco B",
         [](core::Geracao& g) {
             if (g.params.DATA_INI >= DataHora::Data(2019, 1, 1)) GerarBlocoB(g);
         }},
        {"bloco C", GerarBlocoC},
        {"bloco E", GerarBlocoE},
        {"bloco G",
         [](core::Geracao& g) {
             if (g.params.DATA_INI >= DataHora::Data(2011, 1, 1)) GerarBlocoG(g);
         }},
        {"bloco H", GerarBlocoH},
        {"família do 0200", GravarCdsReg0200_E_Filhos},
        {"fechamento dos blocos e bloco 9", core::FecharArquivo},
    };
}

}  // namespace blocks
