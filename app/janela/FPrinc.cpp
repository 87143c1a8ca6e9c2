#include "app/janela/FPrinc.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QToolButton>
#include <algorithm>

#include "app/DmPrinc.h"
#include "app/janela/FParametros.h"
#include "app/janela/FTiposFiscaisInventario.h"
#include "app/janela/TextoTela.h"
#include "app/ExecutarGeracao.h"
#include "core/ArquivoTxt.h"
#include "report/qt/ImpressoraQt.h"

namespace janela {

namespace {

QDate ParaQDate(const util::DataHora& d) {
    return d.Vazia() ? QDate() : QDate(d.ano, d.mes, d.dia);
}
util::DataHora DeQDate(const QDate& d) {
    return util::DataHora::Data(d.year(), d.month(), d.day());
}

std::string SimNao(bool marcado) { return marcado ? "S" : "N"; }
std::string Valor(const QComboBox* lista) { return lista->currentData().toString().toStdString(); }

void Selecionar(QComboBox* lista, const QVariant& valor) {
    lista->setCurrentIndex(lista->findData(valor));
}

QString HoraAgora() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

// O caminho como o sistema de arquivos o entende (UTF-8 aqui), não como texto do banco.
std::string Caminho(const QString& texto) {
    return QFile::encodeName(texto.trimmed()).toStdString();
}

}  // namespace

template <class Acao>
void TfrmSped::Proteger(Acao&& acao) {
    try {
        acao();
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what());
    }
}

TfrmSped::TfrmSped(app::TdmPrinc& dm, util::CaixaMensagem& mensagens,
                   const std::filesystem::path& pastaExecutavel, QWidget* pai)
    : QMainWindow(pai), dm_(dm), mensagens_(mensagens), pastaExecutavel_(pastaExecutavel) {
    MontarTela();
    edtDiretorio_->setText(
        QFile::decodeName(QByteArray::fromStdString((pastaExecutavel_ / "SPED_EFD").string())));
    MostrarParametros();
    LigarControles();
    qApp->installEventFilter(this);
}

void TfrmSped::MostrarParametros() {
    const core::TParametros& p = dm_.cdsParams;
    const QSignalBlocker b1(edtFilial_), b2(cbxEmpresa_), b3(dtpDataIni_), b4(dtpDataFim_),
        b5(cbxFinalidade_), b6(cbxGerarBlocoH_), b7(edtMesAnoInventario_), b8(cbxMotivoInventario_),
        b9(chkEntradas_), b10(chkSaidas_), b11(chkItensSaida_), b12(cbxBlocoK_),
        b13(chkRegistro0210_);
    // A caixa do código só muda quando o número difere: enquanto o usuário digita, ela fica como
    // está.
    if (edtFilial_->text().toInt() != p.FILIAL) edtFilial_->setText(QString::number(p.FILIAL));
    Selecionar(cbxEmpresa_, p.FILIAL);
    edtCnpj_->setText(Tela(p.CNPJ_FIL));
    edtInscricao_->setText(Tela(p.INSC_FIL));
    dtpDataIni_->setDate(ParaQDate(p.DATA_INI));
    dtpDataFim_->setDate(ParaQDate(p.DATA_FIM));
    Selecionar(cbxFinalidade_, QString::fromStdString(p.FINALIDADE_ARQ));
    Selecionar(cbxGerarBlocoH_, QString::fromStdString(p.GERAR_REG_H));
    if (!edtMesAnoInventario_->hasFocus())
        edtMesAnoInventario_->setText(Tela(p.MES_ANO_INVENTARIO));
    Selecionar(cbxMotivoInventario_, QString::fromStdString(p.MOTIVO_INVENTARIO));
    chkEntradas_->setChecked(p.GERAR_ENTRADAS == "S");
    chkSaidas_->setChecked(p.GERAR_SAIDAS == "S");
    chkItensSaida_->setChecked(p.GERAR_C170_SAI == "S");
    Selecionar(cbxBlocoK_, QString::fromStdString(p.GERAR_BLOCO_K));
    chkRegistro0210_->setChecked(p.GERAR_REG_0210 == "S");
}

