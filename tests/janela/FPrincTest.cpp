// A janela principal sobre a instalação de demonstração: controles ligados a cdsParams nos dois
// sentidos, regras de habilitação, Enter, os diálogos e a geração com o progresso.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "app/DmPrinc.h"
#include "app/janela/FPrinc.h"
#include "core/ArquivoTxt.h"
#include "core/ParametrosErp.h"
#include "tests/janela/DemoTeste.h"
#include "tests/support/MensagensTeste.h"
#include "util/Texto1252.h"

using janela::TfrmSped;

class FPrincTest : public QObject {
    Q_OBJECT

private:
    teste::DemoTeste demo_;
    std::unique_ptr<teste::MensagensTeste> mensagens_;
    std::unique_ptr<app::TdmPrinc> dm_;
    std::unique_ptr<TfrmSped> janela_;

    template <class T>
    T* C(const char* nome) {
        T* c = janela_->findChild<T*>(QString::fromLatin1(nome));
        if (!c) qFatal("controle %s não existe", nome);
        return c;
    }
    // Como o usuário escolhendo um item da lista.
    void Escolher(const char* lista, const QString& valor) {
        QComboBox* c = C<QComboBox>(lista);
        const int i = c->findData(valor);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    QString Focado() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

private slots:
    void init() {
        mensagens_ = std::make_unique<teste::MensagensTeste>();
        dm_ = demo_.Iniciar(*mensagens_);
        QVERIFY(dm_->Iniciado());
        janela_ = std::make_unique<TfrmSped>(*dm_, *mensagens_, demo_.Pasta());
        janela_->show();
        QVERIFY(QTest::qWaitForWindowActive(janela_.get()));
    }
    void cleanup() {
        janela_.reset();
        dm_.reset();
    }

    void cdsParamsAparecemNosControles() {
        core::TParametros& p = dm_->cdsParams;
        dm_->DefinirFilial(1);
        p.DATA_INI = util::DataHora::Data(2023, 7, 1);
        p.DATA_FIM = util::DataHora::Data(2023, 7, 31);
        p.FINALIDADE_ARQ = "1";
        p.GERAR_REG_H = "S";
        p.MOTIVO_INVENTARIO = "03";
        p.GERAR_ENTRADAS = "N";
        p.GERAR_BLOCO_K = "E";
        p.GERAR_REG_0210 = "S";
        dm_->DefinirMesAnoInventario("06/2023");
        janela_->MostrarParametros();

        const core::TFilial* filial = dm_->cdsFil.Localizar(1);
        QCOMPARE(C<QLineEdit>("edtFilial")->text(), QStringLiteral("1"));
        QCOMPARE(C<QComboBox>("cbxEmpresa")->currentText(),
                 QString::fromStdString(util::Cp1252ParaUtf8(filial->NOME_FI)));
        QCOMPARE(C<QLineEdit>("edtCnpj")->text().toStdString(), util::Cp1252ParaUtf8(p.CNPJ_FIL));
        QVERIFY(C<QLineEdit>("edtCnpj")->text().contains(QLatin1Char('/')));
        QCOMPARE(C<QLineEdit>("edtInscricao")->text().toStdString(),
                 util::Cp1252ParaUtf8(filial->INSC_FI));
        QCOMPARE(C<QDateEdit>("dtpDataIni")->date(), QDate(2023, 7, 1));
        QCOMPARE(C<QDateEdit>("dtpDataFim")->date(), QDate(2023, 7, 31));
        QCOMPARE(C<QComboBox>("cbxFinalidade")->currentText(),
                 QStringLiteral("Remessa do arquivo substituto"));
        QCOMPARE(C<QComboBox>("cbxGerarBlocoH")->currentText(), QStringLiteral("Sim"));
        QCOMPARE(C<QLineEdit>("edtMesAnoInventario")->displayText(), QStringLiteral("06/2023"));
        QVERIFY(
            C<QComboBox>("cbxMotivoInventario")->currentText().startsWith(QStringLiteral("03 – ")));
        QVERIFY(!C<QCheckBox>("chkEntradas")->isChecked());
        QVERIFY(C<QCheckBox>("chkSaidas")->isChecked());
        QCOMPARE(C<QComboBox>("cbxBlocoK")->currentText(), QStringLiteral("Gerar K200 e K280"));
        QVERIFY(C<QCheckBox>("chkRegistro0210")->isChecked());
    }

    void controlesAlteramCdsParams() {
        core::TParametros& p = dm_->cdsParams;
        QTest::keyClicks(C<QLineEdit>("edtFilial"), QStringLiteral("1"));
        QCOMPARE(p.FILIAL, 1);
        QVERIFY(!p.CNPJ_FIL.empty());
        QCOMPARE(C<QLineEdit>("edtCnpj")->text().toStdString(), util::Cp1252ParaUtf8(p.CNPJ_FIL));
        QCOMPARE(C<QComboBox>("cbxEmpresa")->currentData().toInt(), 1);

        QTest::keyClicks(C<QLineEdit>("edtFilial"), QStringLiteral("7"));  // "17" não existe
        QCOMPARE(p.FILIAL, 17);
        QVERIFY(p.CNPJ_FIL.empty());
        QCOMPARE(C<QComboBox>("cbxEmpresa")->currentIndex(), -1);
        Escolher("cbxEmpresa", QStringLiteral("1"));
        QCOMPARE(p.FILIAL, 1);
        QCOMPARE(C<QLineEdit>("edtFilial")->text(), QStringLiteral("1"));

        C<QDateEdit>("dtpDataIni")->setDate(QDate(2024, 2, 1));
        C<QDateEdit>("dtpDataFim")->setDate(QDate(2024, 2, 29));
        QCOMPARE(p.DATA_INI, util::DataHora::Data(2024, 2, 1));
        QCOMPARE(p.DATA_FIM, util::DataHora::Data(2024, 2, 29));
        Escolher("cbxFinalidade", QStringLiteral("1"));
        QCOMPARE(p.FINALIDADE_ARQ, std::string("1"));
        Escolher("cbxGerarBlocoH", QStringLiteral("S"));
        QCOMPARE(p.GERAR_REG_H, std::string("S"));
        Escolher("cbxMotivoInventario", QStringLiteral("05"));
        QCOMPARE(p.MOTIVO_INVENTARIO, std::string("05"));
        C<QCheckBox>("chkEntradas")->click();
        QCOMPARE(p.GERAR_ENTRADAS, std::string("N"));
        C<QCheckBox>("chkRegistro0210")->click();
        QCOMPARE(p.GERAR_REG_0210, std::string("S"));
        Escolher("cbxBlocoK", QStringLiteral("E"));
        QCOMPARE(p.GERAR_BLOCO_K, std::string("E"));
    }

    void caixaDoCodigoAceitaSoAlgarismos() {
        QTest::keyClicks(C<QLineEdit>("edtFilial"), QStringLiteral("a1b"));
        QCOMPARE(C<QLineEdit>("edtFilial")->text(), QStringLiteral("1"));
        QCOMPARE(dm_->cdsParams.FILIAL, 1);
    }

    void mesAnoInventario() {
        Escolher("cbxGerarBlocoH", QStringLiteral("S"));
        QLineEdit* mes = C<QLineEdit>("edtMesAnoInventario");
        QCOMPARE(mes->displayText(), QStringLiteral("12/2023"));

        mes->setFocus();
        mes->selectAll();
        QTest::keyClicks(mes, QStringLiteral("062023"));
        QTest::keyClick(mes, Qt::Key_Return);
        QCOMPARE(dm_->cdsParams.MES_ANO_INVENTARIO, std::string("06/2023"));
        QCOMPARE(dm_->cdsParams.DATA_INVENTARIO, util::DataHora::Data(2023, 6, 30));
        QVERIFY(mensagens_->erros.empty());

        // Mês inválido: a mensagem do campo, o valor anterior fica e o foco volta à caixa.
        mes->setFocus();
        mes->selectAll();
        QTest::keyClicks(mes, QStringLiteral("132023"));
        QTest::keyClick(mes, Qt::Key_Return);
        QCOMPARE(mensagens_->erros.size(), size_t{1});
        QCOMPARE(mensagens_->erros[0], util::W("Mês/Ano Inventário Inválido."));
        QCOMPARE(dm_->cdsParams.MES_ANO_INVENTARIO, std::string("06/2023"));
        QCOMPARE(Focado(), QStringLiteral("edtMesAnoInventario"));

        // Em branco é aceito.
        mes->selectAll();
        QTest::keyClick(mes, Qt::Key_Delete);
        QTest::keyClick(mes, Qt::Key_Return);
        QCOMPARE(dm_->cdsParams.MES_ANO_INVENTARIO, std::string());
    }

    void enterPassaAoProximoControle() {
        C<QLineEdit>("edtFilial")->setFocus();
        QStringList ordem{Focado()};
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ordem << Focado();
        }
        // Gerar bloco H "Não" deixa Mês/Ano e Motivo desabilitados: o Enter passa por cima deles.
        QCOMPARE(ordem,
                 (QStringList{"edtFilial", "cbxEmpresa", "dtpDataIni", "dtpDataFim",
                              "cbxFinalidade", "cbxGerarBlocoH", "edtDiretorio", "btnAbrirArquivo",
                              "btnGerarArquivo", "edtFilial", "cbxEmpresa"}));
        QCOMPARE(dm_->cdsParams.FILIAL, 0);  // nada foi escolhido nem gerado pelo caminho
        QVERIFY(mensagens_->alertas.empty());
    }

