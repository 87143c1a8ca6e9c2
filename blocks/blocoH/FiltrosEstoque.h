#pragma once
// Peças das consultas de estoque montadas na hora: as filiais do estoque, as listas de códigos
// (tipos fiscais, grupos e tipos de material excluídos) e os tipos fiscais escolhidos para o
// inventário. Todo valor entra no SQL como parâmetro.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "db/Banco.h"

namespace core {
struct Geracao;
struct TParametros;
}  // namespace core

namespace blocks {

// Texto SQL montado e os valores dos seus parâmetros.
class SqlMontado {
public:
    std::string texto;

    // ":P1, :P2, ...": um parâmetro por valor, de nome 'prefixo' + posição.
    std::string Lista(std::string_view prefixo, const std::vector<std::string>& valores);
    std::string Lista(std::string_view prefixo, const std::vector<int>& valores);
    // Um parâmetro de nome 'nome' com o valor.
    std::string Valor(std::string_view nome, int valor);
    void Aplicar(db::Consulta& q) const;

private:
    std::vector<std::pair<std::string, std::variant<std::string, int64_t>>> valores_;
};

// Os códigos de uma lista separada por vírgulas: sem a vírgula do início, cada um aparado, sem
// pedaços vazios. " ,01, 02" dá {"01", "02"}.
std::vector<std::string> ListaEntreAspas(std::string_view texto);

// FILIAL e, quando FILIAL_2 não é zero, cada FILIAL_n (2 a 99) acima de zero.
std::vector<int> FiliaisEstoque(const core::TParametros& params);

// Condição da filial nas consultas de estoque sobre 'coluna': FILIAL_INVENTARIO quando informada;
// senão as filiais do estoque e, antes de 2016, também as pseudo-filiais de terceiros (acima de
// 1000000, FIL_EST_PODER_TERC e FIL_EST_DE_TERC).
std::string FiltroFilialEstoque(const core::TParametros& params, SqlMontado& sql, std::string_view coluna);

// Tipos fiscais do inventário: a escolha do usuário (TIPOS_FISCAIS_INV_SELEC) separada em
// matérias-primas e produto acabado (SPED/TIPOS_FISCAIS_EST_PRODUTO, "04" quando vazio). O "04"
// só marca o produto acabado; os outros tipos de produto acabado também entram nos materiais.
struct TTiposFiscaisEstoque {
    std::vector<std::string> materiais;
    std::vector<std::string> produtos;  // tipos fiscais de produto acabado
    bool produtoAcabado = false;
};
TTiposFiscaisEstoque TiposFiscaisEstoque(core::Geracao& g);

}  // namespace blocks
