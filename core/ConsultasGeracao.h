#pragma once
// Comandos que uma geração prepara uma vez e reexecuta com novos parâmetros (um por texto SQL).
#include <deque>
#include <map>
#include <utility>
#include <memory>
#include <string_view>

#include "db/Banco.h"

namespace core {

// Texto SQL conhecido na compilação. Um comando guardado recebe os valores só por parâmetros: um
// texto montado com um valor não compila aqui (e não faria um comando novo a cada valor).
class SqlFixo {
public:
    consteval SqlFixo(const char* texto) : texto_(texto) {}
    constexpr std::string_view Texto() const { return texto_; }

private:
    std::string_view texto_;
};

class ConsultasGeracao {
    struct Entrada {
        std::unique_ptr<db::Consulta> consulta;
        bool emUso = false;
    };

public:
    // O comando reservado enquanto o objeto existe; ao sair de uso o cursor é fechado e o comando
    // volta ao cache.
    class Reserva {
    public:
        explicit Reserva(Entrada& e) : e_(&e) { e.emUso = true; }
        Reserva(Reserva&& o) noexcept : e_(std::exchange(o.e_, nullptr)) {}
        Reserva(const Reserva&) = delete;
        Reserva& operator=(const Reserva&) = delete;
        Reserva& operator=(Reserva&&) = delete;
        ~Reserva();

        db::Consulta& operator*() const { return *e_->consulta; }
        db::Consulta* operator->() const { return e_->consulta.get(); }

    private:
        Entrada* e_;
    };

    // Um comando de 'sql' que ninguém está usando. Um laço que chama código que usa o mesmo texto
    // (a ficha técnica que chama a si mesma, por exemplo) recebe um segundo comando, e o cursor de
    // quem está por fora continua onde estava.
    Reserva Preparar(db::Transacao& tr, SqlFixo sql);

private:
    std::map<std::string_view, std::deque<Entrada>> consultas_;  // textos de vida estática
};

}  // namespace core
