#pragma once
// Enxugamento do texto de uma consulta antes de ela rodar: cada junção numa linha própria e fora
// as junções cujo apelido nada mais usa.
#include <string>

namespace util {

// Quebra a linha (CR LF) antes do caractere que antecede cada "inner join", "left join" e
// "right join", e de cada "where" precedido de branco, sem diferenciar maiúsculas.
std::string QuebrarLinhasNasJuncoes(std::string sql);

// Apaga as linhas de junção cujo "apelido." não aparece em nenhum outro lugar do texto e junta as
// quebras de linha duplas, repetindo até uma passada não apagar nada. Junções de que não se
// consegue ler o apelido ficam.
std::string PodarJuncoesSemUso(std::string sql);

}  // namespace util
