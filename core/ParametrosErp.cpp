#include "core/ParametrosErp.h"

#include <charconv>

#include "core/GravacaoErp.h"
#include "util/Texto1252.h"

namespace core {

std::string LerParametro(db::Transacao& tr, std::string_view grupo, std::string_view param) {
    db::Consulta q(tr, "select * from PARAM where GRUPO_PA=:GRUPO and PARAM_PA=:PARAM");
    q.Param("GRUPO", grupo).Param("PARAM", param);
    return q.Proximo() ? q["VALOR_PA"].Texto() : std::string();
}

int LerParametroInteiro(db::Transacao& tr, std::string_view grupo, std::string_view param) {
    const std::string valor = LerParametro(tr, grupo, param);
    // Apara brancos e controles das pontas, como o ERP.
    std::string_view v = valor;
    while (!v.empty() && static_cast<unsigned char>(v.front()) <= ' ') v.remove_prefix(1);
    while (!v.empty() && static_cast<unsigned char>(v.back()) <= ' ') v.remove_suffix(1);
    if (v.starts_with('+')) v.remove_prefix(1);
    int n = 0;
    const auto [fim, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    return !v.empty() && ec == std::errc() && fim == v.data() + v.size() ? n : 0;
}

void GravarParametro(db::Banco& banco, std::string_view grupo, std::string_view param,
                     std::string_view valor) {
    const std::string oQue = "o parâmetro " + std::string(grupo) + "/" + std::string(param) + " (PARAM)";
    GravarNoErp(banco, util::W(oQue), [&](db::Transacao& tr) {
        db::Consulta q(tr,
                       "update or insert into PARAM (GRUPO_PA, PARAM_PA, VALOR_PA) "
                       "values (:GRUPO, :PARAM, :VALOR) matching (GRUPO_PA, PARAM_PA)");
        q.Param("GRUPO", grupo).Param("PARAM", param).Param("VALOR", valor);
        q.Executar();
    });
}

}  // namespace core
