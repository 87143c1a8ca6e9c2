#pragma once
// Unidades comerciais em que cada item foi comprado ou vendido no período (cdsUnComercNF).

namespace core {
struct Geracao;
}

namespace blocks {

// Lê as unidades dos itens das notas de entrada (ENTRADAMP) e de saída (ITENSNS) do período e das
// filiais da geração; chamado no início de cada geração, antes do bloco 0.
void CarregarUnidadesComerciais(core::Geracao& g);

}  // namespace blocks
