#include "db/Banco.h"

#include <firebird/Interface.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <type_traits>
#include <unordered_map>
#include <variant>

#include "db/ParametrosNomeados.h"
#include "db/Script.h"
#include "util/Texto1252.h"

using namespace Firebird;

namespace db {

namespace {

// Tipos SQL do Firebird (ibase.h), sem o bit de "aceita nulo".
constexpr unsigned kText = 452, kVarying = 448, kShort = 500, kLong = 496, kInt64 = 580,
                   kFloat = 482, kDouble = 480, kDFloat = 530, kTimestamp = 510, kBlob = 520,
                   kDate = 570, kTime = 560, kBoolean = 32764, kNull = 32766;
constexpr unsigned kVarcharMaximo = 32765;
constexpr long kIscLockConflict = 335544345, kIscDeadlock = 335544336, kIscUpdateConflict = 335544451,
               kIscLockTimeout = 335544878;

IMaster* Mestre() {
    static IMaster* mestre = fb_get_master_interface();
    return mestre;
}

std::string FormatarStatus(IStatus* status) {
    char buf[2048];
    Mestre()->getUtilInterface()->formatStatus(buf, sizeof buf, status);
    return buf;
}

long PrimeiroCodigo(IStatus* status) {
    const intptr_t* v = status->getErrors();
    return (v && v[0] == 1) ? static_cast<long>(v[1]) : 0;
}

std::string Resumo(std::string_view sql) {
    std::string r(sql.substr(0, 300));
    std::replace(r.begin(), r.end(), '\n', ' ');
    return sql.size() > 300 ? r + "..." : r;
}

// Executa 'f' com um status que lança; converte a exceção do Firebird em ErroBanco.
// 'contexto' é um texto (em UTF-8 no código-fonte) ou uma função que o monta só quando há erro.
template <typename C, typename F>
auto Chamar(C&& contexto, F&& f) {
    ThrowStatusWrapper status(Mestre()->getStatus());
    struct Liberar {
        ThrowStatusWrapper& s;
        ~Liberar() { s.dispose(); }
    } liberar{status};
    try {
        return f(&status);
    } catch (const FbException& e) {
        std::string texto;
        if constexpr (std::is_invocable_v<C>)
            texto = contexto();
        else
            texto = util::W(contexto);
        throw ErroBanco(texto, FormatarStatus(e.getStatus()), PrimeiroCodigo(e.getStatus()));
    }
}

// "Verbo comando...": o verbo vem do código-fonte (UTF-8), o comando já está em Windows-1252.
std::string Contexto(std::string_view verbo, std::string_view sql) { return util::W(verbo) + " " + Resumo(sql); }

// Nomes de coluna comparados sem distinção de maiúsculas e sem alocar (são ASCII).
struct MenorSemCaixa {
    using is_transparent = void;
    static char Maiuscula(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
    bool operator()(std::string_view a, std::string_view b) const {
        const size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            const char x = Maiuscula(a[i]), y = Maiuscula(b[i]);
            if (x != y) return x < y;
        }
        return a.size() < b.size();
    }
};

std::string Maiusculas(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return std::toupper(c); });
    return r;
}


const int64_t kBaseDataFirebird = util::DataHora::Data(1858, 11, 17).DiasSeriais();

ISC_DATE CodificarData(const util::DataHora& d) {
    return static_cast<ISC_DATE>(d.DiasSeriais() - kBaseDataFirebird);
}
ISC_TIME CodificarHora(const util::DataHora& d) {
    return static_cast<ISC_TIME>(((d.hora * 60 + d.minuto) * 60 + d.segundo) * 10000 + d.decimilesimos);
}
util::DataHora DecodificarData(ISC_DATE d) { return util::DataHora::DeDiasSeriais(d + kBaseDataFirebird); }
void DecodificarHora(ISC_TIME t, util::DataHora& d) {
    d.decimilesimos = static_cast<int>(t % 10000);
    t /= 10000;
    d.segundo = static_cast<int>(t % 60);
    t /= 60;
    d.minuto = static_cast<int>(t % 60);
    d.hora = static_cast<int>(t / 60);
}

}  // namespace

