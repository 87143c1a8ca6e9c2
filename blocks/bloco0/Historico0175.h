#pragma once
// 0175: alterações do cadastro de clientes e fornecedores no período, a partir de LOG.
#include <string>
#include <string_view>

namespace core {
struct Geracao;
}

namespace blocks {

// Carrega as alterações do período (cdsLog); chamado no início de cada geração.
void CarregarLogParticipantes(core::Geracao& g);

// NR_CAMPO do 0150 alterado pela coluna, "TABELA.COLUNA"; vazio para colunas que o 0175 não relata.
std::string_view MapaCampos0175(std::string_view tabelaColuna);

// 0175 do participante pelas alterações do período, da última de cada coluna; as alterações são
// consumidas, de modo que só a primeira referência ao participante grava o histórico.
// 'prefixoUF': os dois primeiros algarismos do município do participante.
void GerarHistorico0175(core::Geracao& g, const std::string& codPart, char tipo, int numero,
                        std::string_view prefixoUF);

}  // namespace blocks
