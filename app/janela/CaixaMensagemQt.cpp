#include "app/janela/CaixaMensagemQt.h"

#include <QApplication>
#include <QMessageBox>

#include "app/janela/TextoTela.h"

namespace janela {

namespace {

QMessageBox::StandardButton Mostrar(QMessageBox::Icon icone, const QString& titulo,
                                    const std::string& mensagem,
                                    QMessageBox::StandardButtons botoes = QMessageBox::Ok,
                                    QMessageBox::StandardButton padrao = QMessageBox::Ok) {
    QMessageBox caixa(icone, titulo, Tela(mensagem), botoes, QApplication::activeWindow());
    caixa.setDefaultButton(padrao);
    return static_cast<QMessageBox::StandardButton>(caixa.exec());
}

}  // namespace

void CaixaMensagemQt::Alerta(const std::string& mensagem) {
    Mostrar(QMessageBox::Warning, QStringLiteral("Alerta"), mensagem);
}

void CaixaMensagemQt::Informacao(const std::string& mensagem) {
    Mostrar(QMessageBox::Information, QStringLiteral("Informação"), mensagem);
}

bool CaixaMensagemQt::Confirmacao(const std::string& mensagem, bool padraoNao) {
    return Mostrar(QMessageBox::Question, QStringLiteral("Confirmação"), mensagem,
                   QMessageBox::Yes | QMessageBox::No,
                   padraoNao ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

void CaixaMensagemQt::Erro(const std::string& mensagem, const std::string& titulo) {
    Mostrar(QMessageBox::Critical, Tela(titulo), mensagem);
}

void CaixaMensagemQt::Exclamacao(const std::string& mensagem, const std::string& titulo) {
    Mostrar(QMessageBox::Warning, Tela(titulo), mensagem);
}

}  // namespace janela