bool ErroBanco::ConflitoDeBloqueio() const {
    return codigoGds_ == kIscLockConflict || codigoGds_ == kIscDeadlock || codigoGds_ == kIscUpdateConflict ||
           codigoGds_ == kIscLockTimeout;
}

// ---------------------------------------------------------------- Banco

struct Banco::Rep {
    std::string caminho;
    std::vector<unsigned char> dpb;  // para abrir outra conexão igual
    IAttachment* att = nullptr;
};

struct Transacao::Rep {
    ITransaction* tra = nullptr;
};

Banco::Banco(std::unique_ptr<Rep> rep) : rep_(std::move(rep)) {}
Banco::Banco(Banco&&) noexcept = default;
Banco& Banco::operator=(Banco&&) noexcept = default;
Banco::~Banco() {
    try {
        Desconectar();
    } catch (...) {
    }
}

const std::string& Banco::Caminho() const { return rep_->caminho; }

void Banco::Desconectar() {
    if (!rep_ || !rep_->att) return;
    IAttachment* att = rep_->att;
    rep_->att = nullptr;
    Chamar([&] { return "Desconectando de " + rep_->caminho; }, [&](ThrowStatusWrapper* st) {
        att->detach(st);
        return 0;
    });
}

static std::vector<unsigned char> MontarDpb(const ParametrosConexao& p, bool criar, bool escritaForcada) {
    return Chamar("Montando parâmetros de conexão", [&](ThrowStatusWrapper* st) {
        IXpbBuilder* dpb = Mestre()->getUtilInterface()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(st, isc_dpb_user_name, p.usuario.c_str());
        dpb->insertString(st, isc_dpb_password, p.senha.c_str());
        dpb->insertString(st, isc_dpb_lc_ctype, p.conjuntoCaracteres.c_str());
        dpb->insertInt(st, isc_dpb_sql_dialect, p.dialeto);
        if (criar) {
            dpb->insertString(st, isc_dpb_set_db_charset, p.conjuntoCaracteres.c_str());
            dpb->insertInt(st, isc_dpb_page_size, 8192);
            dpb->insertInt(st, isc_dpb_force_write, escritaForcada ? 1 : 0);
        }
        const unsigned char* b = dpb->getBuffer(st);
        std::vector<unsigned char> r(b, b + dpb->getBufferLength(st));
        dpb->dispose();
        return r;
    });
}

static void Anexar(Banco::Rep* rep) {
    rep->att = Chamar([&] { return "Conectando ao banco " + rep->caminho; }, [&](ThrowStatusWrapper* st) {
        IProvider* prov = Mestre()->getDispatcher();
        IAttachment* att = prov->attachDatabase(st, rep->caminho.c_str(), rep->dpb.size(), rep->dpb.data());
        prov->release();
        return att;
    });
}

Banco Banco::Conectar(const ParametrosConexao& p) {
    auto rep = std::make_unique<Rep>();
    rep->caminho = p.banco;
    rep->dpb = MontarDpb(p, false, true);
    Anexar(rep.get());
    return Banco(std::move(rep));
}

Banco Banco::OutraConexao() const {
    auto rep = std::make_unique<Rep>();
    rep->caminho = rep_->caminho;
    rep->dpb = rep_->dpb;
    Anexar(rep.get());
    return Banco(std::move(rep));
}

Banco Banco::Criar(const ParametrosConexao& p, bool escritaForcada) {
    const auto dpb = MontarDpb(p, true, escritaForcada);
    auto rep = std::make_unique<Rep>();
    rep->caminho = p.banco;
    rep->dpb = MontarDpb(p, false, true);
    rep->att = Chamar([&] { return "Criando o banco " + p.banco; }, [&](ThrowStatusWrapper* st) {
        IProvider* prov = Mestre()->getDispatcher();
        IAttachment* att = prov->createDatabase(st, p.banco.c_str(), dpb.size(), dpb.data());
        prov->release();
        return att;
    });
    return Banco(std::move(rep));
}

