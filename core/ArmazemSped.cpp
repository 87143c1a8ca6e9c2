#include "core/ArmazemSped.h"

#include <fmt/format.h>

#include <algorithm>

#include "util/DataHora.h"
#include "util/Texto1252.h"

namespace core {

GeracaoEmAndamento::GeracaoEmAndamento()
    : std::runtime_error(util::W(
          "Já existe uma geração do arquivo SPED em andamento neste banco de dados. "
          "Aguarde o término dela e gere o arquivo novamente.")) {}

ArmazemSped::ArmazemSped(db::Banco& banco, util::CaixaMensagem& mensagens) : banco_(banco), mensagens_(mensagens) {}

ArmazemSped::~ArmazemSped() {
    try {
        EncerrarGeracao();
    } catch (...) {
    }
}

db::Transacao& ArmazemSped::Transacao() {
    if (!tr_) throw std::logic_error("nenhuma geração em andamento");
    return *tr_;
}

void ArmazemSped::IniciarGeracao() {
    if (tr_) EncerrarGeracao();
    if (!gravador_) gravador_ = std::make_unique<GravadorSped>(banco_.OutraConexao());
    try {
        chave_ = gravador_->Iniciar(tamanhoLote_);
    } catch (const db::ErroBanco& e) {
        if (e.ConflitoDeBloqueio()) throw GeracaoEmAndamento();
        throw;
    }
    db::Transacao::Opcoes leitura;
    leitura.somenteLeitura = true;
    try {
        tr_ = std::make_unique<db::Transacao>(banco_, leitura);
    } catch (...) {
        gravador_->Encerrar();
        throw;
    }
    chavesGravadas_.clear();
    linhasPorCodigo_.clear();
    contador_ = 0;
    linhas_ = 0;
    maiorLinha_ = 0;
    inventarioImportado_ = false;
    falhaMostrada_ = false;
}

void ArmazemSped::EncerrarGeracao() {
    if (!tr_) return;
    std::unique_ptr<db::Transacao> leitura = std::move(tr_);  // só leitura: desfeita se o gravador falhar
    MostrarFalha([&] { gravador_->Encerrar(); });
    leitura->Commit();
}

void ArmazemSped::ConfirmarGravacao() {
    if (tr_) MostrarFalha([&] { gravador_->Confirmar(); });
}

template <typename F>
void ArmazemSped::MostrarFalha(F&& gravar) {
    try {
        gravar();
    } catch (const db::ErroBanco&) {
        const std::optional<LinhaSped>& l = gravador_->LinhaComFalha();
        if (l && !falhaMostrada_) {
            falhaMostrada_ = true;
            mensagens_.Erro(fmt::format("{}\rChave: {}\rChave Agrup: {}\rOrdem: {}\r{}{}\r{}{}",
                                        "Erro ao gravar o Registro:", chave_, l->chave, l->ordem,
                                        util::W("Cód. Reg: "), l->codigo, util::W("Conteúdo: "), l->conteudo));
        }
        throw;
    }
}

std::string ArmazemSped::ChaveAgrupamento(const TRegistroEFD& r) {
    const std::string& codigo = r.GetCampo("REG");
    if (codigo == "0150") return r.GetCampo("COD_PART");
    if (codigo == "0190") return r.GetCampo("UNID");
    if (codigo == "0200") return r.GetCampo("COD_ITEM");
    if (codigo == "0400") return r.GetCampo("COD_NAT");
    if (codigo == "0450") return r.GetCampo("COD_INF");
    if (codigo == "0460") return r.GetCampo("COD_OBS");
    if (codigo == "0500") return r.GetCampo("COD_CTA");
    return {};
}

std::string ArmazemSped::ChaveAgrupamento(std::string_view codigo, std::string_view linha) {
    static constexpr std::string_view kComChave[] = {"0150", "0190", "0200", "0400", "0450", "0460", "0500"};
    for (const std::string_view c : kComChave)
        if (codigo == c) {
            const std::vector<std::string> campos = DividirLinha(linha);
            return campos.size() > 1 ? campos[1] : std::string();
        }
    return {};
}

static std::string ChaveDoConjunto(std::string_view codigo, std::string_view chave) {
    std::string k(codigo);
    k += '|';
    k += chave;
    return k;
}

bool ArmazemSped::RegistroExiste(std::string_view codigo, std::string_view chave) const {
    return chavesGravadas_.count(ChaveDoConjunto(codigo, chave)) > 0;
}

int ArmazemSped::BaseOrdem(std::string_view c) {
    auto comeca = [&](std::string_view prefixo) { return c.substr(0, prefixo.size()) == prefixo; };
    if (comeca("0")) {
        std::string_view n = c;
        if (c == "0175") n = "0150";
        if (c == "0205" || c == "0210" || c == "0220") n = "0200";
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
    static constexpr Faixa kFaixas[] = {
        {"B001", false, 200'000'000}, {"B", true, 210'000'000},    {"C001", false, 300'000'000},
        {"C0", true, 301'000'000},    {"C1", true, 310'000'000},   {"C5", true, 350'000'000},
        {"C6", true, 360'000'000},    {"C990", false, 390'000'000}, {"C", true, 370'000'000},
        {"D001", false, 400'000'000}, {"D0", true, 401'000'000},   {"D1", true, 410'000'000},
        {"D5", true, 450'000'000},    {"D990", false, 490'000'000}, {"D", true, 470'000'000},
        {"E", true, 500'000'000},     {"G", true, 550'000'000},    {"H001", false, 600'000'000},
        {"H005", false, 610'000'000}, {"H0", true, 620'000'000},   {"H990", false, 690'000'000},
        {"K001", false, 700'000'000}, {"K010", false, 700'000'001}, {"K100", false, 710'000'000},
        {"K200", false, 720'000'000}, {"K210", false, 730'000'000}, {"K215", false, 730'000'000},
        {"K220", false, 750'000'000}, {"K23", true, 760'000'000},  {"K25", true, 770'000'000},
        {"K280", false, 780'000'000}, {"K990", false, 790'000'000}, {"10", true, 900'000'000},
        {"11", true, 910'000'000},    {"14", true, 940'000'000},   {"16", true, 950'000'000},
        {"1", true, 970'000'000},     {"9", true, 990'000'000},
    };
    for (const Faixa& f : kFaixas)
        if (f.prefixo ? comeca(f.codigo) : c == f.codigo) return f.base;
    return 0;
}

int64_t ArmazemSped::LinhasComPrefixo(std::string_view prefixo) const {
    int64_t total = 0;
    for (auto it = linhasPorCodigo_.lower_bound(prefixo); it != linhasPorCodigo_.end() && it->first.starts_with(prefixo);
         ++it)
        total += it->second;
    return total;
}

int ArmazemSped::OrdemRegistro(std::string_view codigo) { return BaseOrdem(codigo) + ++contador_; }

void ArmazemSped::GravarRegistro(const TRegistroEFD& registro) {
    const std::string& codigo = registro.GetCampo("REG");
    if (codigo.empty()) return;
    const std::string chave = ChaveAgrupamento(registro);
    if (!chave.empty() && RegistroExiste(codigo, chave)) return;
    Inserir(codigo, registro.Linha(), chave);
}

void ArmazemSped::GravarLinha(std::string_view codigo, std::string_view linha) {
    if (codigo.empty()) return;
    if (codigo == "H010") inventarioImportado_ = true;
    const std::string chave = ChaveAgrupamento(codigo, linha);
    if (!chave.empty() && RegistroExiste(codigo, chave)) return;
    Inserir(codigo, std::string(linha), chave);
}

void ArmazemSped::Inserir(std::string_view codigo, std::string linha, const std::string& chave) {
    if (!tr_) throw std::logic_error("gravação fora de uma geração");
    const int ordem = OrdemRegistro(codigo);
    maiorLinha_ = std::max(maiorLinha_, linha.size());
    MostrarFalha([&] { gravador_->Gravar({ordem, std::string(codigo), std::move(linha), chave}); });
    if (!chave.empty()) chavesGravadas_.insert(ChaveDoConjunto(codigo, chave));
    const std::string_view codigoGravado = codigo.substr(0, 10);
    auto contagem = linhasPorCodigo_.find(codigoGravado);
    if (contagem == linhasPorCodigo_.end()) contagem = linhasPorCodigo_.emplace(codigoGravado, 0).first;
    ++contagem->second;
    ++linhas_;
}

std::vector<std::string> DividirLinha(std::string_view original) {
    // Os brancos viram "$$" antes da divisão e voltam depois: só "|" e controles separam campos.
    std::string texto;
    texto.reserve(original.size() + 16);
    for (const char c : original) {
        if (c == ' ')
            texto += "$$";
        else
            texto += c;
    }
    auto controle = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
    std::vector<std::string> pedacos;
    size_t p = 0;
    const size_t n = texto.size();
    while (p < n && controle(texto[p])) ++p;
    while (p < n) {
        std::string s;
        if (texto[p] == '"') {
            ++p;
            while (p < n) {
                if (texto[p] == '"') {
                    if (p + 1 < n && texto[p + 1] == '"') {
                        s += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                s += texto[p++];
            }
        } else {
            const size_t inicio = p;
            while (p < n && static_cast<unsigned char>(texto[p]) > ' ' && texto[p] != '|') ++p;
            s.assign(texto, inicio, p - inicio);
        }
        pedacos.push_back(std::move(s));
        while (p < n && controle(texto[p])) ++p;
        if (p < n && texto[p] == '|') {
            if (p + 1 == n) pedacos.emplace_back();
            do ++p;
            while (p < n && controle(texto[p]));
        }
    }
    for (std::string& pedaco : pedacos) {
        size_t pos = 0;
        while ((pos = pedaco.find("$$", pos)) != std::string::npos) pedaco.replace(pos, 2, " "), ++pos;
    }
    if (!pedacos.empty()) pedacos.erase(pedacos.begin());
    return pedacos;
}

}  // namespace core
