#include "core/ConfiguracoesErp.h"

#include "core/FormatoConta.h"
#include "core/ParametrosErp.h"

namespace core {

ConfiguracoesErp LerConfiguracoesErp(db::Transacao& tr) {
    // "S" e "N" comparados exatamente, como o ERP grava.
    ConfiguracoesErp c;
    c.niveisConta = LerFormatoConta(tr);
    c.COD_CONTABILIDADE = LerParametro(tr, "CONTABIL", "COD_CONTABILIDADE");
    c.COD_CONTAB_FORMATADO = LerParametro(tr, "SPED", "COD_CONTAB_FORMATADO") == "S";
    c.GERAR_COR_MPRIMA = LerParametro(tr, "SPED", "GERAR_COR_MPRIMA") != "N";
    c.GERAR_REG_C101 = LerParametro(tr, "SPED", "GERAR_REG_C101") == "S";
    c.GERAR_REG_C101_DEVOLUCAO = LerParametro(tr, "SPED", "GERAR_REG_C101_DEVOLUCAO") == "S";
    c.GERAR_GRADE_MP = LerParametro(tr, "SPED", "GERAR_GRADE_MP") == "S";
    c.VALIDA_TRANS_INTERNA_K220 = LerParametro(tr, "REL_INVENT_PROD", "VALIDA_TRANS_INTERNA_K220") != "N";
    return c;
}

std::string LerTiposFiscaisEstProduto(db::Transacao& tr) {
    std::string tipos = LerParametro(tr, "SPED", "TIPOS_FISCAIS_EST_PRODUTO");
    return tipos.empty() ? "04" : tipos;
}

}  // namespace core
