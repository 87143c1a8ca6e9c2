#pragma once
// Troca os parâmetros ":NOME" de um comando SQL por "?", que é o que o Firebird entende.
#include <string>
#include <string_view>
#include <vector>

namespace db {

struct SqlPosicional {
    std::string sql;                  // o texto com "?" no lugar de cada ":NOME"
    std::vector<std::string> nomes;   // o nome (em maiúsculas) de cada "?", na ordem em que aparecem
};

// Literais entre aspas simples, identificadores entre aspas duplas e comentarios ("--" e "/* */")
// passam intactos. O mesmo nome pode aparecer mais de uma vez.
SqlPosicional ConverterParametros(std::string_view sql);

}  // namespace db