void Banco::ExecutarScript(std::string_view script) {
    for (const std::string& cmd : DividirScript(script)) {
        Transacao tr(*this);
        Chamar([&] { return Contexto("Executando", cmd); }, [&](ThrowStatusWrapper* st) {
            ITransaction* t = tr.rep().tra;
            rep_->att->execute(st, t, 0, cmd.c_str(), 3, nullptr, nullptr, nullptr, nullptr);
            return 0;
        });
        tr.Commit();
    }
}

// ---------------------------------------------------------------- Transacao

Transacao::Transacao(Banco& banco) : Transacao(banco, Opcoes{}) {}

Transacao::Transacao(Banco& banco, const Opcoes& o) : banco_(banco), rep_(std::make_unique<Rep>()) {
    rep_->tra = Chamar("Iniciando transação", [&](ThrowStatusWrapper* st) {
        IXpbBuilder* tpb = Mestre()->getUtilInterface()->getXpbBuilder(st, IXpbBuilder::TPB, nullptr, 0);
        tpb->insertTag(st, isc_tpb_read_committed);
        tpb->insertTag(st, isc_tpb_rec_version);
        tpb->insertTag(st, o.esperaBloqueio ? isc_tpb_wait : isc_tpb_nowait);
        tpb->insertTag(st, o.somenteLeitura ? isc_tpb_read : isc_tpb_write);
        if (o.semRegistroDesfazer) tpb->insertTag(st, isc_tpb_no_auto_undo);
        if (o.esperaBloqueio && o.limiteEsperaSegundos > 0)
            tpb->insertInt(st, isc_tpb_lock_timeout, o.limiteEsperaSegundos);
        for (const std::string& tabela : o.protegerTabelas) {
            tpb->insertString(st, isc_tpb_lock_write, tabela.c_str());
            tpb->insertTag(st, isc_tpb_protected);
        }
        ITransaction* t = banco.rep().att->startTransaction(st, tpb->getBufferLength(st), tpb->getBuffer(st));
        tpb->dispose();
        return t;
    });
}

Transacao::~Transacao() {
    try {
        Rollback();
    } catch (...) {
    }
}

bool Transacao::Ativa() const { return rep_->tra != nullptr; }

void Transacao::Commit() {
    if (!rep_->tra) throw ErroBanco(util::W("Confirmando transação"), util::W("a transação não está ativa"));
    Chamar("Confirmando transação", [&](ThrowStatusWrapper* st) {
        rep_->tra->commit(st);
        return 0;
    });
    rep_->tra = nullptr;
}

void Transacao::CommitRetaining() {
    if (!rep_->tra) throw ErroBanco(util::W("Confirmando transação"), util::W("a transação não está ativa"));
    Chamar("Confirmando transação", [&](ThrowStatusWrapper* st) {
        rep_->tra->commitRetaining(st);
        return 0;
    });
}

void Transacao::Rollback() {
    if (!rep_->tra) return;
    ITransaction* t = rep_->tra;
    rep_->tra = nullptr;
    Chamar("Desfazendo transação", [&](ThrowStatusWrapper* st) {
        t->rollback(st);
        return 0;
    });
}

// ---------------------------------------------------------------- Campo

struct Coluna {
    std::string nome;
    unsigned tipo = 0;
    int subtipo = 0;
    int escala = 0;
    unsigned comprimento = 0, deslocamento = 0, deslocamentoNulo = 0;
    bool primeiraDoNome = false;  // a que a busca pelo nome encontra quando o nome se repete
};

struct Campo::Rep {
    const Coluna* col = nullptr;
    const std::vector<unsigned char>* buf = nullptr;
    Banco* banco = nullptr;
    Transacao* const* tr = nullptr;

