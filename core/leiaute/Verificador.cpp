#include "core/leiaute/Verificador.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/leiaute/RegrasGuia.h"
#include "util/Texto1252.h"

namespace leiaute {

using interno::Campos;
using interno::Especie;

namespace interno {

const std::string& Molde1252(std::string_view molde) {
    thread_local std::unordered_map<const char*, std::string> convertidos;
    const auto it = convertidos.find(molde.data());
    if (it != convertidos.end()) return it->second;
    return convertidos.emplace(molde.data(), util::W(molde)).first->second;
}

int64_t Centavos(std::string_view v) {
    if (v.empty()) return 0;
    bool negativo = false;
    if (v[0] == '-') negativo = true, v.remove_prefix(1);
    int64_t inteiro = 0, fracao = 0;
    int casas = 0;
    bool virgula = false, resto = false, metade = false, depoisMetade = false;
    for (const char c : v) {
        if (c == ',' && !virgula) {
            virgula = true;
            continue;
        }
        if (c < '0' || c > '9') return 0;
        if (!virgula) {
            inteiro = inteiro * 10 + (c - '0');
        } else if (casas < 2) {
            fracao = fracao * 10 + (c - '0');
            ++casas;
        } else if (casas == 2) {
            metade = c >= '5';
            depoisMetade = c > '5';
            ++casas;
        } else if (c != '0') {
            resto = true;
        }
    }
    while (casas < 2) fracao *= 10, ++casas;
    int64_t r = inteiro * 100 + fracao;
    // Arredonda a terceira casa como o validador (metade para o par).
    if (depoisMetade || (metade && (resto || r % 2 == 1))) ++r;
    return negativo ? -r : r;
}

std::string Dinheiro(int64_t c) {
    const char* sinal = c < 0 ? "-" : "";
    if (c < 0) c = -c;
    return fmt::format("{}{},{:02d}", sinal, c / 100, c % 100);
}

int DataNumero(std::string_view v) {
    if (v.size() != 8) return 0;
    for (const char c : v)
        if (c < '0' || c > '9') return 0;
    const int d = (v[0] - '0') * 10 + (v[1] - '0'), m = (v[2] - '0') * 10 + (v[3] - '0');
    const int a = (v[4] - '0') * 1000 + (v[5] - '0') * 100 + (v[6] - '0') * 10 + (v[7] - '0');
    static constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (a < 1 || m < 1 || m > 12 || d < 1) return 0;
    const bool bissexto = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    if (d > kDias[m - 1] + (m == 2 && bissexto ? 1 : 0)) return 0;
    return a * 10000 + m * 100 + d;
}

bool Zero(std::string_view v) { return v.find_first_not_of("0,-") == std::string_view::npos; }
bool Positivo(std::string_view v) { return !v.empty() && v[0] != '-' && !Zero(v); }

// Módulo 11 com pesos de 2 até 'pesoMaximo', da direita para a esquerda.
static int Modulo11(std::string_view s, int pesoMaximo) {
    int soma = 0, peso = 2;
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        soma += (static_cast<unsigned char>(*it) - 48) * peso;
        peso = peso == pesoMaximo ? 2 : peso + 1;
    }
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

static bool Digito(char c) { return c >= '0' && c <= '9'; }
static bool Alfanumerico(char c) { return Digito(c) || (c >= 'A' && c <= 'Z'); }
static bool Repetido(std::string_view v) {
    return v.find_first_not_of(v[0]) == std::string_view::npos;
}

// O CNPJ alfanumérico (a partir de julho de 2026) entra também: cada caractere vale o código - 48.
bool CnpjValido(std::string_view v) {
    if (v.size() != 14 || Repetido(v)) return false;
    for (size_t k = 0; k < 14; ++k)
        if (k < 12 ? !Alfanumerico(v[k]) : !Digito(v[k])) return false;
    return Modulo11(v.substr(0, 12), 9) == v[12] - '0' &&
           Modulo11(v.substr(0, 13), 9) == v[13] - '0';
}

bool CpfValido(std::string_view v) {
    if (v.size() != 11 || Repetido(v)) return false;
    for (const char c : v)
        if (!Digito(c)) return false;
    return Modulo11(v.substr(0, 9), 99) == v[9] - '0' &&
           Modulo11(v.substr(0, 10), 99) == v[10] - '0';
}

bool ChaveValida(std::string_view v) {
    if (v.size() != 44) return false;
    for (size_t k = 0; k < 44; ++k)
        if ((k >= 6 && k < 18) ? !Alfanumerico(v[k]) : !Digito(v[k])) return false;
    return Modulo11(v.substr(0, 43), 9) == v[43] - '0';
}

size_t Especie::Pos(std::string_view nome) const {
    const auto it = posicao.find(nome);
    return it == posicao.end() ? std::string_view::npos : it->second;
}

}  // namespace interno

namespace {

using interno::Especie;

// Cadastros de códigos únicos e as referências a eles: (registro, campo) → cadastro.
constexpr std::string_view kMestres[] = {"0150", "0190", "0200", "0400", "0450", "0460"};
struct Ref {
    std::string_view registro, campo, mestre;
};
constexpr Ref kReferencias[] = {
    {"C100", "COD_PART", "0150"},      {"C113", "COD_PART", "0150"},
    {"C160", "COD_PART", "0150"},      {"C500", "COD_PART", "0150"},
    {"D100", "COD_PART", "0150"},      {"D500", "COD_PART", "0150"},
    {"H010", "COD_PART", "0150"},      {"K200", "COD_PART", "0150"},
    {"K280", "COD_PART", "0150"},      {"E313", "COD_PART", "0150"},
    {"1601", "COD_PART_IP", "0150"},   {"1601", "COD_PART_IT", "0150"},
    {"C170", "COD_ITEM", "0200"},      {"H010", "COD_ITEM", "0200"},
    {"K200", "COD_ITEM", "0200"},      {"K220", "COD_ITEM_ORI", "0200"},
    {"K220", "COD_ITEM_DEST", "0200"}, {"K230", "COD_ITEM", "0200"},
    {"K235", "COD_ITEM", "0200"},      {"K210", "COD_ITEM_ORI", "0200"},
    {"K215", "COD_ITEM_DEST", "0200"}, {"K280", "COD_ITEM", "0200"},
    {"1400", "COD_ITEM_IPM", "0200"},  {"0210", "COD_ITEM_COMP", "0200"},
    {"C197", "COD_ITEM", "0200"},      {"C170", "UNID", "0190"},
    {"0200", "UNID_INV", "0190"},      {"0220", "UNID_CONV", "0190"},
    {"H010", "UNID", "0190"},          {"C170", "COD_NAT", "0400"},
    {"C110", "COD_INF", "0450"},       {"C195", "COD_OBS", "0460"},
    {"D195", "COD_OBS", "0460"},
};

bool Comeca(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// O cadastro que um campo usa (para os cadastros sem uso).
std::string_view CadastroUsado(std::string_view nome) {
    if (Comeca(nome, "COD_PART")) return "0150";
    if (nome == "UNID" || nome == "UNID_INV" || nome == "UNID_CONV") return "0190";
    if (Comeca(nome, "COD_ITEM") || nome == "COD_INS_SUBST") return "0200";
    if (nome == "COD_NAT") return "0400";
    if (nome == "COD_INF") return "0450";
    if (nome == "COD_OBS" || nome == "COD_INF_OBS") return "0460";
    return {};
}

char Identificacao(std::string_view nome) {
    if (nome == "CNPJ_CPF" || nome == "CPF_CNPJ" || Comeca(nome, "CNPJ_CPF")) return 'a';
    if (Comeca(nome, "CNPJ")) return 'j';
    if (Comeca(nome, "CPF")) return 'f';
    return 0;
}

std::unique_ptr<Especie> MontarEspecie(const Registro& r, int codVer) {
    auto e = std::make_unique<Especie>();
    e->registro = &r;
    e->campos = r.CamposDaVersao(codVer);
    for (size_t k = 0; k < e->campos.size(); ++k) {
        const Campo& c = *e->campos[k];
        e->posicao.emplace(c.nome, k);
        for (const Ref& ref : kReferencias)
            if (ref.registro == r.codigo && ref.campo == c.nome)
                e->referencias.emplace_back(k, ref.mestre);
        const std::string_view m = CadastroUsado(c.nome);
        if (!m.empty() && m != r.codigo && !(r.codigo[0] == '0' && m == "0150"))
            e->usos.emplace_back(k, m);
        if (const char t = Identificacao(c.nome)) e->documentos.emplace_back(k, t);
        if (Comeca(c.nome, "CH") && c.tamanho == 44 && c.tamanhoFixo) e->chaves.push_back(k);
    }
    return e;
}

void Dividir(std::string_view linha, Campos& p) {
    p.clear();
    size_t inicio = 0;
    for (;;) {
        const size_t fim = linha.find('|', inicio);
        if (fim == std::string_view::npos) {
            p.push_back(linha.substr(inicio));
            return;
        }
        p.push_back(linha.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
}

bool SoDigitos(std::string_view v) {
    for (const char c : v)
        if (c < '0' || c > '9') return false;
    return true;
}

// Número com vírgula decimal: -?\d+(,\d+)?
bool NumeroDecimal(std::string_view v) {
    if (!v.empty() && v[0] == '-') v.remove_prefix(1);
    const size_t virgula = v.find(',');
    const std::string_view inteiro = v.substr(0, virgula);
    if (inteiro.empty() || !SoDigitos(inteiro)) return false;
    if (virgula == std::string_view::npos) return true;
    const std::string_view fracao = v.substr(virgula + 1);
    return !fracao.empty() && SoDigitos(fracao);
}

std::string Documento(std::string_view reg, const Especie& e, const Campos& p) {
    auto campo = [&](std::string_view nome) {
        const size_t k = e.Pos(nome);
        return k < p.size() ? p[k] : std::string_view();
    };
    const std::string_view num = campo("NUM_DOC"), oper = campo("IND_OPER");
    const char* tipo = reg == "C100" ? "NF" : reg == "D100" ? "CT" : "Conta";
    if (oper == "1") return interno::Texto("{} saída num. {}", tipo, num);
    if (oper == "0") return interno::Texto("{} entrada num. {}", tipo, num);
    return interno::Texto("{} num. {}", tipo, num);
}

}  // namespace

Verificador::Estado::Estado(const Leiaute& l)
    : leiaute(l), regras(std::make_unique<interno::Regras>(*this)) {}
Verificador::Estado::~Estado() = default;

void Verificador::Estado::Problema(std::string_view tipo, int64_t linha, std::string_view registro,
                                   std::string_view campo, std::string_view valor,
                                   std::string regra, std::string doc) {
    leiaute::Problema p;
    p.linha = linha;
    p.registro = registro;
    p.campo = campo;
    p.valor = valor;
    p.tipo = tipo;
    p.regra = std::move(regra);
    p.documento = doc.empty() && linha == linhaAtual ? documento : std::move(doc);
    problemas.push_back(std::move(p));
}

const Especie* Verificador::Estado::EspecieDe(std::string_view codigo) {
    const auto it = especies.find(codigo);
    if (it != especies.end()) return it->second.get();
    const Registro* r = leiaute.Procurar(codigo);
    std::unique_ptr<Especie> e;
    if (r && !r->campos.empty()) e = MontarEspecie(*r, codVer);
    return especies.emplace(std::string(codigo), std::move(e)).first->second.get();
}

void Verificador::Estado::Processar(std::string_view linha) {
    ++fisica;
    if (fim) return;
    if (fisica == 1 && Comeca(linha, "\xEF\xBB\xBF")) {
        Problema("bom", 1, "", "", "", util::W("o arquivo começa com a marca de UTF-8 (BOM)"));
        linha.remove_prefix(3);
    }
    if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
    linhaAtual = fisica;
    if (linha.find('\r') != std::string_view::npos)
        Problema("fim_linha", fisica, "", "", "", util::W("CR solto dentro da linha"));
    if (linha.empty()) {
        Problema("linha_vazia", fisica, "", "", "", util::W("linha vazia"));
        return;
    }
    if (!codificacao) {
        for (size_t k = 0; k + 1 < linha.size(); ++k) {
            const unsigned char a = linha[k], b = linha[k + 1];
            if ((a == 0xC3 || a == 0xC2) && b >= 0x80 && b <= 0xBF) {
                codificacao = true;
                Problema("codificacao", fisica, "", "", "",
                         util::W("texto que parece UTF-8 (o arquivo deve ser Windows-1252)"));
                break;
            }
        }
    }
    ++lidas;
    ultima9999 = Comeca(linha, "|9999|");
    if (ultima9999) fim = true;
    if (linha.size() < 6 || linha.front() != '|' || linha.back() != '|') {
        Problema("delimitadores", fisica, "", "", linha.substr(0, 40),
                 util::W("a linha deve começar e terminar com \"|\""));
        regras->Quebrada();
        return;
    }
    interno::Campos& p = campos;
    Dividir(linha.substr(1, linha.size() - 2), p);
    const std::string_view reg = p[0];
    if (const auto it = contagem.find(reg); it != contagem.end())
        ++it->second;
    else
        contagem.emplace(std::string(reg), 1);
    const char bloco = reg.empty() ? '\0' : reg[0];
    ++linhasBloco[static_cast<unsigned char>(bloco)];
    if (codVer == 0) {
        if (reg == "0000" && p.size() > 1 && !p[1].empty() && SoDigitos(p[1])) {
            codVer = std::stoi(std::string(p[1]));
            regras->codVer = codVer;
            especies.clear();
        } else if (fisica == 1) {
            Problema("primeira_linha", 1, reg, "", "",
                     util::W("a primeira linha deve ser o registro 0000"));
        }
    }
    const Especie* e = EspecieDe(reg);
    if (!e) {
        Problema("registro_inexistente", fisica, reg, "", "",
                 util::W("registro que não existe no leiaute"));
        return;
    }
    const Registro& r = *e->registro;
    if (codVer && codVer > r.ateVersao)
        Problema("registro_extinto", fisica, reg, "", "",
                 interno::Texto("registro que não existe mais no leiaute {:03d}", codVer));
    if (codVer && codVer < r.desdeVersao)
        Problema("registro_futuro", fisica, reg, "", "",
                 interno::Texto("registro que ainda não existe no leiaute {:03d}", codVer));
    const int b = static_cast<int>(Leiaute::kOrdemBlocos.find(bloco));
    if (b < ultimoBloco)
        Problema("ordem_blocos", fisica, reg, "", "",
                 interno::Texto("registro depois do bloco {}", Leiaute::kOrdemBlocos[ultimoBloco]));
    ultimoBloco = std::max(ultimoBloco, b);
    // Documento da linha: o C100, C500 ou D100 aberto.
    if (reg == "C100" || reg == "C500" || reg == "D100")
        documento = Documento(reg, *e, p);
    else if (r.nivel >= 0 && r.nivel <= 2)
        documento.clear();
    if (r.nivel >= 0) {
        while (!pilha.empty() && pilha.back().nivel >= r.nivel) pilha.pop_back();
        if (!r.pai.empty() && (pilha.empty() || pilha.back().codigo != r.pai))
            Problema("hierarquia", fisica, reg, "", "",
                     interno::Texto("o registro deve vir sob um {} (aberto: {})", r.pai,
                                    pilha.empty() ? "nenhum" : pilha.back().codigo));
        if (r.umPorPai) {
            std::vector<std::string>& vistos = pilha.empty() ? unicosSemPai : pilha.back().unicos;
            if (std::find(vistos.begin(), vistos.end(), reg) != vistos.end())
                Problema("ocorrencia", fisica, reg, "", "",
                         util::W("registro repetido sob o mesmo pai (ocorrência 1:1)"));
            else
                vistos.emplace_back(reg);
        }
        pilha.push_back({std::string(reg), r.nivel, fisica, {}});
        regras->AbrirNivel(r.nivel, reg, fisica);
    }
    if (p.size() != e->campos.size()) {
        Problema("qtd_campos", fisica, reg, "", "",
                 interno::Texto("{} campos; o leiaute {:03d} tem {}", p.size(), codVer,
                                e->campos.size()));
        regras->Quebrada();
        return;
    }
    ConferirCampos(*e, p);
    if (reg.size() == 4 && reg.substr(1) == "001" && p.size() == 2)
        indMov[bloco] = {fisica, std::string(p[1])};
    if (reg == "9900" && p.size() == 3) {
        if (!n9900.emplace(std::string(p[1]), std::string(p[2])).second) {
            Problema("9900", fisica, reg, "REG_BLC", p[1],
                     util::W("segundo 9900 para o mesmo registro"));
            n9900[std::string(p[1])] = p[2];
        }
    } else if (reg.size() == 4 && reg.substr(1) == "990" && reg != "9990" && p.size() == 2) {
        n990.push_back({bloco, {fisica, std::string(p[1])}});
    } else if (reg == "9990" && p.size() == 2) {
        n9990 = p[1];
        tem9990 = true;
    } else if (reg == "9999" && p.size() == 2) {
        n9999 = p[1];
        tem9999 = true;
    }
}

void Verificador::Estado::ConferirCampos(const Especie& e, const interno::Campos& p) {
    const std::string_view reg = p[0];
    const bool reduzido = (reg == "C100" || reg == "D100") && p.size() > 5 &&
                          (p[5] == "02" || p[5] == "03" || p[5] == "04" || p[5] == "05");
    const bool consumidor = reg == "C100" && p.size() > 4 && p[4] == "65";
    for (size_t k = 0; k < p.size(); ++k) {
        const Campo& c = *e.campos[k];
        const std::string_view v = p[k];
        if (v.empty()) {
            if (c.obrigatorio && !reduzido && !(consumidor && c.nome == "COD_PART"))
                Problema("obrigatorio", fisica, reg, c.nome, v,
                         util::W("campo obrigatório em branco"));
            continue;
        }
        if (c.tipo == 'D') {
            if (!interno::DataNumero(v))
                Problema("data", fisica, reg, c.nome, v, util::W("data inválida (ddmmaaaa)"));
            continue;
        }
        if (c.tipo == 'N') {
            if (c.decimais) {
                if (!NumeroDecimal(v)) {
                    Problema("numero", fisica, reg, c.nome, v,
                             util::W("número inválido (vírgula decimal)"));
                    continue;
                }
                const size_t virgula = v.find(',');
                if (virgula != std::string_view::npos &&
                    v.size() - virgula - 1 > static_cast<size_t>(c.decimais))
                    Problema("decimais", fisica, reg, c.nome, v,
                             interno::Texto("mais de {} casas decimais", c.decimais));
                std::string_view inteiro = v.substr(0, virgula);
                if (!inteiro.empty() && inteiro[0] == '-') inteiro.remove_prefix(1);
                if (c.tamanho && inteiro.size() > static_cast<size_t>(c.tamanho))
                    Problema("tamanho_max", fisica, reg, c.nome, v,
                             interno::Texto("mais de {} algarismos na parte inteira", c.tamanho));
                continue;
            }
            if (!SoDigitos(v)) {
                Problema("numero", fisica, reg, c.nome, v, util::W("deve ter só algarismos"));
                continue;
            }
        }
        if (c.tamanho) {
            if (c.tamanhoFixo && v.size() != static_cast<size_t>(c.tamanho))
                Problema("tamanho_fixo", fisica, reg, c.nome, v,
                         interno::Texto("deve ter {} caracteres", c.tamanho));
            else if (v.size() > static_cast<size_t>(c.tamanho))
                Problema("tamanho_max", fisica, reg, c.nome, v,
                         interno::Texto("{} caracteres, o máximo é {}", v.size(), c.tamanho));
        }
        if (!c.valores.empty() &&
            std::find(c.valores.begin(), c.valores.end(), v) == c.valores.end()) {
            std::string lista;
            for (const std::string& x : c.valores) lista += (lista.empty() ? "" : ", ") + x;
            Problema("valores_validos", fisica, reg, c.nome, v,
                     interno::Texto("valor fora da lista ({})", lista));
        }
    }
    if (std::find(std::begin(kMestres), std::end(kMestres), reg) != std::end(kMestres)) {
        auto& m = mestres[std::string(reg)];
        if (!m.emplace(std::string(p[1]), Mestre{fisica}).second)
            Problema("mestre_duplicado", fisica, reg, e.campos[1]->nome, p[1],
                     util::W("código já informado antes"));
    }
    for (const auto& [k, mestre] : e.referencias) {
        if (p[k].empty()) continue;
        const auto it = mestres.find(mestre);
        if (it == mestres.end() || !it->second.count(p[k]))
            referenciasPendentes.push_back({fisica, std::string(reg), e.campos[k]->nome,
                                            std::string(p[k]), mestre, documento});
    }
    for (const auto& [k, mestre] : e.usos) {
        if (p[k].empty()) continue;
        const auto it = mestres.find(mestre);
        if (it != mestres.end())
            if (const auto m = it->second.find(p[k]); m != it->second.end()) {
                m->second.usado = true;
                continue;
            }
        usosAntecipados[mestre].emplace(p[k]);
    }
    regras->Linha(reg, fisica, p, e);
}

void Verificador::Estado::Concluir() {
    linhaAtual = -1;
    documento.clear();
    for (const Referencia& r : referenciasPendentes) {
        const auto it = mestres.find(r.mestre);
        if (it == mestres.end() || !it->second.count(r.valor))
            Problema("referencia", r.linha, r.registro, r.campo, r.valor,
                     interno::Texto("código sem o registro {} correspondente", r.mestre),
                     r.documento);
    }
    for (const auto& [bloco, lv] : n990) {
        const std::string esperado = std::to_string(linhasBloco[static_cast<unsigned char>(bloco)]);
        if (lv.second != esperado)
            Problema("contagem_bloco", lv.first, std::string(1, bloco) + "990", "", lv.second,
                     interno::Texto("o bloco tem {} linhas", esperado));
    }
    std::string necessarios = "0CDEH19";
    if (codVer == 0 || codVer >= 4) necessarios += 'G';
    if (codVer == 0 || codVer >= 11) necessarios += 'K';
    if (codVer == 0 || codVer >= 13) necessarios += 'B';
    for (const char b : necessarios)
        if (!linhasBloco[static_cast<unsigned char>(b)])
            Problema("bloco_ausente", 0, "", "", std::string(1, b),
                     interno::Texto("o bloco {} não está no arquivo", b));
    std::string blocos;
    for (const auto& [reg, n] : contagem)
        if (!reg.empty() && blocos.find(reg[0]) == std::string::npos) blocos += reg[0];
    std::sort(blocos.begin(), blocos.end());
    for (const char b : blocos) {
        if (b == '9') continue;
        const std::string s(1, b);
        if (!contagem.count(s + "001"))
            Problema("abertura_bloco", 0, s + "001", "", "",
                     interno::Texto("o bloco {} não tem o {}001", b, b));
        if (!contagem.count(s + "990"))
            Problema("encerramento_bloco", 0, s + "990", "", "",
                     interno::Texto("o bloco {} não tem o {}990", b, b));
    }
    std::vector<std::pair<std::string, int64_t>> codigos(contagem.begin(), contagem.end());
    std::sort(codigos.begin(), codigos.end());
    for (const auto& [reg, n] : codigos) {
        const auto it = n9900.find(reg);
        if (it == n9900.end() || it->second != std::to_string(n))
            Problema("9900", 0, "9900", "REG_BLC", reg,
                     interno::Texto("{} linhas {}, o 9900 diz {}", n, reg,
                                    it == n9900.end() ? "nada" : it->second));
    }
    for (const auto& [reg, n] : n9900)
        if (!contagem.count(reg))
            Problema("9900", 0, "9900", "REG_BLC", reg,
                     util::W("o 9900 cita um registro que não está no arquivo"));
    const std::string linhas9 = std::to_string(linhasBloco[static_cast<unsigned char>('9')]);
    if (tem9990 && n9990 != linhas9)
        Problema("9990", 0, "9990", "QTD_LIN_9", n9990,
                 interno::Texto("o bloco 9 tem {} linhas", linhas9));
    if (!tem9999)
        Problema("9999", 0, "9999", "", "", util::W("o arquivo não tem o 9999"));
    else if (n9999 != std::to_string(lidas))
        Problema("9999", 0, "9999", "QTD_LIN", n9999,
                 interno::Texto("o arquivo tem {} linhas", lidas));
    if (lidas && !ultima9999)
        Problema("9999", 0, "9999", "", "", util::W("a última linha não é o 9999"));
    if (contagem.size()) regras->Fim();
    std::stable_sort(
        problemas.begin(), problemas.end(),
        [](const leiaute::Problema& a, const leiaute::Problema& b) { return a.linha < b.linha; });
}

Verificador::Verificador(const Leiaute& l) : e_(std::make_unique<Estado>(l)) {}
Verificador::~Verificador() = default;

void Verificador::Linha(std::string_view linha) { e_->Processar(linha); }

void Verificador::UltimaSemFim(std::string_view linha) {
    const bool depoisDo9999 = e_->fim;
    e_->Processar(linha);
    if (!depoisDo9999)
        e_->Problema("fim_linha", e_->fisica, "", "", "",
                     util::W("a última linha não termina com quebra de linha"));
}

std::vector<Problema> Verificador::Concluir() {
    e_->Concluir();
    return std::move(e_->problemas);
}

std::string Descrever(const Problema& p) {
    std::string assunto = p.registro;
    auto juntar = [&](const std::string& parte) {
        assunto += (assunto.empty() ? "" : " ") + parte;
    };
    if (!p.campo.empty())
        juntar(p.valor.empty() ? p.campo : p.campo + "=\"" + p.valor + "\"");
    else if (!p.valor.empty())
        juntar("\"" + p.valor + "\"");
    std::string s = p.linha ? fmt::format("linha {}: ", p.linha) : std::string("arquivo: ");
    if (!assunto.empty()) s += assunto + ": ";
    s += p.regra;
    if (!p.documento.empty()) s += " (" + p.documento + ")";
    return s;
}

std::vector<Problema> VerificarArquivo(const std::filesystem::path& arquivo) {
    std::FILE* f = std::fopen(arquivo.c_str(), "rb");
    if (!f)
        throw ArquivoIlegivel(interno::Texto("Não foi possível ler o arquivo {}: {}",
                                             arquivo.string(), std::strerror(errno)));
    Verificador v;
    std::vector<char> bloco(1 << 20);
    std::string resto;
    size_t n;
    while ((n = std::fread(bloco.data(), 1, bloco.size(), f)) > 0) {
        std::string_view dados(bloco.data(), n);
        size_t inicio = 0;
        for (size_t fim; (fim = dados.find('\n', inicio)) != std::string_view::npos;
             inicio = fim + 1) {
            if (resto.empty()) {
                v.Linha(dados.substr(inicio, fim - inicio));
            } else {
                resto.append(dados.substr(inicio, fim - inicio));
                v.Linha(resto);
                resto.clear();
            }
        }
        resto.append(dados.substr(inicio));
    }
    const bool erro = std::ferror(f);
    std::fclose(f);
    if (erro) throw ArquivoIlegivel(interno::Texto("Falha ao ler o arquivo {}", arquivo.string()));
    if (!resto.empty()) v.UltimaSemFim(resto);
    return v.Concluir();
}

}  // namespace leiaute
