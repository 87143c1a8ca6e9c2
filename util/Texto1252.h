#pragma once
// Conversão entre Windows-1252 (o que está no banco e vai para o arquivo) e UTF-8 (o código-fonte,
// a tela e o terminal). Todo literal com acento que vai para o banco, o arquivo ou a lista de
// erros passa por W().
#include <string>
#include <string_view>

namespace util {

// UTF-8 → Windows-1252. Caracteres sem representação viram "?".
std::string Utf8Para1252(std::string_view utf8);
// Windows-1252 → UTF-8.
std::string Cp1252ParaUtf8(std::string_view cp1252);

// Atalho para literais do código-fonte: W("Já existe...").
inline std::string W(std::string_view utf8) { return Utf8Para1252(utf8); }

}  // namespace util