    const unsigned char* Dados() const { return buf->data() + col->deslocamento; }
    template <typename T>
    T Ler() const {
        T v;
        std::memcpy(&v, Dados(), sizeof v);
        return v;
    }
    std::string LerBlob() const;
};

std::string Campo::Rep::LerBlob() const {
    ISC_QUAD id = Ler<ISC_QUAD>();
    return Chamar([&] { return "Lendo o blob da coluna " + col->nome; }, [&](ThrowStatusWrapper* st) {
        IBlob* blob = banco->rep().att->openBlob(st, (*tr)->rep().tra, &id, 0, nullptr);
        std::string r;
        char pedaco[32768];
        for (;;) {
            unsigned lidos = 0;
            const int res = blob->getSegment(st, sizeof pedaco, pedaco, &lidos);
            if (res != IStatus::RESULT_OK && res != IStatus::RESULT_SEGMENT) break;
            r.append(pedaco, lidos);
        }
        blob->close(st);
        return r;
    });
}

bool Campo::Nulo() const {
    return rep_->col->tipo == kNull || *reinterpret_cast<const short*>(rep_->buf->data() + rep_->col->deslocamentoNulo) != 0;
}

Decimal Campo::ComoDecimal() const {
    if (Nulo()) return {};
    const Rep& r = *rep_;
    switch (r.col->tipo) {
        case kShort: return {r.Ler<int16_t>(), -r.col->escala};
        case kLong: return {r.Ler<int32_t>(), -r.col->escala};
        case kInt64: return {r.Ler<int64_t>(), -r.col->escala};
        case kFloat:
        case kDouble:
        case kDFloat: return Decimal::DeTexto(std::to_string(Real()));
        case kBoolean: return {r.Ler<unsigned char>() ? 1 : 0, 0};
        default: {
            const std::string t = Texto();
            try {
                return Decimal::DeTexto(t);
            } catch (const std::invalid_argument&) {
                throw ErroBanco(util::W("Lendo a coluna ") + r.col->nome, "'" + t + util::W("' não é um número válido"));
            }
        }
    }
}

int64_t Campo::Inteiro() const { return ComoDecimal().EmEscala(0); }

double Campo::Real() const {
    if (Nulo()) return 0;
    const Rep& r = *rep_;
    switch (r.col->tipo) {
        case kFloat: return r.Ler<float>();
        case kDouble:
        case kDFloat: return r.Ler<double>();
        default: return ComoDecimal().ComoDouble();
    }
}

util::DataHora Campo::Data() const {
    if (Nulo()) return {};
    const Rep& r = *rep_;
    switch (r.col->tipo) {
        case kDate: return DecodificarData(r.Ler<ISC_DATE>());
        case kTimestamp: {
            const auto ts = r.Ler<ISC_TIMESTAMP>();
            util::DataHora d = DecodificarData(ts.timestamp_date);
            DecodificarHora(ts.timestamp_time, d);
            return d;
        }
        case kTime: {
            util::DataHora d;
            DecodificarHora(r.Ler<ISC_TIME>(), d);
            return d;
        }
        default:
            throw ErroBanco(util::W("Lendo a coluna ") + r.col->nome, util::W("a coluna não é uma data"));
    }
}

std::string Campo::Texto() const {
    if (Nulo()) return {};
    const Rep& r = *rep_;
    switch (r.col->tipo) {
        case kText: return std::string(reinterpret_cast<const char*>(r.Dados()), r.col->comprimento);
        case kVarying: {
            const auto n = r.Ler<uint16_t>();
            return std::string(reinterpret_cast<const char*>(r.Dados()) + 2, n);
        }
        case kBlob: return r.LerBlob();
        case kShort:
        case kLong:
        case kInt64: return ComoDecimal().Texto();
        case kFloat:
        case kDouble:
        case kDFloat: {
            std::string s = std::to_string(Real());
            return s;
        }
        case kDate:
        case kTimestamp:
        case kTime: return Data().Texto();
        case kBoolean: return r.Ler<unsigned char>() ? "TRUE" : "FALSE";
        default: return {};
    }
}