void TfrmSped::LigarControles() {
    core::TParametros& p = dm_.cdsParams;
    connect(edtFilial_, &QLineEdit::textEdited, this, [this](const QString& texto) {
        Proteger([&] { dm_.DefinirFilial(texto.toInt()); });
        MostrarParametros();
    });
    connect(cbxEmpresa_, &QComboBox::activated, this, [this](int i) {
        Proteger([&] { dm_.DefinirFilial(cbxEmpresa_->itemData(i).toInt()); });
        MostrarParametros();
    });
    connect(dtpDataIni_, &QDateEdit::dateChanged, this, [&p](QDate d) { p.DATA_INI = DeQDate(d); });
    connect(dtpDataFim_, &QDateEdit::dateChanged, this, [&p](QDate d) { p.DATA_FIM = DeQDate(d); });
    connect(cbxFinalidade_, &QComboBox::activated, this,
            [this, &p] { p.FINALIDADE_ARQ = Valor(cbxFinalidade_); });
    connect(cbxGerarBlocoH_, &QComboBox::activated, this, [this, &p] {
        p.GERAR_REG_H = Valor(cbxGerarBlocoH_);
        AplicarRegraInventario();
    });
    connect(edtMesAnoInventario_, &QLineEdit::editingFinished, this,
            &TfrmSped::GravarMesAnoInventario);
    connect(cbxMotivoInventario_, &QComboBox::activated, this, [this, &p] {
        p.MOTIVO_INVENTARIO = Valor(cbxMotivoInventario_);
        AplicarRegraInventario();
    });
    connect(chkEntradas_, &QCheckBox::toggled, this,
            [&p](bool marcado) { p.GERAR_ENTRADAS = SimNao(marcado); });
    connect(chkSaidas_, &QCheckBox::toggled, this,
            [&p](bool marcado) { p.GERAR_SAIDAS = SimNao(marcado); });
    connect(chkSaidas_, &QCheckBox::clicked, this, &TfrmSped::AplicarRegraItensSaida);
    connect(chkItensSaida_, &QCheckBox::toggled, this,
            [&p](bool marcado) { p.GERAR_C170_SAI = SimNao(marcado); });
    connect(chkItensSaida_, &QCheckBox::clicked, this, [this](bool marcado) {
        if (marcado)
            mensagens_.Informacao(
                util::W("Marque essa opção somente com orientação da sua Contabilidade."));
    });
    connect(cbxBlocoK_, &QComboBox::activated, this, [this] {
        dm_.DefinirGerarBlocoK(Valor(cbxBlocoK_));
        MostrarParametros();
        AplicarRegraBlocoK();
        AplicarRegraInventario();
    });
    connect(chkRegistro0210_, &QCheckBox::toggled, this,
            [&p](bool marcado) { p.GERAR_REG_0210 = SimNao(marcado); });

    connect(btnUnificar_, &QToolButton::clicked, this, &TfrmSped::EscolherArquivoUnificar);
    connect(btnParametros_, &QPushButton::clicked, this, &TfrmSped::AbrirParametros);
    connect(btnTiposFiscais_, &QPushButton::clicked, this, &TfrmSped::AbrirTiposFiscais);
    connect(btnDiretorio_, &QToolButton::clicked, this, &TfrmSped::EscolherDiretorio);
    connect(btnAbrirArquivo_, &QPushButton::clicked, this,
            [this] { Proteger([this] { core::AbrirArquivoGerado(dm_.cdsParams, mensagens_); }); });
    connect(btnGerarArquivo_, &QPushButton::clicked, this, &TfrmSped::GerarArquivo);
}

void TfrmSped::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (mostrada_) return;
    mostrada_ = true;
    if (const QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
    PreencherBarraStatus();
    AplicarRegraItensSaida();
    AplicarRegraInventario();
    AplicarRegraBlocoK();
}

// Durante a geração a janela continua atendendo eventos; fechá-la destruiria o que a geração usa.
void TfrmSped::closeEvent(QCloseEvent* evento) {
    if (gerando_)
        evento->ignore();
    else
        QMainWindow::closeEvent(evento);
}

// Enter passa ao próximo controle na ordem do Tab. A lista aberta de um QComboBox é outra janela,
// então nela o Enter continua escolhendo o item.
bool TfrmSped::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
    const auto* controle = qobject_cast<QWidget*>(objeto);
    if (!controle || controle->window() != this) return false;
    focusNextChild();
    return true;
}

void TfrmSped::PreencherBarraStatus() {
    const QFileInfo executavel(QCoreApplication::applicationFilePath());
    pnlVersao_->setText(
        QStringLiteral("  Versão : %1 - %2")
            .arg(QString::fromStdString(dm_.Versao()),
                 executavel.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))));
    const std::string banco = dm_.sqlCon ? dm_.sqlCon->Caminho() : std::string();
    pnlBanco_->setText(QStringLiteral("  BD : ") +
                       QFile::decodeName(QByteArray::fromStdString(banco)));
}

void TfrmSped::AplicarRegraInventario() {
    const bool blocoH = Valor(cbxGerarBlocoH_) == "S";
    edtMesAnoInventario_->setEnabled(blocoH);
    cbxMotivoInventario_->setEnabled(blocoH);
    btnTiposFiscais_->setEnabled(blocoH || Valor(cbxBlocoK_) != "N");
}

void TfrmSped::AplicarRegraBlocoK() {
    const bool todos = Valor(cbxBlocoK_) == "S";
    if (todos) chkRegistro0210_->setChecked(true);
    chkRegistro0210_->setEnabled(!todos);
}