    void enterNaListaAbertaEscolheAEmpresa() {
        QComboBox* empresas = C<QComboBox>("cbxEmpresa");
        empresas->setFocus();
        empresas->showPopup();
        QTRY_VERIFY(empresas->view()->isVisible());
        empresas->view()->setCurrentIndex(empresas->model()->index(0, 0));
        QTest::keyClick(empresas->view(), Qt::Key_Return);
        QTRY_VERIFY(!empresas->view()->isVisible());
        QCOMPARE(Focado(), QStringLiteral("cbxEmpresa"));
        QCOMPARE(dm_->cdsParams.FILIAL, empresas->itemData(0).toInt());
    }

    void regraDoInventario_data() {
        QTest::addColumn<QString>("blocoH");
        QTest::addColumn<QString>("blocoK");
        QTest::addColumn<bool>("mesEMotivo");
        QTest::addColumn<bool>("tiposFiscais");
        QTest::newRow("sem H nem K") << "N"
                                     << "N" << false << false;
        QTest::newRow("só H") << "S"
                              << "N" << true << true;
        QTest::newRow("só K todos") << "N"
                                    << "S" << false << true;
        QTest::newRow("só K200 e K280") << "N"
                                        << "E" << false << true;
        QTest::newRow("H e K") << "S"
                               << "E" << true << true;
    }
    void regraDoInventario() {
        QFETCH(QString, blocoH);
        QFETCH(QString, blocoK);
        QFETCH(bool, mesEMotivo);
        QFETCH(bool, tiposFiscais);
        Escolher("cbxGerarBlocoH", blocoH);
        Escolher("cbxBlocoK", blocoK);
        QCOMPARE(C<QLineEdit>("edtMesAnoInventario")->isEnabled(), mesEMotivo);
        QCOMPARE(C<QComboBox>("cbxMotivoInventario")->isEnabled(), mesEMotivo);
        QCOMPARE(C<QPushButton>("btnTiposFiscais")->isEnabled(), tiposFiscais);
    }