// ---------------------------------------------------------------- Consulta

namespace {
using Valor = std::variant<std::monostate, std::string, int64_t, Decimal, double, util::DataHora>;

struct Forma {
    unsigned tipo = 0;
    int subtipo = 0;
    int escala = 0;
    unsigned comprimento = 0;
    bool operator==(const Forma&) const = default;
};
}  // namespace

struct Consulta::Rep {
    Transacao* tr = nullptr;
    std::string sql;
    IStatement* stmt = nullptr;
    IResultSet* cursor = nullptr;

    // Entrada: cada nome distinto tem um valor; cada posição "?" aponta para o seu nome.
    std::vector<std::string> nomes;          // nomes distintos, em maiúsculas
    std::vector<Valor> valores;              // por nome
    std::vector<bool> definidos;             // por nome
    std::vector<size_t> nomeDaPosicao;       // posição → índice em 'nomes'
    std::vector<Forma> formaDeclarada, formaAtual, formaNova;
    IMessageMetadata* metaEntrada = nullptr;  // forma atual da mensagem de entrada
    std::vector<unsigned char> bufEntrada;

    // Saída
    IMessageMetadata* metaSaida = nullptr;
    std::vector<Coluna> colunas;
    std::vector<unsigned char> bufSaida;
    std::vector<Campo::Rep> campos;
    std::map<std::string, size_t, MenorSemCaixa> indiceColuna;
    // Atalho para o nome escrito exatamente como veio do banco (o caso comum, lido a cada linha).
    std::unordered_map<std::string_view, size_t> indiceExato;
    // Quem lê uma linha quase sempre pede as colunas na ordem do select: a coluna seguinte à última
    // pedida é conferida antes da busca pelo nome.
    size_t proximaColuna = 0;

    ~Rep() { Liberar(); }
    void Liberar() {
        try {
            Chamar("", [&](ThrowStatusWrapper* st) {
                if (cursor) cursor->close(st);
                cursor = nullptr;
                if (stmt) stmt->free(st);
                stmt = nullptr;
                return 0;
            });
        } catch (...) {
        }
        if (metaEntrada) metaEntrada->release();
        if (metaSaida) metaSaida->release();
        metaEntrada = metaSaida = nullptr;
    }

    void MontarEntrada(ThrowStatusWrapper* st);
};

