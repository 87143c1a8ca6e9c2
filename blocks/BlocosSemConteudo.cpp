#include "blocks/BlocosSemConteudo.h"

#include <string>

#include "core/FechamentoBlocos.h"
#include "core/Geracao.h"

namespace blocks {

static void Gravar(core::Geracao& g, const char* reg, const char* campo, const std::string& valor) {
    core::TRegistroEFD r;
    r.SetCampo("REG", reg);
    r.SetCampo(campo, valor);
    g.GravarRegistro(r);
}

void GerarBlocoB(core::Geracao& g) {
    const int b = core::ContarLinhasBloco(g, "B");
    Gravar(g, "B001", "IND_DAD", b < 2 ? "1" : "0");
    Gravar(g, "B990", "QTD_LIN_B", std::to_string(b + 1));
}

void GerarBlocoG(core::Geracao& g) {
    Gravar(g, "G001", "IND_MOV", "1");
    Gravar(g, "G990", "QTD_LIN_G", std::to_string(core::ContarLinhasBloco(g, "G")));
}

void GerarC001(core::Geracao& g) {
    Gravar(g, "C001", "IND_MOV", core::ContarLinhasBloco(g, "C") > 1 ? "0" : "1");
}

}  // namespace blocks
