#pragma once
// A procura de versão nova na partida e a passagem da troca do executável ao atualizador.
#include <filesystem>
#include <functional>
#include <string>

namespace app {

struct OpcoesAtualizacao {
    std::string urlServico;  // [ATUALIZACAO] URL de Parametros.Ini; vazio = não procura
    std::filesystem::path pastaExecutavel;  // onde estão o programa, o atualizador e o log.log
    std::string versaoAtual;                // "maior.menor.revisão"
};

// Pergunta a versão publicada. Quando ela é mais nova que a atual: chama 'fecharModuloDados' (que
// salva os parâmetros e fecha as conexões), inicia o atualizador com a lista de comandos e devolve
// true; quem chamou termina o processo na hora, com código 0. Devolve false para seguir a partida
// normal: sem endereço, serviço fora do ar, versão igual ou mais velha, ou resposta que não é uma
// versão (as falhas vão para o log.log). Lança std::runtime_error quando o atualizador não pode
// ser iniciado (o módulo de dados já foi fechado).
bool AtualizarPrograma(const OpcoesAtualizacao& opcoes,
                       const std::function<void()>& fecharModuloDados);

}  // namespace app
