#pragma once
// Estado interno da conferência, partilhado entre a parte do leiaute (Verificador.cpp) e as
// regras entre campos do validador da Receita (RegrasGuia.cpp).
#include <fmt/format.h>

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/leiaute/Verificador.h"
#include "util/Texto1252.h"

namespace leiaute::interno {

// Espalhamento que aceita string_view na busca (sem criar std::string a cada linha).
struct Espalhar {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <typename V>
using MapaTexto = std::unordered_map<std::string, V, Espalhar, std::equal_to<>>;
using ConjuntoTexto = std::unordered_set<std::string, Espalhar, std::equal_to<>>;

using Campos = std::vector<std::string_view>;

// O molde (literal UTF-8 do código) em Windows-1252, convertido uma vez por literal.
const std::string& Molde1252(std::string_view molde);

// Formata com o molde em UTF-8 (literal do código) e os argumentos já em Windows-1252 (do arquivo).
template <typename... A>
std::string Texto(std::string_view molde, const A&... args) {
    return fmt::format(fmt::runtime(Molde1252(molde)), args...);
}

// Valor em centésimos de "123,45"; 0 para vazio ou malformado.
int64_t Centavos(std::string_view v);
// "1234,50" a partir de centésimos.
std::string Dinheiro(int64_t centavos);
// ddmmaaaa → aaaammdd; 0 quando não é uma data.
int DataNumero(std::string_view v);
bool Zero(std::string_view v);
bool Positivo(std::string_view v);
bool CnpjValido(std::string_view v);
bool CpfValido(std::string_view v);
bool ChaveValida(std::string_view v);

// Os campos de um registro na versão do arquivo, com o que as regras precisam deles.
struct Especie {
    const Registro* registro = nullptr;
    std::vector<const Campo*> campos;
    std::vector<std::pair<size_t, std::string>> referencias;  // posição → cadastro (0150, 0200...)
    std::vector<std::pair<size_t, std::string>> usos;  // posição → cadastro que o campo usa
    std::vector<std::pair<size_t, char>>
        documentos;              // posição → 'j' CNPJ, 'f' CPF, 'a' um dos dois
    std::vector<size_t> chaves;  // chaves de acesso de 44 posições
    std::map<std::string, size_t, std::less<>> posicao;  // nome → posição na linha (REG = 0)
    size_t Pos(std::string_view nome) const;             // npos quando não existe
};

class Regras;

}  // namespace leiaute::interno

namespace leiaute {

struct Verificador::Estado {
    explicit Estado(const Leiaute& l);
    ~Estado();

    // Acrescenta um problema; 'documento' vazio usa o documento aberto na linha corrente.
    void Problema(std::string_view tipo, int64_t linha, std::string_view registro,
                  std::string_view campo, std::string_view valor, std::string regra,
                  std::string documento = {});
    const interno::Especie* EspecieDe(std::string_view codigo);
    void Processar(std::string_view linha);
    void ConferirCampos(const interno::Especie& e, const interno::Campos& p);
    void Concluir();

    const Leiaute& leiaute;
    std::vector<leiaute::Problema> problemas;
    std::unique_ptr<interno::Regras> regras;

    int64_t fisica = 0;  // número da linha no arquivo
    int64_t lidas = 0;   // linhas com conteúdo até o 9999
    bool fim = false;    // o 9999 já passou
    bool ultima9999 = false;
    bool codificacao = false;
    int codVer = 0;  // 0: ainda sem 0000
    int64_t linhaAtual = 0;
    std::string documento;   // documento aberto ("NF saída num. 123")
    interno::Campos campos;  // os campos da linha corrente

    interno::MapaTexto<std::unique_ptr<interno::Especie>> especies;
    interno::MapaTexto<int64_t> contagem;
    std::array<int64_t, 256> linhasBloco{};
    std::vector<std::pair<char, int64_t>> ordemBlocos;  // bloco → primeira linha (para x001 e x990)
    int ultimoBloco = -1;

    struct Aberto {
        std::string codigo;
        int nivel;
        int64_t linha;
        std::vector<std::string> unicos;  // filhos 1:1 já vistos sob ele
    };
    std::vector<Aberto> pilha;
    std::vector<std::string> unicosSemPai;

    struct Mestre {
        int64_t linha;
        bool usado = false;
    };
    std::map<std::string, interno::MapaTexto<Mestre>, std::less<>> mestres;
    interno::MapaTexto<interno::ConjuntoTexto> usosAntecipados;
    struct Referencia {
        int64_t linha;
        std::string registro, campo, valor, mestre, documento;
    };
    std::vector<Referencia> referenciasPendentes;

    interno::MapaTexto<std::string> n9900;
    std::vector<std::pair<char, std::pair<int64_t, std::string>>> n990;
    std::string n9990, n9999;
    bool tem9990 = false, tem9999 = false;
    std::map<char, std::pair<int64_t, std::string>> indMov;
};

}  // namespace leiaute
