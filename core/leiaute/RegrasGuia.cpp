#include "core/leiaute/RegrasGuia.h"

#include <fmt/format.h>

#include "util/Texto1252.h"

namespace leiaute::interno {

namespace {

constexpr std::pair<std::string_view, std::string_view> kUfs[] = {
    {"11", "RO"}, {"12", "AC"}, {"13", "AM"}, {"14", "RR"}, {"15", "PA"}, {"16", "AP"},
    {"17", "TO"}, {"21", "MA"}, {"22", "PI"}, {"23", "CE"}, {"24", "RN"}, {"25", "PB"},
    {"26", "PE"}, {"27", "AL"}, {"28", "SE"}, {"29", "BA"}, {"31", "MG"}, {"32", "ES"},
    {"33", "RJ"}, {"35", "SP"}, {"41", "PR"}, {"42", "SC"}, {"43", "RS"}, {"50", "MS"},
    {"51", "MT"}, {"52", "GO"}, {"53", "DF"}};

std::string_view UfDoCodigo(std::string_view codigo) {
    for (const auto& [c, uf] : kUfs)
        if (codigo.substr(0, 2) == c) return uf;
    return {};
}

// Documentos cancelados, denegados ou inutilizados: só a identificação, sem filhos.
bool Reduzido(std::string_view sit) {
    return sit == "02" || sit == "03" || sit == "04" || sit == "05";
}

bool Em(std::string_view v, std::initializer_list<std::string_view> lista) {
    for (const std::string_view x : lista)
        if (v == x) return true;
    return false;
}

bool MesmoNumero(std::string_view a, std::string_view b) {
    if (a.empty()) a = "0";
    if (b.empty()) b = "0";
    auto digitos = [](std::string_view s) {
        for (const char c : s)
            if (c < '0' || c > '9') return false;
        return true;
    };
    if (digitos(a) && digitos(b)) {
        while (a.size() > 1 && a.front() == '0') a.remove_prefix(1);
        while (b.size() > 1 && b.front() == '0') b.remove_prefix(1);
    }
    return a == b;
}

// Registros de apuração e o filho que cada um exige.
constexpr std::pair<std::string_view, std::string_view> kExigemFilho[] = {
    {"E100", "E110"}, {"E200", "E210"}, {"E300", "E310"}, {"E500", "E520"}};

std::string_view Pega(const Campos& p, const Especie& e, std::string_view nome) {
    const size_t k = e.Pos(nome);
    return k < p.size() ? p[k] : std::string_view();
}

// O código de quatro caracteres como número, para escolher a regra com um switch.
constexpr uint32_t Cod(std::string_view c) {
    return c.size() != 4 ? 0
                         : (static_cast<uint32_t>(static_cast<unsigned char>(c[0])) << 24) |
                               (static_cast<uint32_t>(static_cast<unsigned char>(c[1])) << 16) |
                               (static_cast<uint32_t>(static_cast<unsigned char>(c[2])) << 8) |
                               static_cast<unsigned char>(c[3]);
}

}  // namespace

using Chave = std::tuple<std::string, std::string, int64_t>;  // CST, CFOP, alíquota

struct Regras::Documento {
    std::string reg, rotulo;
    int64_t linha = 0;
    std::vector<std::string> p;
    const Especie* especie = nullptr;
    std::string sit, oper, emit, mod;
    int filhos = 0;
    int64_t linhaPrimeiroFilho = 0;
    std::string primeiroFilho;
    std::array<int64_t, 5> an{};
    std::map<Chave, std::array<int64_t, 5>> chavesAn;  // linha, bc, icms, bc_st, icms_st
    int linhasAn = 0;
    std::set<std::string> itens;
    int64_t somaItens = 0;
    std::map<Chave, std::array<int64_t, 4>> chavesItens;
    std::vector<std::pair<int64_t, bool>> c170;
    std::optional<char> primeiroCfop;
    int linhasC170 = 0, itensVistos = 0, analiticosVistos = 0;
    bool quebrado = false;

    std::string_view Campo(std::string_view nome) const {
        const size_t k = especie->Pos(nome);
        return k < p.size() ? std::string_view(p[k]) : std::string_view();
    }
};

struct Regras::Grupo {
    std::string reg;
    int64_t linha = 0;
    std::vector<std::string> p;
    const Especie* especie = nullptr;
    std::map<std::string, int64_t> somas;
    std::map<std::string, int64_t> filhos;
    int periodoIndice = -1;
    std::pair<int, int> periodo{0, 0};
    bool temPeriodo = false;
    bool quebrado = false;

