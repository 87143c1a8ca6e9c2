#include "core/ConsultasGeracao.h"

namespace core {

ConsultasGeracao::Reserva::~Reserva() {
    if (!e_) return;
    try {
        e_->consulta->Fechar();
    } catch (...) {
        // O cursor de uma transação que já terminou; a próxima execução reabre do zero.
    }
    e_->emUso = false;
}

ConsultasGeracao::Reserva ConsultasGeracao::Preparar(db::Transacao& tr, SqlFixo sql) {
    std::deque<Entrada>& comandos = consultas_[sql.Texto()];
    for (Entrada& e : comandos)
        if (!e.emUso) return Reserva(e);
    comandos.push_back({std::make_unique<db::Consulta>(tr, sql.Texto())});
    return Reserva(comandos.back());
}

}  // namespace core
