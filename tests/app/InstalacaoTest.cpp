// Parametros.Ini, Segredos.ini, as senhas por índice, a escolha do driver e a cifra do caminho.
#include <gtest/gtest.h>

#include <fstream>

#include "app/ArquivoIni.h"
#include "app/Cifra.h"
#include "app/ConexaoBroker.h"
#include "app/ConexaoFirebird.h"
#include "app/ParametrosIni.h"
#include "app/Segredos.h"
#include "tests/app/InstalacaoTeste.h"

namespace {

using teste::InstalacaoTeste;

TEST(ParametrosIniTest, SemArquivoValemOsPadroes) {
    InstalacaoTeste inst;
    const app::ParametrosIni p = app::LerParametrosIni(inst.Pasta() / "Parametros.Ini");
    EXPECT_FALSE(p.ModoServidor());
    EXPECT_EQ(p.ACESSO, "erro");
    EXPECT_EQ(p.Chave, "1");
    EXPECT_EQ(p.VersaoFirebird, "2.5");
    EXPECT_EQ(p.DB, "erro");
    EXPECT_EQ(p.URL, "");
}

TEST(ParametrosIniTest, LeAsChavesSemDistinguirMaiusculas) {
    InstalacaoTeste inst;
    inst.GravarIni(
        "; instalação da matriz\r\n"
        "[PATHS]\r\nacesso = servidor:C:\\Dados\\ACESSO.FDB\r\nDb=C:\\Dados\\ERP.FDB\r\n"
        "[banco]\r\nCHAVE=3\r\nVersaoFirebird=\"3\"\r\n"
        "[Atualizacao]\r\nurl=http://atualiza.exemplo:8081\r\n");
    const app::ParametrosIni p = app::LerParametrosIni(inst.Pasta() / "Parametros.Ini");
    EXPECT_FALSE(p.ModoServidor());
    EXPECT_EQ(p.ACESSO, "servidor:C:\\Dados\\ACESSO.FDB");
    EXPECT_EQ(p.DB, "C:\\Dados\\ERP.FDB");
    EXPECT_EQ(p.Chave, "3");
    EXPECT_EQ(p.VersaoFirebird, "3");
    EXPECT_EQ(p.URL, "http://atualiza.exemplo:8081");
}

TEST(ArquivoIniTest, RegrasDoWindows) {
    const std::string longa(9000, 'a');
    const auto ini = app::ArquivoIni::DeTexto(
        "\xEF\xBB\xBF[A]\nlonga=" + longa +
        "\n  recuada = 1\ncomentario=C:\\x ;y\nvazia=\nrepetida=primeira\nrepetida=segunda\nsemigual\n"
        "[B]\nx='aspas simples'\n");
    EXPECT_EQ(ini.Valor("A", "longa", ""), longa);
    EXPECT_EQ(ini.Valor("a", "RECUADA", ""), "1");
    EXPECT_EQ(ini.Valor("A", "comentario", ""), "C:\\x ;y");
    EXPECT_EQ(ini.Valor("A", "vazia"), std::optional<std::string>(""));
    EXPECT_EQ(ini.Valor("A", "repetida", ""), "primeira");
    EXPECT_EQ(ini.Valor("A", "semigual"), std::nullopt);
    EXPECT_EQ(ini.Valor("B", "x", ""), "aspas simples");
    EXPECT_EQ(ini.Valor("B", "longa", "padrao"), "padrao");
}

TEST(ConexaoFirebirdTest, SenhaPorIndice) {
    const app::Segredos s = app::SegredosDemonstracao();
    const struct {
        const char* indice;
        std::string esperada;
    } kCasos[] = {{"1", s.senhasBanco[0]}, {"5", s.senhasBanco[4]}, {"8", s.senhasBanco[7]},
                  {"01", ""},              {"9", ""},              {"0", ""},
                  {" 1", ""},              {"", ""}};
    for (const auto& c : kCasos) EXPECT_EQ(app::SenhaPorIndice(s, c.indice), c.esperada) << "índice " << c.indice;
    EXPECT_EQ(s.senhasBanco[0].size(), 9u);
    EXPECT_EQ(s.senhasBanco[1].size(), 8u);
}

TEST(ConexaoFirebirdTest, SoTresExatoEscolheALinhaNovaDoDriver) {
    const struct {
        const char* versao;
        const char* driver;
    } kCasos[] = {{"3", "DevartFirebird"}, {"3.0", "DevartInterBase"}, {"2.5", "DevartInterBase"},
                  {"", "DevartInterBase"}, {" 3", "DevartInterBase"}};
    for (const auto& c : kCasos) EXPECT_STREQ(app::EscolherDriver(c.versao).nomeDriver, c.driver) << c.versao;
    EXPECT_STREQ(app::EscolherDriver("3").bibliotecaCliente, "fbclient_V3.dll");
    EXPECT_STREQ(app::EscolherDriver("3.0").bibliotecaCliente, "fbclient.dll");
}

TEST(ConexaoBrokerTest, EnderecoDoHost) {
    const struct {
        const char* host;
        const char* nome;
        int porta;
    } kCasos[] = {{"vex.empresa.com.br", "vex.empresa.com.br", 8080},
                  {"vex:9090", "vex", 9090},
                  {"vex:abc", "vex", 8080},
                  {"vex:", "vex", 8080},
                  {"vex:90x", "vex", 8080},
                  {"vex:70000", "vex", 8080},
                  {"10.0.0.1:81:82", "10.0.0.1", 8080}};
    for (const auto& c : kCasos) {
        const app::EnderecoBroker e = app::LerEnderecoBroker(c.host);
        EXPECT_EQ(e.host, c.nome) << c.host;
        EXPECT_EQ(e.porta, c.porta) << c.host;
    }
}

TEST(CifraTest, ValoresConhecidosDaDecifracao) {
    // Conferidos à mão: K passa a (b + K) * c1 + c2 com b o byte cifrado, módulo 65536.
    EXPECT_EQ(app::DecifrarTexto(std::string("\0\0", 2), {0x1234, 3, 5}), "\x12\x36");
    EXPECT_EQ(app::DecifrarTexto("\xFF\x01", {0xFFFF, 0xFFFF, 0xFFFF}), std::string("\x00\xFE", 2));
}

TEST(CifraTest, IdaEVoltaEORestoDe256) {
    const app::ChaveCifra chave = app::SegredosDemonstracao(7).cifra;
    for (const std::string& texto : {std::string("servidor:C:\\Dados\\ERP.FDB"), std::string("/d\xE1" "dos/ERP.FDB"),
                                    std::string(255, 'x'), std::string()}) {
        const std::string cifrado = app::CifrarTexto(texto, chave);
        EXPECT_EQ(cifrado.size(), texto.size());
        EXPECT_EQ(app::DecifrarTexto(cifrado, chave), texto);
    }
    EXPECT_EQ(app::DecifrarTexto(std::string(256, 'x'), chave), "");
    EXPECT_EQ(app::DecifrarTexto(std::string(512, 'x'), chave), "");
    EXPECT_EQ(app::DecifrarTexto(std::string(257, 'x'), chave), app::DecifrarTexto("x", chave));
    EXPECT_THROW(app::CifrarTexto(std::string(256, 'x'), chave), std::invalid_argument);
}

TEST(SegredosTest, GravadosELidosDeVolta) {
    InstalacaoTeste inst;
    const app::Segredos lidos = app::LerSegredos(inst.Pasta() / app::kArquivoSegredos);
    EXPECT_EQ(lidos.senhasBanco, inst.segredos.senhasBanco);
    EXPECT_EQ(lidos.usuarioBroker, inst.segredos.usuarioBroker);
    EXPECT_EQ(lidos.chaveSistema, inst.segredos.chaveSistema);
    EXPECT_EQ(lidos.tabelaChave, inst.segredos.tabelaChave);
    EXPECT_EQ(lidos.cifra.inicial, inst.segredos.cifra.inicial);
    EXPECT_EQ(lidos.cifra.c1, inst.segredos.cifra.c1);
    EXPECT_EQ(lidos.cifra.c2, inst.segredos.cifra.c2);
    EXPECT_EQ(lidos.usuarioBroker.size(), 3u);
    EXPECT_EQ(lidos.chaveSistema.size(), 32u);
    EXPECT_EQ(lidos.tabelaChave.size(), 4096u);
    // A mesma semente dá os mesmos segredos; outra semente, outros.
    EXPECT_EQ(app::SegredosDemonstracao(1).tabelaChave, inst.segredos.tabelaChave);
    EXPECT_NE(app::SegredosDemonstracao(2).senhasBanco, inst.segredos.senhasBanco);
}

TEST(SegredosTest, GravadoSoParaODonoEAvisoQuandoOutrosLeem) {
    namespace fs = std::filesystem;
    InstalacaoTeste inst;
    const fs::path arquivo = inst.Pasta() / app::kArquivoSegredos;
    const auto modo = [&] { return fs::status(arquivo).permissions() & fs::perms::all; };
    EXPECT_EQ(modo(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(app::AvisoSegredosExpostos(arquivo), "");

    fs::permissions(arquivo, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                 fs::perms::others_read);
    const std::string aviso = app::AvisoSegredosExpostos(arquivo);
    EXPECT_NE(aviso.find(arquivo.string()), std::string::npos) << aviso;
    EXPECT_NE(aviso.find("chmod 600"), std::string::npos) << aviso;
    // Regravado, volta a ser só do dono.
    app::GravarSegredos(arquivo, inst.segredos);
    EXPECT_EQ(modo(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(app::AvisoSegredosExpostos(inst.Pasta() / "nao_existe.ini"), "");
}

// Troca a linha que começa por 'chave=' no Segredos.ini gravado.
static void TrocarLinha(const std::filesystem::path& arquivo, const std::string& chave, const std::string& nova) {
    std::ifstream f(arquivo, std::ios::binary);
    std::string texto((std::istreambuf_iterator<char>(f)), {}), saida;
    f.close();
    size_t pos = 0;
    while (pos < texto.size()) {
        const size_t fim = texto.find('\n', pos);
        const std::string linha = texto.substr(pos, fim - pos + 1);
        saida += linha.starts_with(chave + "=") ? nova : linha;
        pos = fim + 1;
    }
    std::ofstream(arquivo, std::ios::binary) << saida;
}

TEST(SegredosTest, ArquivoMalformadoDizOArquivoEOProblema) {
    const struct {
        const char* chave;
        std::string linha;
        const char* trecho;
    } kCasos[] = {
        {"Senha4", "", "falta a chave Senha4"},
        {"Senha4", "Senha4=\r\n", "falta a chave Senha4"},
        {"Usuario", "", "falta a chave Usuario"},
        {"ChaveSistema", "ChaveSistema=" + std::string(32, 'A') + "\r\n", "ChaveSistema"},
        {"ChaveSistema", "ChaveSistema=" + std::string(31, 'a') + "\r\n", "(tem 31 caracteres)"},
        {"TabelaChave", "TabelaChave=" + std::string(8190, '0') + "\r\n", "TabelaChave"},
        {"TabelaChave", "TabelaChave=" + std::string(8191, '0') + "g\r\n", "TabelaChave"},
        {"C1", "C1=65536\r\n", "C1"},
        {"C2", "C2=-1\r\n", "C2"},
        {"ChaveInicial", "ChaveInicial=12a\r\n", "ChaveInicial"},
    };
    for (const auto& c : kCasos) {
        InstalacaoTeste inst;
        const auto arquivo = inst.Pasta() / app::kArquivoSegredos;
        TrocarLinha(arquivo, c.chave, c.linha);
        try {
            app::LerSegredos(arquivo);
            ADD_FAILURE() << "aceitou " << c.linha;
        } catch (const app::ErroSegredos& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find(arquivo.string()), std::string::npos) << m;
            EXPECT_NE(m.find(c.trecho), std::string::npos) << m;
        }
    }
}

TEST(SegredosTest, ArquivoAusenteDizOCaminhoCompleto) {
    InstalacaoTeste inst;
    const auto arquivo = inst.Pasta() / "outra" / app::kArquivoSegredos;
    try {
        app::LerSegredos(arquivo);
        FAIL();
    } catch (const app::ErroSegredos& e) {
        EXPECT_NE(std::string(e.what()).find(arquivo.string()), std::string::npos) << e.what();
    }
}

}  // namespace
