#pragma once
// Limpeza de textos livres do ERP antes de irem para um campo da linha: o "|" é o separador de
// campos e as quebras de linha partiriam a linha do arquivo.
#include <string>
#include <string_view>

namespace core {

// "|" trocado por "/" (nomes, endereços e descrições do cadastro).
std::string TrocarBarraVertical(std::string_view texto);
// Sem os pares CR LF, em duas passadas, cada uma sem reexaminar o que já removeu (códigos de item).
std::string SemQuebrasDeLinha(std::string texto);
// Uma linha só (texto do 0450): CR vira um branco, os demais controles somem, brancos seguidos viram um.
std::string LimparTexto0450(std::string_view texto);
// Controles viram brancos e "|" vira "/" (observações do 0460 e do C195/D195).
std::string LimparTextoObservacao(std::string_view texto);

}  // namespace core
