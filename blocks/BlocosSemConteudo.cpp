#include "blocks/BlocosSemConteudo.h"

#include <string>

#include "core/FechamentoBlocos.h"
#include "core/Geracao.h"

namespace blocks {

void GerarBlocoB(core::Geracao& g) {
    const int b = core::ContarLinhasBloco(g, "B");
    g.GravarRegistro("B001", "IND_DAD", b < 2 ? "1" : "0");
    g.GravarRegistro("B990", "QTD_LIN_B", std::to_string(b + 1));
}

void GerarBlocoG(core::Geracao& g) {
    g.GravarRegistro("G001", "IND_MOV", "1");
    g.GravarRegistro("G990", "QTD_LIN_G", std::to_string(core::ContarLinhasBloco(g, "G")));
}

void GerarC001(core::Geracao& g) {
    g.GravarRegistro("C001", "IND_MOV", core::ContarLinhasBloco(g, "C") > 1 ? "0" : "1");
}

}  // namespace blocks
