#pragma once
// Acesso ao Firebird pela interface C++ do próprio Firebird (libfbclient), sem expô-la.
//
//   db::Banco banco = db::Banco::Conectar({.banco = "/dados/ERP.FDB", .senha = "..."});
//   db::Transacao tr(banco);
//   db::Consulta q(tr, "select NOME_FI from FILIAL where COD_FI = :FIL");
//   q.Param("FIL", 1);
//   while (q.Proximo()) usar(q["NOME_FI"].Texto());
//   tr.Commit();
//
// Textos vão e voltam como bytes, sem conversão de conjunto de caracteres (conexão NONE).
// Toda falha vira db::ErroBanco com a mensagem formatada pelo Firebird.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/Decimal.h"
#include "db/Erro.h"
#include "util/DataHora.h"

namespace db {

struct ParametrosConexao {
    // Caminho do arquivo (motor embutido) ou "servidor[/porta]:caminho" (servidor Firebird).
    std::string banco;
    std::string usuario = "SYSDBA";
    std::string senha;
    std::string conjuntoCaracteres = "NONE";
    int dialeto = 3;
};

class Transacao;

class Banco {
public:
    static Banco Conectar(const ParametrosConexao& p);
    // Cria um banco vazio (dialeto 3, conjunto de caracteres padrão NONE).
    // escritaForcada = false troca segurança contra queda de energia por velocidade (testes, demo).
    static Banco Criar(const ParametrosConexao& p, bool escritaForcada = true);

    Banco(Banco&&) noexcept;
    Banco& operator=(Banco&&) noexcept;
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;
    ~Banco();

    // Nova conexão ao mesmo banco, com os mesmos parâmetros: uma conexão do Firebird atende uma
    // linha de execução por vez, e trabalho em paralelo precisa de uma conexão para cada.
    Banco OutraConexao() const;

    const std::string& Caminho() const;
    // Executa um script de DDL/DML: comandos separados pelo terminador corrente, com "SET TERM"
    // para procedures. Cada comando é confirmado ao terminar.
    void ExecutarScript(std::string_view script);
    void Desconectar();

    struct Rep;
    Rep& rep() { return *rep_; }

private:
    explicit Banco(std::unique_ptr<Rep> rep);
    std::unique_ptr<Rep> rep_;
};

class Transacao {
public:
    struct Opcoes {
        bool somenteLeitura = false;
        bool esperaBloqueio = true;              // wait; false = nowait
        std::vector<std::string> protegerTabelas;  // RESERVING ... FOR PROTECTED WRITE
        // Sem o registro de desfazer da transação (no_auto_undo): gravações em massa mais rápidas,
        // para transações que nunca desfazem o que gravaram.
        bool semRegistroDesfazer = false;
        // Com esperaBloqueio: segundos de espera por um registro preso por outra transação antes do
        // erro de conflito (lock timeout); 0 = esperar sem limite.
        int limiteEsperaSegundos = 0;
    };
    // Read committed, record version, com as opções dadas.
    explicit Transacao(Banco& banco);
    Transacao(Banco& banco, const Opcoes& opcoes);
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;
    ~Transacao();  // desfaz o que não foi confirmado

    void Commit();
    void CommitRetaining();  // confirma e continua com a mesma transação
    void Rollback();
    bool Ativa() const;
    Banco& banco() { return banco_; }

    struct Rep;
    Rep& rep() { return *rep_; }

private:
    Banco& banco_;
    std::unique_ptr<Rep> rep_;
};

// Um valor lido de uma coluna; converte do tipo do banco para o tipo pedido.
class Campo {
public:
    bool Nulo() const;
    std::string Texto() const;        // nulo = ""; números e datas convertidos para texto
    int64_t Inteiro() const;          // nulo = 0; decimais arredondados
    Decimal ComoDecimal() const;      // nulo = 0
    double Real() const;              // nulo = 0
    util::DataHora Data() const;      // nulo = data vazia

    struct Rep;
    explicit Campo(const Rep* rep) : rep_(rep) {}

private:
    const Rep* rep_;
};

class Consulta {
public:
    // Prepara o comando uma vez; pode ser executado quantas vezes for preciso.
    Consulta(Transacao& tr, std::string_view sql);
    Consulta(const Consulta&) = delete;
    Consulta& operator=(const Consulta&) = delete;
    Consulta(Consulta&&) noexcept;
    ~Consulta();

    // Parâmetros por nome (sem os dois pontos, maiúsculas ou minúsculas). Um nome que não existe
    // no comando é erro. Os valores valem até serem trocados.
    Consulta& Param(std::string_view nome, std::string_view texto);
    Consulta& Param(std::string_view nome, const char* texto) { return Param(nome, std::string_view(texto)); }
    Consulta& Param(std::string_view nome, const std::string& texto) { return Param(nome, std::string_view(texto)); }
    Consulta& Param(std::string_view nome, int valor) { return Param(nome, static_cast<int64_t>(valor)); }
    Consulta& Param(std::string_view nome, int64_t valor);
    Consulta& Param(std::string_view nome, Decimal valor);
    Consulta& Param(std::string_view nome, double valor);
    Consulta& Param(std::string_view nome, const util::DataHora& valor);  // timestamp
    // Um char ou um bool iria como número sem aviso: passe texto ("S") ou int de propósito.
    Consulta& Param(std::string_view nome, char) = delete;
    Consulta& Param(std::string_view nome, bool) = delete;
    Consulta& ParamNulo(std::string_view nome);
    bool TemParam(std::string_view nome) const;

    // Executa um comando sem cursor (insert, update, delete, execute procedure).
    void Executar();
    // Abre o cursor na primeira chamada e avança; false no fim (o cursor é fechado).
    bool Proximo();
    void Fechar();
    // true entre a abertura do cursor e o seu fechamento (fim das linhas ou Fechar).
    bool Aberta() const;
    // Atalho: abre, lê a primeira linha e deixa aberta; false se não houver linha.
    bool Abrir() { Fechar(); return Proximo(); }

    // Coluna da linha corrente pelo nome (alias), sem distinção de maiúsculas.
    // Coluna inexistente é erro que encerra a operação.
    Campo operator[](std::string_view nome) const;
    // Coluna da linha corrente pela posição no select (a partir de 0).
    Campo NaPosicao(size_t posicao) const;
    size_t QuantidadeColunas() const;
    bool TemColuna(std::string_view nome) const;
    std::vector<std::string> Colunas() const;
    const std::string& Sql() const;
    // Passa a executar em outra transação do mesmo banco (o comando continua preparado).
    void TrocarTransacao(Transacao& tr);

    struct Rep;

private:
    std::unique_ptr<Rep> rep_;
};

// Valor do gerador após somar 'incremento' (gen_id).
int64_t GenId(Transacao& tr, std::string_view gerador, int64_t incremento = 1);

}  // namespace db
