// Quebra de linhas nas junções e poda das junções sem uso.
#include <gtest/gtest.h>

#include "util/PodaJuncoes.h"

namespace {

TEST(PodaJuncoesTest, QuebraALinhaAntesDoCaractereQueAntecedeAPalavra) {
    struct Caso {
        const char* sql;
        const char* esperado;
    };
    static constexpr Caso kCasos[] = {
        {"select * from A a left join X x on x.ID = a.ID where a.ID = 1",
         "select * from A a\r\n left join X x on x.ID = a.ID\r\n where a.ID = 1"},
        {"from A a INNER JOIN B b on b.ID = a.ID Right Join C c on c.ID = a.ID WHERE 1 = 1",
         "from A a\r\n INNER JOIN B b on b.ID = a.ID\r\n Right Join C c on c.ID = a.ID\r\n"
         " WHERE 1 = 1"},
        // Antes da palavra não precisa haver branco, exceto no where.
        {"from A a\tleft join X x on 1 = 1", "from A a\r\n\tleft join X x on 1 = 1"},
        {"from (select * from A)where 1 = 1 and somewhere = 1",
         "from (select * from A)where 1 = 1 and somewhere = 1"},
        // Todas as ocorrências, não só a primeira.
        {"from A a left join X x on 1 = 1 left join Y y on 1 = 1",
         "from A a\r\n left join X x on 1 = 1\r\n left join Y y on 1 = 1"},
        // Nas duas primeiras posições a palavra fica onde está.
        {"where 1 = 1", "where 1 = 1"},
        {" where 1 = 1", " where 1 = 1"},
        {"a where 1 = 1", "a\r\n where 1 = 1"},
    };
    for (const auto& c : kCasos)
        EXPECT_EQ(util::QuebrarLinhasNasJuncoes(c.sql), c.esperado) << c.sql;
}

TEST(PodaJuncoesTest, TiraSoAsJuncoesQueNadaMaisUsa) {
    struct Caso {
        const char* nome;
        const char* sql;
        const char* esperado;
    };
    static constexpr Caso kCasos[] = {
        {"left join sem uso sai",
         "select a.ID from A a left join X x on x.ID = a.ID where a.ID = 1",
         "select a.ID from A a\r\n where a.ID = 1"},
        {"inner join sem uso também sai",
         "select a.ID from A a inner join X x on x.ID = a.ID where a.ID = 1",
         "select a.ID from A a\r\n where a.ID = 1"},
        {"apelido com AS", "select a.ID from A a left join X AS x on x.ID = a.ID where a.ID = 1",
         "select a.ID from A a\r\n where a.ID = 1"},
        {"apelido na lista de colunas fica",
         "select a.ID, x.NOME from A a left join X x on x.ID = a.ID",
         "select a.ID, x.NOME from A a\r\n left join X x on x.ID = a.ID"},
        {"apelido no where fica, sem diferenciar maiúsculas",
         "select a.ID from A a right join X x on x.ID = a.ID where X.ATIVO = 'S'",
         "select a.ID from A a\r\n right join X x on x.ID = a.ID\r\n where X.ATIVO = 'S'"},
        {"apelido sem ponto não conta como uso",
         "select a.ID, x from A a left join X x on x.ID = a.ID", "select a.ID, x from A a\r\n"},
        {"duas sem uso na mesma passada",
         "select a.ID from A a left join X x on x.ID = a.ID "
         "left join Y y on y.ID = a.ID where a.ID = 1",
         "select a.ID from A a\r\n where a.ID = 1"},
        {"a que só era usada por outra sai na passada seguinte",
         "select a.ID from A a left join X x on x.ID = a.ID "
         "left join Y y on y.ID = x.YID where a.ID = 1",
         "select a.ID from A a\r\n where a.ID = 1"},
        {"parênteses da junção não atrapalham o apelido",
         "select a.ID from A a left join SALDO(:DATA, (a.ID)) s on s.ID = a.ID where a.ID = 1",
         "select a.ID from A a\r\n where a.ID = 1"},
        {"junção sem apelido fica", "select a.ID from A a left join X on X.ID = a.ID",
         "select a.ID from A a\r\n left join X on X.ID = a.ID"},
        {"tabela derivada fica",
         "select a.ID from A a left join (select ID from X) t on t.ID = a.ID",
         "select a.ID from A a\r\n left join (select ID from X) t on t.ID = a.ID"},
        {"quebras duplas viram uma", "select a.ID\r\n\r\nfrom A a", "select a.ID\r\nfrom A a"},
    };
    for (const auto& c : kCasos)
        EXPECT_EQ(util::PodarJuncoesSemUso(util::QuebrarLinhasNasJuncoes(c.sql)), c.esperado)
            << c.nome;
}

}  // namespace
