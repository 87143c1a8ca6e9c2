#pragma once
// Participantes: o código de cada parceiro de negócio citado num documento, com o seu 0150 e, na
// primeira referência da geração, os 0175 das alterações do cadastro no período.
#include <string>
#include <string_view>

namespace core {
struct Geracao;
}

namespace blocks {

// Código do participante de tipo 'C' (CLIENTE), 'F' (FORNECEDOR), 'R' (REPRESENTANTE),
// 'T' (TERCEIRIZADO) ou 'P' (a filial da geração). A origem ("NS=1-123-1") só entra nas mensagens.
// O primeiro pedido de um participante na geração grava o 0150 e o 0175; os seguintes devolvem o
// mesmo código sem ler o ERP de novo. Sempre devolve um código, também sem cadastro.
std::string CodigoParticipante(core::Geracao& g, char tipo, int numero, std::string_view origem);

// COD_BACEN_PA do país do ERP, ou o próprio código quando o país não está em PAIS.
std::string CodigoPais(const core::Geracao& g, const std::string& paisErp);

}  // namespace blocks
