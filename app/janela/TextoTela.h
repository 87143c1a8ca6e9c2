#pragma once
// Texto entre o banco (Windows-1252) e a tela (QString), e o visual dos campos só de leitura.
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <string>
#include <string_view>

#include "util/Texto1252.h"

namespace janela {

inline QString Tela(std::string_view cp1252) {
    return QString::fromStdString(util::Cp1252ParaUtf8(cp1252));
}

inline std::string Cp1252(const QString& texto) { return util::Utf8Para1252(texto.toStdString()); }

// Só de leitura e sombreado, fora da ordem do Tab.
inline void SomenteLeitura(QLineEdit* campo) {
    campo->setReadOnly(true);
    campo->setFocusPolicy(Qt::ClickFocus);
    QPalette paleta = campo->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
    campo->setPalette(paleta);
}

}  // namespace janela