    int64_t Valor(std::string_view nome) const {
        const size_t k = especie->Pos(nome);
        return k < p.size() ? Centavos(p[k]) : 0;
    }
    std::string_view Campo(std::string_view nome) const {
        const size_t k = especie->Pos(nome);
        return k < p.size() ? std::string_view(p[k]) : std::string_view();
    }
};

Regras::Regras(Verificador::Estado& e) : e_(e) {}
Regras::~Regras() = default;

void Regras::Problema(std::string_view tipo, int64_t linha, std::string_view reg,
                      std::string_view campo, std::string_view valor, std::string regra,
                      std::string documento) {
    e_.Problema(tipo, linha, reg, campo, valor, std::move(regra), std::move(documento));
}

bool Regras::Depois(int ano, int mes, int dia) const {
    return dtIni_ != 0 && dtIni_ >= ano * 10000 + mes * 100 + dia;
}

std::pair<int, std::string> Regras::Datado(std::string_view origem) {
    const auto it = origens_.find(origem);
    if (it == origens_.end() || !it->second) {
        semData_ = true;
        return {0, {}};
    }
    if (it->second->first == 0) semData_ = true;
    return *it->second;
}

void Regras::AbrirNivel(int nivel, std::string_view reg, int64_t i) {
    while (!abertos_.empty() && abertos_.back().nivel >= nivel) {
        Aberto a = std::move(abertos_.back());
        abertos_.pop_back();
        Fechar(a);
    }
    const uint32_t cod = Cod(reg);
    if (cod == Cod("C100") || cod == Cod("C500") || cod == Cod("D100"))
        origens_[std::string(reg)] = std::nullopt;
    if (!primeiraLinha_.count(reg)) primeiraLinha_.emplace(std::string(reg), i);
    if (!reg.empty() && reg[0] == 'E')
        for (const auto& [pai, filho] : kExigemFilho) {
            if (reg == pai) {
                paiAberto_[std::string(pai)] = i;
                semFilho_[i] = std::string(pai);
            } else if (reg == filho) {
                const auto it = paiAberto_.find(std::string(pai));
                if (it != paiAberto_.end()) semFilho_.erase(it->second);
            }
        }
    if (!abertos_.empty() && abertos_.back().doc) {
        Documento& d = *abertos_.back().doc;
        if (d.filhos++ == 0) {
            d.linhaPrimeiroFilho = i;
            d.primeiroFilho = reg;
        }
        if (cod == Cod("C170") || cod == Cod("C510")) ++d.itensVistos;
        if (cod == Cod("C190") || cod == Cod("C590") || cod == Cod("D190")) ++d.analiticosVistos;
    }
}

void Regras::Quebrada() {
    ++quebradas_;
    if (!abertos_.empty()) {
        if (abertos_.back().doc) abertos_.back().doc->quebrado = true;
        if (abertos_.back().grupo) abertos_.back().grupo->quebrado = true;
    }
}

void Regras::Fechar(Aberto& a) {
    if (a.doc) FecharDocumento(*a.doc);
    if (a.grupo && a.grupo->reg == "E110") FecharE110(*a.grupo);
    if (a.grupo && a.grupo->reg == "H005") FecharH005(*a.grupo);
}

Regras::Grupo* Regras::Topo(std::string_view reg) {
    if (!abertos_.empty() && abertos_.back().grupo && abertos_.back().grupo->reg == reg)
        return abertos_.back().grupo.get();
    return nullptr;
}

void Regras::Linha(std::string_view reg, int64_t i, const Campos& p, const Especie& e) {
    if (!e.documentos.empty() || !e.chaves.empty()) Identificacoes(e, i, reg, p);
    switch (Cod(reg)) {
        case Cod("0000"):
            return R0000(i, p);
        case Cod("0150"):
            return R0150(i, p);
        case Cod("0200"):
            return R0200(p);
        case Cod("0220"):
            return R0220(i, p);
        case Cod("0205"):
        case Cod("0221"):
            if (!item0200_.empty()) {
                auto& m = e_.mestres["0200"];
                if (const auto it = m.find(item0200_); it != m.end()) it->second.usado = true;
            }
            return;
        case Cod("C100"):
        case Cod("C500"):
        case Cod("D100"):
            return RDocumento(i, p, reg);
        case Cod("C170"):
            return RItem(i, p);
        case Cod("C176"):
        case Cod("C177"):
        case Cod("C180"):
        case Cod("C181"):
            if (doc_ && !doc_->c170.empty()) doc_->c170.back().second = true;
            return;
        case Cod("C190"):
        case Cod("C590"):
        case Cod("D190"):
            return RAnalitico(i, p, reg);
        case Cod("C197"):
        case Cod("D197"):
            return RAjuste(p, reg);
        case Cod("C101"):
            return RDifal(i, p);
        case Cod("E100"):
            e100_.emplace_back(DataNumero(Pega(p, e, "DT_INI")), DataNumero(Pega(p, e, "DT_FIN")));
            return;
        case Cod("E110"):
            return RGrupo(i, p, reg);
        case Cod("E111"):
        case Cod("E116"):
            return RFilhoE110(p, reg);
        case Cod("E300"):
            e300Ufs_.insert(std::string(p.size() > 1 ? p[1] : ""));
            return;
        case Cod("H005"):
            return RH005(i, p);
        case Cod("H010"):
            return RH010(i, p);
        case Cod("H020"):
        case Cod("H030"):
            if (h005_ && Topo("H005") == h005_ && h005_->filhos[std::string(reg)]++ == 0)
                h005_->somas[std::string(reg) + "_linha"] = i;
            return;
        default:
            return;
    }
}

void Regras::Identificacoes(const Especie& e, int64_t i, std::string_view reg, const Campos& p) {
    for (const auto& [k, tipo] : e.documentos) {
        const std::string_view v = p[k];
        if (v.empty()) continue;
        const char t = tipo == 'a' ? (v.size() == 11 ? 'f' : 'j') : tipo;
        const std::string& nome = e.campos[k]->nome;
        if (t == 'j' && !CnpjValido(v))
            Problema("cnpj", i, reg, nome, v, util::W("CNPJ inválido (dígitos verificadores)"));
        else if (t == 'f' && !CpfValido(v))
            Problema("cpf", i, reg, nome, v, util::W("CPF inválido (dígitos verificadores)"));
    }
    for (const size_t k : e.chaves) {
        const std::string_view v = p[k];
        if (!v.empty() && !ChaveValida(v))
            Problema("chave_dv", i, reg, e.campos[k]->nome, v,
                     util::W("chave de acesso inválida (44 posições e dígito verificador)"));
    }
}

void Regras::ChaveConfere(int64_t i, std::string_view reg, std::string_view chave,
                          std::string_view mod, std::string_view ser, std::string_view num,
                          std::string_view emit, std::string_view nome, const std::string& rotulo) {
    if (!ChaveValida(chave)) return;
    std::vector<std::string> erros;
    if (chave.substr(20, 2) != mod)
        erros.push_back(Texto("modelo {} e COD_MOD {}", chave.substr(20, 2), mod));
    if (!MesmoNumero(chave.substr(22, 3), ser))
        erros.push_back(Texto("série {} e SER \"{}\"", chave.substr(22, 3), ser));
    if (!MesmoNumero(chave.substr(25, 9), num))
        erros.push_back(Texto("número {} e NUM_DOC \"{}\"", chave.substr(25, 9), num));
    if (emit == "0") {
        if (!cnpj_.empty() && chave.substr(6, 8) != std::string_view(cnpj_).substr(0, 8))
            erros.push_back(
                Texto("raiz do CNPJ {} e a do 0000 {}", chave.substr(6, 8), cnpj_.substr(0, 8)));
        if (!uf_.empty() && UfDoCodigo(chave.substr(0, 2)) != uf_)
            erros.push_back(Texto("UF de código {} e UF do 0000 {}", chave.substr(0, 2), uf_));
    }
    if (erros.empty()) return;
    std::string texto = util::W("a chave não confere com o documento: ");
    for (size_t k = 0; k < erros.size(); ++k) texto += (k ? "; " : "") + erros[k];
    Problema("chave_documento", i, reg, nome, chave, texto, rotulo);
}

void Regras::R0000(int64_t i, const Campos& p) {
    const Especie& e = *e_.EspecieDe("0000");
    dtIni_ = DataNumero(Pega(p, e, "DT_INI"));
    dtFin_ = DataNumero(Pega(p, e, "DT_FIN"));
    cnpj_ = Pega(p, e, "CNPJ");
    const std::string_view cpf = Pega(p, e, "CPF");
    uf_ = Pega(p, e, "UF");
    indAtiv_ = Pega(p, e, "IND_ATIV");
    if (cnpj_.empty() == cpf.empty())
        Problema("cnpj_ou_cpf", i, "0000", "CNPJ", cnpj_,
                 util::W("informe um, e só um, entre CNPJ e CPF"));
    if (dtIni_ && dtFin_ && (dtIni_ / 100 != dtFin_ / 100 || dtFin_ < dtIni_))
        Problema("periodo_0000", i, "0000", "DT_FIN", Pega(p, e, "DT_FIN"),
                 util::W("DT_INI e DT_FIN devem estar no mesmo mês"));
    if (!cpf.empty() && indAtiv_ != "1")
        Problema("ind_ativ", i, "0000", "IND_ATIV", indAtiv_,
                 util::W("com CPF, IND_ATIV deve ser 1"));
}

void Regras::R0150(int64_t i, const Campos& p) {
    const Especie& e = *e_.EspecieDe("0150");
    const std::string_view pais = Pega(p, e, "COD_PAIS"), cnpj = Pega(p, e, "CNPJ"),
                           cpf = Pega(p, e, "CPF");
    if ((pais == "1058" || pais == "01058") && cnpj.empty() == cpf.empty())
        Problema("cnpj_ou_cpf", i, "0150", "CNPJ", p[1],
                 util::W("participante do Brasil precisa de um, e só um, entre CNPJ e CPF"));
    ufParticipante_[std::string(p[1])] = std::string(UfDoCodigo(Pega(p, e, "COD_MUN")));
}

void Regras::R0200(const Campos& p) {
    const Especie& e = *e_.EspecieDe("0200");
    item0200_ = p[1];
    itens_[item0200_] =
        Item{std::string(Pega(p, e, "UNID_INV")), std::string(Pega(p, e, "TIPO_ITEM")), {}};
}

void Regras::R0220(int64_t i, const Campos& p) {
    const Especie& e = *e_.EspecieDe("0220");
    const std::string_view fator = Pega(p, e, "FAT_CONV");
    if (!Positivo(fator))
        Problema("fator_conversao", i, "0220", "FAT_CONV", fator,
                 util::W("deve ser maior que zero"));
    const auto it = itens_.find(item0200_);
    if (it == itens_.end()) return;
    const std::string u(Pega(p, e, "UNID_CONV"));
    if (!it->second.conversoes.insert(u).second)
        Problema("unidade_conversao_repetida", i, "0220", "UNID_CONV", u,
                 Texto("unidade repetida para o item \"{}\"", item0200_));
    auto& m = e_.mestres["0200"];
    if (const auto itm = m.find(item0200_); itm != m.end()) itm->second.usado = true;
}

void Regras::RDocumento(int64_t i, const Campos& p, std::string_view reg) {
    const Especie& e = *e_.EspecieDe(reg);
    auto d = std::make_unique<Documento>();
    d->reg = reg;
    d->linha = i;
    d->especie = &e;
    d->p.assign(p.begin(), p.end());
    d->rotulo = e_.documento;
    d->sit = Pega(p, e, "COD_SIT");
    d->oper = Pega(p, e, "IND_OPER");
    d->emit = Pega(p, e, "IND_EMIT");
    d->mod = Pega(p, e, "COD_MOD");
    const std::string& sit = d->sit;
    int data = 0;
    for (const std::string_view nome : {reg == "D100" ? "DT_A_P" : "DT_E_S", "DT_DOC"})
        if (!Pega(p, e, nome).empty()) {
            data = DataNumero(Pega(p, e, nome));
            break;
        }
    origens_[std::string(reg)] = std::make_pair(data, sit);
    const std::string_view num = Pega(p, e, "NUM_DOC");
    if (!num.empty() && num.find_first_not_of('0') == std::string_view::npos)
        Problema("num_doc_zero", i, reg, "NUM_DOC", num,
                 util::W("o número do documento deve ser maior que zero"));
    if (reg != "C500" && d->emit == "1" && d->oper != "0")
        Problema("emitente_operacao", i, reg, "IND_OPER", d->oper,
                 util::W("documento de terceiros (IND_EMIT 1) deve ser de entrada (IND_OPER 0)"));
    const bool c500 = reg == "C500";
    if (c500 ? !Em(sit, {"00", "01", "02", "03", "06", "07", "08"})
             : !Em(sit, {"00", "01", "02", "03", "04", "05", "06", "07", "08"}))
        Problema("cod_sit", i, reg, "COD_SIT", sit, util::W("situação do documento inválida"));
    else if (sit == "04" || sit == "05") {
        const bool eletronico =
            reg == "C100" ? Em(d->mod, {"55", "65"}) : Em(d->mod, {"57", "63", "67"});
        if (!eletronico)
            Problema("cod_sit", i, reg, "COD_SIT", sit,
                     util::W("situação só para documentos eletrônicos"));
        else if (Depois(2023))
            Problema("cod_sit", i, reg, "COD_SIT", sit, util::W("situação extinta em 2023"));
    }
    if (!Reduzido(sit)) {
        const int dd = DataNumero(Pega(p, e, "DT_DOC"));
        const char* nomeEs = reg == "D100" ? "DT_A_P" : "DT_E_S";
        const int es = DataNumero(Pega(p, e, nomeEs));
        if (dtFin_ && dd && dd > dtFin_)
            Problema("datas_documento", i, reg, "DT_DOC", Pega(p, e, "DT_DOC"),
                     util::W("data após o fim do período (0000)"));
        if (dtFin_ && es && es > dtFin_ && !(reg == "D100" && d->oper == "1"))
            Problema("datas_documento", i, reg, nomeEs, Pega(p, e, nomeEs),
                     util::W("data após o fim do período (0000)"));
        if (dd && es && es < dd && !(reg == "C100" && sit == "08"))
            Problema("datas_documento", i, reg, nomeEs, Pega(p, e, nomeEs),
                     util::W("data anterior a DT_DOC"));
        if (reg == "C100" && d->oper == "0" && (sit == "00" || sit == "01") &&
            Pega(p, e, "DT_E_S").empty())
            Problema("datas_documento", i, reg, "DT_E_S", "",
                     util::W("entrada sem data de entrada"));
    }
    auto chaveObrigatoria = [&](std::string_view nome,
                                std::initializer_list<std::string_view> modelos, bool exige) {
        if (!Em(d->mod, modelos)) return;
        const std::string_view chave = Pega(p, e, nome);
        if (chave.empty()) {
            if (sit != "05" && exige)
                Problema("chave_documento", i, reg, nome, "",
                         Texto("modelo {} exige a chave de acesso", d->mod));
        } else {
            ChaveConfere(i, reg, chave, d->mod, Pega(p, e, "SER"), num, d->emit, nome, d->rotulo);
        }
    };
    if (reg == "C100") {
        chaveObrigatoria("CHV_NFE", {"55", "65"}, true);
        if (d->mod == "65" && !Pega(p, e, "COD_PART").empty())
            Problema("nfce_participante", i, reg, "COD_PART", Pega(p, e, "COD_PART"),
                     util::W("NFC-e (modelo 65) não informa participante"));
    } else if (reg == "D100") {
        chaveObrigatoria("CHV_CTE", {"57", "63", "67"}, true);
    } else if (e.Pos("CHV_DOCE") < p.size()) {
        chaveObrigatoria("CHV_DOCE", {"66"}, Depois(2020));
    }
    doc_ = d.get();
    abertos_.push_back({2, std::move(d), nullptr});
}

void Regras::FecharDocumento(Documento& d) {
    if (doc_ == &d) doc_ = nullptr;
    const std::string& reg = d.reg;
    const int64_t i = d.linha;
    const std::string an = reg == "C100" ? "C190" : reg == "D100" ? "D190" : "C590";
    if (Reduzido(d.sit)) {
        if (d.filhos)
            Problema("cancelado_com_filhos", d.linhaPrimeiroFilho, d.primeiroFilho, "", "",
                     Texto("{} sob {} da linha {} com COD_SIT {} (documento sem filhos)",
                           d.primeiroFilho, reg, i, d.sit),
                     d.rotulo);
        return;
    }
    if (d.quebrado) return;  // uma linha do documento não pôde ser lida: as somas não valem
    if (d.analiticosVistos == 0)
        Problema("filho_ausente", i, reg, "", "", Texto("documento sem {}", an), d.rotulo);
    if (reg == "C100" && d.itensVistos == 0 && (d.sit == "00" || d.sit == "01") &&
        !(d.emit == "0" && Em(d.mod, {"55", "65"})))
        Problema("filho_ausente", i, reg, "", "", util::W("documento sem C170"), d.rotulo);
    static constexpr std::string_view kC100[] = {"VL_BC_ICMS", "VL_ICMS", "VL_BC_ICMS_ST",
                                                 "VL_ICMS_ST", "VL_IPI"};
    static constexpr std::string_view kD100[] = {"VL_BC_ICMS", "VL_ICMS", "", "", ""};
    static constexpr std::string_view kC500[] = {"", "VL_ICMS", "", "VL_ICMS_ST", ""};
    const std::string_view* nomes = reg == "C100" ? kC100 : reg == "D100" ? kD100 : kC500;
    const std::string tipo = reg == "C100"   ? "totais_c100"
                             : reg == "D100" ? "totais_d100"
                                             : "totais_c500";
    if (d.linhasAn)
        for (size_t k = 0; k < 5; ++k) {
            const std::string_view nome = nomes[k];
            if (nome.empty() || d.Campo(nome).empty()) continue;
            if (Centavos(d.Campo(nome)) != d.an[k])
                Problema(tipo, i, reg, nome, d.Campo(nome),
                         Texto("difere da soma dos {} ({})", an, Dinheiro(d.an[k])), d.rotulo);
        }
    if (reg == "C100") {
        const bool propria = d.emit == "0" && Em(d.mod, {"55", "65"});
        if (d.mod != "55" && d.emit != "0" && (d.sit == "00" || d.sit == "01") && d.linhasC170 &&
            Centavos(d.Campo("VL_MERC")) != d.somaItens)
            Problema("mercadorias_c100", i, reg, "VL_MERC", d.Campo("VL_MERC"),
                     Texto("difere da soma de VL_ITEM dos C170 ({})", Dinheiro(d.somaItens)),
                     d.rotulo);
        if (d.linhasC170 && !propria) {
            static constexpr std::string_view kNomes[] = {"VL_BC_ICMS", "VL_ICMS", "VL_BC_ICMS_ST",
                                                          "VL_ICMS_ST"};
            for (const auto& [k, v] : d.chavesAn) {
                const auto it = d.chavesItens.find(k);
                const std::string grupo = fmt::format("{}/{}/{}", std::get<0>(k), std::get<1>(k),
                                                      Dinheiro(std::get<2>(k)));
                if (it == d.chavesItens.end()) {
                    Problema("c190_c170", v[0], "C190", "", grupo,
                             util::W("C190 sem C170 de mesmo CST, CFOP e alíquota"), d.rotulo);
                    continue;
                }
                for (size_t n = 0; n < 4; ++n)
                    if (v[n + 1] != it->second[n])
                        Problema("c190_c170", v[0], "C190", kNomes[n], Dinheiro(v[n + 1]),
                                 Texto("difere da soma dos C170 ({})", Dinheiro(it->second[n])),
                                 d.rotulo);
            }
            for (const auto& [k, v] : d.chavesItens)
                if (!d.chavesAn.count(k))
                    Problema("c190_c170", i, "C170", "",
                             fmt::format("{}/{}/{}", std::get<0>(k), std::get<1>(k),
                                         Dinheiro(std::get<2>(k))),
                             util::W("C170 sem C190 de mesmo CST, CFOP e alíquota"), d.rotulo);
        }
        if (d.emit == "0" && d.mod == "55")
            for (const auto& [linha, sub] : d.c170)
                if (!sub)
                    Problema("c170_nfe_propria", linha, "C170", "", "",
                             util::W("C170 de NF-e própria só com C176, C177, C180 ou C181"),
                             d.rotulo);
    }
}

void Regras::CfopDirecao(int64_t i, std::string_view reg, std::string_view cfop,
                         const Documento& d) {
    if (cfop.empty()) return;
    const char f = cfop[0];
    const bool entrada = f == '1' || f == '2' || f == '3', saida = f == '5' || f == '6' || f == '7';
    if ((d.oper == "0" && !entrada) || (d.oper == "1" && !saida))
        Problema("cfop_direcao", i, reg, "CFOP", cfop,
                 Texto("CFOP não combina com IND_OPER {} do {}", d.oper, d.reg));
    else if (reg == "C190" && d.mod == "65" && f != '5')
        Problema("cfop_direcao", i, reg, "CFOP", cfop, util::W("NFC-e só com CFOP iniciado por 5"));
}

void Regras::ValoresCst(int64_t i, std::string_view reg, const Campos& p, const Especie& e,
                        const Documento& d) {
    if (d.oper != "1") return;
    const std::string_view cst = Pega(p, e, "CST_ICMS");
    if (cst.size() != 3 || cst[0] > '8') return;
    const std::string_view t = cst.substr(1);
    std::vector<std::string_view> icms;
    for (const std::string_view n : {"VL_BC_ICMS", "ALIQ_ICMS", "VL_ICMS"})
        if (e.Pos(n) < p.size()) icms.push_back(n);
    auto lista = [](const std::vector<std::string_view>& v) {
        std::string s;
        for (const auto n : v) s += (s.empty() ? "" : ", ") + std::string(n);
        return s;
    };
    std::vector<std::string_view> ruins;
    if (Em(t, {"30", "40", "41", "50", "60"})) {
        for (const auto n : icms)
            if (!Zero(Pega(p, e, n))) ruins.push_back(n);
        if (!ruins.empty())
            Problema("valores_cst", i, reg, "CST_ICMS", cst,
                     Texto("saída com {} diferente de zero", lista(ruins)));
    } else if (Em(t, {"00", "10", "70"})) {
        for (const auto n : icms)
            if (!Positivo(Pega(p, e, n))) ruins.push_back(n);
        if (!ruins.empty())
            Problema("valores_cst", i, reg, "CST_ICMS", cst,
                     Texto("saída com {} não positivo", lista(ruins)));
    } else if (t == "20" && e.Pos("ALIQ_ICMS") < p.size() && !Positivo(Pega(p, e, "ALIQ_ICMS"))) {
        Problema("valores_cst", i, reg, "CST_ICMS", cst,
                 util::W("saída com ALIQ_ICMS não positiva"));
    }
    if (!Em(t, {"10", "30", "70"})) {
        ruins.clear();
        for (const std::string_view n : {"VL_BC_ICMS_ST", "ALIQ_ST", "VL_ICMS_ST"})
            if (e.Pos(n) < p.size() && !Zero(Pega(p, e, n))) ruins.push_back(n);
        if (!ruins.empty())
            Problema("valores_cst", i, reg, "CST_ICMS", cst,
                     Texto("saída com {} diferente de zero", lista(ruins)));
    }
}

void Regras::RItem(int64_t i, const Campos& p) {
    Documento* d = doc_;
    if (!d || d->reg != "C100") return;
    const Especie& e = *e_.EspecieDe("C170");
    ++d->linhasC170;
    const std::string num(Pega(p, e, "NUM_ITEM"));
    d->c170.emplace_back(i, false);
    if (!d->itens.insert(num).second)
        Problema("num_item_repetido", i, "C170", "NUM_ITEM", num,
                 util::W("NUM_ITEM repetido no documento"));
    const std::string_view q = Pega(p, e, "QTD");
    if (!q.empty() && (q[0] == '-' || (Zero(q) && d->sit != "06" && d->sit != "07")))
        Problema("qtd_zero", i, "C170", "QTD", q, util::W("a quantidade deve ser maior que zero"));
    const std::string_view cod = Pega(p, e, "COD_ITEM"), u = Pega(p, e, "UNID");
    if (const auto it = itens_.find(cod); it != itens_.end() && !u.empty() &&
                                          u != it->second.unidInv && it->second.tipo != "07" &&
                                          !it->second.conversoes.count(std::string(u)))
        Problema("unidade_sem_0220", i, "C170", "UNID", u,
                 Texto("difere da unidade de inventário \"{}\" do item e não há 0220",
                       it->second.unidInv));
    d->somaItens += Centavos(Pega(p, e, "VL_ITEM"));
    const std::string_view cfop = Pega(p, e, "CFOP");
    CfopDirecao(i, "C170", cfop, *d);
    const char primeiro = cfop.empty() ? '\0' : cfop[0];
    if (!d->primeiroCfop)
        d->primeiroCfop = primeiro;
    else if (primeiro != *d->primeiroCfop)
        Problema("cfop_direcao", i, "C170", "CFOP", cfop,
                 util::W("primeiro dígito difere dos outros itens do documento"));
    ValoresCst(i, "C170", p, e, *d);
    auto& s = d->chavesItens[Chave(std::string(Pega(p, e, "CST_ICMS")), std::string(cfop),
                                   Centavos(Pega(p, e, "ALIQ_ICMS")))];
    s[0] += Centavos(Pega(p, e, "VL_BC_ICMS"));
    s[1] += Centavos(Pega(p, e, "VL_ICMS"));
    s[2] += Centavos(Pega(p, e, "VL_BC_ICMS_ST"));
    s[3] += Centavos(Pega(p, e, "VL_ICMS_ST"));
}

void Regras::RAnalitico(int64_t i, const Campos& p, std::string_view reg) {
    const Especie& e = *e_.EspecieDe(reg);
    const std::string_view pai = reg == "C190" ? "C100" : reg == "C590" ? "C500" : "D100";
    const std::string_view cfop = Pega(p, e, "CFOP");
    const int64_t icms = Centavos(Pega(p, e, "VL_ICMS"));
    Apuracao(reg, pai, cfop, icms);
    Documento* d = doc_;
    if (!d || d->reg != pai) return;
    ++d->linhasAn;
    const std::string_view cst = Pega(p, e, "CST_ICMS");
    const Chave k(std::string(cst), std::string(cfop), Centavos(Pega(p, e, "ALIQ_ICMS")));
    if (d->chavesAn.count(k) && reg != "D190")
        Problema("analitico_repetido", i, reg, "",
                 fmt::format("{}/{}/{}", cst, cfop, Pega(p, e, "ALIQ_ICMS")),
                 util::W("CST, CFOP e alíquota repetidos no documento"));
    const int64_t bc = Centavos(Pega(p, e, "VL_BC_ICMS")),
                  bcSt = Centavos(Pega(p, e, "VL_BC_ICMS_ST")),
                  icmsSt = Centavos(Pega(p, e, "VL_ICMS_ST"));
    d->chavesAn[k] = {i, bc, icms, bcSt, icmsSt};
    d->an[0] += bc;
    d->an[1] += icms;
    d->an[2] += bcSt;
    d->an[3] += icmsSt;
    if (reg == "C190") d->an[4] += Centavos(Pega(p, e, "VL_IPI"));
    if (icmsSt > 0 && reg != "D190") {
        stTotal_ += icmsSt;
        if (!linhaSt_) linhaSt_ = i;
    }
    CfopDirecao(i, reg, cfop, *d);
    const std::string_view red = Pega(p, e, "VL_RED_BC");
    const std::string_view t = cst.substr(std::min<size_t>(1, cst.size()));
    if (reg == "C190") {
        if ((d->sit == "00" || d->sit == "01") && (t == "20" || t == "70") && !Positivo(red))
            Problema("reducao_bc", i, reg, "VL_RED_BC", red,
                     Texto("CST {} exige redução da base", cst));
    } else {
        if (t != "20" && t != "70" && !Zero(red))
            Problema("reducao_bc", i, reg, "VL_RED_BC", red,
                     Texto("redução da base com CST {}", cst));
        if (reg == "D190" && cst.substr(0, 1) != "0")
            Problema("d190_cst", i, reg, "CST_ICMS", cst, util::W("o CST deve começar por 0"));
        if (reg == "C590") ValoresCst(i, reg, p, e, *d);
    }
}

void Regras::Apuracao(std::string_view reg, std::string_view origem, std::string_view cfop,
                      int64_t icms) {
    if (!icms) return;
    if (cfop.empty()) {
        semData_ = true;
        return;
    }
    const auto [data, sit] = Datado(origem);
    const char f = cfop[0];
    if (((f == '5' || f == '6' || f == '7') && cfop != "5605") || cfop == "1605")
        if (sit != "01" && sit != "07" && data) debitos_[data] += icms;
    const bool credito = reg == "C190" || reg == "C590" || reg == "D190";
    if (credito && (((f == '1' || f == '2' || f == '3') && cfop != "1605") || cfop == "5605")) {
        if (sit == "01" || sit == "07")
            creditosExt_ += icms;
        else if (data)
            creditos_[data] += icms;
    }
}

void Regras::RAjuste(const Campos& p, std::string_view reg) {
    const Especie& e = *e_.EspecieDe(reg);
    const std::string_view aj = Pega(p, e, "COD_AJ");
    const int64_t v = Centavos(Pega(p, e, "VL_ICMS"));
    if (aj.size() < 4) return;
    if (aj[3] == '1') {
        stAjuste_ = true;
        if (!linhaSt_) linhaSt_ = e_.linhaAtual;
    }
    const auto [data, sit] = Datado(reg == "C197" ? "C100" : "D100");
    const bool ext = sit == "01" || sit == "07";
    const char t3 = aj[2], t4 = aj[3];
    const bool t4ok = std::string_view("0345678").find(t4) != std::string_view::npos;
    if (std::string_view("345").find(t3) != std::string_view::npos && t4ok) {
        if (!ext && data) ajDebitos_[data] += v;
    } else if (std::string_view("012").find(t3) != std::string_view::npos && t4ok) {
        if (ext)
            ajCreditosExt_ += v;
        else if (data)
            ajCreditos_[data] += v;
    } else if (t3 == '6' && t4 == '0') {
        if (ext)
            deducoesExt_ += v;
        else if (data)
            deducoes_[data] += v;
    }
}

void Regras::RDifal(int64_t i, const Campos& p) {
    Documento* d = doc_;
    const Especie& e = *e_.EspecieDe("C101");
    if (!d || d->oper != "1") return;
    if (!Positivo(Pega(p, e, "VL_ICMS_UF_DEST")) && !Positivo(Pega(p, e, "VL_FCP_UF_DEST"))) return;
    std::string uf;
    if (const auto it = ufParticipante_.find(d->Campo("COD_PART")); it != ufParticipante_.end())
        uf = it->second;
    difalUfs_.emplace(uf, i);
}

void Regras::RGrupo(int64_t i, const Campos& p, std::string_view reg) {
    auto g = std::make_unique<Grupo>();
    g->reg = reg;
    g->linha = i;
    g->p.assign(p.begin(), p.end());
    g->especie = e_.EspecieDe(reg);
    if (reg == "E110" && !e100_.empty()) {
        g->periodoIndice = static_cast<int>(e100_.size()) - 1;
        g->periodo = e100_.back();
        g->temPeriodo = true;
    }
    if (reg == "H005") h005_ = g.get();
    abertos_.push_back({reg == "H005" ? 2 : 3, nullptr, std::move(g)});
}

void Regras::RFilhoE110(const Campos& p, std::string_view reg) {
    Grupo* g = Topo("E110");
    if (!g) return;
    if (reg == "E111") {
        const std::string_view cod = p[1];
        if (cod.size() >= 4)
            g->somas[std::string(cod.substr(2, 2))] += Centavos(p.size() > 3 ? p[3] : "");
    } else {
        g->somas["OR"] += Centavos(p.size() > 2 ? p[2] : "");
    }
}

void Regras::FecharE110(Grupo& g) {
    const int64_t i = g.linha;
    auto v = [&](std::string_view n) { return g.Valor(n); };
    const int64_t expr = v("VL_TOT_DEBITOS") + v("VL_AJ_DEBITOS") + v("VL_TOT_AJ_DEBITOS") +
                         v("VL_ESTORNOS_CRED") - v("VL_TOT_CREDITOS") - v("VL_AJ_CREDITOS") -
                         v("VL_TOT_AJ_CREDITOS") - v("VL_ESTORNOS_DEB") - v("VL_SLD_CREDOR_ANT");
    const int64_t apurado = std::max<int64_t>(expr, 0);
    const std::pair<std::string_view, int64_t> esperados[] = {
        {"VL_SLD_APURADO", apurado},
        {"VL_ICMS_RECOLHER", std::max<int64_t>(apurado - v("VL_TOT_DED"), 0)},
        {"VL_SLD_CREDOR_TRANSPORTAR", std::max<int64_t>(v("VL_TOT_DED") - expr, 0)}};
    for (const auto& [n, w] : esperados)
        if (v(n) != w)
            Problema("e110_formula", i, "E110", n, g.Campo(n),
                     Texto("o cálculo dá {}", Dinheiro(w)));
    if (g.quebrado) return;
    if (g.somas["OR"] != v("VL_ICMS_RECOLHER") + v("DEB_ESP"))
        Problema("e116_soma", i, "E110", "VL_ICMS_RECOLHER", g.Campo("VL_ICMS_RECOLHER"),
                 Texto("os E116 somam {}, e VL_ICMS_RECOLHER + DEB_ESP dá {}",
                       Dinheiro(g.somas["OR"]), Dinheiro(v("VL_ICMS_RECOLHER") + v("DEB_ESP"))));
    const bool primeiro = g.periodoIndice == 0;
    auto somaPeriodo = [&](const std::map<int, int64_t>& m) -> std::optional<int64_t> {
        if (!g.temPeriodo || !g.periodo.first || !g.periodo.second) return std::nullopt;
        int64_t s = 0;
        for (auto it = m.lower_bound(g.periodo.first);
             it != m.end() && it->first <= g.periodo.second; ++it)
            s += it->second;
        return s;
    };
    const std::pair<std::string_view, const char*> ajustes[] = {{"VL_TOT_AJ_DEBITOS", "00"},
                                                                {"VL_ESTORNOS_CRED", "01"},
                                                                {"VL_TOT_AJ_CREDITOS", "02"},
                                                                {"VL_ESTORNOS_DEB", "03"}};
    for (const auto& [n, c] : ajustes)
        if (v(n) != g.somas[c])
            Problema("e110_ajustes", i, "E110", n, g.Campo(n),
                     Texto("os E111 de código {} somam {}", c, Dinheiro(g.somas[c])));
    const std::optional<int64_t> deducoes = somaPeriodo(deducoes_);
    if (deducoes && !semData_ && !quebradas_) {
        const int64_t w = g.somas["04"] + *deducoes + (primeiro ? deducoesExt_ : 0);
        if (v("VL_TOT_DED") != w)
            Problema(
                "e110_ajustes", i, "E110", "VL_TOT_DED", g.Campo("VL_TOT_DED"),
                Texto("os E111 de código 04 e as deduções dos documentos dão {}", Dinheiro(w)));
    }
    if (!g.temPeriodo || semData_ || quebradas_) return;
    if (const auto w = somaPeriodo(ajDebitos_); w && v("VL_AJ_DEBITOS") != *w)
        Problema("e110_ajustes", i, "E110", "VL_AJ_DEBITOS", g.Campo("VL_AJ_DEBITOS"),
                 Texto("os ajustes dos documentos dão {}", Dinheiro(*w)));
    if (auto w = somaPeriodo(ajCreditos_)) {
        *w += primeiro ? ajCreditosExt_ : 0;
        if (v("VL_AJ_CREDITOS") != *w)
            Problema("e110_ajustes", i, "E110", "VL_AJ_CREDITOS", g.Campo("VL_AJ_CREDITOS"),
                     Texto("os ajustes dos documentos dão {}", Dinheiro(*w)));
    }
    if (const auto w = somaPeriodo(debitos_); w && v("VL_TOT_DEBITOS") != *w)
        Problema("e110_documentos", i, "E110", "VL_TOT_DEBITOS", g.Campo("VL_TOT_DEBITOS"),
                 Texto("os analíticos das saídas dão {}", Dinheiro(*w)));
    if (auto w = somaPeriodo(creditos_)) {
        *w += primeiro ? creditosExt_ : 0;
        if (v("VL_TOT_CREDITOS") != *w)
            Problema("e110_documentos", i, "E110", "VL_TOT_CREDITOS", g.Campo("VL_TOT_CREDITOS"),
                     Texto("os analíticos das entradas dão {}", Dinheiro(*w)));
    }
}

void Regras::RH005(int64_t i, const Campos& p) {
    RGrupo(i, p, "H005");
    const Especie& e = *e_.EspecieDe("H005");
    const int dt = DataNumero(Pega(p, e, "DT_INV"));
    const std::string_view mot = Pega(p, e, "MOT_INV");
    if (dt && dtFin_ && dt > dtFin_)
        Problema("h005_data", i, "H005", "DT_INV", Pega(p, e, "DT_INV"),
                 util::W("data após o fim do período (0000)"));
    else if (dt && dtIni_ && mot == "01") {
        const int meses =
            (dtIni_ / 10000 * 12 + dtIni_ / 100 % 100) - (dt / 10000 * 12 + dt / 100 % 100);
        if (meses > 2)
            Problema("h005_data", i, "H005", "DT_INV", Pega(p, e, "DT_INV"),
                     util::W("inventário de fim de ano (MOT_INV 01) informado depois do segundo "
                             "mês seguinte"));
    }
}

void Regras::RH010(int64_t i, const Campos& p) {
    Grupo* g = h005_;
    if (!g || Topo("H005") != g) return;
    const Especie& e = *e_.EspecieDe("H010");
    g->somas["ITEM"] += Centavos(Pega(p, e, "VL_ITEM"));
    ++g->filhos["H010"];
    const std::string_view prop = Pega(p, e, "IND_PROP");
    if ((prop == "1" || prop == "2") && Pega(p, e, "COD_PART").empty())
        Problema("proprietario_sem_participante", i, "H010", "COD_PART", "",
                 Texto("IND_PROP {} exige o participante", prop));
    if (const auto it = itens_.find(Pega(p, e, "COD_ITEM"));
        it != itens_.end() && Pega(p, e, "UNID") != it->second.unidInv)
        Problema("h010_unidade", i, "H010", "UNID", Pega(p, e, "UNID"),
                 Texto("difere da unidade de inventário \"{}\" do item", it->second.unidInv));
}

void Regras::FecharH005(Grupo& g) {
    if (h005_ == &g) h005_ = nullptr;
    const int64_t inv = g.Valor("VL_INV");
    const std::string_view mot = g.Campo("MOT_INV");
    if (inv != g.somas["ITEM"] && !g.quebrado)
        Problema("h005_total", g.linha, "H005", "VL_INV", g.Campo("VL_INV"),
                 Texto("difere da soma dos H010 ({})", Dinheiro(g.somas["ITEM"])));
    if (inv == 0 && g.filhos["H010"])
        Problema("h010_sem_valor", g.linha, "H005", "VL_INV", g.Campo("VL_INV"),
                 util::W("inventário zerado com H010"));
    if (g.filhos["H020"] && (!Em(mot, {"02", "03", "04", "05"}) || inv == 0))
        Problema(
            "h0x0_motivo", g.somas["H020_linha"], "H020", "", "",
            Texto("H020 não cabe em inventário de MOT_INV {} e VL_INV {}", mot, g.Campo("VL_INV")));
    if (g.filhos["H030"] && mot != "06")
        Problema("h0x0_motivo", g.somas["H030_linha"], "H030", "", "",
                 Texto("H030 não cabe em inventário de MOT_INV {}", mot));
}

void Regras::Fim() {
    while (!abertos_.empty()) {
        Aberto a = std::move(abertos_.back());
        abertos_.pop_back();
        Fechar(a);
    }
    auto conta = [&](std::string_view reg) -> int64_t {
        const auto it = e_.contagem.find(reg);
        return it == e_.contagem.end() ? 0 : it->second;
    };
    auto linhaDe = [&](std::string_view reg) -> int64_t {
        const auto it = primeiraLinha_.find(reg);
        return it == primeiraLinha_.end() ? 0 : it->second;
    };
    for (const auto& [bloco, lv] : e_.indMov) {
        const std::string b(1, bloco);
        int64_t n =
            e_.linhasBloco[static_cast<unsigned char>(bloco)] - conta(b + "001") - conta(b + "990");
        if (bloco == '0') n -= conta("0000");
        if (bloco == '9') n -= conta("9999");
        const std::string reg = b + "001";
        if (lv.second == "1" && n)
            Problema("ind_mov", lv.first, reg, "IND_MOV", "1",
                     Texto("o bloco tem {} outras linhas", n));
        else if (lv.second == "0" && !n)
            Problema("ind_mov", lv.first, reg, "IND_MOV", "0", util::W("o bloco está vazio"));
        else if (lv.second == "0" && bloco == 'K' && !conta("K100"))
            Problema("ind_mov", lv.first, reg, "IND_MOV", "0",
                     util::W("bloco K com movimento sem K100"));
    }
    if (const auto k = e_.indMov.find('K');
        k != e_.indMov.end() && k->second.second == "0" && Depois(2023) && !conta("K010"))
        Problema("k010_obrigatorio", k->second.first, "K001", "", "",
                 util::W("bloco K com movimento sem K010"));
    if (conta("1001") && !conta("1010"))
        Problema("bloco1_1010", linhaDe("1001"), "1001", "", "",
                 util::W("bloco 1 sem o registro 1010"));
    if (conta("E001"))
        for (const std::string_view reg : {"E100", "E110"})
            if (!conta(reg))
                Problema("e001_obrigatorios", linhaDe("E001"), "E001", "", "",
                         Texto("bloco E sem {}", reg));
    for (const auto& [linha, reg] : semFilho_)
        for (const auto& [pai, filho] : kExigemFilho)
            if (pai == reg)
                Problema("filho_ausente", linha, reg, "", "", Texto("{} sem {}", reg, filho));
    const int64_t l0 = linhaDe("0000");
    if (indAtiv_ == "0") {
        if (!conta("E500"))
            Problema("ind_ativ", l0, "0000", "IND_ATIV", "0",
                     util::W("industrial (IND_ATIV 0) sem apuração do IPI (E500)"));
        if (!conta("0002") && codVer >= 14)
            Problema("ind_ativ", l0, "0000", "IND_ATIV", "0",
                     util::W("industrial (IND_ATIV 0) sem o registro 0002"));
    } else if (indAtiv_ == "1" && conta("E500")) {
        Problema("ind_ativ", linhaDe("E500"), "E500", "", "",
                 util::W("apuração do IPI com IND_ATIV 1 no 0000"));
    }
    if ((stTotal_ > 0 || stAjuste_) && !conta("E200"))
        Problema("e200_obrigatorio", linhaSt_, "", "", "",
                 util::W("ICMS ST nos documentos sem apuração do ST (E200)"));
    for (const auto& [uf, linha] : difalUfs_)
        if ((uf.empty() && e300Ufs_.empty()) || (!uf.empty() && !e300Ufs_.count(uf)))
            Problema("e300_obrigatorio", linha, "C101", "", uf,
                     Texto("DIFAL/FCP para {} sem apuração do DIFAL (E300) dessa UF",
                           uf.empty() ? "UF desconhecida" : uf));
    if (quebradas_) return;
    for (const auto& [mestre, codigos] : e_.mestres) {
        const auto antecipados = e_.usosAntecipados.find(mestre);
        for (const auto& [codigo, m] : codigos)
            if (!m.usado &&
                (antecipados == e_.usosAntecipados.end() || !antecipados->second.count(codigo)))
                Problema("mestre_sem_uso", m.linha, mestre, "", codigo,
                         util::W("código não usado por nenhum outro registro"));
    }
}

}  // namespace leiaute::interno
