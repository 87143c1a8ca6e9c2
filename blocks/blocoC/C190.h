#pragma once
// C190: o resumo analítico do documento (cdsRegC190), gravado depois dos seus itens.
namespace core {
struct Geracao;
}

namespace blocks {

// Uma linha por registro de cdsRegC190, em ordem de CST, CFOP e alíquota; a tabela fica como está.
void GravarC190(core::Geracao& g);

}  // namespace blocks
