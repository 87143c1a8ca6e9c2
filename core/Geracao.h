#pragma once
// A geração do arquivo: o estado de uma execução e a sequência fixa das etapas.
#include <fmt/format.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "blocks/EstadoExecucao.h"
#include "core/ArmazemSped.h"
#include "core/CachesErp.h"
#include "core/ConfiguracoesErp.h"
#include "core/ConsultasGeracao.h"
#include "core/Filiais.h"
#include "core/ListaErros.h"
#include "core/Parametros.h"
#include "core/Progresso.h"
#include "db/Banco.h"
#include "util/Mensagens.h"
#include "util/Texto1252.h"

namespace core {

// O que uma geração usa, montado pelo módulo de dados (TdmPrinc), e o estado da execução.
struct Geracao {
    db::Banco& banco;
    TParametros& params;
    const ListaFiliais& filiais;
    ArmazemSped& sped;
    ListaErros& erros;
    TProgresso& progresso;
    util::CaixaMensagem& mensagens;
    const ConfiguracoesErp& configuracoes;  // chaves de PARAM lidas na partida

    // Impressão do relatório de erros ao fim da geração, quando a lista não está vazia.
    std::function<void(const ListaErros&)> imprimirErros{};

    // Refeitos a cada execução por PrepararGeracao.
    double aliqIcmsInternaUF = 0;  // alíquota interna do ICMS da UF da filial (TABELA 25)
    ConsultasGeracao consultas{};  // comandos preparados na transação da execução
    // Caches dos cadastros: o módulo de dados põe aqui os seus, que valem entre execuções.
    std::shared_ptr<CachesErp> caches = std::make_shared<CachesErp>();

    // As tabelas de trabalho, uma estrutura por bloco dono (blocks/EstadoExecucao.h). Por último: nada
    // que se constrói depois dela pode falhar no meio da construção de uma Geracao.
    blocks::EstadoExecucao estado{};

    // Atalhos para os construtores.
    void GravarRegistro(const TRegistroEFD& r) { sped.GravarRegistro(r); }
    // Linha de um campo só além do REG (aberturas e fechamentos de bloco).
    void GravarRegistro(std::string_view reg, std::string_view campo, std::string valor);
    // Entrada da lista de erros montada de uma vez: o modelo, literal UTF-8 do código, vai para
    // Windows-1252 e recebe os valores, que já vêm do ERP em Windows-1252.
    template <class... A>
    void AdicionarErro(std::string_view reg, fmt::format_string<A...> modelo, A&&... valores) {
        const fmt::string_view texto = modelo;
        erros.AdicionarErro(reg, fmt::vformat(util::W({texto.data(), texto.size()}), fmt::make_format_args(valores...)));
    }
    // Transação da geração: lê o ERP e as linhas desta geração.
    db::Transacao& Leitura() { return sped.Transacao(); }
    // Comando guardado da execução, reservado para quem chama (ConsultasGeracao::Preparar).
    ConsultasGeracao::Reserva Preparar(SqlFixo sql) { return consultas.Preparar(Leitura(), sql); }
};

struct EtapaGeracao {
    const char* nome;
    std::function<void(Geracao&)> executar;
};

// Prepara a execução: reserva e esvazia SPED_EFD, nova chave, listas e totais zerados.
void PrepararGeracao(Geracao& g);

// Uma geração completa: prepara, executa as etapas (blocks::EtapasGeracao() na geração real),
// escreve o arquivo texto e imprime os erros. Uma falha encerra a geração onde ocorreu: nenhum
// arquivo é escrito ou substituído e as linhas gravadas até ali ficam em SPED_EFD (confirmadas).
// 'arquivoUnificar' em branco: nenhum. Devolve o número de linhas do arquivo.
int64_t GerarArquivoSped(Geracao& g, const std::string& arquivoUnificar, const std::vector<EtapaGeracao>& etapas);

}  // namespace core
