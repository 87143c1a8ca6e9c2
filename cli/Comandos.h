#pragma once
// Os comandos do efd: gerar, filiais e parametros.
#include <filesystem>
#include <optional>
#include <string>

namespace cli {

// Códigos de saída do efd.
enum Saida : int {
    kArquivoGerado = 0,
    kValidacaoRecusada = 1,
    kGeracaoFalhou = 2,
    kArquivoComProblemas = 3,  // arquivo escrito, mas a lista de erros não está vazia
    kUsoIncorreto = 64,
};

// Escolhas da janela principal; vazio = o que a cópia salva dos parâmetros tiver.
struct OpcoesGerar {
    std::filesystem::path pasta;  // instalação (Parametros.Ini); vazio = pasta do executável
    std::optional<int> filial;
    std::string periodo;          // "MM/AAAA"
    std::string inicio, fim;      // "dd/mm/aaaa"
    std::string finalidade, entradas, saidas, c170Saidas, blocoH, inventario, motivo, blocoK, reg0210;
    std::optional<std::string> tiposFiscais;  // "01,02,..."
    std::string dir;
    std::string unificar;
    bool sim = false;
};

int Gerar(const OpcoesGerar& opcoes);
int ListarFiliais(const std::filesystem::path& pasta);
// Sem 'definir' lista as chaves do grupo SPED; com "CHAVE=VALOR" grava uma.
int Parametros(const std::filesystem::path& pasta, const std::string& definir);

}  // namespace cli
