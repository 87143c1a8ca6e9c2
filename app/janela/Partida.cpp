#include "app/janela/Partida.h"

#include <QApplication>
#include <memory>

#include "app/atualizacao/AtualizarPrograma.h"
#include "app/atualizacao/ComandosLauncher.h"
#include "app/janela/CaixaMensagemQt.h"
#include "app/janela/FPrinc.h"
#include "util/Executavel.h"
#include "util/Texto1252.h"

namespace janela {

namespace {

constexpr int kFalhaNaPartida = 1;

int Partir(const std::filesystem::path& pastaExecutavel, const app::OpcoesInicio& inicio,
           CaixaMensagemQt& mensagens) {
    std::unique_ptr<app::TdmPrinc> dm;
    try {
        dm = std::make_unique<app::TdmPrinc>(inicio, mensagens);
    } catch (const app::EncerrarPrograma& e) {
        return e.codigoSaida;
    }

    if (!std::filesystem::exists(app::CaminhoLauncher(pastaExecutavel))) {
        mensagens.Exclamacao(util::W("Não foi possível encontrar o VastelLauncher"), "Vastel EFD");
        return 0;
    }

    const app::OpcoesAtualizacao atualizacao{dm->Instalacao().URL, pastaExecutavel, dm->Versao()};
    const auto fecharModuloDados = [&dm] {
        dm->SalvarParametros();
        dm.reset();
    };
    if (app::AtualizarPrograma(atualizacao, fecharModuloDados)) return 0;

    {
        TfrmSped janela(*dm, mensagens, pastaExecutavel);
        janela.show();
        QApplication::exec();
    }
    dm->SalvarParametros();
    return 0;
}

}  // namespace

int IniciarAplicacao(const OpcoesPartida& opcoes, CaixaMensagemQt& mensagens) {
    const std::filesystem::path pastaExecutavel =
        opcoes.pastaExecutavel.empty() ? std::filesystem::path(util::PastaExecutavel())
                                       : opcoes.pastaExecutavel;
    // Uma falha fora das ações da janela não pode fechar o programa sem dizer nada.
    try {
        return Partir(pastaExecutavel, opcoes.inicio, mensagens);
    } catch (const std::exception& e) {
        mensagens.Erro(e.what());
        return kFalhaNaPartida;
    }
}

}  // namespace janela
