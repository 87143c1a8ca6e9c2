#pragma once
// A sequência de uma geração, a mesma na janela e na linha de comando: validação, geração do
// arquivo e relatório dos problemas de dados. Cada frente só diz o que mostra em volta.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "app/validacao/TiposFiscais.h"
#include "core/Parametros.h"
#include "report/ImpressoraRelatorio.h"
#include "util/Mensagens.h"

namespace app {

class TdmPrinc;

struct PassosGeracao {
    TFiltroTiposFiscais filtro;    // tipos fiscais do inventário escolhidos
    std::string arquivoUnificar;   // em branco: nenhum
    report::ImpressoraRelatorio& impressora;  // recebe o relatório quando há problemas
    // Depois da validação aceita, antes de a geração começar (progresso, botões).
    std::function<void()> aoComecar{};
    // Arquivo escrito, antes do relatório; recebe o número de linhas.
    std::function<void(int64_t linhas)> aoGerar{};
};

struct ResultadoGeracao {
    bool gerado = false;  // false: a validação recusou (nada mudou)
    std::filesystem::path arquivo;
    int64_t linhas = 0;
    std::size_t problemas = 0;   // entradas da lista de erros
    std::string falhaRelatorio;  // o relatório não pôde ser impresso ou gravado; o arquivo vale
};

// Valida (mensagens e confirmações em 'mensagens'); recusada, devolve gerado = false sem tocar em
// nada. Gera o arquivo: uma falha da geração segue para quem chamou. Apaga os relatórios de erros
// que gerações anteriores deixaram ao lado do arquivo e, havendo problemas, imprime o relatório
// em 'passos.impressora'. Uma falha do relatório não desfaz o arquivo: vai em falhaRelatorio.
ResultadoGeracao ExecutarGeracao(TdmPrinc& dm, util::CaixaMensagem& mensagens, const PassosGeracao& passos);

// O relatório de erros ao lado do arquivo, sem a extensão: DIR/SPED_EFD_[filial_]aaaa_mm_ERROS.
// A linha de comando grava ".TXT" e ".PDF".
std::filesystem::path BaseRelatorioErros(const core::TParametros& params);

}  // namespace app
