#pragma once
// O que tem de estar certo antes de uma geração começar.
#include "app/validacao/TiposFiscais.h"
#include "core/Filiais.h"
#include "core/Parametros.h"
#include "util/Mensagens.h"

namespace app {

// true quando a geração pode começar. Senão mostra em 'mensagens' o motivo da primeira
// conferência que falhou e devolve false, sem mudar nada. Em fevereiro sem o bloco H pergunta se
// gera assim mesmo (Não é o botão padrão); Sim libera.
bool ValidarGeracao(const core::TParametros& params, const core::ListaFiliais& cdsFil,
                    const TFiltroTiposFiscais& filtro, util::CaixaMensagem& mensagens);

}  // namespace app
