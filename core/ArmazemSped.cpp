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
    ordem_.Zerar();
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

int64_t ArmazemSped::LinhasComPrefixo(std::string_view prefixo) const {
    int64_t total = 0;
    for (auto it = linhasPorCodigo_.lower_bound(prefixo); it != linhasPorCodigo_.end() && it->first.starts_with(prefixo);
         ++it)
        total += it->second;
    return total;
}

void ArmazemSped::GravarRegistro(const TRegistroEFD& registro) {
    const std::string& codigo = registro.GetCampo("REG");
    if (codigo.empty()) return;
    const std::string chave = ChaveAgrupamento(registro);
    if (!chave.empty() && RegistroExiste(codigo, chave)) return;
    longos_.clear();
    std::string linha = limpeza_.Linha(registro, longos_);
    if (erros_)
        for (const LimpezaCampos::CodigoLongo& l : longos_)
            erros_->AdicionarErro(codigo, fmt::format(fmt::runtime(util::W("{} \"{}\" tem {} caracteres e o campo aceita {}. O código "
                                                                      "não foi cortado (quebraria as referências): "
                                                                      "encurte-o no cadastro do ERP.")),
                                                   l.campo, l.valor, l.valor.size(), l.tamanho));
    Inserir(codigo, std::move(linha), chave);
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
