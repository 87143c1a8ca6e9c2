#pragma once
// As páginas num PDF A4 retrato em Courier de 7 pontos com 6 linhas por polegada: as 136 colunas
// ocupam 571 dos 595 pontos da largura e as 66 linhas 792 dos 842 da altura, centradas. O texto vai
// em WinAnsiEncoding, que imprime os bytes Windows-1252 como estão. O que passa da coluna 136 é
// cortado, como no papel.
#include <string>
#include <vector>

#include "report/Pagina.h"

namespace report {

// O arquivo PDF inteiro. Falha da libharu lança std::runtime_error.
std::string PaginasEmPdf(const std::vector<Pagina>& paginas);

}  // namespace report
