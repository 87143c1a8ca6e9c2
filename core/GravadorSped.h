#pragma once
// Gravação das linhas de uma geração em SPED_EFD por uma linha de execução própria, com conexão
// própria ao banco: enquanto o Firebird grava um lote, a geração já monta os registros seguintes
// (dois núcleos trabalhando em vez de um). O lugar de cada linha no arquivo vem do número de
// ordem, por isso a ordem em que o banco as grava não importa.
//
// A transação do gravador é a que reserva SPED_EFD para escrita protegida durante a geração.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "db/Banco.h"

namespace core {

struct LinhaSped {
    int ordem = 0;
    std::string codigo;    // COD_REG_SE
    std::string conteudo;  // a linha "|REG|...|"
    std::string chave;     // CHAVE_AGRUP_SE
};

class GravadorSped {
public:
    // A conexão passa a ser só do gravador.
    explicit GravadorSped(db::Banco conexao);
    ~GravadorSped();
    GravadorSped(const GravadorSped&) = delete;
    GravadorSped& operator=(const GravadorSped&) = delete;

    // Reserva SPED_EFD (db::ErroBanco de conflito de bloqueio se outra geração a segura, sem
    // apagar nada), devolve a chave nova da geração e começa a apagar as linhas antigas.
    // 'linhasPorConfirmacao': a cada quantas linhas gravadas a transação é confirmada.
    int Iniciar(int linhasPorConfirmacao);
    bool Ativo() const { return tr_ != nullptr; }

    // Entrega uma linha para gravar. Depois de uma falha de gravação, lança essa falha.
    void Gravar(LinhaSped linha);
    // Espera tudo o que foi entregue estar gravado e confirmado; lança a falha de gravação.
    void Confirmar();
    // Espera, confirma o que foi gravado (também o que veio antes de uma falha) e solta a reserva.
    // Lança a falha de gravação que nenhuma chamada anterior lançou.
    void Encerrar();

    // A linha cuja gravação falhou.
    const std::optional<LinhaSped>& LinhaComFalha() const { return linhaComFalha_; }

private:
    struct Lote {
        std::vector<LinhaSped> linhas;
        bool apagarAntigas = false;
        bool confirmar = false;
    };

    void Enviar(Lote lote);
    void EsperarFilaVazia();
    void LancarFalha();
    void Trabalhar();
    void Processar(const Lote& lote);

    db::Banco conexao_;
    std::unique_ptr<db::Transacao> tr_;
    std::unique_ptr<db::Consulta> insert_;
    int chave_ = 0;
    int linhasPorConfirmacao_ = 1;

    // Lado da geração.
    Lote montando_;
    bool falhaLancada_ = false;

    // Lado do gravador (só ele mexe depois de Iniciar, até Encerrar).
    int pendentes_ = 0;
    std::optional<LinhaSped> linhaComFalha_;

    // Entre os dois lados.
    std::mutex mutex_;
    std::condition_variable mudou_;
    std::deque<Lote> fila_;
    int64_t enviados_ = 0, processados_ = 0;
    bool parar_ = false;
    std::exception_ptr falha_;
    std::atomic<bool> falhou_ = false;
    std::thread trabalhador_;
};

}  // namespace core
