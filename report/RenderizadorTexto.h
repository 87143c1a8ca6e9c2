#pragma once
// As páginas num arquivo de texto de impressora de linha: um arquivo só, linhas terminadas em
// CR LF, cada página a partir da segunda começando com um salto de página (FF, "\f"). Cada página
// vai até a sua última linha escrita; o FF dispensa as linhas em branco do fim. Linhas mais longas
// que 136 colunas saem inteiras. Os bytes Windows-1252 saem como estão.
#include <string>
#include <vector>

#include "report/Pagina.h"

namespace report {

std::string PaginasEmTexto(const std::vector<Pagina>& paginas);

}  // namespace report
