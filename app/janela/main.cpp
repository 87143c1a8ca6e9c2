// VASTEL_EFD: o gerador da EFD ICMS/IPI na janela. Argumento opcional: a pasta da instalação
// (Parametros.Ini, Segredos.ini); sem ele, a pasta do executável.
#include <QApplication>
#include <QFile>
#include <filesystem>

#include "app/janela/CaixaMensagemQt.h"
#include "app/janela/Partida.h"

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    janela::OpcoesPartida opcoes;
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1)
        opcoes.inicio.pastaInstalacao =
            std::filesystem::absolute(QFile::encodeName(argumentos[1]).toStdString());
    janela::CaixaMensagemQt mensagens;
    return janela::IniciarAplicacao(opcoes, mensagens);
}
