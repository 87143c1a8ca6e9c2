#include "core/FechamentoBlocos.h"

#include <string>
#include <utility>
#include <vector>

#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace core {

int ContarLinhasBloco(Geracao& g, std::string_view prefixo) {
    db::Consulta q(g.Leitura(),
                   "select count(*) as QTDE_REG from SPED_EFD where CHAVE_SE=:CHAVE and COD_REG_SE like :BLOCO");
    q.Param("CHAVE", g.sped.ChaveGeracao()).Param("BLOCO", std::string(prefixo) + "%");
    q.Proximo();
    return static_cast<int>(q["QTDE_REG"].Inteiro()) + 1;
}

static void GravarFechamento(Geracao& g, const char* reg, const char* campo, int quantidade) {
    TRegistroEFD r;
    r.SetCampo("REG", reg);
    r.SetCampo(campo, FormatarValor(static_cast<double>(quantidade), 0));
    g.GravarRegistro(r);
}

static std::vector<std::pair<std::string, int>> ResumoRegistros(Geracao& g) {
    db::Consulta q(g.Leitura(),
                   "select COD_REG_SE, count(*) as QTREG from SPED_EFD where CHAVE_SE=:CHAVE "
                   "group by COD_REG_SE order by COD_REG_SE");
    q.Param("CHAVE", g.sped.ChaveGeracao());
    std::vector<std::pair<std::string, int>> resumo;
    while (q.Proximo()) resumo.emplace_back(q["COD_REG_SE"].Texto(), static_cast<int>(q["QTREG"].Inteiro()));
    return resumo;
}

void FecharArquivo(Geracao& g) {
    GravarFechamento(g, "0990", "QTD_LIN_0", ContarLinhasBloco(g, "0"));
    GravarFechamento(g, "C990", "QTD_LIN_C", ContarLinhasBloco(g, "C"));
    GravarFechamento(g, "9001", "IND_MOV", 0);

    TRegistroEFD r9900;
    auto gravar9900 = [&](const std::string& codigo, int quantidade) {
        r9900.SetCampo("REG", "9900");
        r9900.SetCampo("REG_BLC", codigo);
        r9900.SetCampo("QTD_REG_BLC", FormatarValor(static_cast<double>(quantidade), 0));
        g.GravarRegistro(r9900);
    };
    const auto resumo = ResumoRegistros(g);
    for (const auto& [codigo, quantidade] : resumo) gravar9900(codigo, quantidade);
    gravar9900("9900", static_cast<int>(resumo.size()) + 3);
    gravar9900("9990", 1);
    gravar9900("9999", 1);

    GravarFechamento(g, "9990", "QTD_LIN_9", ContarLinhasBloco(g, "9") + 1);
    GravarFechamento(g, "9999", "QTD_LIN", ContarLinhasBloco(g, "%"));
}

}  // namespace core
