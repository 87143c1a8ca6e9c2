#include "app/janela/FTiposFiscaisInventario.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/janela/TextoTela.h"

namespace janela {

namespace {

constexpr int kColunaSelecao = 0;
constexpr int kCaracteresCodigo = 8;
constexpr int kCaracteresDescricao = 75;

QTableWidgetItem* Celula(const QString& texto) {
    auto* item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TfrmTiposFiscaisInventario::TfrmTiposFiscaisInventario(app::ListaTiposFiscais& tipos, QWidget* pai)
    : QDialog(pai), tipos_(tipos), grade_(new QTableWidget(static_cast<int>(tipos.size()), 3)) {
    setWindowTitle(QStringLiteral("Tipos Fiscais Inventário"));
    setObjectName(QStringLiteral("frmTiposFiscaisInventario"));

    grade_->setObjectName(QStringLiteral("grdTiposFiscais"));
    grade_->setHorizontalHeaderLabels(
        {QStringLiteral("."), QStringLiteral("Código"), QStringLiteral("Descrição")});
    grade_->verticalHeader()->hide();
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setSelectionMode(QAbstractItemView::NoSelection);
    grade_->setAlternatingRowColors(true);
    for (int i = 0; i < grade_->rowCount(); ++i) {
        grade_->setItem(i, kColunaSelecao, Celula(QString()));
        grade_->setItem(i, 1, Celula(Tela(tipos_[i].COD_TA)));
        grade_->setItem(i, 2, Celula(Tela(tipos_[i].DESC_TA)));
        MostrarSelecao(i);
    }
    const QFontMetrics medida(grade_->font());
    grade_->setColumnWidth(kColunaSelecao, 28);
    grade_->setColumnWidth(1, medida.horizontalAdvance(QLatin1Char('0')) * kCaracteresCodigo + 12);
    grade_->setColumnWidth(2, medida.averageCharWidth() * kCaracteresDescricao / 2);
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->setMinimumSize(520, 300);
    connect(grade_, &QTableWidget::cellClicked, this, &TfrmTiposFiscaisInventario::CelulaClicada);

    auto* botoes = new QDialogButtonBox;
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btnOk"));
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btnCancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_);
    layout->addWidget(botoes);
}

void TfrmTiposFiscaisInventario::CelulaClicada(int linha, int coluna) {
    if (coluna != kColunaSelecao || linha < 0 || linha >= static_cast<int>(tipos_.size())) return;
    tipos_[linha].SELEC = !tipos_[linha].SELEC;
    MostrarSelecao(linha);
}

void TfrmTiposFiscaisInventario::MostrarSelecao(int linha) {
    grade_->item(linha, kColunaSelecao)
        ->setData(Qt::CheckStateRole, tipos_[linha].SELEC ? Qt::Checked : Qt::Unchecked);
}

}  // namespace janela
