#pragma once
// TfrmParametros: o editor das chaves "SPED" de PARAM. OK grava todas as linhas; Cancelar não grava
// nada.
#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;

namespace app {
class TdmPrinc;
}
namespace util {
class CaixaMensagem;
}

namespace janela {

class TfrmParametros : public QDialog {
public:
    // Lê os valores atuais de PARAM; uma falha do banco lança a exceção e o diálogo não abre.
    TfrmParametros(app::TdmPrinc& dm, util::CaixaMensagem& mensagens, QWidget* pai = nullptr);

    // OK: grava as linhas na ordem e fecha. Se o banco falha, mostra o erro e o editor fica aberto;
    // as linhas gravadas até ali ficam gravadas.
    void Confirmar();

private:
    struct Linha {
        std::string chave;
        QLineEdit* valor;
    };

    app::TdmPrinc& dm_;
    util::CaixaMensagem& mensagens_;
    std::vector<Linha> linhas_;
};

}  // namespace janela
