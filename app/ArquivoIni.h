#pragma once
// Leitura de arquivos .ini com as regras do Windows (GetPrivateProfileString): seções e chaves sem
// distinção de maiúsculas, brancos das pontas aparados, aspas em volta do valor retiradas, ";" só
// comenta no começo da linha, sem limite de tamanho de linha e sem linhas de continuação.
// (A inih do Debian corta linhas em 200 bytes e trata " ;" como comentário: não serve.)
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace app {

class ArquivoIni {
public:
    // Lê o arquivo; devolve nullopt quando ele não existe ou não pode ser aberto.
    static std::optional<ArquivoIni> Ler(const std::filesystem::path& arquivo);
    static ArquivoIni DeTexto(std::string_view texto);

    // Valor da chave na seção, ou nullopt quando não há; vale a primeira ocorrência.
    std::optional<std::string> Valor(std::string_view secao, std::string_view chave) const;
    std::string Valor(std::string_view secao, std::string_view chave, std::string_view padrao) const;

private:
    std::map<std::string, std::string> valores_;  // "secao\nchave" em minúsculas → valor
};

}  // namespace app