void Consulta::Rep::MontarEntrada(ThrowStatusWrapper* st) {
    const size_t n = nomeDaPosicao.size();
    if (n == 0) return;
    std::vector<Forma>& forma = formaNova;
    forma = formaAtual;
    for (size_t i = 0; i < n; ++i) {
        const size_t k = nomeDaPosicao[i];
        if (!definidos[k]) throw ErroBanco(Contexto("Executando", sql), util::W("parâmetro :") + nomes[k] + " sem valor");
        const Valor& v = valores[k];
        Forma& f = forma[i];
        if (const auto* s = std::get_if<std::string>(&v)) {
            // Texto para um blob vai como VARCHAR e o próprio Firebird cria o blob (bem mais
            // barato que criar o blob pelo cliente); só o que não cabe num VARCHAR vai em segmentos.
            if (formaDeclarada[i].tipo == kBlob && s->size() > kVarcharMaximo) {
                f = formaDeclarada[i];
            } else {
                if (s->size() > kVarcharMaximo)
                    throw ErroBanco(Contexto("Executando", sql), util::W("texto grande demais para o parâmetro :") + nomes[k]);
                unsigned cap = f.tipo == kVarying ? f.comprimento : 0;
                if (cap < s->size()) {
                    cap = 32;
                    while (cap < s->size()) cap *= 2;
                    cap = std::min(cap, kVarcharMaximo);
                }
                f = {kVarying, 0, 0, cap};
            }
        } else if (std::holds_alternative<int64_t>(v)) {
            f = {kInt64, 0, 0, 8};
        } else if (const auto* d = std::get_if<Decimal>(&v)) {
            f = {kInt64, 0, -d->escala, 8};
        } else if (std::holds_alternative<double>(v)) {
            f = {kDouble, 0, 0, 8};
        } else if (std::holds_alternative<util::DataHora>(v)) {
            f = {kTimestamp, 0, 0, 8};
        }
        // nulo: mantém a forma atual
    }
    if (forma != formaAtual || !metaEntrada) {
        IMessageMetadata* declarada = stmt->getInputMetadata(st);
        IMetadataBuilder* b = declarada->getBuilder(st);
        declarada->release();
        for (unsigned i = 0; i < n; ++i) {
            b->setType(st, i, forma[i].tipo + 1);
            b->setSubType(st, i, forma[i].subtipo);
            b->setLength(st, i, forma[i].comprimento);
            b->setScale(st, i, forma[i].escala);
            if (forma[i].tipo == kVarying) b->setCharSet(st, i, 0);
        }
        IMessageMetadata* nova = b->getMetadata(st);
        b->release();
        if (metaEntrada) metaEntrada->release();
        metaEntrada = nova;
        formaAtual = forma;
        bufEntrada.assign(metaEntrada->getMessageLength(st), 0);
    }
    for (unsigned i = 0; i < n; ++i) {
        unsigned char* dado = bufEntrada.data() + metaEntrada->getOffset(st, i);
        auto* nulo = reinterpret_cast<short*>(bufEntrada.data() + metaEntrada->getNullOffset(st, i));
        const Valor& v = valores[nomeDaPosicao[i]];
        *nulo = std::holds_alternative<std::monostate>(v) ? -1 : 0;
        if (const auto* s = std::get_if<std::string>(&v)) {
            if (formaAtual[i].tipo == kBlob) {
                ISC_QUAD id;
                IBlob* blob = tr->banco().rep().att->createBlob(st, tr->rep().tra, &id, 0, nullptr);
                for (size_t p = 0; p < s->size(); p += 32768) {
                    const size_t len = std::min<size_t>(32768, s->size() - p);
                    blob->putSegment(st, static_cast<unsigned>(len), s->data() + p);
                }
                blob->close(st);
                std::memcpy(dado, &id, sizeof id);
            } else {
                const auto len = static_cast<uint16_t>(s->size());
                std::memcpy(dado, &len, 2);
                std::memcpy(dado + 2, s->data(), s->size());
            }
        } else if (const auto* i64 = std::get_if<int64_t>(&v)) {
            std::memcpy(dado, i64, 8);
        } else if (const auto* d = std::get_if<Decimal>(&v)) {
            std::memcpy(dado, &d->valor, 8);
        } else if (const auto* x = std::get_if<double>(&v)) {
            std::memcpy(dado, x, 8);
        } else if (const auto* dh = std::get_if<util::DataHora>(&v)) {
            ISC_TIMESTAMP ts{CodificarData(*dh), CodificarHora(*dh)};
            std::memcpy(dado, &ts, sizeof ts);
        }
    }
}

