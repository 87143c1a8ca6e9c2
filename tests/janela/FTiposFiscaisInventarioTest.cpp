// A escolha dos tipos fiscais do inventário: o clique na coluna "." vale na hora, OK e Cancelar só
// fecham; a escolha é a da partida e volta na próxima pela cópia salva.
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/DmPrinc.h"
#include "app/janela/FTiposFiscaisInventario.h"
#include "tests/janela/DemoTeste.h"
#include "tests/support/MensagensTeste.h"

using janela::TfrmTiposFiscaisInventario;

namespace {

QString Marcados(const app::ListaTiposFiscais& tipos) {
    QStringList codigos;
    for (const auto& t : tipos)
        if (t.SELEC) codigos << QString::fromStdString(t.COD_TA);
    return codigos.join(QLatin1Char(' '));
}

}  // namespace

class FTiposFiscaisInventarioTest : public QObject {
    Q_OBJECT

private:
    teste::DemoTeste demo_;
    teste::MensagensTeste mensagens_;

private slots:
    void cliqueNaColunaDeSelecaoTrocaNaHora_data() {
        QTest::addColumn<QString>("botao");
        QTest::newRow("OK") << "btnOk";
        QTest::newRow("Cancelar") << "btnCancelar";
    }
    void cliqueNaColunaDeSelecaoTrocaNaHora() {
        QFETCH(QString, botao);
        app::ListaTiposFiscais tipos{{"01", "MATERIA-PRIMA", true}, {"05", "SUBPRODUTO", false}};
        TfrmTiposFiscaisInventario dialogo(tipos);
        dialogo.show();
        auto* grade = dialogo.findChild<QTableWidget*>(QStringLiteral("grdTiposFiscais"));
        QCOMPARE(grade->item(0, 1)->text(), QStringLiteral("01"));
        QCOMPARE(grade->item(1, 2)->text(), QStringLiteral("SUBPRODUTO"));
        QCOMPARE(grade->item(0, 0)->checkState(), Qt::Checked);

        const QRect celula = grade->visualItemRect(grade->item(1, 0));
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        QCOMPARE(Marcados(tipos), QStringLiteral("01 05"));
        QCOMPARE(grade->item(1, 0)->checkState(), Qt::Checked);
        dialogo.CelulaClicada(0, 1);  // fora da coluna "." nada muda
        dialogo.CelulaClicada(0, 2);
        QCOMPARE(Marcados(tipos), QStringLiteral("01 05"));
        dialogo.CelulaClicada(0, 0);
        QCOMPARE(Marcados(tipos), QStringLiteral("05"));

        dialogo.findChild<QPushButton*>(botao)->click();
        QVERIFY(!dialogo.isVisible());
        QCOMPARE(Marcados(tipos), QStringLiteral("05"));
    }

    void escolhaDaPartidaVaiAoFiltroEAProximaPartida() {
        {
            const auto dm = demo_.Iniciar(mensagens_);
            QVERIFY(dm->Iniciado());
            // Sem cópia salva: "01-02-03-04".
            QCOMPARE(Marcados(dm->cdsTiposFisc), QStringLiteral("02 01 04 03"));
            const app::TFiltroTiposFiscais filtro = dm->FiltroTiposFiscais();
            QCOMPARE(filtro.lista, std::string("'02', '01', '03'"));
            QVERIFY(filtro.TipoProdutoSelecionado);
            QVERIFY(filtro.TiposMateriaPrimaSelecionados);
            for (auto& t : dm->cdsTiposFisc) t.SELEC = t.COD_TA == "04" || t.COD_TA == "05";
            dm->SalvarParametros();
        }
        const auto dm = demo_.Iniciar(mensagens_);
        QCOMPARE(Marcados(dm->cdsTiposFisc), QStringLiteral("04 05"));
        QCOMPARE(dm->cdsParams.TIPOS_FISCAIS_INV_SELEC, std::string("04-05"));
        QCOMPARE(dm->FiltroTiposFiscais().lista, std::string("'05'"));
    }
};

QTEST_MAIN(FTiposFiscaisInventarioTest)
#include "FTiposFiscaisInventarioTest.moc"
