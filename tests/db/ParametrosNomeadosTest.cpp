#include <gtest/gtest.h>

#include "db/ParametrosNomeados.h"

namespace {

struct Caso {
    const char* nome;
    const char* sql;
    const char* esperado;
    std::vector<std::string> nomes;
};

const Caso kCasos[] = {
    {"simples", "select * from T where A = :A", "select * from T where A = ?", {"A"}},
    {"mesmo nome duas vezes", "where A=:x or B=:X", "where A=? or B=?", {"X", "X"}},
    {"literal intacto", "where A = ':NAO' and B = :SIM", "where A = ':NAO' and B = ?", {"SIM"}},
    {"aspa dobrada no literal", "where A = 'd''agua :NAO' and B=:B", "where A = 'd''agua :NAO' and B=?", {"B"}},
    {"identificador entre aspas", "select \":X\" from T where C=:C", "select \":X\" from T where C=?", {"C"}},
    {"comentario de linha", "select 1 -- :NAO\nfrom T where D=:D", "select 1 -- :NAO\nfrom T where D=?", {"D"}},
    {"comentario de bloco", "select /* :NAO */ 1 from T where E=:E_1", "select /* :NAO */ 1 from T where E=?", {"E_1"}},
    {"dois pontos sem nome", "select a || ':' || b from T", "select a || ':' || b from T", {}},
};

TEST(ParametrosNomeados, TrocaNomesPorInterrogacao) {
    for (const Caso& c : kCasos) {
        const auto r = db::ConverterParametros(c.sql);
        EXPECT_EQ(r.sql, c.esperado) << c.nome;
        EXPECT_EQ(r.nomes, c.nomes) << c.nome;
    }
}

}  // namespace