void TfrmSped::AplicarRegraItensSaida() {
    chkItensSaida_->setChecked(false);
    chkItensSaida_->setEnabled(chkSaidas_->isChecked());
}

// O valor vai ao campo ao sair da caixa; um mês inválido é recusado com a mensagem do campo e a
// caixa fica com o foco até ser corrigida.
void TfrmSped::GravarMesAnoInventario() {
    if (gravandoMesAno_) return;
    QString texto = edtMesAnoInventario_->displayText().replace(QLatin1Char('_'), QLatin1Char(' '));
    if (texto.trimmed() == QLatin1String("/")) texto.clear();
    if (Cp1252(texto) == dm_.cdsParams.MES_ANO_INVENTARIO) return;
    gravandoMesAno_ = true;
    try {
        dm_.DefinirMesAnoInventario(Cp1252(texto));
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what());
        edtMesAnoInventario_->setFocus();
    }
    gravandoMesAno_ = false;
}

void TfrmSped::AbrirParametros() {
    Proteger([this] {
        {
            TfrmParametros editor(dm_, mensagens_, this);
            editor.exec();
        }
        dm_.CarregarParametrosSped();
    });
    MostrarParametros();
}

void TfrmSped::AbrirTiposFiscais() {
    TfrmTiposFiscaisInventario dialogo(dm_.cdsTiposFisc, this);
    dialogo.exec();
}

void TfrmSped::EscolherArquivoUnificar() {
    const QString arquivo =
        QFileDialog::getOpenFileName(this, QStringLiteral("Unificar Arq. SPED"),
                                     edtUnificar_->text(), QStringLiteral("TXT (*.TXT *.txt)"));
    if (!arquivo.isEmpty()) edtUnificar_->setText(arquivo);
}

void TfrmSped::EscolherDiretorio() {
    const QString pasta = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Local de gravação do arquivo"), edtDiretorio_->text());
    if (!pasta.isEmpty()) edtDiretorio_->setText(pasta);
}

void TfrmSped::AtualizarProgresso(const core::TProgresso& progresso) {
    lblEtapa_->setText(Tela(progresso.Texto));
    const int maximo = std::max(progresso.Min, progresso.Max);
    barraProgresso_->setRange(progresso.Min, maximo);
    barraProgresso_->setValue(std::clamp(progresso.Posicao, progresso.Min, maximo));
    QCoreApplication::processEvents();
}

void TfrmSped::GerarArquivo() {
    if (gerando_) return;
    // Depois da validação a janela fica travada até a geração terminar, bem ou mal; o relatório
    // de erros já vem com ela destravada.
    struct Travar {
        TfrmSped& j;
        bool travada = false;
        void Liberar() {
            if (!travada) return;
            travada = false;
            QApplication::restoreOverrideCursor();
            j.dm_.progresso.DefinirCallback(nullptr);
            j.btnGerarArquivo_->setEnabled(true);
            j.caixas_->setEnabled(true);
            j.gerando_ = false;
        }
        ~Travar() { Liberar(); }
    } trava{*this};
    Proteger([&] {
        report::ImpressoraQt impressora(this);
        app::PassosGeracao passos{dm_.FiltroTiposFiscais(), Caminho(edtUnificar_->text()), impressora};
        passos.aoComecar = [&] {
            dm_.cdsParams.DIR_GERACAO = Caminho(edtDiretorio_->text());
            dm_.progresso.DefinirCallback([this](const core::TProgresso& p) { AtualizarProgresso(p); });
            lblFim_->hide();
            lblInicio_->setText(QStringLiteral("Iniciado em ") + HoraAgora());
            lblInicio_->show();
            lblEtapa_->setText(QStringLiteral("Processando..."));
            lblEtapa_->show();
            barraProgresso_->setValue(barraProgresso_->minimum());
            barraProgresso_->show();
            // A geração roda aqui, na linha da janela; o progresso atende os eventos a cada passo.
            // Os parâmetros ficam travados para o arquivo sair com os valores do início.
            trava.travada = gerando_ = true;
            btnGerarArquivo_->setEnabled(false);
            caixas_->setEnabled(false);
            QApplication::setOverrideCursor(Qt::WaitCursor);
        };
        passos.aoGerar = [&](int64_t) { trava.Liberar(); };
        const app::ResultadoGeracao r = app::ExecutarGeracao(dm_, mensagens_, passos);
        if (!r.gerado) return;
        if (!r.falhaRelatorio.empty())
            mensagens_.Erro(util::W("O arquivo foi gerado, mas o relatório de erros não pôde ser impresso: ") +
                            r.falhaRelatorio);
        barraProgresso_->hide();
        lblEtapa_->setText(QStringLiteral("Concluído."));
        lblFim_->setText(QStringLiteral("Finalizado em ") + HoraAgora());
        lblFim_->show();
    });
}

}  // namespace janela
