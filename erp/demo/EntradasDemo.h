#pragma once
// Notas de entrada da demonstração: um mês de compras e devoluções da indústria de demonstração.
#include "db/Banco.h"
#include "util/DataHora.h"

namespace demo {

// Notas de entrada por escala: 'escala' = 100 dá 30.000 notas.
inline constexpr int kEntradasPorEscala = 300;

// Grava em NOTAENT, ENTRADAMP e ENTRADAPROD as entradas da filial 1 no mês de 'mes': compras de
// matéria-prima dentro e fora do estado, importação (nota própria), devolução de venda a consumidor
// de outra UF (com a partilha do ICMS, C101), devolução de venda de produto por tamanho, nota
// própria de entrada, nota cancelada, conhecimentos de transporte e contas de energia. Depende só
// do mês e da escala; as devoluções apontam para as notas de CriarNotasSaidaDemo.
void CriarEntradasDemo(db::Banco& erp, const util::DataHora& mes, int escala);

}  // namespace demo
