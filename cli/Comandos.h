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
    std::optional<std::string> filial;  // um código, uma lista "1,3,7" ou "todas"
    std::string periodo;          // "MM/AAAA"
    std::string inicio, fim;      // "dd/mm/aaaa"
    std::string finalidade, entradas, saidas, c170Saidas, blocoH, inventario, motivo, blocoK, reg0210;
    std::optional<std::string> tiposFiscais;  // "01,02,..."
    std::string dir;
    std::string unificar;
    bool sim = false;
};

// Gera o arquivo de cada filial pedida, uma por vez. Com mais de uma, termina com um quadro
// (filial, arquivo, linhas, problemas, resultado) e sai com o pior resultado.
int Gerar(const OpcoesGerar& opcoes);
// A pior de duas saídas de gerar: falha, depois validação recusada, depois arquivo gerado.
int PiorSaida(int a, int b);
int ListarFiliais(const std::filesystem::path& pasta);
// Sem 'definir' lista as chaves do grupo SPED; com "CHAVE=VALOR" grava uma.
int Parametros(const std::filesystem::path& pasta, const std::string& definir);

}  // namespace cli
