#include "core/FechamentoBlocos.h"

#include <map>
#include <string>

#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace core {

int ContarLinhasBloco(Geracao& g, std::string_view prefixo) {
    return static_cast<int>(g.sped.LinhasComPrefixo(prefixo)) + 1;
}

static void GravarFechamento(Geracao& g, const char* reg, const char* campo, int quantidade) {
    g.GravarRegistro(reg, campo, std::to_string(quantidade));
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
    // Cópia: os 9900 gravados aqui entram na contagem do armazém.
    const std::map<std::string, int64_t, std::less<>> resumo = g.sped.LinhasPorCodigo();
    for (const auto& [codigo, quantidade] : resumo) gravar9900(codigo, static_cast<int>(quantidade));
    gravar9900("9900", static_cast<int>(resumo.size()) + 3);
    gravar9900("9990", 1);
    gravar9900("9999", 1);

    GravarFechamento(g, "9990", "QTD_LIN_9", ContarLinhasBloco(g, "9") + 1);
    GravarFechamento(g, "9999", "QTD_LIN", ContarLinhasBloco(g, ""));
}

}  // namespace core
