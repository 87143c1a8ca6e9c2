// Cliente do servidor de conexões contra um servidor HTTP de teste em 127.0.0.1.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "app/ConexaoBroker.h"
#include "app/Segredos.h"
#include "tests/app/ServidorBrokerTeste.h"

namespace {

const app::Segredos kSegredos = app::SegredosDemonstracao();

const char* const kJsonEmpresa = R"([
  {"nome": "MATRIZ", "bancos": [
    {"host": "srv:/dados/CONFIG.FDB", "password": "cfg", "type": "O"},
    {"host": "srv:/dados/GERAL.FDB", "password": "g1", "type": "G"},
    {"host": "srv:/dados/ERP.FDB", "password": "a1", "type": "A"},
    {"host": "srv:/dados/ERP2.FDB", "password": "a2", "type": "A"}]},
  {"nome": "OUTRA", "bancos": [{"host": "x", "password": "y", "type": "A"}]}
])";

TEST(RespostaBrokerTest, DecodificaComInicioQueDaAVoltaNaTabela) {
    for (uint32_t inicio : {0u, 17u, 4000u, 4095u}) {
        const std::string corpo = teste::CodificarRespostaBroker(kJsonEmpresa, inicio, kSegredos.tabelaChave, "lixo");
        EXPECT_EQ(app::DecodificarRespostaBroker(corpo, kSegredos.tabelaChave), kJsonEmpresa) << inicio;
    }
}

TEST(RespostaBrokerTest, CorposInvalidos) {
    const std::string bom = teste::CodificarRespostaBroker(kJsonEmpresa, 5, kSegredos.tabelaChave);
    std::string tamanhoMaior = bom;
    tamanhoMaior[4] = static_cast<char>(0xFF);  // pede mais bytes do que o fluxo tem
    std::string inicioForaDaTabela = bom;
    inicioForaDaTabela[1] = 0x10;  // 4096 + 5
    const struct {
        const char* nome;
        std::string corpo;
    } kCasos[] = {
        {"vazio", ""},
        {"só o cabeçalho pela metade", bom.substr(0, 6)},
        {"fluxo cortado", bom.substr(0, bom.size() - 10)},
        {"não é zlib", bom.substr(0, 8) + "isto não é zlib"},
        {"tamanho maior que o fluxo", tamanhoMaior},
        {"início fora da tabela", inicioForaDaTabela},
    };
    for (const auto& c : kCasos)
        EXPECT_THROW(app::DecodificarRespostaBroker(c.corpo, kSegredos.tabelaChave), app::ErroBroker) << c.nome;
}

TEST(RespostaBrokerTest, EscolheGEAdaPrimeiraEmpresa) {
    const app::BancosEmpresa b = app::SelecionarBancos(app::LerEmpresasBroker(kJsonEmpresa));
    EXPECT_EQ(b.configuracao.host, "srv:/dados/GERAL.FDB");
    ASSERT_TRUE(b.erp);
    EXPECT_EQ(b.erp->host, "srv:/dados/ERP.FDB");
    EXPECT_EQ(b.erp->password, "a1");
}

TEST(RespostaBrokerTest, EmpresaSemBancoAEhAceitaSemErp) {
    const auto b = app::SelecionarBancos(app::LerEmpresasBroker(R"([{"bancos":[{"host":"g","type":"G"}]}])"));
    EXPECT_EQ(b.configuracao.host, "g");
    EXPECT_FALSE(b.erp);
}

TEST(RespostaBrokerTest, ListasRecusadas) {
    const char* const kCasos[] = {
        "[]",                                                            // nenhuma empresa
        R"([{"bancos":[{"host":"a","type":"A"}]}])",                     // sem tipo G
        R"([{"bancos":[]}, {"bancos":[{"host":"g","type":"G"}]}])",      // G só na segunda
        R"([{"bancos":[{"host":"g","type":"g"}]}])",                     // letra minúscula
        R"([{"nome":"sem bancos"}])",
        R"({"bancos":[{"host":"g","type":"G"}]})",                       // não é lista
        R"([{"bancos":{"host":"g","type":"G"}}])",                       // bancos não é lista
        R"([{"bancos":[{"host":1,"type":"G"}]}])",                       // host numérico
        R"([{"bancos":[{"host":"g","type":"G"})",                        // JSON cortado
    };
    for (const char* json : kCasos)
        EXPECT_THROW(app::SelecionarBancos(app::LerEmpresasBroker(json)), app::ErroBroker) << json;
}

