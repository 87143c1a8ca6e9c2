#include "core/GravacaoErp.h"

#include <fmt/format.h>

#include <stdexcept>

#include "util/Texto1252.h"

namespace core {

void GravarNoErp(db::Banco& banco, std::string_view oQue, const std::function<void(db::Transacao&)>& gravar,
                 int limiteSegundos) {
    try {
        db::Transacao tr(banco, {.limiteEsperaSegundos = limiteSegundos});
        gravar(tr);
        tr.Commit();
    } catch (const db::ErroBanco& e) {
        if (!e.ConflitoDeBloqueio()) throw;
        throw std::runtime_error(fmt::format(
            fmt::runtime(util::W("Não foi possível gravar {}: o registro está em uso por outro usuário do ERP há mais "
                                 "de {} segundos. Peça que a alteração seja salva ou cancelada e tente de novo.")),
            oQue, limiteSegundos));
    }
}

}  // namespace core
