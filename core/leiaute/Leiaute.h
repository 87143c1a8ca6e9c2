#pragma once
// O leiaute oficial da EFD ICMS/IPI (leiaute-020.json, ao lado deste arquivo, compilado no
// programa) com o histórico dos leiautes anteriores: registros, campos, tipos, tamanhos, casas
// decimais, obrigatoriedade, valores válidos, nível, pai e ocorrência.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace leiaute {

struct Campo {
    std::string nome;
    char tipo = 'C';  // 'C' texto, 'N' número, 'D' data ddmmaaaa
    int tamanho = 0;  // 0: sem limite
    bool tamanhoFixo = false;
    int decimais = 0;  // casas decimais admitidas (0: inteiro ou texto)
    bool obrigatorio = false;
    std::vector<std::string> valores;  // valores válidos; vazio: qualquer um
    int desdeVersao = 0;               // COD_VER em que o campo entrou no leiaute

    bool Numero() const { return tipo == 'N'; }
    // Texto livre (nomes, endereços, descrições, complementos): pode ser cortado no tamanho.
    bool TextoLivre() const;
    // Sem máscara no arquivo (CNPJ, CPF, CEP, telefone, município, NCM, CEST, inscrição estadual,
    // chaves e os números inteiros): os ". - / ( )" e espaços do cadastro saem.
    bool SoAlgarismos() const;
};

struct Registro {
    std::string codigo;
    int nivel = -1;         // -1: desconhecido (registros antigos sem hierarquia)
    std::string pai;        // vazio: sem pai
    bool umPorPai = false;  // ocorrência 1:1
    std::vector<Campo> campos;
    int desdeVersao = 0;  // primeiro COD_VER em que existe
    int ateVersao = 999;  // último COD_VER em que existe

    // Os campos que o leiaute da versão tem, na ordem da linha (codVer 0: o atual).
    std::vector<const Campo*> CamposDaVersao(int codVer) const;
};

class Leiaute {
public:
    // O leiaute compilado no programa (carregado no primeiro uso).
    static const Leiaute& Oficial();
    // Lê o leiaute do texto JSON (o formato de leiaute-020.json).
    static Leiaute DeJson(std::string_view json);

    // nullptr quando o código não existe em leiaute algum.
    const Registro* Procurar(std::string_view codigo) const;
    const std::map<std::string, Registro, std::less<>>& Registros() const { return registros_; }
    // COD_VER do leiaute atual ("020" → 20).
    int Versao() const { return versao_; }
    // Blocos na ordem do arquivo: "0BCDEGHK19".
    static constexpr std::string_view kOrdemBlocos = "0BCDEGHK19";

private:
    std::map<std::string, Registro, std::less<>> registros_;
    int versao_ = 0;
};

}  // namespace leiaute
