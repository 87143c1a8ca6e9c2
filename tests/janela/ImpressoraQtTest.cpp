// O relatório de erros na impressora da janela: cancelar a configuração abandona o relatório; senão
// a pré-visualização mostra as páginas do mesmo leiaute do texto e do PDF.
#include <fmt/format.h>

#include <QDialog>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTest>

#include "app/validacao/ImprimirErros.h"
#include "report/qt/ImpressoraQt.h"
#include "tests/janela/DemoTeste.h"
#include "tests/support/BancoTeste.h"
#include "util/Texto1252.h"

namespace {

core::ListaErros Erros(int quantidade) {
    core::ListaErros erros;
    for (int i = 0; i < quantidade; ++i)
        erros.AdicionarErro("0150", util::W(fmt::format("Participante {:03} sem inscrição", i)));
    return erros;
}

core::TParametros Parametros() {
    core::TParametros p;
    p.NOME_FIL = util::W("INDÚSTRIA TESTE");
    p.DATA_INI = util::DataHora::Data(2024, 4, 1);
    p.DATA_FIM = util::DataHora::Data(2024, 4, 30);
    return p;
}

}  // namespace

class ImpressoraQtTest : public QObject {
    Q_OBJECT

private slots:
    void desenhaUmaFolhaPorPagina() {
        report::Pagina um, dois;
        um.Escrever(1, 1, util::W("Gerador do arquivo SPED EFD - Pág.: 0001"));
        um.Escrever(66, 1, std::string(140, 'X'));  // a última linha, além da coluna 136
        dois.Escrever(3, 1, "Reg.: 0150-segunda");
        const teste::PastaTemporaria pasta;
        const QString arquivo =
            QString::fromStdString((pasta.caminho() / "relatorio.pdf").string());
        {
            QPdfWriter pdf(arquivo);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            report::DesenharPaginas(pdf, {um, dois});
        }
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString conteudo = QString::fromLatin1(f.readAll());
        QCOMPARE(conteudo.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2);
    }

    void cancelarAImpressoraAbandonaORelatorio() {
        report::ImpressoraQt impressora;
        int dialogos = 0;
        const auto resposta = teste::AoAbrirDialogo([&](QWidget* d) {
            ++dialogos;
            static_cast<QDialog*>(d)->reject();
        });
        app::ImprimirErros(Erros(3), Parametros(), impressora);
        QTest::qWait(100);
        QCOMPARE(dialogos, 1);  // só a configuração; nenhuma pré-visualização
    }

    void previsualizaAsPaginasDoRelatorio() {
        report::ImpressoraQt impressora;
        int paginas = -1;
        std::unique_ptr<QTimer> previa;
        const auto configuracao = teste::AoAbrirDialogo([&](QWidget* d) {
            previa = teste::AoAbrirDialogo([&](QWidget* p) {
                auto* visualizacao = p->findChild<QPrintPreviewWidget*>();
                QTRY_VERIFY(visualizacao && visualizacao->pageCount() > 0);
                paginas = visualizacao->pageCount();
                static_cast<QDialog*>(p)->reject();
            });
            static_cast<QDialog*>(d)->accept();
        });
        app::ImprimirErros(Erros(60), Parametros(), impressora);
        QCOMPARE(paginas, 2);  // 57 erros na primeira página, 3 na segunda
    }
};

QTEST_MAIN(ImpressoraQtTest)
#include "ImpressoraQtTest.moc"
