#include "report/qt/ImpressoraQt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "util/Texto1252.h"

namespace report {

void DesenharPaginas(QPagedPaintDevice& dispositivo, const std::vector<Pagina>& paginas) {
    QPainter pintor(&dispositivo);
    QFont fonte(QStringLiteral("Courier"));
    fonte.setStyleHint(QFont::TypeWriter);
    fonte.setFixedPitch(true);
    // Mede num tamanho grande e reduz na proporção: a largura das 136 colunas e a altura das 66
    // linhas têm de caber.
    fonte.setPixelSize(100);
    const qreal avanco100 = QFontMetricsF(fonte, &dispositivo).horizontalAdvance(QLatin1Char('M'));
    const qreal altura100 = QFontMetricsF(fonte, &dispositivo).height();
    const qreal escala = std::min(dispositivo.width() / (kColunasPagina * avanco100),
                                  dispositivo.height() / (kLinhasPagina * altura100));
    fonte.setPixelSize(std::max(1, static_cast<int>(100 * escala)));
    pintor.setFont(fonte);
    const QFontMetricsF medida(fonte, &dispositivo);
    const qreal avanco = medida.horizontalAdvance(QLatin1Char('M'));
    const qreal entrelinha = dispositivo.height() / static_cast<qreal>(kLinhasPagina);
    const qreal esquerda = (dispositivo.width() - kColunasPagina * avanco) / 2;

    for (size_t p = 0; p < paginas.size(); ++p) {
        if (p > 0) dispositivo.newPage();
        const Pagina& pagina = paginas[p];
        for (int linha = 1; linha <= pagina.UltimaLinhaUsada(); ++linha) {
            const std::string texto = pagina.Linha(linha).substr(0, kColunasPagina);
            if (texto.empty()) continue;
            pintor.drawText(QPointF(esquerda, linha * entrelinha - medida.descent()),
                            QString::fromStdString(util::Cp1252ParaUtf8(texto)));
        }
    }
}

ImpressoraQt::ImpressoraQt(QWidget* pai)
    : pai_(pai),
      impressora_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      paginas_([this](const std::vector<Pagina>& p) { Previsualizar(p); },
               [this] { return DialogoImpressora(); }) {
    impressora_->setPageOrientation(QPageLayout::Portrait);
    impressora_->setPageSize(QPageSize(QPageSize::A4));
}

ImpressoraQt::~ImpressoraQt() = default;

bool ImpressoraQt::DialogoImpressora() {
    QPrintDialog dialogo(impressora_.get(), pai_);
    return dialogo.exec() == QDialog::Accepted;
}

void ImpressoraQt::Previsualizar(const std::vector<Pagina>& paginas) {
    QPrintPreviewDialog previa(impressora_.get(), pai_);
    QObject::connect(&previa, &QPrintPreviewDialog::paintRequested,
                     [&paginas](QPrinter* destino) { DesenharPaginas(*destino, paginas); });
    previa.exec();
}

}  // namespace report
