#include "core/TabelasGeracao.h"

namespace core {

db::Consulta& ConsultasGeracao::Preparar(db::Transacao& tr, std::string_view sql) {
    auto it = consultas_.find(sql);
    if (it == consultas_.end())
        it = consultas_.emplace(std::string(sql), std::make_unique<db::Consulta>(tr, sql)).first;
    return *it->second;
}

}  // namespace core
