#pragma once
// A faixa do alto da janela principal, com o nome do sistema.
#include <QWidget>

namespace janela {

class Banner : public QWidget {
public:
    explicit Banner(QWidget* pai = nullptr);
    QSize sizeHint() const override { return {560, 64}; }

protected:
    void paintEvent(QPaintEvent* evento) override;
};

}  // namespace janela
