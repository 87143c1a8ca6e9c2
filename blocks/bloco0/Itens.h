#pragma once
// Itens e unidades: o código de cada item citado num documento, o 0190 da sua unidade e a tabela
// dos itens da geração (cdsReg0200), gravada como 0200 no fim da execução.
#include <string>

#include "blocks/bloco0/DadosItem.h"

namespace core {
struct Geracao;
}

namespace blocks {

// Código e conta contábil do item. Um código que começa com "ERRO" não grava nada: quem chamou
// informa o erro com o seu documento. O primeiro uso de um código guarda o item para o 0200 e
// confere gênero, NCM e tipo fiscal; os usos seguintes não mudam nada.
TItemResolvido ResolverCodigoItem(core::Geracao& g, const TItemDocumento& item);

// 0190 da unidade, com a descrição da TABELA 07; nada para unidade vazia.
void GerarRegistro0190(core::Geracao& g, const std::string& unidade);

// Acrescenta o item a cdsReg0200 quando o código é novo; true quando era novo.
bool ArmazenarItem0200(core::Geracao& g, const TDadosItem& dados, int filial);

// Grava os 0200 da geração em ordem de código; chamado depois do bloco 1.
void GravarCdsReg0200_E_Filhos(core::Geracao& g);

}  // namespace blocks
