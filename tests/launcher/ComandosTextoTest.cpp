// A leitura da lista de comandos como o programa a entrega ao atualizador.
#include <gtest/gtest.h>

#include "app/atualizacao/ComandosLauncher.h"
#include "launcher/ComandosTexto.h"

namespace {

using launcher::Comando;
using launcher::LerComandos;

TEST(ComandosTextoTest, AListaQueOProgramaEntrega) {
    const auto comandos = LerComandos(app::TransformarComandos(
        app::ComandosAtualizacao("/opt/D'Ávila efd/", "http://h/atualizacoes/VASTEL_EFD", "")));
    ASSERT_EQ(comandos.size(), 7u);
    EXPECT_EQ(comandos[0], (Comando{{"command", "download"},
                                    {"url", "http://h/atualizacoes/VASTEL_EFD"},
                                    {"path", "/opt/D'Ávila efd/VASTEL_EFD_update"}}));
    EXPECT_EQ(comandos[1], (Comando{{"command", "closeapp"},
                                    {"source", "VASTEL_EFD"},
                                    {"retry", "1"},
                                    {"interval", "1000"}}));
    EXPECT_EQ(comandos[5], (Comando{{"command", "wait"}, {"internaval", "500"}}));
    EXPECT_EQ(comandos[6], (Comando{{"command", "runfile"},
                                    {"source", "/opt/D'Ávila efd/VASTEL_EFD"},
                                    {"directory", "/opt/D'Ávila efd/"},
                                    {"show", "0"},
                                    {"params", ""}}));
}

TEST(ComandosTextoTest, FormasAceitasERecusadas) {
    EXPECT_EQ(LerComandos(R"( [ {"command" : "wait", "time": 5 } ] )"),
              (std::vector<Comando>{{{"command", "wait"}, {"time", "5"}}}));
    EXPECT_EQ(LerComandos(R"([{"a":"com \"aspas\" e \\"}])"),
              (std::vector<Comando>{{{"a", "com \"aspas\" e \\"}}}));
    EXPECT_TRUE(LerComandos("[]").empty());
    for (const char* invalido : {"", "{}", "[{'a':'b'}", "[{'a':'sem fim}]x", "[{'a':}]",
                                 "[{'a':'b'}] resto", "[{a:'b'}]"}) {
        SCOPED_TRACE(invalido);
        EXPECT_THROW(LerComandos(invalido), launcher::ComandosInvalidos);
    }
}

}  // namespace
