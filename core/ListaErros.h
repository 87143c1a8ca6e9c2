#pragma once
// cdsErros: problemas de dados encontrados na geração, por registro e mensagem, sem repetição.
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct TErro {
    std::string REG;   // até 4 caracteres
    std::string MENS;  // até 500 caracteres
    auto operator<=>(const TErro&) const = default;
};

class ListaErros {
public:
    // Acrescenta a entrada, salvo se já houver uma com o mesmo código e a mesma mensagem.
    // Textos em Windows-1252; códigos longos são cortados em 4 e mensagens em 500 caracteres.
    void AdicionarErro(std::string_view reg, std::string_view mensagem);
    void Limpar() {
        erros_.clear();
        problemasArquivo_.clear();
    }
    bool Vazia() const { return erros_.empty() && problemasArquivo_.empty(); }
    size_t Quantidade() const { return erros_.size() + problemasArquivo_.size(); }
    // Em ordem de REG e depois de MENS.
    const std::set<TErro>& Erros() const { return erros_; }

    // Problemas do arquivo escrito, achados na conferência com o leiaute (seção própria do
    // relatório), na ordem das linhas do arquivo.
    void AdicionarProblemaArquivo(std::string_view reg, std::string_view mensagem);
    const std::vector<TErro>& ProblemasArquivo() const { return problemasArquivo_; }

private:
    std::set<TErro> erros_;
    std::vector<TErro> problemasArquivo_;
};

}  // namespace core
