#include "core/LimpezaCampos.h"

#include "core/leiaute/Leiaute.h"

namespace core {

namespace {

constexpr std::string_view kTrocados = "|\r\n\t";
constexpr std::string_view kMascara = ".-/() ";

void Limpar(std::string& s, bool soAlgarismos) {
    for (char& c : s) {
        if (c == '|')
            c = '/';
        else if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    }
    if (soAlgarismos)
        std::erase_if(s, [](char c) { return kMascara.find(c) != std::string_view::npos; });
    s = std::string(AparadoEFD(s));
}

}  // namespace

std::string SemMascara(std::string_view texto) {
    std::string s(texto);
    std::erase_if(s, [](char c) { return kMascara.find(c) != std::string_view::npos; });
    return s;
}

const std::vector<LimpezaCampos::Acao>& LimpezaCampos::Acoes(const std::string& codigo) {
    const auto it = acoes_.find(codigo);
    if (it != acoes_.end()) return it->second;
    std::vector<Acao> acoes;
    if (const leiaute::Registro* r = leiaute::Leiaute::Oficial().Procurar(codigo))
        for (const leiaute::Campo& c : r->campos) {
            Acao a;
            a.nome = &c.nome;
            a.tamanho = c.tamanho;
            a.soAlgarismos = c.SoAlgarismos();
            a.textoLivre = c.TextoLivre();
            a.codigo = c.tipo == 'C' && !a.textoLivre && !a.soAlgarismos;
            acoes.push_back(a);
        }
    return acoes_.emplace(codigo, std::move(acoes)).first->second;
}

std::string LimpezaCampos::Linha(const TRegistroEFD& registro, std::vector<CodigoLongo>& longos) {
    const std::vector<Acao>& acoes = Acoes(registro.GetCampo("REG"));
    std::string linha = "|";
    const auto& campos = registro.Campos();
    for (size_t k = 0; k < campos.size(); ++k) {
        std::string_view v = AparadoEFD(campos[k].second);
        static const Acao kForaDoLeiaute;  // campo além do leiaute: a conferência do arquivo aponta
        const Acao& a = k < acoes.size() ? acoes[k] : kForaDoLeiaute;
        const bool longo = a.tamanho && v.size() > static_cast<size_t>(a.tamanho);
        std::string limpo;
        if (v.find_first_of(kTrocados) != std::string_view::npos ||
            (a.soAlgarismos && v.find_first_of(kMascara) != std::string_view::npos) ||
            (longo && a.textoLivre)) {
            limpo.assign(v);
            Limpar(limpo, a.soAlgarismos);
            if (a.textoLivre && limpo.size() > static_cast<size_t>(a.tamanho) && a.tamanho) {
                limpo.resize(a.tamanho);
                limpo = std::string(AparadoEFD(limpo));
            }
            v = limpo;
        }
        if (a.codigo && a.tamanho && v.size() > static_cast<size_t>(a.tamanho))
            longos.push_back({*a.nome, std::string(v), a.tamanho});
        linha += v;
        linha += '|';
    }
    return linha;
}

}  // namespace core