    void regraDoBlocoK() {
        QCheckBox* reg0210 = C<QCheckBox>("chkRegistro0210");
        Escolher("cbxBlocoK", QStringLiteral("S"));
        QVERIFY(reg0210->isChecked());
        QVERIFY(!reg0210->isEnabled());
        QCOMPARE(dm_->cdsParams.GERAR_REG_0210, std::string("S"));

        Escolher("cbxBlocoK", QStringLiteral("N"));
        QVERIFY(reg0210->isEnabled());
        QVERIFY(!reg0210->isChecked());
        QCOMPARE(dm_->cdsParams.GERAR_REG_0210, std::string("N"));

        reg0210->click();  // fora de "Gerar Todos Registros" o usuário decide
        Escolher("cbxBlocoK", QStringLiteral("E"));
        QVERIFY(reg0210->isEnabled());
        QCOMPARE(dm_->cdsParams.GERAR_REG_0210, std::string("N"));  // o módulo de dados manda
        QVERIFY(!reg0210->isChecked());
    }

    void regraDosItensDeSaida() {
        QCheckBox* saidas = C<QCheckBox>("chkSaidas");
        QCheckBox* itens = C<QCheckBox>("chkItensSaida");
        QVERIFY(itens->isEnabled());
        QVERIFY(!itens->isChecked());

        itens->click();
        QVERIFY(itens->isChecked());
        QCOMPARE(dm_->cdsParams.GERAR_C170_SAI, std::string("S"));
        QCOMPARE(mensagens_->informacoes,
                 std::vector<std::string>{
                     util::W("Marque essa opção somente com orientação da sua Contabilidade.")});

        saidas->click();
        QVERIFY(!itens->isEnabled());
        QVERIFY(!itens->isChecked());
        QCOMPARE(dm_->cdsParams.GERAR_SAIDAS, std::string("N"));
        QCOMPARE(dm_->cdsParams.GERAR_C170_SAI, std::string("N"));
        saidas->click();
        QVERIFY(itens->isEnabled());
        QVERIFY(!itens->isChecked());
        QCOMPARE(mensagens_->informacoes.size(), size_t{1});
    }

