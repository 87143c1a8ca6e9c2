#pragma once
// CarregarParametrosSped: os valores de PARAM que entram em cdsParams (códigos de ajuste e chaves
// da instalação). Roda na partida e a cada vez que o editor de parâmetros fecha.
#include <stdexcept>

#include "core/Parametros.h"
#include "db/Banco.h"

namespace app {

// Um valor de PARAM que deveria ser data e não é; a mensagem diz o grupo, a chave e o valor.
class ErroConversaoParametro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Copia os valores na ordem fixa das chaves. Uma data inválida lança ErroConversaoParametro e
// deixa os campos seguintes como estavam.
void CarregarParametrosSped(db::Transacao& tr, core::TParametros& params);

}  // namespace app
