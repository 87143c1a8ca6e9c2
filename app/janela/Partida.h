#pragma once
// A partida do programa da janela: módulo de dados, atualizador, versão nova e janela principal.
#include <filesystem>

#include "app/DmPrinc.h"

namespace janela {

class CaixaMensagemQt;

struct OpcoesPartida {
    // Onde estão o atualizador e o log.log; vazia = a pasta do executável.
    std::filesystem::path pastaExecutavel;
    // Pasta da instalação (Parametros.Ini, a cópia salva); vazia = a pasta do executável.
    app::OpcoesInicio inicio;
};

// IniciarAplicacao, com um QApplication já criado: cria o módulo de dados; sem o atualizador na
// pasta do executável avisa e termina; com versão nova publicada passa a troca ao atualizador e
// termina; senão abre a janela principal até ela fechar e salva os parâmetros. Devolve o código de
// saída do processo: 0, ou 1 quando uma falha inesperada impediu a partida (mostrada antes).
int IniciarAplicacao(const OpcoesPartida& opcoes, CaixaMensagemQt& mensagens);

}  // namespace janela