Consulta::Consulta(Transacao& tr, std::string_view sql) : rep_(std::make_unique<Rep>()) {
    rep_->tr = &tr;
    rep_->sql = std::string(sql);
    const SqlPosicional pos = ConverterParametros(sql);
    for (const std::string& nome : pos.nomes) {
        const auto it = std::find(rep_->nomes.begin(), rep_->nomes.end(), nome);
        rep_->nomeDaPosicao.push_back(it - rep_->nomes.begin());
        if (it == rep_->nomes.end()) rep_->nomes.push_back(nome);
    }
    rep_->valores.resize(rep_->nomes.size());
    rep_->definidos.resize(rep_->nomes.size());
    Chamar([&] { return Contexto("Preparando", sql); }, [&](ThrowStatusWrapper* st) {
        Rep& r = *rep_;
        r.stmt = tr.banco().rep().att->prepare(st, tr.rep().tra, 0, pos.sql.c_str(), 3,
                                               IStatement::PREPARE_PREFETCH_METADATA);
        IMessageMetadata* entrada = r.stmt->getInputMetadata(st);
        for (unsigned i = 0; i < entrada->getCount(st); ++i) {
            Forma f{entrada->getType(st, i) & ~1u, entrada->getSubType(st, i), entrada->getScale(st, i),
                    entrada->getLength(st, i)};
            if (f.tipo == kNull) f = {kVarying, 0, 0, 32};
            r.formaDeclarada.push_back(f);
        }
        entrada->release();
        r.formaAtual = r.formaDeclarada;

        r.metaSaida = r.stmt->getOutputMetadata(st);
        const unsigned n = r.metaSaida->getCount(st);
        r.bufSaida.assign(r.metaSaida->getMessageLength(st), 0);
        r.colunas.resize(n);
        for (unsigned i = 0; i < n; ++i) {
            Coluna& c = r.colunas[i];
            c.nome = r.metaSaida->getAlias(st, i);
            if (c.nome.empty()) c.nome = r.metaSaida->getField(st, i);
            c.tipo = r.metaSaida->getType(st, i) & ~1u;
            c.subtipo = r.metaSaida->getSubType(st, i);
            c.escala = r.metaSaida->getScale(st, i);
            c.comprimento = r.metaSaida->getLength(st, i);
            c.deslocamento = r.metaSaida->getOffset(st, i);
            c.deslocamentoNulo = r.metaSaida->getNullOffset(st, i);
            r.indiceColuna.emplace(c.nome, i);
        }
        for (unsigned i = 0; i < n; ++i) r.colunas[i].primeiraDoNome = r.indiceExato.emplace(r.colunas[i].nome, i).second;
        r.campos.resize(n);
        for (unsigned i = 0; i < n; ++i)
            r.campos[i] = Campo::Rep{&r.colunas[i], &r.bufSaida, &tr.banco(), &r.tr};
        return 0;
    });
    if (rep_->nomeDaPosicao.size() != rep_->formaDeclarada.size())
        throw ErroBanco(Contexto("Preparando", sql), util::W("os parâmetros nomeados não conferem com o comando"));
}

Consulta::Consulta(Consulta&&) noexcept = default;
Consulta::~Consulta() = default;

const std::string& Consulta::Sql() const { return rep_->sql; }

void Consulta::TrocarTransacao(Transacao& tr) {
    Fechar();
    rep_->tr = &tr;
}

