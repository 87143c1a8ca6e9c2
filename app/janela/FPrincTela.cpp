// A montagem dos controles da janela principal, nas caixas e na ordem do Tab.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "app/DmPrinc.h"
#include "app/janela/Banner.h"
#include "app/janela/FPrinc.h"
#include "app/janela/TextoTela.h"

namespace janela {

namespace {

template <class T>
T* Controle(const char* nome, T* controle) {
    controle->setObjectName(QString::fromLatin1(nome));
    return controle;
}

QComboBox* Lista(const char* nome, std::initializer_list<std::pair<QString, QString>> itens) {
    auto* lista = Controle(nome, new QComboBox);
    for (const auto& [legenda, valor] : itens) lista->addItem(legenda, valor);
    return lista;
}

QDateEdit* Data(const char* nome) {
    auto* data = Controle(nome, new QDateEdit);
    data->setCalendarPopup(true);
    data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return data;
}

QToolButton* BotaoProcurar(const char* nome) {
    auto* botao = Controle(nome, new QToolButton);
    botao->setText(QStringLiteral("..."));
    return botao;
}

QGroupBox* Caixa(const QString& titulo = {}) { return new QGroupBox(titulo); }

void ForaDoTab(std::initializer_list<QWidget*> controles) {
    for (QWidget* c : controles) c->setFocusPolicy(Qt::ClickFocus);
}

}  // namespace

void TfrmSped::MontarTela() {
    setWindowTitle(QStringLiteral("SPED - EFD - Escrituração Fiscal Digital - Vastel Informática"));
    setObjectName(QStringLiteral("frmSped"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* central = new QWidget;
    auto* coluna = new QVBoxLayout(central);
    coluna->setContentsMargins(0, 0, 0, 6);
    coluna->addWidget(new Banner);

    caixas_ = new QWidget;
    auto* colunaCaixas = new QVBoxLayout(caixas_);
    colunaCaixas->setContentsMargins(10, 4, 10, 0);
    colunaCaixas->addWidget(MontarCaixaFilial());
    auto* meio = new QHBoxLayout;
    meio->addWidget(MontarCaixaPeriodo());
    meio->addWidget(MontarCaixaInventario(), 1);
    colunaCaixas->addLayout(meio);
    colunaCaixas->addWidget(MontarCaixaGravacao());
    colunaCaixas->addWidget(MontarCaixaGerar());
    coluna->addWidget(caixas_);
    coluna->addWidget(MontarProgresso());
    setCentralWidget(central);

    pnlVersao_ = Controle("pnlVersao", new QLabel);
    pnlVersao_->setFixedWidth(250);
    pnlBanco_ = Controle("pnlBanco", new QLabel);
    statusBar()->addWidget(pnlVersao_);
    statusBar()->addWidget(pnlBanco_, 1);
    statusBar()->setSizeGripEnabled(false);

    DefinirOrdemTab();
    setFixedSize(sizeHint());
}

QWidget* TfrmSped::MontarCaixaFilial() {
    edtFilial_ = Controle("edtFilial", new QLineEdit);
    edtFilial_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,9}")), edtFilial_));
    edtFilial_->setFixedWidth(60);
    cbxEmpresa_ = Controle("cbxEmpresa", new QComboBox);
    for (const core::TFilial& f : dm_.cdsFil.Filiais())
        cbxEmpresa_->addItem(Tela(f.NOME_FI), f.COD_FI);
    cbxEmpresa_->setMinimumWidth(300);
    edtCnpj_ = Controle("edtCnpj", new QLineEdit);
    edtInscricao_ = Controle("edtInscricao", new QLineEdit);
    SomenteLeitura(edtCnpj_);
    SomenteLeitura(edtInscricao_);
    edtUnificar_ = Controle("edtUnificar", new QLineEdit);
    btnUnificar_ = BotaoProcurar("btnUnificar");
    btnParametros_ = Controle("btnParametros", new QPushButton(QStringLiteral("Parametros")));
    ForaDoTab({edtUnificar_, btnUnificar_, btnParametros_});

    auto* caixa = Caixa();
    auto* grade = new QGridLayout(caixa);
    grade->addWidget(new QLabel(QStringLiteral("Filial")), 0, 0);
    grade->addWidget(new QLabel(QStringLiteral("Empresa")), 0, 1, 1, 3);
    grade->addWidget(edtFilial_, 1, 0);
    grade->addWidget(cbxEmpresa_, 1, 1, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("CNPJ")), 2, 0, 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Inscrição")), 2, 2, 1, 2);
    auto* linhaCnpj = new QHBoxLayout;
    linhaCnpj->addWidget(edtCnpj_);
    grade->addLayout(linhaCnpj, 3, 0, 1, 2);
    grade->addWidget(edtInscricao_, 3, 2, 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Unificar Arq. SPED")), 4, 0, 1, 4);
    auto* linhaUnificar = new QHBoxLayout;
    linhaUnificar->addWidget(edtUnificar_, 1);
    linhaUnificar->addWidget(btnUnificar_);
    linhaUnificar->addSpacing(12);
    linhaUnificar->addWidget(btnParametros_);
    grade->addLayout(linhaUnificar, 5, 0, 1, 4);
    return caixa;
}

QWidget* TfrmSped::MontarCaixaPeriodo() {
    dtpDataIni_ = Data("dtpDataIni");
    dtpDataFim_ = Data("dtpDataFim");
    cbxFinalidade_ = Lista(
        "cbxFinalidade", {{QStringLiteral("Remessa do arquivo original"), QStringLiteral("0")},
                          {QStringLiteral("Remessa do arquivo substituto"), QStringLiteral("1")}});
    auto* caixa = Caixa();
    auto* grade = new QGridLayout(caixa);
    grade->addWidget(new QLabel(QStringLiteral("Período")), 0, 0, 1, 3);
    grade->addWidget(dtpDataIni_, 1, 0);
    grade->addWidget(new QLabel(QStringLiteral("a")), 1, 1);
    grade->addWidget(dtpDataFim_, 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("Finalidade do Arquivo")), 2, 0, 1, 3);
    grade->addWidget(cbxFinalidade_, 3, 0, 1, 3);
    grade->setRowStretch(4, 1);
    return caixa;
}

QWidget* TfrmSped::MontarCaixaInventario() {
    cbxGerarBlocoH_ = Lista("cbxGerarBlocoH", {{QStringLiteral("Sim"), QStringLiteral("S")},
                                               {QStringLiteral("Não"), QStringLiteral("N")}});
    edtMesAnoInventario_ = Controle("edtMesAnoInventario", new QLineEdit);
    // Só algarismos; a barra fica no valor e as posições vazias aparecem como "_".
    edtMesAnoInventario_->setInputMask(QStringLiteral("00/0000;_"));
    edtMesAnoInventario_->setFixedWidth(80);
    btnTiposFiscais_ =
        Controle("btnTiposFiscais", new QPushButton(QStringLiteral("Tipos Fiscais Inventário")));
    ForaDoTab({btnTiposFiscais_});
    cbxMotivoInventario_ = Lista(
        "cbxMotivoInventario",
        {{QStringLiteral("01 – No final no período"), QStringLiteral("01")},
         {QStringLiteral("02 – Na mudança de forma de tributação da mercadoria (ICMS)"),
          QStringLiteral("02")},
         {QStringLiteral(
              "03 – Na solicitação da baixa cadastral, paralisação temporária e outras situações"),
          QStringLiteral("03")},
         {QStringLiteral("04 – Na alteração de regime de pagamento – condição do contribuinte"),
          QStringLiteral("04")},
         {QStringLiteral("05 – Por determinação dos fiscos"), QStringLiteral("05")}});
    cbxMotivoInventario_->setMinimumContentsLength(40);
    cbxMotivoInventario_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* caixa = Caixa();
    auto* grade = new QGridLayout(caixa);
    grade->addWidget(new QLabel(QStringLiteral("Gerar bloco H (Inventário de Estoque) ?")), 0, 0);
    grade->addWidget(new QLabel(QStringLiteral("Mês/Ano Inventário")), 0, 1);
    grade->addWidget(cbxGerarBlocoH_, 1, 0);
    auto* linhaMes = new QHBoxLayout;
    linhaMes->addWidget(edtMesAnoInventario_);
    linhaMes->addWidget(btnTiposFiscais_);
    grade->addLayout(linhaMes, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("Motivo do inventário")), 2, 0, 1, 2);
    grade->addWidget(cbxMotivoInventario_, 3, 0, 1, 2);
    return caixa;
}

QWidget* TfrmSped::MontarCaixaGravacao() {
    edtDiretorio_ = Controle("edtDiretorio", new QLineEdit);
    btnDiretorio_ = BotaoProcurar("btnDiretorio");
    ForaDoTab({btnDiretorio_});
    btnAbrirArquivo_ =
        Controle("btnAbrirArquivo", new QPushButton(QStringLiteral("Abrir Arquivo Gerado")));
    auto* caixa = Caixa();
    auto* grade = new QGridLayout(caixa);
    grade->addWidget(new QLabel(QStringLiteral("Local de gravação do arquivo")), 0, 0, 1, 3);
    grade->addWidget(edtDiretorio_, 1, 0);
    grade->addWidget(btnDiretorio_, 1, 1);
    grade->addWidget(btnAbrirArquivo_, 1, 2);
    grade->setColumnStretch(0, 1);
    return caixa;
}

QWidget* TfrmSped::MontarCaixaGerar() {
    chkEntradas_ = Controle("chkEntradas", new QCheckBox(QStringLiteral("Entradas")));
    chkSaidas_ = Controle("chkSaidas", new QCheckBox(QStringLiteral("Saídas")));
    chkItensSaida_ =
        Controle("chkItensSaida", new QCheckBox(QStringLiteral("Itens de saída das NFEs")));
    cbxBlocoK_ = Lista("cbxBlocoK", {{QStringLiteral("Não Gerar"), QStringLiteral("N")},
                                     {QStringLiteral("Gerar Todos Registros"), QStringLiteral("S")},
                                     {QStringLiteral("Gerar K200 e K280"), QStringLiteral("E")}});
    chkRegistro0210_ = Controle("chkRegistro0210", new QCheckBox(QStringLiteral("Registro 0210")));
    ForaDoTab({chkEntradas_, chkSaidas_, chkItensSaida_, cbxBlocoK_, chkRegistro0210_});

    auto* caixa = Caixa(QStringLiteral(" Gerar "));
    auto* linha = new QHBoxLayout(caixa);
    linha->addWidget(chkEntradas_);
    linha->addWidget(chkSaidas_);
    linha->addWidget(chkItensSaida_);
    linha->addSpacing(12);
    linha->addWidget(new QLabel(QStringLiteral("Bloco K")));
    linha->addWidget(cbxBlocoK_);
    linha->addWidget(chkRegistro0210_);
    linha->addStretch(1);
    return caixa;
}

QWidget* TfrmSped::MontarProgresso() {
    btnGerarArquivo_ =
        Controle("btnGerarArquivo", new QPushButton(QStringLiteral("Gerar Arquivo")));
    btnGerarArquivo_->setMinimumHeight(32);
    lblEtapa_ = Controle("lblEtapa", new QLabel);
    barraProgresso_ = Controle("barraProgresso", new QProgressBar);
    lblInicio_ = Controle("lblInicio", new QLabel);
    lblFim_ = Controle("lblFim", new QLabel);
    for (QWidget* w :
         std::initializer_list<QWidget*>{lblEtapa_, barraProgresso_, lblInicio_, lblFim_}) {
        // Reserva o lugar: a janela tem tamanho fixo e não pode pular quando o progresso aparece.
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
        w->hide();
    }

    auto* area = new QWidget;
    auto* grade = new QGridLayout(area);
    grade->setContentsMargins(10, 0, 10, 0);
    grade->addWidget(btnGerarArquivo_, 0, 0, 2, 1);
    grade->addWidget(lblEtapa_, 0, 1);
    grade->addWidget(lblInicio_, 0, 2, Qt::AlignRight);
    grade->addWidget(barraProgresso_, 1, 1);
    grade->addWidget(lblFim_, 1, 2, Qt::AlignRight);
    grade->setColumnStretch(1, 1);
    grade->setColumnMinimumWidth(2, 150);
    return area;
}

void TfrmSped::DefinirOrdemTab() {
    QWidget* const ordem[] = {edtFilial_,           cbxEmpresa_,          dtpDataIni_,
                              dtpDataFim_,          cbxFinalidade_,       cbxGerarBlocoH_,
                              edtMesAnoInventario_, cbxMotivoInventario_, edtDiretorio_,
                              btnAbrirArquivo_,     btnGerarArquivo_};
    for (size_t i = 0; i + 1 < std::size(ordem); ++i) setTabOrder(ordem[i], ordem[i + 1]);
}

}  // namespace janela
