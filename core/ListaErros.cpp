#include "core/ListaErros.h"

namespace core {

void ListaErros::AdicionarErro(std::string_view reg, std::string_view mensagem) {
    erros_.insert({std::string(reg.substr(0, 4)), std::string(mensagem.substr(0, 500))});
}

void ListaErros::AdicionarProblemaArquivo(std::string_view reg, std::string_view mensagem) {
    problemasArquivo_.push_back({std::string(reg.substr(0, 4)), std::string(mensagem.substr(0, 500))});
}

}  // namespace core
