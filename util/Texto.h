#pragma once
// Rotinas de texto sobre bytes Windows-1252.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace util {

// Texto livre numa linha só, seguro para XML: sem controles, brancos repetidos nem acentos; os
// caracteres reservados viram entidades e os bytes acima de 126 viram "&#NNN;".
std::string TextoXML(std::string_view texto);

// Troca as letras acentuadas do português pelas sem acento; outras ("è", "ñ") ficam como estão.
std::string RemoverAcentos(std::string_view texto);

// Os primeiros n caracteres do texto.
std::string Truncar(std::string_view texto, std::size_t n);

// Acrescenta a lista os pedaços do texto entre separadores, aparados, sem os vazios.
// Separador vazio: o texto inteiro é um pedaço só.
void DividirTexto(std::string_view texto, std::string_view separador,
                  std::vector<std::string>& lista);

}  // namespace util
