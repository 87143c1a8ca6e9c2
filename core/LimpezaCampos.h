#pragma once
// Valores limpos num lugar só, na entrada da área de trabalho, pelo leiaute de cada registro:
// - "|" vira "/", e CR, LF e TAB viram espaço, em qualquer texto;
// - CNPJ, CPF, CEP, telefone, município, NCM, CEST, inscrição estadual, chaves e números inteiros
//   perdem a máscara do cadastro (". - / ( )" e espaços);
// - texto livre (nome, endereço, descrição, complemento) maior que o campo é cortado no tamanho.
// Um código maior que o campo nunca é cortado (quebraria as referências a ele): é devolvido para
// a lista de erros.
#include <string>
#include <unordered_map>
#include <vector>

#include "core/RegistroEFD.h"

namespace core {

// O texto sem a máscara do cadastro (". - / ( )" e espaços); letras ficam (CNPJ alfanumérico).
std::string SemMascara(std::string_view texto);

class LimpezaCampos {
public:
    struct CodigoLongo {
        std::string campo, valor;
        int tamanho;
    };

    // A linha "|REG|...|" do registro com os valores limpos (e aparados, como TRegistroEFD::Linha).
    // Acrescenta a 'longos' os códigos maiores que o campo.
    std::string Linha(const TRegistroEFD& registro, std::vector<CodigoLongo>& longos);

private:
    struct Acao {
        const std::string* nome = nullptr;
        int tamanho = 0;  // 0: sem limite
        bool soAlgarismos = false, textoLivre = false, codigo = false;
    };
    const std::vector<Acao>& Acoes(const std::string& codigo);

    std::unordered_map<std::string, std::vector<Acao>> acoes_;  // por código de registro
};

}  // namespace core
