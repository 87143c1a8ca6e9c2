#pragma once
// O que muda em cdsParams quando a filial, o bloco K ou o mês do inventário mudam.
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Filiais.h"
#include "core/Parametros.h"

namespace app {

// Mês/ano do inventário rejeitado; a mensagem é "Mês/Ano Inventário Inválido.".
class MesAnoInventarioInvalido : public std::runtime_error {
public:
    MesAnoInventarioInvalido();
};

// FILIAL passa a 'codigo'; nome, CNPJ com a máscara, inscrição estadual e forma de agrupar os itens
// vêm da filial em 'filiais', ou ficam vazios quando ela não existe.
void DefinirFilial(core::TParametros& params, const core::ListaFiliais& filiais, int codigo);

// GERAR_BLOCO_K passa a 'valor' e GERAR_REG_0210 o acompanha: "S" só com "S".
void DefinirGerarBlocoK(core::TParametros& params, std::string_view valor);

// Vazio é aceito como está; senão o texto "mm/aaaa" tem de ser um mês válido e DATA_INVENTARIO
// passa ao último dia dele. Um mês inválido lança MesAnoInventarioInvalido sem mudar nada.
void DefinirMesAnoInventario(core::TParametros& params, std::string_view mesAno);

}  // namespace app
