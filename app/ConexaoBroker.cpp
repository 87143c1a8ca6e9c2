#include "app/ConexaoBroker.h"

#include <httplib.h>
#include <zlib.h>

#include <charconv>
#include <nlohmann/json.hpp>

#include "util/Texto1252.h"

namespace app {

namespace {

constexpr const char* kCaminhoListDatabases = "/services/rest/TAccessMethods/ListDatabases";
// Uma lista de bancos tem poucos kB; o limite só protege contra um tamanho absurdo no cabeçalho.
constexpr uint32_t kTamanhoMaximoJson = 16u << 20;

uint32_t Uint32LE(std::string_view s) {
    return static_cast<uint32_t>(static_cast<unsigned char>(s[0])) |
           static_cast<uint32_t>(static_cast<unsigned char>(s[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[3])) << 24;
}

[[noreturn]] void RespostaInvalida(const std::string& detalhe) {
    throw ErroBroker(util::W("O servidor de conexões enviou uma resposta inválida (") + detalhe +
                     util::W("). Tente de novo; se continuar, avise o suporte."));
}

// Os primeiros 'tamanho' bytes descomprimidos do fluxo zlib.
std::string Descomprimir(std::string_view fluxo, uint32_t tamanho) {
    std::string saida(tamanho, '\0');
    z_stream z{};
    if (inflateInit(&z) != Z_OK) RespostaInvalida("zlib: " + std::string(z.msg ? z.msg : "falha ao iniciar"));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(fluxo.data()));
    z.avail_in = static_cast<uInt>(fluxo.size());
    z.next_out = reinterpret_cast<Bytef*>(saida.data());
    z.avail_out = static_cast<uInt>(saida.size());
    int r = Z_OK;
    while (z.avail_out > 0 && r == Z_OK) r = inflate(&z, Z_NO_FLUSH);
    const std::string erro = z.msg ? z.msg : "";
    const uLong produzidos = z.total_out;
    inflateEnd(&z);
    if (r != Z_OK && r != Z_STREAM_END && r != Z_BUF_ERROR)
        RespostaInvalida(util::W("dados comprimidos corrompidos: ") + erro);
    if (produzidos < tamanho)
        RespostaInvalida(util::W("dados comprimidos incompletos: ") + std::to_string(produzidos) + " de " +
                         std::to_string(tamanho) + " bytes");
    return saida;
}

std::string Texto1252(const nlohmann::json& banco, const char* campo) {
    const auto it = banco.find(campo);
    if (it == banco.end() || it->is_null()) return {};
    return util::Utf8Para1252(it->get<std::string>());
}

}  // namespace

EnderecoBroker LerEnderecoBroker(std::string_view host) {
    EnderecoBroker e;
    const auto doisPontos = host.find(':');
    e.host = std::string(host.substr(0, doisPontos));
    if (doisPontos == std::string_view::npos) return e;
    const std::string_view porta = host.substr(doisPontos + 1);
    int n = 0;
    const auto [fim, ec] = std::from_chars(porta.data(), porta.data() + porta.size(), n);
    if (ec == std::errc() && fim == porta.data() + porta.size() && n > 0 && n <= 65535) e.porta = n;
    return e;
}

TipoBanco TipoBancoDaLetra(std::string_view letra) {
    static constexpr std::string_view kLetras = "GAOCFX";
    if (letra.size() != 1) return TipoBanco::Desconhecido;
    const auto i = kLetras.find(letra[0]);
    return i == std::string_view::npos ? TipoBanco::Desconhecido : static_cast<TipoBanco>(i);
}

std::string DecodificarRespostaBroker(std::string_view corpo, const std::vector<uint8_t>& tabelaChave) {
    if (corpo.size() < 8) RespostaInvalida(util::W("só ") + std::to_string(corpo.size()) + util::W(" bytes"));
    const uint32_t inicio = Uint32LE(corpo.substr(0, 4));
    const uint32_t tamanho = Uint32LE(corpo.substr(4, 4));
    if (tabelaChave.empty() || inicio >= tabelaChave.size())
        RespostaInvalida(util::W("início da chave ") + std::to_string(inicio) + util::W(" fora da tabela"));
    if (tamanho > kTamanhoMaximoJson) RespostaInvalida("tamanho " + std::to_string(tamanho));
    std::string json = Descomprimir(corpo.substr(8), tamanho);
    std::size_t k = inicio;
    for (char& c : json) {
        c = static_cast<char>(static_cast<uint8_t>(c) ^ tabelaChave[k]);
        k = (k + 1) % tabelaChave.size();
    }
    return json;
}

std::vector<TCompanyInfo> LerEmpresasBroker(std::string_view json) {
    try {
        const nlohmann::json lista = nlohmann::json::parse(json);
        if (!lista.is_array()) RespostaInvalida(util::W("a lista de empresas não é um array JSON"));
        std::vector<TCompanyInfo> empresas;
        for (const auto& e : lista) {
            if (!e.is_object()) RespostaInvalida(util::W("uma empresa não é um objeto JSON"));
            TCompanyInfo empresa;
            const auto bancos = e.find("bancos");
            if (bancos != e.end() && !bancos->is_null()) {
                if (!bancos->is_array()) RespostaInvalida(util::W("\"bancos\" não é um array JSON"));
                for (const auto& b : *bancos) {
                    if (!b.is_object()) RespostaInvalida(util::W("um banco não é um objeto JSON"));
                    empresa.bancos.push_back(
                        {Texto1252(b, "host"), Texto1252(b, "password"), TipoBancoDaLetra(Texto1252(b, "type"))});
                }
            }
            empresas.push_back(std::move(empresa));
        }
        return empresas;
    } catch (const nlohmann::json::exception& e) {
        RespostaInvalida(std::string("JSON: ") + e.what());
    }
}

BancosEmpresa SelecionarBancos(const std::vector<TCompanyInfo>& empresas) {
    if (empresas.empty())
        throw ErroBroker(util::W("O servidor de conexões não informou nenhuma empresa. Confira o cadastro da "
                                 "instalação no servidor de conexões."));
    const auto& bancos = empresas.front().bancos;
    auto primeiro = [&](TipoBanco tipo) -> const TDatabaseInfo* {
        for (const auto& b : bancos)
            if (b.tipo == tipo) return &b;
        return nullptr;
    };
    const TDatabaseInfo* g = primeiro(TipoBanco::G);
    if (!g)
        throw ErroBroker(util::W("A empresa não está configurada no servidor de conexões (nenhum banco de tipo "
                                 "\"G\"). Confira o cadastro da instalação no servidor de conexões."));
    BancosEmpresa r{*g, std::nullopt};
    if (const TDatabaseInfo* a = primeiro(TipoBanco::A)) r.erp = *a;
    return r;
}

TVEXConnection::TVEXConnection(std::string usuario, std::string chaveSistema, std::vector<uint8_t> tabelaChave)
    : usuario_(std::move(usuario)), chaveSistema_(std::move(chaveSistema)), tabelaChave_(std::move(tabelaChave)) {}

std::vector<TCompanyInfo> TVEXConnection::ListarBancos() const {
    const std::string onde = endereco_.host + ":" + std::to_string(endereco_.porta);
    httplib::Client cliente(endereco_.host, endereco_.porta);
    cliente.set_basic_auth(usuario_.c_str(), chaveSistema_.c_str());
    const auto segundos = static_cast<time_t>(tempoLimite_.count() / 1000);
    const auto microssegundos = static_cast<time_t>(tempoLimite_.count() % 1000 * 1000);
    cliente.set_connection_timeout(segundos, microssegundos);
    cliente.set_read_timeout(segundos, microssegundos);
    cliente.set_write_timeout(segundos, microssegundos);
    const httplib::Result r = cliente.Get(kCaminhoListDatabases);
    if (!r)
        throw ErroBroker(util::W("Não foi possível consultar o servidor de conexões em ") + onde + " (" +
                         httplib::to_string(r.error()) +
                         util::W("). Confira o HOST da seção [VEXSERVER] de Parametros.Ini e a rede."));
    if (r->status == 401 || r->status == 403)
        throw ErroBroker(util::W("O servidor de conexões em ") + onde + util::W(" recusou o usuário e a chave do "
                                                                              "sistema (HTTP ") +
                         std::to_string(r->status) + util::W("). Confira a seção [Broker] de Segredos.ini."));
    if (r->status != 200)
        throw ErroBroker(util::W("O servidor de conexões em ") + onde + util::W(" respondeu HTTP ") +
                         std::to_string(r->status) + util::W(". Tente de novo; se continuar, avise o suporte."));
    return LerEmpresasBroker(DecodificarRespostaBroker(r->body, tabelaChave_));
}

}  // namespace app
