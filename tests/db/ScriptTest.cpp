#include <gtest/gtest.h>

#include "db/Script.h"

TEST(Script, DivideNoTerminadorRespeitandoLiteraisComentariosESetTerm) {
    const auto cmds = db::DividirScript(R"(
/* cabeçalho; com ponto e vírgula */
CREATE TABLE A (X VARCHAR(10) DEFAULT ';');
-- comentário; solto
INSERT INTO A VALUES ('a;b');
COMMIT;
SET TERM ^ ;
CREATE PROCEDURE P RETURNS (R INTEGER) AS
BEGIN
  R = 1; SUSPEND;
END^
SET TERM ; ^
SELECT 1 FROM RDB$DATABASE
)");
    ASSERT_EQ(cmds.size(), 4u);
    EXPECT_EQ(cmds[0], "CREATE TABLE A (X VARCHAR(10) DEFAULT ';')");
    EXPECT_EQ(cmds[1], "INSERT INTO A VALUES ('a;b')");
    EXPECT_EQ(cmds[2].substr(0, 16), "CREATE PROCEDURE");
    EXPECT_NE(cmds[2].find("SUSPEND;\nEND"), std::string::npos);
    EXPECT_EQ(cmds[3], "SELECT 1 FROM RDB$DATABASE");
}
