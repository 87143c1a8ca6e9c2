#include "app/atualizacao/ConsultarVersao.h"

#include <httplib.h>

#include <stdexcept>

#include "util/Texto1252.h"

namespace app {

namespace {

constexpr const char* kCaminhoVersao = "/services/index.php/versao/listar";
constexpr int kSegundosEspera = 5;

// "http://servidor:porta/prefixo" em "http://servidor:porta" e "/prefixo".
std::pair<std::string, std::string> SepararEndereco(std::string_view url) {
    while (url.ends_with('/')) url.remove_suffix(1);
    const size_t esquema = url.find("://");
    const size_t barra = url.find('/', esquema == std::string_view::npos ? 0 : esquema + 3);
    if (barra == std::string_view::npos) return {std::string(url), ""};
    return {std::string(url.substr(0, barra)), std::string(url.substr(barra))};
}

std::string Perguntar(std::string_view urlServico, std::string_view programa) {
    const auto [servidor, prefixo] = SepararEndereco(urlServico);
    httplib::Client cliente(servidor);
    if (!cliente.is_valid())
        throw std::runtime_error(util::W("Endereço do serviço de atualização inválido: ") +
                                 std::string(urlServico));
    cliente.set_connection_timeout(kSegundosEspera);
    cliente.set_read_timeout(kSegundosEspera);
    const std::string caminho = prefixo + kCaminhoVersao + "?programa=" + std::string(programa);
    const httplib::Result r = cliente.Get(caminho);
    if (!r)
        throw std::runtime_error(util::W("Consulta de versão em ") + servidor + caminho + ": " +
                                 httplib::to_string(r.error()));
    if (r->status != 200)
        throw std::runtime_error(util::W("Consulta de versão em ") + servidor + caminho +
                                 ": HTTP " + std::to_string(r->status));
    return r->body;
}

}  // namespace

std::string ConsultarVersao(std::string_view urlServico, std::string_view programa,
                            std::string_view versaoPropria, const RegistroLog& registrarLog) {
    try {
        return Perguntar(urlServico, programa);
    } catch (const std::exception& e) {
        registrarLog(e.what());
        return "\"" + std::string(versaoPropria) + "\"";
    }
}

}  // namespace app