    void barraDeStatusEPastaDeGravacao() {
        const QString versao = C<QLabel>("pnlVersao")->text();
        QVERIFY2(versao.startsWith(QStringLiteral("  Versão : 1.1.83 - ")), qPrintable(versao));
        QVERIFY(QDateTime::fromString(versao.right(19), QStringLiteral("dd/MM/yyyy HH:mm:ss"))
                    .isValid());
        QCOMPARE(C<QLabel>("pnlBanco")->text(),
                 QStringLiteral("  BD : ") + QString::fromStdString(dm_->sqlCon->Caminho()));
        QCOMPARE(C<QLineEdit>("edtDiretorio")->text(),
                 QString::fromStdString((demo_.Pasta() / "SPED_EFD").string()));
        QVERIFY(!C<QProgressBar>("barraProgresso")->isVisible());
        QVERIFY(!C<QLabel>("lblEtapa")->isVisible());
    }

    void parametrosReleOsValoresAoFechar_data() {
        QTest::addColumn<bool>("confirmar");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancelar") << false;
    }
    void parametrosReleOsValoresAoFechar() {
        QFETCH(bool, confirmar);
        dm_->Banco().ExecutarScript("delete from PARAM where GRUPO_PA = 'SPED';");
        const auto resposta = teste::AoAbrirDialogo([&](QWidget* editor) {
            editor->findChild<QLineEdit*>(QStringLiteral("AJ_RET_DEBITO_COD"))
                ->setText(QStringLiteral("MG001"));
            // Outra estação muda PARAM com o editor aberto: o Cancelar relê o valor; o OK grava
            // todas as linhas e o sobrescreve com o que o editor mostrava.
            core::GravarParametro(dm_->Banco(), "SPED", "AJ_RET_CREDITO_COD", "MG777");
            editor
                ->findChild<QPushButton*>(confirmar ? QStringLiteral("btnOk")
                                                    : QStringLiteral("btnCancelar"))
                ->click();
        });
        C<QPushButton>("btnParametros")->click();
        QCOMPARE(dm_->cdsParams.AJ_RET_DEBITO_COD, std::string(confirmar ? "MG001" : ""));
        QCOMPARE(dm_->cdsParams.AJ_RET_CREDITO_COD, std::string(confirmar ? "" : "MG777"));
    }

    void tiposFiscaisMarcadosValemNaHora() {
        Escolher("cbxGerarBlocoH", QStringLiteral("S"));
        const bool antes = dm_->cdsTiposFisc.at(0).SELEC;
        const auto resposta = teste::AoAbrirDialogo([](QWidget* dialogo) {
            auto* grade = dialogo->findChild<QTableWidget*>(QStringLiteral("grdTiposFiscais"));
            emit grade->cellClicked(0, 0);
            dialogo->findChild<QPushButton*>(QStringLiteral("btnCancelar"))->click();
        });
        C<QPushButton>("btnTiposFiscais")->click();
        QCOMPARE(dm_->cdsTiposFisc.at(0).SELEC, !antes);
    }