static bool MesmoNome(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

static size_t IndiceNome(const Consulta::Rep& r, std::string_view nome) {
    // Os nomes guardados estão em maiúsculas, como quase sempre vêm escritos no código.
    for (size_t k = 0; k < r.nomes.size(); ++k)
        if (r.nomes[k] == nome) return k;
    for (size_t k = 0; k < r.nomes.size(); ++k)
        if (MesmoNome(r.nomes[k], nome)) return k;
    return r.nomes.size();
}

bool Consulta::TemParam(std::string_view nome) const { return IndiceNome(*rep_, nome) < rep_->nomes.size(); }

static Consulta& DefinirParam(Consulta& c, Consulta::Rep& r, std::string_view nome, Valor v) {
    const size_t k = IndiceNome(r, nome);
    if (k == r.nomes.size())
        throw ErroBanco(Contexto("Definindo parâmetro em", r.sql), util::W("o comando não tem o parâmetro :") + Maiusculas(nome));
    r.valores[k] = std::move(v);
    r.definidos[k] = true;
    return c;
}

Consulta& Consulta::Param(std::string_view nome, std::string_view texto) {
    return DefinirParam(*this, *rep_, nome, std::string(texto));
}
Consulta& Consulta::Param(std::string_view nome, int64_t valor) { return DefinirParam(*this, *rep_, nome, valor); }
Consulta& Consulta::Param(std::string_view nome, Decimal valor) { return DefinirParam(*this, *rep_, nome, valor); }
Consulta& Consulta::Param(std::string_view nome, double valor) { return DefinirParam(*this, *rep_, nome, valor); }
Consulta& Consulta::Param(std::string_view nome, const util::DataHora& valor) {
    return DefinirParam(*this, *rep_, nome, valor);
}
Consulta& Consulta::ParamNulo(std::string_view nome) { return DefinirParam(*this, *rep_, nome, std::monostate{}); }

void Consulta::Executar() {
    Fechar();
    Rep& r = *rep_;
    Chamar([&] { return Contexto("Executando", r.sql); }, [&](ThrowStatusWrapper* st) {
        r.MontarEntrada(st);
        r.stmt->execute(st, r.tr->rep().tra, r.metaEntrada, r.bufEntrada.empty() ? nullptr : r.bufEntrada.data(),
                        r.colunas.empty() ? nullptr : r.metaSaida,
                        r.colunas.empty() ? nullptr : r.bufSaida.data());
        return 0;
    });
}

bool Consulta::Proximo() {
    Rep& r = *rep_;
    return Chamar([&] { return Contexto("Lendo", r.sql); }, [&](ThrowStatusWrapper* st) {
        if (!r.cursor) {
            r.MontarEntrada(st);
            r.cursor = r.stmt->openCursor(st, r.tr->rep().tra, r.metaEntrada,
                                          r.bufEntrada.empty() ? nullptr : r.bufEntrada.data(), r.metaSaida, 0);
        }
        if (r.cursor->fetchNext(st, r.bufSaida.data()) == IStatus::RESULT_OK) return true;
        r.cursor->close(st);
        r.cursor = nullptr;
        return false;
    });
}

void Consulta::Fechar() {
    Rep& r = *rep_;
    if (!r.cursor) return;
    IResultSet* c = r.cursor;
    r.cursor = nullptr;
    Chamar([&] { return Contexto("Fechando", r.sql); }, [&](ThrowStatusWrapper* st) {
        c->close(st);
        return 0;
    });
}

bool Consulta::Aberta() const { return rep_->cursor != nullptr; }

Campo Consulta::NaPosicao(size_t posicao) const { return Campo(&rep_->campos.at(posicao)); }

size_t Consulta::QuantidadeColunas() const { return rep_->colunas.size(); }

Campo Consulta::operator[](std::string_view nome) const {
    Rep& r = *rep_;
    size_t i = r.proximaColuna;
    if (i >= r.colunas.size() || r.colunas[i].nome != nome || !r.colunas[i].primeiraDoNome) {
        if (const auto exato = r.indiceExato.find(nome); exato != r.indiceExato.end()) {
            i = exato->second;
        } else {
            const auto it = r.indiceColuna.find(nome);
            if (it == r.indiceColuna.end())
                throw ErroBanco(Contexto("Lendo", r.sql), "a coluna " + std::string(nome) + util::W(" não existe no resultado"));
            i = it->second;
        }
    }
    r.proximaColuna = i + 1;
    return Campo(&r.campos[i]);
}

bool Consulta::TemColuna(std::string_view nome) const { return rep_->indiceColuna.find(nome) != rep_->indiceColuna.end(); }

std::vector<std::string> Consulta::Colunas() const {
    std::vector<std::string> r;
    for (const Coluna& c : rep_->colunas) r.push_back(c.nome);
    return r;
}

int64_t GenId(Transacao& tr, std::string_view gerador, int64_t incremento) {
    for (const char c : gerador)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '$')
            throw ErroBanco("Lendo gerador", util::W("nome de gerador inválido: ") + std::string(gerador));
    Consulta q(tr, "select gen_id(" + std::string(gerador) + ", " + std::to_string(incremento) +
                       ") as VALOR from RDB$DATABASE");
    q.Proximo();
    const int64_t v = q["VALOR"].Inteiro();
    q.Fechar();
    return v;
}

}  // namespace db
