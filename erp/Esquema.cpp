#include "erp/Esquema.h"

extern const char* const kEsquemaErp;
extern const char* const kEsquemaAcesso;

namespace erp {

const char* ScriptEsquemaErp() { return kEsquemaErp; }
const char* ScriptEsquemaAcesso() { return kEsquemaAcesso; }

db::Banco CriarBancoErp(const db::ParametrosConexao& p, bool escritaForcada) {
    db::Banco banco = db::Banco::Criar(p, escritaForcada);
    banco.ExecutarScript(kEsquemaErp);
    return banco;
}

db::Banco CriarBancoAcesso(const db::ParametrosConexao& p, bool escritaForcada) {
    db::Banco banco = db::Banco::Criar(p, escritaForcada);
    banco.ExecutarScript(kEsquemaAcesso);
    return banco;
}

}  // namespace erp
