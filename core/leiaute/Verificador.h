#pragma once
// Conferência de um arquivo da EFD ICMS/IPI (nosso ou de outro sistema) contra o leiaute oficial
// e as regras do validador da Receita: campos, hierarquia, blocos, referências aos cadastros,
// contagens, totais dos documentos e da apuração, dígitos de CNPJ, CPF e chaves de acesso.
//
// As linhas entram uma a uma, na ordem do arquivo; a memória não cresce com as linhas, só com os
// códigos dos cadastros (0150, 0190, 0200...).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/leiaute/Leiaute.h"

namespace leiaute {

// Um problema do arquivo. Textos em Windows-1252 (os valores vêm do arquivo como estão).
struct Problema {
    int64_t linha = 0;      // 0: o arquivo como um todo
    std::string registro;   // código do registro, quando a regra é de um
    std::string campo;      // nome do campo no leiaute, quando a regra é de um
    std::string valor;      // o valor do campo como está no arquivo
    std::string tipo;       // identificador da regra (ex.: "tamanho_max")
    std::string regra;      // o que a regra pede, em português
    std::string documento;  // documento da linha (ex.: "NF saída num. 123"), quando há um
};

// "linha 12: C100 NUM_DOC="0": <regra> (NF saída num. 0)".
std::string Descrever(const Problema& p);

class Verificador {
public:
    explicit Verificador(const Leiaute& leiaute = Leiaute::Oficial());
    ~Verificador();
    Verificador(const Verificador&) = delete;
    Verificador& operator=(const Verificador&) = delete;

    // Uma linha do arquivo, sem o LF (um CR no fim é aceito). Depois do 9999 nada mais é lido:
    // o bloco de assinatura que o validador acrescenta é tolerado.
    void Linha(std::string_view linha);
    // A última linha do arquivo, quando ela não termina com quebra de linha.
    void UltimaSemFim(std::string_view linha);
    // Encerra o arquivo: as regras que dependem do arquivo inteiro. Problemas em ordem de linha.
    std::vector<Problema> Concluir();

    struct Estado;

private:
    std::unique_ptr<Estado> e_;
};

// O arquivo não pôde ser lido (não existe, sem permissão).
class ArquivoIlegivel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Confere o arquivo inteiro; lança ArquivoIlegivel.
std::vector<Problema> VerificarArquivo(const std::filesystem::path& arquivo);

}  // namespace leiaute