class TVEXConnectionTest : public ::testing::Test {
protected:
    app::TVEXConnection Cliente(const std::string& chave) const {
        app::TVEXConnection c(kSegredos.usuarioBroker, chave, kSegredos.tabelaChave);
        c.DefinirEndereco(servidor.Host());
        return c;
    }
    teste::ServidorBrokerTeste servidor{kSegredos.usuarioBroker, kSegredos.chaveSistema};
};

TEST_F(TVEXConnectionTest, ListaOsBancos) {
    servidor.corpo = teste::CodificarRespostaBroker(kJsonEmpresa, 123, kSegredos.tabelaChave);
    const auto empresas = Cliente(kSegredos.chaveSistema).ListarBancos();
    ASSERT_EQ(empresas.size(), 2u);
    EXPECT_EQ(empresas[0].bancos.size(), 4u);
    EXPECT_EQ(empresas[0].bancos[1].tipo, app::TipoBanco::G);
    EXPECT_EQ(servidor.pedidos.load(), 1);
}

TEST_F(TVEXConnectionTest, ChaveErradaDa401) {
    servidor.corpo = teste::CodificarRespostaBroker(kJsonEmpresa, 0, kSegredos.tabelaChave);
    try {
        Cliente(std::string(32, '0')).ListarBancos();
        FAIL();
    } catch (const app::ErroBroker& e) {
        EXPECT_NE(std::string(e.what()).find("401"), std::string::npos) << e.what();
    }
}

TEST_F(TVEXConnectionTest, CorpoMalformadoETruncado) {
    const std::string bom = teste::CodificarRespostaBroker(kJsonEmpresa, 0, kSegredos.tabelaChave);
    for (const std::string& corpo : {std::string("\x01\x02\x03"), bom.substr(0, bom.size() / 2),
                                     teste::CodificarRespostaBroker("<html>", 0, kSegredos.tabelaChave)}) {
        servidor.corpo = corpo;
        EXPECT_THROW(Cliente(kSegredos.chaveSistema).ListarBancos(), app::ErroBroker);
    }
}

TEST(TVEXConnectionSemServidorTest, PortaFechadaFalhaLogo) {
    // Uma porta livre, sem ninguém escutando.
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), n), 0);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
    close(s);
    app::TVEXConnection c(kSegredos.usuarioBroker, kSegredos.chaveSistema, kSegredos.tabelaChave);
    c.DefinirEndereco("127.0.0.1:" + std::to_string(ntohs(a.sin_port)));
    EXPECT_THROW(c.ListarBancos(), app::ErroBroker);
}

TEST(TVEXConnectionSemServidorTest, ServidorQueNuncaRespondeEsgotaOTempo) {
    // Aceita a conexão (fila do listen) e nunca responde: o cliente desiste no limite de leitura.
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), n), 0);
    ASSERT_EQ(listen(s, 4), 0);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
    app::TVEXConnection c(kSegredos.usuarioBroker, kSegredos.chaveSistema, kSegredos.tabelaChave);
    c.DefinirEndereco("127.0.0.1:" + std::to_string(ntohs(a.sin_port)));
    c.DefinirTempoLimite(std::chrono::milliseconds(300));
    const auto inicio = std::chrono::steady_clock::now();
    EXPECT_THROW(c.ListarBancos(), app::ErroBroker);
    const auto decorrido = std::chrono::steady_clock::now() - inicio;
    close(s);
    EXPECT_GE(decorrido, std::chrono::milliseconds(250));
    EXPECT_LT(decorrido, std::chrono::seconds(4)) << "o limite padrão de 5 s não vale quando outro é definido";
}

}  // namespace
