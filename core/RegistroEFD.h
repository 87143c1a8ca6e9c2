#pragma once
// Um registro da EFD em construção: lista ordenada NOME=VALOR, com REG em primeiro lugar.
// A ordem das entradas é a ordem dos campos na linha; os nomes nunca vão para o arquivo.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

class TRegistroEFD {
public:
    void Clear() {
        campos_.clear();
        indice_.fill(0);
    }
    // Substitui o valor mantendo a posição quando o nome já existe (sem distinguir maiúsculas);
    // senão acrescenta no fim. O valor é guardado exatamente como veio.
    void SetCampo(std::string_view nome, std::string valor);
    // Troca o valor da entrada na posição (REG é a 0); posição negativa acrescenta uma entrada sem nome.
    void SetCampoPorPosicao(int posicao, std::string valor);
    // Valor do campo, ou texto vazio quando não existe.
    const std::string& GetCampo(std::string_view nome) const;

    size_t Quantidade() const { return campos_.size(); }
    const std::vector<std::pair<std::string, std::string>>& Campos() const { return campos_; }

    // "|" + cada valor aparado (caracteres de código até 32) + "|".
    std::string Linha() const;

private:
    // Posição do nome em campos_, ou campos_.size() quando não existe.
    size_t Procurar(std::string_view nome) const;
    void Acrescentar(std::string_view nome, std::string valor);

    std::vector<std::pair<std::string, std::string>> campos_;
    // Índice dos nomes por espalhamento sem distinção de caixa: posição + 1 (0 = livre), só das
    // primeiras kIndexadas entradas; um registro do leiaute tem no máximo umas quarenta.
    static constexpr size_t kIndexadas = 96;
    std::array<uint8_t, 128> indice_{};
};

// Remove do início e do fim os caracteres de código 32 ou menor.
std::string_view AparadoEFD(std::string_view s);

}  // namespace core
