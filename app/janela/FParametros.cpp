#include "app/janela/FParametros.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/DmPrinc.h"
#include "app/ChavesParametrosSped.h"
#include "app/janela/TextoTela.h"

namespace janela {

namespace {

constexpr const char* kGrupo = "SPED";
constexpr int kPaineisVisiveis = 4;

}  // namespace

TfrmParametros::TfrmParametros(app::TdmPrinc& dm, util::CaixaMensagem& mensagens, QWidget* pai)
    : QDialog(pai), dm_(dm), mensagens_(mensagens) {
    setWindowTitle(QStringLiteral("Parâmetros - SPED - EFD - Escrituração Fiscal Digital"));
    setObjectName(QStringLiteral("frmParametros"));

    auto* lista = new QWidget;
    auto* colunaPaineis = new QVBoxLayout(lista);
    colunaPaineis->setContentsMargins(4, 4, 4, 4);
    QFrame* painel = nullptr;
    for (const app::ChaveParametroSped& c : app::ChavesParametrosSped()) {
        const std::string valor = dm_.LerParametro(kGrupo, c.chave);
        painel = new QFrame;
        painel->setFrameShape(QFrame::StyledPanel);
        auto* grade = new QGridLayout(painel);
        auto* chave = new QLineEdit(QString::fromLatin1(c.chave));
        auto* descricao = new QLineEdit(QString::fromUtf8(c.descricao));
        SomenteLeitura(chave);
        SomenteLeitura(descricao);
        descricao->setCursorPosition(0);
        auto* campoValor = new QLineEdit(Tela(valor));
        campoValor->setMaxLength(app::kTamanhoValorParametro);
        campoValor->setObjectName(QString::fromLatin1(c.chave));
        grade->addWidget(new QLabel(QStringLiteral("Parametro")), 0, 0);
        grade->addWidget(chave, 0, 1);
        grade->addWidget(new QLabel(QStringLiteral("Descrição")), 1, 0);
        grade->addWidget(descricao, 1, 1);
        grade->addWidget(new QLabel(QStringLiteral("Valor")), 2, 0);
        grade->addWidget(campoValor, 2, 1);
        colunaPaineis->addWidget(painel);
        linhas_.push_back({c.chave, campoValor});
    }

    auto* rolagem = new QScrollArea;
    rolagem->setWidget(lista);
    rolagem->setWidgetResizable(true);
    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int alturaPainel = painel ? painel->sizeHint().height() + colunaPaineis->spacing() : 0;
    rolagem->setFixedHeight(kPaineisVisiveis * alturaPainel + 2 * rolagem->frameWidth() + 8);
    rolagem->setMinimumWidth(780);

    auto* botoes = new QDialogButtonBox;
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btnOk"));
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btnCancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &TfrmParametros::Confirmar);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rolagem);
    layout->addWidget(botoes);
}

void TfrmParametros::Confirmar() {
    try {
        for (const Linha& l : linhas_)
            dm_.GravarParametro(kGrupo, l.chave, Cp1252(l.valor->text()));
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what());
        return;
    }
    accept();
}

}  // namespace janela
