#include "app/janela/Banner.h"

#include <QLinearGradient>
#include <QPainter>

namespace janela {

Banner::Banner(QWidget* pai) : QWidget(pai) { setFixedHeight(sizeHint().height()); }

void Banner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient fundo(rect().topLeft(), rect().topRight());
    fundo.setColorAt(0, QColor(0x0B, 0x3D, 0x6B));
    fundo.setColorAt(1, QColor(0x2E, 0x86, 0xC1));
    p.fillRect(rect(), fundo);
    p.setPen(Qt::white);
    QFont titulo = font();
    titulo.setPointSizeF(titulo.pointSizeF() * 1.8);
    titulo.setBold(true);
    p.setFont(titulo);
    p.drawText(rect().adjusted(16, 6, -16, -22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("SPED EFD ICMS/IPI"));
    QFont subtitulo = font();
    p.setFont(subtitulo);
    p.drawText(rect().adjusted(16, 0, -16, -8), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Escrituração Fiscal Digital - Vastel Informática"));
}

}  // namespace janela
