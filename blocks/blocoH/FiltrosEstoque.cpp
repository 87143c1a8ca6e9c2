#include "blocks/blocoH/FiltrosEstoque.h"

#include <algorithm>

#include "core/ConfiguracoesErp.h"
#include "core/Geracao.h"
#include "util/DataHora.h"

namespace blocks {

namespace {

std::string_view Aparado(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

std::vector<std::string> Dividir(std::string_view texto, char separador) {
    std::vector<std::string> partes;
    while (!texto.empty()) {
        const size_t fim = texto.find(separador);
        const std::string_view parte = Aparado(texto.substr(0, fim));
        if (!parte.empty()) partes.emplace_back(parte);
        if (fim == std::string_view::npos) break;
        texto.remove_prefix(fim + 1);
    }
    return partes;
}

}  // namespace

std::string SqlMontado::Lista(std::string_view prefixo, const std::vector<std::string>& valores) {
    std::string lista;
    for (const std::string& v : valores) {
        const std::string nome = std::string(prefixo) + std::to_string(valores_.size() + 1);
        lista += (lista.empty() ? ":" : ", :") + nome;
        valores_.emplace_back(nome, v);
    }
    return lista;
}

std::string SqlMontado::Lista(std::string_view prefixo, const std::vector<int>& valores) {
    std::string lista;
    for (const int v : valores) {
        const std::string nome = std::string(prefixo) + std::to_string(valores_.size() + 1);
        lista += (lista.empty() ? ":" : ", :") + nome;
        valores_.emplace_back(nome, int64_t{v});
    }
    return lista;
}

std::string SqlMontado::Valor(std::string_view nome, int valor) {
    valores_.emplace_back(std::string(nome), int64_t{valor});
    return ":" + std::string(nome);
}

void SqlMontado::Aplicar(db::Consulta& q) const {
    for (const auto& [nome, valor] : valores_)
        std::visit([&](const auto& v) { q.Param(nome, v); }, valor);
}

std::vector<std::string> ListaEntreAspas(std::string_view texto) { return Dividir(texto, ','); }

std::vector<int> FiliaisEstoque(const core::TParametros& params) {
    std::vector<int> filiais{params.FILIAL};
    if (params.FILIAL_2 == 0) return filiais;
    for (int n = 2; n <= 99; ++n) {
        const int filial = params.CampoInteiro("FILIAL_" + std::to_string(n));
        if (filial > 0) filiais.push_back(filial);
    }
    return filiais;
}

std::string FiltroFilialEstoque(const core::TParametros& params, SqlMontado& sql, std::string_view coluna) {
    const std::string c(coluna);
    if (params.FILIAL_INVENTARIO > 0) return "( " + c + " = " + sql.Valor("FILIAL_INVENTARIO", params.FILIAL_INVENTARIO) + " )";
    std::vector<int> filiais = FiliaisEstoque(params);
    if (params.DATA_INI >= util::DataHora::Data(2016, 1, 1))
        return " " + c + " in (" + sql.Lista("FIL_EST", filiais) + ")";
    // Antes de 2016 o estoque em poder de terceiros e o de terceiros ficavam em pseudo-filiais.
    for (const int pseudo : {params.FIL_EST_PODER_TERC, params.FIL_EST_DE_TERC})
        if (pseudo > 0) filiais.push_back(pseudo);
    return "(  (" + c + " >= 1000000 ) or (" + c + " in (" + sql.Lista("FIL_EST", filiais) + ") ) )";
}

TTiposFiscaisEstoque TiposFiscaisEstoque(core::Geracao& g) {
    TTiposFiscaisEstoque tipos;
    tipos.produtos = ListaEntreAspas(core::LerTiposFiscaisEstProduto(g.Leitura()));
    for (const std::string& codigo : Dividir(g.params.TIPOS_FISCAIS_INV_SELEC, '-')) {
        const bool produto = std::ranges::find(tipos.produtos, codigo) != tipos.produtos.end();
        tipos.produtoAcabado = tipos.produtoAcabado || produto;
        if (!(produto && codigo == "04")) tipos.materiais.push_back(codigo);
    }
    return tipos;
}

}  // namespace blocks
