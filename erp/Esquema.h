#pragma once
// Criação de bancos com o esquema do ERP (para a demonstração e os testes).
#include <string>

#include "db/Banco.h"

namespace erp {

const char* ScriptEsquemaErp();
const char* ScriptEsquemaAcesso();

// Cria o arquivo do banco do ERP com todas as tabelas, geradores e procedures do esquema.
db::Banco CriarBancoErp(const db::ParametrosConexao& p, bool escritaForcada = true);
// Cria o banco de acesso (BD_PRINCIPAL).
db::Banco CriarBancoAcesso(const db::ParametrosConexao& p, bool escritaForcada = true);

}  // namespace erp
