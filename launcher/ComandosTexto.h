#pragma once
// A lista de comandos como o programa a entrega: JSON com aspas simples no lugar das duplas e "/"
// no lugar de "\", por exemplo [{'command':'wait','time':1000}].
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// Chave → valor de um comando; números ficam como texto ("1000").
using Comando = std::map<std::string, std::string>;

class ComandosInvalidos : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Aceita aspas simples ou duplas. Dentro de um texto, a aspa só o fecha quando o que vem depois
// dela (brancos à parte) é ",", ":", "}", "]" ou o fim: assim um caminho com apóstrofo
// ("D'Ávila") passa. Lança ComandosInvalidos dizendo onde o texto deixou de ser uma lista.
std::vector<Comando> LerComandos(std::string_view texto);

}  // namespace launcher
