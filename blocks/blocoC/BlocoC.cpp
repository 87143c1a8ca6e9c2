// Bloco C na ordem de gravação: saídas, entradas e o C001, que depende das linhas já gravadas
// (o número de ordem o põe no começo do bloco).
#include "blocks/blocoC/BlocoC.h"

#include "blocks/BlocosSemConteudo.h"
#include "blocks/blocoC/NotasEntrada.h"
#include "blocks/blocoC/NotasSaida.h"
#include "core/Geracao.h"

namespace blocks {

void GerarBlocoC(core::Geracao& g) {
    if (g.params.GERAR_SAIDAS == "S") GerarNotasSaida(g);
    // Conhecimentos, documentos de comunicação e contas de consumo ganham aqui o seu gancho.
    if (g.params.GERAR_ENTRADAS == "S") GerarNotasEntrada(g);
    GerarC001(g);
}

}  // namespace blocks