    void gerarArquivo() {
        const teste::PastaTemporaria saida;
        Escolher("cbxEmpresa", QStringLiteral("1"));
        C<QLineEdit>("edtDiretorio")->setText(QString::fromStdString(saida.caminho().string()));
        // Durante a geração a janela atende eventos: o botão está desabilitado e fechar não fecha.
        bool botaoDuranteGeracao = true, visivelAposFechar = false;
        QTimer::singleShot(0, [&] {
            botaoDuranteGeracao = C<QPushButton>("btnGerarArquivo")->isEnabled();
            janela_->close();
            visivelAposFechar = janela_->isVisible();
        });
        // Havendo erros de dados, o relatório pede a impressora: o teste cancela.
        const auto resposta = teste::AoAbrirDialogo(
            [](QWidget* dialogo) { static_cast<QDialog*>(dialogo)->reject(); });
        C<QPushButton>("btnGerarArquivo")->click();

        QVERIFY2(mensagens_->erros.empty(),
                 mensagens_->erros.empty() ? "" : mensagens_->erros[0].c_str());
        QVERIFY(std::filesystem::exists(core::NomeArquivoSped(dm_->cdsParams)));
        QCOMPARE(dm_->cdsParams.DIR_GERACAO, saida.caminho().string());
        QVERIFY(!botaoDuranteGeracao);
        QVERIFY(visivelAposFechar);
        QVERIFY(C<QPushButton>("btnGerarArquivo")->isEnabled());
        QCOMPARE(C<QLabel>("lblEtapa")->text(), QStringLiteral("Concluído."));
        QVERIFY(!C<QProgressBar>("barraProgresso")->isVisible());
        QVERIFY(C<QLabel>("lblInicio")->text().startsWith(QStringLiteral("Iniciado em ")));
        QVERIFY(C<QLabel>("lblFim")->isVisible());
        QVERIFY(QTime::fromString(C<QLabel>("lblFim")->text().mid(14), QStringLiteral("HH:mm:ss"))
                    .isValid());
        QVERIFY(!dm_->progresso.OnProgresso);
    }

    void geracaoQueFalhaDeixaOProgressoEReabilitaOBotao() {
        const teste::PastaTemporaria saida;
        Escolher("cbxEmpresa", QStringLiteral("1"));
        C<QLineEdit>("edtDiretorio")->setText(QString::fromStdString(saida.caminho().string()));
        C<QLineEdit>("edtUnificar")
            ->setText(QString::fromStdString((saida.caminho() / "NAO_EXISTE.TXT").string()));
        C<QPushButton>("btnGerarArquivo")->click();
        QCOMPARE(mensagens_->erros.size(), size_t{1});
        QVERIFY(!std::filesystem::exists(core::NomeArquivoSped(dm_->cdsParams)));
        QVERIFY(C<QPushButton>("btnGerarArquivo")->isEnabled());
        QVERIFY(C<QProgressBar>("barraProgresso")->isVisible());
        QVERIFY(!C<QLabel>("lblFim")->isVisible());
    }

    void periodoDeDoisMesesRecusadoAntesDeGerar() {
        Escolher("cbxEmpresa", QStringLiteral("1"));
        C<QDateEdit>("dtpDataIni")->setDate(QDate(2024, 3, 1));
        C<QDateEdit>("dtpDataFim")->setDate(QDate(2024, 4, 30));
        C<QPushButton>("btnGerarArquivo")->click();
        QCOMPARE(mensagens_->alertas.size(), size_t{1});
        QVERIFY(mensagens_->alertas[0].find(util::W("não está dentro de um só mês")) != std::string::npos);
        QVERIFY(!C<QLabel>("lblInicio")->isVisible());
    }

    void validacaoRecusadaNaoComecaAGeracao() {
        QTest::keyClicks(C<QLineEdit>("edtFilial"), QStringLiteral("99"));
        C<QPushButton>("btnGerarArquivo")->click();
        QCOMPARE(mensagens_->alertas.size() + mensagens_->erros.size(), size_t{1});
        QVERIFY(!C<QLabel>("lblEtapa")->isVisible());
        QVERIFY(!C<QLabel>("lblInicio")->isVisible());
    }
};

QTEST_MAIN(FPrincTest)
#include "FPrincTest.moc"
