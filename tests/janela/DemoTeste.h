#pragma once
// A instalação de demonstração numa pasta temporária, criada uma vez por programa de teste, e um
// módulo de dados novo sobre ela para cada teste. "Hoje" é 15/05/2024: o período é abril de 2024.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/DmPrinc.h"
#include "erp/demo/InstalacaoDemo.h"
#include "tests/support/BancoTeste.h"
#include "util/Mensagens.h"

namespace teste {

class DemoTeste {
public:
    DemoTeste() { demo::CriarInstalacaoDemo({pasta_.caminho(), 1, false}); }

    const std::filesystem::path& Pasta() const { return pasta_.caminho(); }

    std::unique_ptr<app::TdmPrinc> Iniciar(util::CaixaMensagem& mensagens) const {
        app::OpcoesInicio o;
        o.pastaInstalacao = Pasta();
        o.hoje = [] { return util::DataHora::Data(2024, 5, 15).ComHora(10, 0, 0); };
        return std::make_unique<app::TdmPrinc>(o, mensagens);
    }

private:
    PastaTemporaria pasta_;
};

// Responde o próximo diálogo modal que abrir (o exec() do teste só volta quando ele fecha). A
// espera acaba quando o relógio devolvido sai de escopo.
inline std::unique_ptr<QTimer> AoAbrirDialogo(std::function<void(QWidget*)> responder) {
    auto relogio = std::make_unique<QTimer>();
    relogio->setInterval(20);
    QObject::connect(relogio.get(), &QTimer::timeout, [r = relogio.get(), responder] {
        if (QWidget* dialogo = QApplication::activeModalWidget()) {
            r->stop();
            responder(dialogo);
        }
    });
    relogio->start();
    return relogio;
}

}  // namespace teste
