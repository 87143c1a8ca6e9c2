#include "app/atualizacao/AtualizarPrograma.h"

#include <stdexcept>

#include "app/atualizacao/ComandosLauncher.h"
#include "app/atualizacao/ConsultarVersao.h"
#include "app/validacao/RegistrarLog.h"
#include "util/Processo.h"
#include "util/Texto1252.h"
#include "util/Versao.h"

namespace app {

namespace {

// Um log que não pode ser gravado (arquivo em uso, sem permissão) não pode impedir o programa de
// abrir: a falha original se perde, mas a partida segue.
RegistroLog LogDaPasta(const std::filesystem::path& pasta) {
    return [pasta](const std::string& mensagem) {
        try {
            RegistrarLog(mensagem, pasta, util::DataHora::Agora());
        } catch (const std::exception&) {
        }
    };
}

std::string SemAspas(const std::string& resposta) {
    return resposta.size() < 2 ? std::string() : resposta.substr(1, resposta.size() - 2);
}

bool VersaoPublicadaMaisNova(const std::string& publicada, const std::string& atual,
                             const RegistroLog& registrarLog) {
    try {
        return util::VersaoMaisNova(publicada, atual);
    } catch (const std::invalid_argument&) {
        registrarLog(util::W("Resposta do serviço de atualização não é uma versão: ") + publicada);
        return false;
    }
}

}  // namespace

bool AtualizarPrograma(const OpcoesAtualizacao& opcoes,
                       const std::function<void()>& fecharModuloDados) {
    if (opcoes.urlServico.empty()) return false;
    const RegistroLog registrarLog = LogDaPasta(opcoes.pastaExecutavel);
    const std::string publicada = SemAspas(ConsultarVersao(
        opcoes.urlServico, kCodigoProgramaAtualizacao, opcoes.versaoAtual, registrarLog));
    if (publicada.empty() || !VersaoPublicadaMaisNova(publicada, opcoes.versaoAtual, registrarLog))
        return false;

    std::string pasta = opcoes.pastaExecutavel.string();
    if (!pasta.ends_with(std::filesystem::path::preferred_separator))
        pasta += std::filesystem::path::preferred_separator;
    const std::string comandos =
        TransformarComandos(ComandosAtualizacao(pasta, EnderecoDownload(opcoes.urlServico)));
    fecharModuloDados();
    util::IniciarProgramaSeparado(CaminhoLauncher(opcoes.pastaExecutavel), {comandos},
                                  opcoes.pastaExecutavel);
    return true;
}

}  // namespace app
