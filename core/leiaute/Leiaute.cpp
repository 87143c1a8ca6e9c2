#include "core/leiaute/Leiaute.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

extern const char* const kLeiauteJson;  // leiaute-020.json compilado (LeiauteEmbutido.cpp)

namespace leiaute {

namespace {

bool Comeca(std::string_view s, std::string_view prefixo) {
    return s.substr(0, prefixo.size()) == prefixo;
}

// Campos que entraram no leiaute numa versão: (registro, campo) → primeiro COD_VER.
struct CampoNovo {
    std::string_view registro, campo;
    int versao;
};
constexpr CampoNovo kCamposNovos[] = {
    {"0200", "CEST", 11},
    {"C113", "CHV_DOCE", 11},
    {"D100", "COD_MUN_ORIG", 12},
    {"D100", "COD_MUN_DEST", 12},
    {"C170", "VL_ABAT_NT", 13},
    {"1010", "IND_GIAF1", 13},
    {"1010", "IND_GIAF3", 13},
    {"1010", "IND_GIAF4", 13},
    {"1010", "IND_REST_RESSARC_COMPL_ICMS", 14},
    {"0220", "COD_BARRA", 16},
    {"1310", "CAP_TANQUE", 20},
    {"E116", "MES_REF", 4},
    {"C500", "CHV_DOCE", 14},
    {"C500", "FIN_DOCE", 14},
    {"C500", "CHV_DOCE_REF", 14},
    {"C500", "IND_DEST", 14},
    {"C500", "COD_MUN_DEST", 14},
    {"C500", "COD_CTA", 14},
    {"C500", "COD_MOD_DOC_REF", 16},
    {"C500", "HASH_DOC_REF", 16},
    {"C500", "SER_DOC_REF", 16},
    {"C500", "NUM_DOC_REF", 16},
    {"C500", "MES_DOC_REF", 16},
    {"C500", "ENER_INJET", 16},
    {"C500", "OUTRAS_DED", 16},
};
// Registros que saíram (último COD_VER) e que entraram (primeiro COD_VER).
struct Vigencia {
    std::string_view registro;
    int desde, ate;
};
constexpr Vigencia kVigencias[] = {
    {"0210", 0, 15},   {"1600", 0, 15},   {"0002", 14, 999},
    {"1601", 16, 999}, {"0221", 17, 999}, {"K010", 17, 999},
};
// Pais dos registros antigos, que o histórico não traz.
constexpr std::pair<std::string_view, std::string_view> kPaisHistoricos[] = {{"0210", "0200"},
                                                                             {"1600", "1001"}};

Campo LerCampo(const nlohmann::json& j, std::string_view registro) {
    Campo c;
    c.nome = j.at("name").get<std::string>();
    c.tipo = j.at("type").get<std::string>().at(0);
    if (j.contains("size") && !j["size"].is_null()) c.tamanho = j["size"].get<int>();
    c.tamanhoFixo = j.value("size_fixed", false);
    if (j.contains("decimals") && !j["decimals"].is_null()) c.decimais = j["decimals"].get<int>();
    c.obrigatorio = j.value("obrig", std::string()) == "O";
    // REG_BLC lista códigos de registro no descritor, mas vale qualquer registro do arquivo.
    if (j.contains("valid_values") && j["valid_values"].is_string() && c.nome != "REG_BLC") {
        const std::string lista = j["valid_values"].get<std::string>();
        size_t inicio = 0;
        while (inicio <= lista.size()) {
            size_t fim = lista.find(';', inicio);
            if (fim == std::string::npos) fim = lista.size();
            std::string item = lista.substr(inicio, fim - inicio);
            item = item.substr(0, item.find('='));
            while (!item.empty() && item.back() == ' ') item.pop_back();
            while (!item.empty() && item.front() == ' ') item.erase(0, 1);
            if (!item.empty()) c.valores.push_back(item);
            inicio = fim + 1;
        }
    }
    for (const CampoNovo& n : kCamposNovos)
        if (n.registro == registro && n.campo == c.nome) c.desdeVersao = n.versao;
    return c;
}

Registro LerRegistro(const std::string& codigo, const nlohmann::json& j, bool historico) {
    Registro r;
    r.codigo = codigo;
    if (j.contains("fields"))
        for (const auto& f : j["fields"]) r.campos.push_back(LerCampo(f, codigo));
    if (historico) {
        if (j.contains("level") && !j["level"].is_null())
            r.nivel = std::stoi(j["level"].get<std::string>());
        for (const auto& [filho, pai] : kPaisHistoricos)
            if (filho == codigo) r.pai = pai;
    } else {
        r.nivel = j.value("level", -1);
        if (j.contains("parent") && j["parent"].is_string()) r.pai = j["parent"].get<std::string>();
        r.umPorPai = j.value("occurrence", std::string()) == "1:1";
    }
    for (const Vigencia& v : kVigencias)
        if (v.registro == codigo) r.desdeVersao = v.desde, r.ateVersao = v.ate;
    return r;
}

}  // namespace

bool Campo::TextoLivre() const {
    if (tipo != 'C') return false;
    static constexpr std::string_view kNomes[] = {"NOME",  "END",    "ENDERECO", "NUM",
                                                  "COMPL", "BAIRRO", "FANTASIA"};
    for (const std::string_view n : kNomes)
        if (nome == n) return true;
    return Comeca(nome, "NOME") || Comeca(nome, "NOM_") || Comeca(nome, "DESCR") ||
           Comeca(nome, "TXT");
}

bool Campo::SoAlgarismos() const {
    if (tipo == 'N') return decimais == 0;
    static constexpr std::string_view kNomes[] = {"CNPJ",    "CPF",     "CEP",  "FONE", "FAX",
                                                  "COD_MUN", "COD_NCM", "CEST", "IE"};
    for (const std::string_view n : kNomes)
        if (nome == n) return true;
    return Comeca(nome, "CNPJ") || Comeca(nome, "CPF") ||
           (tamanho == 44 && tamanhoFixo && Comeca(nome, "CH"));
}

std::vector<const Campo*> Registro::CamposDaVersao(int codVer) const {
    std::vector<const Campo*> r;
    r.reserve(campos.size());
    for (const Campo& c : campos)
        if (codVer == 0 || c.desdeVersao <= codVer) r.push_back(&c);
    return r;
}

Leiaute Leiaute::DeJson(std::string_view texto) {
    const nlohmann::json j = nlohmann::json::parse(texto);
    Leiaute l;
    l.versao_ = std::stoi(j.at("meta").at("cod_ver").get<std::string>());
    for (const auto& [codigo, r] : j.at("registers").items())
        l.registros_.emplace(codigo, LerRegistro(codigo, r, false));
    if (j.contains("historical_registers"))
        for (const auto& [codigo, r] : j["historical_registers"].items())
            if (!l.registros_.count(codigo))
                l.registros_.emplace(codigo, LerRegistro(codigo, r, true));
    return l;
}

const Leiaute& Leiaute::Oficial() {
    static const Leiaute oficial = DeJson(kLeiauteJson);
    return oficial;
}

const Registro* Leiaute::Procurar(std::string_view codigo) const {
    const auto it = registros_.find(codigo);
    return it == registros_.end() ? nullptr : &it->second;
}

}  // namespace leiaute
