// A partida contra um servidor Firebird de verdade, pela rede ("servidor:caminho").
// Roda só com o servidor de pé: scripts/servidor-firebird.sh iniciar, e então
//   EFD_TESTE_SERVIDOR=127.0.0.1 EFD_TESTE_SENHA=<senha do SYSDBA> ctest -R ServidorFirebird
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/DmPrinc.h"
#include "erp/Esquema.h"
#include "tests/app/InstalacaoTeste.h"
#include "tests/support/BancoTeste.h"
#include "tests/support/MensagensTeste.h"

namespace {

TEST(ServidorFirebirdTest, PartidaDiretaPeloServidor) {
    const char* servidor = std::getenv("EFD_TESTE_SERVIDOR");
    const char* senha = std::getenv("EFD_TESTE_SENHA");
    if (!servidor || !senha || !*servidor)
        GTEST_SKIP() << "Sem servidor Firebird: rode scripts/servidor-firebird.sh iniciar e defina "
                        "EFD_TESTE_SERVIDOR e EFD_TESTE_SENHA.";

    teste::InstalacaoTeste inst;
    inst.segredos.senhasBanco[0] = senha;
    app::GravarSegredos(inst.Pasta() / app::kArquivoSegredos, inst.segredos);
    // O servidor roda com o usuário dele e cria os arquivos na pasta do teste.
    std::filesystem::permissions(inst.Pasta(), std::filesystem::perms::all);

    const std::string prefixo = std::string(servidor) + ":";
    const std::string caminhoErp = prefixo + (inst.Pasta() / "ERP.FDB").string();
    const std::string caminhoAcesso = prefixo + (inst.Pasta() / "ACESSO.FDB").string();
    {
        db::ParametrosConexao p;
        p.senha = senha;
        p.banco = caminhoErp;
        erp::CriarBancoErp(p, false).ExecutarScript("INSERT INTO FILIAL (COD_FI, NOME_FI) VALUES (1, 'MATRIZ');");
        p.banco = caminhoAcesso;
        db::Banco acesso = erp::CriarBancoAcesso(p, false);
        db::Transacao tr(acesso);
        db::Consulta q(tr, "insert into BD_PRINCIPAL (SENHA) values (:SENHA)");
        q.Param("SENHA", app::CifrarTexto(caminhoErp, inst.segredos.cifra));
        q.Executar();
        tr.Commit();
    }

    const struct {
        const char* chave;
        bool conecta;
    } kCasos[] = {{"1", true}, {"2", false}, {"9", false}};  // "9": senha vazia
    for (const auto& c : kCasos) {
        inst.GravarIni("[Paths]\r\nACESSO=" + caminhoAcesso + "\r\n[Banco]\r\nChave=" + c.chave +
                       "\r\nVersaoFirebird=3\r\n");
        app::OpcoesInicio o;
        o.pastaInstalacao = inst.Pasta();
        teste::MensagensTeste m;
        app::TdmPrinc dm(o, m);
        EXPECT_EQ(dm.Iniciado(), c.conecta) << "Chave=" << c.chave;
        if (c.conecta) {
            EXPECT_TRUE(m.erros.empty()) << m.erros[0];
            ASSERT_EQ(dm.cdsFil.Filiais().size(), 1u);
            EXPECT_STREQ(dm.Driver().nomeDriver, "DevartFirebird");
            // A geração abre uma segunda conexão pelo mesmo servidor: a do gravador de SPED_EFD.
            teste::PastaTemporaria saida;
            dm.DefinirFilial(1);
            dm.cdsParams.DIR_GERACAO = saida.caminho().string();
            EXPECT_GT(dm.GerarArquivoSped(""), 0);
        } else {
            ASSERT_EQ(m.erros.size(), 1u);
            EXPECT_NE(m.erros[0].find("password"), std::string::npos) << m.erros[0];
        }
    }
}

}  // namespace
