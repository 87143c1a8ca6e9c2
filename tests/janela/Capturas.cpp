// efd-capturas: imagens da janela principal e dos dois diálogos sobre uma instalação, para quem
// revisa a tela (scripts/capturas.sh roda isto no Xvfb).
//   efd-capturas <pasta da instalação> <pasta das imagens>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <iostream>

#include "app/DmPrinc.h"
#include "app/janela/CaixaMensagemQt.h"
#include "app/janela/FParametros.h"
#include "app/janela/FPrinc.h"
#include "app/janela/FTiposFiscaisInventario.h"

namespace {

bool Capturar(QWidget& tela, const QString& arquivo) {
    tela.show();
    if (!QTest::qWaitForWindowExposed(&tela)) return false;
    QTest::qWait(300);
    const bool gravou = tela.grab().save(arquivo);
    std::cout << arquivo.toStdString() << (gravou ? "" : " (falhou)") << "\n";
    tela.hide();
    return gravou;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    if (argc != 3) {
        std::cerr << "uso: efd-capturas <pasta da instalação> <pasta das imagens>\n";
        return 64;
    }
    const QString saida = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(saida);
    janela::CaixaMensagemQt mensagens;
    app::OpcoesInicio inicio;
    inicio.pastaInstalacao = argv[1];
    app::TdmPrinc dm(inicio, mensagens);
    if (!dm.Iniciado()) return 1;

    janela::TfrmSped principal(dm, mensagens, argv[1]);
    janela::TfrmParametros parametros(dm, mensagens, &principal);
    janela::TfrmTiposFiscaisInventario tipos(dm.cdsTiposFisc, &principal);
    const bool ok = Capturar(principal, saida + "/janela.png") && (principal.show(), true) &&
                    Capturar(parametros, saida + "/parametros.png") &&
                    Capturar(tipos, saida + "/tipos_fiscais.png");
    return ok ? 0 : 1;
}
