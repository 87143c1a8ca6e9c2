#include "core/OrdemRegistros.h"

#include <fmt/format.h>

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <vector>

#include "core/leiaute/Leiaute.h"
#include "util/Texto1252.h"

namespace core {

int OrdemRegistros::Base(std::string_view c) {
    auto comeca = [&](std::string_view prefixo) { return c.substr(0, prefixo.size()) == prefixo; };
    if (comeca("0")) {
        std::string_view n = c;
        if (c == "0175") n = "0150";
        if (c == "0205" || c == "0206" || c == "0210" || c == "0220" || c == "0221") n = "0200";
        if (c == "0305") n = "0300";
        int numero = 0;
        for (const char ch : n) {
            if (ch < '0' || ch > '9') {
                numero = 0;
                break;
            }
            numero = numero * 10 + (ch - '0');
        }
        return 100'000'000 + 100'000 * numero;
    }
    struct Faixa {
        std::string_view codigo;
        bool prefixo;
        int base;
    };
    // Em cada bloco as faixas seguem a ordem dos registros no leiaute.
    static constexpr Faixa kFaixas[] = {
        {"B001", false, 200'000'000}, {"B", true, 210'000'000},     {"C001", false, 300'000'000},
        {"C0", true, 301'000'000},    {"C1", true, 310'000'000},    {"C2", true, 340'000'000},
        {"C3", true, 340'000'000},    {"C4", true, 340'000'000},    {"C5", true, 350'000'000},
        {"C6", true, 360'000'000},    {"C990", false, 390'000'000}, {"C", true, 370'000'000},
        {"D001", false, 400'000'000}, {"D0", true, 401'000'000},    {"D1", true, 410'000'000},
        {"D2", true, 430'000'000},    {"D3", true, 430'000'000},    {"D4", true, 440'000'000},
        {"D5", true, 450'000'000},    {"D990", false, 490'000'000}, {"D", true, 470'000'000},
        {"E", true, 500'000'000},     {"G", true, 550'000'000},     {"H001", false, 600'000'000},
        {"H005", false, 610'000'000}, {"H0", true, 620'000'000},    {"H990", false, 690'000'000},
        {"K001", false, 700'000'000}, {"K010", false, 705'000'000}, {"K100", false, 710'000'000},
        {"K200", false, 720'000'000}, {"K210", false, 730'000'000}, {"K215", false, 730'000'000},
        {"K220", false, 750'000'000}, {"K23", true, 760'000'000},   {"K25", true, 770'000'000},
        {"K26", true, 773'000'000},   {"K27", true, 776'000'000},   {"K280", false, 780'000'000},
        {"K29", true, 783'000'000},   {"K30", true, 786'000'000},   {"K990", false, 790'000'000},
        {"10", true, 900'000'000},    {"11", true, 910'000'000},    {"12", true, 920'000'000},
        {"13", true, 920'000'000},    {"14", true, 940'000'000},    {"15", true, 945'000'000},
        {"16", true, 950'000'000},    {"1", true, 970'000'000},     {"9", true, 990'000'000},
    };
    for (const Faixa& f : kFaixas)
        if (f.prefixo ? comeca(f.codigo) : c == f.codigo) return f.base;
    return 0;
}

int OrdemRegistros::Capacidade(std::string_view codigo) {
    static const std::vector<int> kBases = [] {
        std::vector<int> bases{0};
        for (const auto& [c, r] : leiaute::Leiaute::Oficial().Registros()) bases.push_back(Base(c));
        std::sort(bases.begin(), bases.end());
        bases.erase(std::unique(bases.begin(), bases.end()), bases.end());
        return bases;
    }();
    const int base = Base(codigo);
    const auto proxima = std::upper_bound(kBases.begin(), kBases.end(), base);
    return proxima == kBases.end() ? INT_MAX - base : *proxima - base;
}

int OrdemRegistros::Proxima(std::string_view codigo) {
    const int base = Base(codigo);
    Faixa& f = faixas_[base];
    if (f.capacidade == 0) f.capacidade = Capacidade(codigo);
    if (f.linhas + 1 >= f.capacidade)
        throw std::runtime_error(
            util::W(fmt::format("O mês passou de {} linhas na faixa de ordem do registro {}: o "
                                "arquivo sairia fora de ordem. "
                                "Avise o suporte do sistema.",
                                f.capacidade - 1, codigo)));
    return base + ++f.linhas;
}

}  // namespace core
