#pragma once
// CriarParametros: cdsParams da partida, a partir da cópia salva, dos padrões e de PARAM.
#include <filesystem>

#include "core/Filiais.h"
#include "core/Parametros.h"
#include "db/Banco.h"
#include "util/DataHora.h"
#include "util/Mensagens.h"

namespace app {

// Monta os parâmetros: a cópia salva (ou os padrões, quando ela falta ou não pode ser lida, o que
// é avisado por 'mensagens'), as opções forçadas a cada partida, o período do mês anterior a
// 'hoje', o inventário de dezembro do ano anterior e os valores de PARAM.
// Falhas de PARAM (banco, data inválida) saem como exceção, com 'params' preenchido até ali.
void CriarParametros(core::TParametros& params, const core::ListaFiliais& filiais, db::Transacao& tr,
                     const std::filesystem::path& copiaSalva, const util::DataHora& hoje,
                     util::CaixaMensagem& mensagens);

}  // namespace app
