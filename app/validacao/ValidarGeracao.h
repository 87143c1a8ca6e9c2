#pragma once
// O que tem de estar certo antes de uma geração começar.
#include "app/validacao/TiposFiscais.h"
#include "core/Filiais.h"
#include "core/Parametros.h"
#include "util/DataHora.h"
#include "util/Mensagens.h"

namespace app {

// true quando a geração pode começar. Senão mostra em 'mensagens' o motivo da primeira
// conferência que falhou e devolve false, sem mudar nada. O período tem de estar dentro de um mês,
// a partir de 01/2009. Um período que termina depois de 'hoje' (mês não encerrado) e fevereiro
// sem o bloco H perguntam se gera assim mesmo (Não é o botão padrão); Sim libera.
bool ValidarGeracao(const core::TParametros& params, const core::ListaFiliais& cdsFil,
                    const TFiltroTiposFiscais& filtro, util::CaixaMensagem& mensagens,
                    const util::DataHora& hoje = util::DataHora::Agora());

}  // namespace app
