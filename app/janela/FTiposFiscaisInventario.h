#pragma once
// TfrmTiposFiscaisInventario: a escolha dos tipos fiscais que entram no inventário e no estoque
// escriturado. Um clique na coluna "." marca ou desmarca na hora; OK e Cancelar só fecham.
#include <QDialog>

#include "app/validacao/TiposFiscais.h"

class QTableWidget;

namespace janela {

class TfrmTiposFiscaisInventario : public QDialog {
public:
    TfrmTiposFiscaisInventario(app::ListaTiposFiscais& tipos, QWidget* pai = nullptr);

    // Clique numa célula: só a coluna 0 troca SELEC da linha.
    void CelulaClicada(int linha, int coluna);

private:
    void MostrarSelecao(int linha);

    app::ListaTiposFiscais& tipos_;
    QTableWidget* grade_;
};

}  // namespace janela
