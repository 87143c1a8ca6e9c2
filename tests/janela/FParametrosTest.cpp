// O editor das chaves "SPED" de PARAM: leitura, OK grava todas as linhas, Cancelar nada, e uma
// falha do banco no meio deixa o editor aberto com as linhas anteriores gravadas.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "app/DmPrinc.h"
#include "app/ChavesParametrosSped.h"
#include "app/janela/FParametros.h"
#include "core/ParametrosErp.h"
#include "tests/janela/DemoTeste.h"
#include "tests/support/MensagensTeste.h"
#include "util/Texto1252.h"

using janela::TfrmParametros;

class FParametrosTest : public QObject {
    Q_OBJECT

private:
    teste::DemoTeste demo_;
    teste::MensagensTeste mensagens_;
    std::unique_ptr<app::TdmPrinc> dm_;

    std::map<std::string, std::string> ParamSped() {
        std::map<std::string, std::string> valores;
        db::Transacao tr(dm_->Banco());
        db::Consulta q(tr, "select PARAM_PA, VALOR_PA from PARAM where GRUPO_PA = 'SPED'");
        while (q.Proximo()) valores[q["PARAM_PA"].Texto()] = q["VALOR_PA"].Texto();
        tr.Commit();
        return valores;
    }
    static QLineEdit* Valor(TfrmParametros& editor, const char* chave) {
        return editor.findChild<QLineEdit*>(QString::fromLatin1(chave));
    }

private slots:
    void init() {
        mensagens_ = {};
        dm_ = demo_.Iniciar(mensagens_);
        QVERIFY(dm_->Iniciado());
        dm_->Banco().ExecutarScript("delete from PARAM where GRUPO_PA = 'SPED';");
    }
    void cleanup() { dm_.reset(); }

    void mostraOsValoresDePARAMNaOrdem() {
        core::GravarParametro(dm_->Banco(), "SPED", "AJ_CONHEC_SAIDA_DESC",
                              util::W("Frete não tributado"));
        TfrmParametros editor(*dm_, mensagens_);
        QCOMPARE(editor.windowTitle(),
                 QStringLiteral("Parâmetros - SPED - EFD - Escrituração Fiscal Digital"));
        QCOMPARE(Valor(editor, "AJ_CONHEC_SAIDA_DESC")->text(),
                 QStringLiteral("Frete não tributado"));
        QCOMPARE(Valor(editor, "AJ_CONHEC_SAIDA_COD")->text(), QString());
        QCOMPARE(Valor(editor, "AJ_CONHEC_SAIDA_COD")->maxLength(), 100);
        const auto chaves = app::ChavesParametrosSped();
        QCOMPARE(chaves.size(), size_t{26});
        QCOMPARE(std::string(chaves.front().chave), std::string("AJ_CONHEC_SAIDA_COD"));
        QCOMPARE(std::string(chaves.back().chave), std::string("GERAR_VL_ITEM_IR_REG_H010"));
        for (const auto& c : chaves) QVERIFY2(Valor(editor, c.chave), c.chave);
    }

    void okGravaTodasAsLinhas() {
        TfrmParametros editor(*dm_, mensagens_);
        Valor(editor, "AJ_RET_DEBITO_DESC")->setText(QStringLiteral("Débito São Paulo"));
        Valor(editor, "FILIAL_INVENTARIO")->setText(QStringLiteral("2"));
        editor.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        const auto gravados = ParamSped();
        QCOMPARE(gravados.size(), size_t{26});  // também as que ficaram em branco
        QCOMPARE(gravados.at("AJ_RET_DEBITO_DESC"), util::W("Débito São Paulo"));
        QCOMPARE(gravados.at("FILIAL_INVENTARIO"), std::string("2"));
        QCOMPARE(gravados.at("AJ_CONHEC_SAIDA_COD"), std::string());
    }

    void cancelarNaoGravaNada() {
        TfrmParametros editor(*dm_, mensagens_);
        Valor(editor, "AJ_RET_DEBITO_COD")->setText(QStringLiteral("MG1"));
        editor.findChild<QPushButton*>(QStringLiteral("btnCancelar"))->click();
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QVERIFY(ParamSped().empty());
    }

    void falhaDoBancoDeixaOEditorAbertoComAsLinhasJaGravadas() {
        dm_->Banco().ExecutarScript(R"(
CREATE EXCEPTION PARAM_RECUSADO 'valor recusado';
SET TERM ^ ;
CREATE TRIGGER PARAM_RECUSA FOR PARAM BEFORE INSERT OR UPDATE AS
BEGIN
  IF (NEW.PARAM_PA = 'FIL_EST_PODER_TERC') THEN EXCEPTION PARAM_RECUSADO;
END^
SET TERM ; ^
)");
        TfrmParametros editor(*dm_, mensagens_);
        editor.show();
        Valor(editor, "AJ_CONHEC_SAIDA_COD")->setText(QStringLiteral("MG10"));
        editor.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        dm_->Banco().ExecutarScript("DROP TRIGGER PARAM_RECUSA; DROP EXCEPTION PARAM_RECUSADO;");

        QCOMPARE(mensagens_.erros.size(), size_t{1});
        QVERIFY2(mensagens_.erros[0].find("valor recusado") != std::string::npos,
                 mensagens_.erros[0].c_str());
        QVERIFY(editor.isVisible());
        const auto gravados = ParamSped();
        QCOMPARE(gravados.size(), size_t{4});  // as quatro chaves antes de FIL_EST_PODER_TERC
        QCOMPARE(gravados.at("AJ_CONHEC_SAIDA_COD"), std::string("MG10"));
    }
};

QTEST_MAIN(FParametrosTest)
#include "FParametrosTest.moc"
