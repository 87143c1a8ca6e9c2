// Gravações nas tabelas do ERP: um registro preso por um usuário do ERP não deixa a geração
// esperando para sempre.
#include <gtest/gtest.h>

#include "core/GravacaoErp.h"
#include "core/ParametrosErp.h"
#include "tests/support/BancoTeste.h"
#include "util/Texto1252.h"

namespace {

TEST(GravacaoErpTest, RegistroPresoPorOutroUsuarioViraMensagemDepoisDoLimite) {
    teste::BancoErpTeste erp;
    core::GravarParametro(erp.banco(), "SPED", "GERAR_REG_C101", "N");

    db::Banco usuarioErp = db::Banco::Conectar(erp.parametros());
    db::Transacao editando(usuarioErp);
    db::Consulta(editando, "update PARAM set VALOR_PA = 'S' where PARAM_PA = 'GERAR_REG_C101'").Executar();

    auto gravar = [&] {
        core::GravarNoErp(
            erp.banco(), util::W("o parâmetro SPED/GERAR_REG_C101 (PARAM)"),
            [](db::Transacao& tr) {
                db::Consulta(tr, "update PARAM set VALOR_PA = 'N' where PARAM_PA = 'GERAR_REG_C101'").Executar();
            },
            1);
    };
    try {
        gravar();
        FAIL() << "gravou sobre um registro preso";
    } catch (const std::runtime_error& e) {
        const std::string mensagem = util::Cp1252ParaUtf8(e.what());
        EXPECT_NE(mensagem.find("o parâmetro SPED/GERAR_REG_C101 (PARAM)"), std::string::npos) << mensagem;
        EXPECT_NE(mensagem.find("em uso por outro usuário do ERP"), std::string::npos) << mensagem;
    }

    editando.Commit();
    EXPECT_NO_THROW(gravar()) << "liberado o registro, a gravação passa";
}

}  // namespace
