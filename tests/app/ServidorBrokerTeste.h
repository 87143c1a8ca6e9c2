#pragma once
// Servidor de conexões de mentira em 127.0.0.1, numa porta livre, para os testes do cliente.
#include <httplib.h>
#include <zlib.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace teste {

// Corpo como o servidor de conexões manda: início, tamanho, e o JSON mascarado e comprimido.
// 'sobra' acrescenta bytes depois do JSON (o cliente usa só os n primeiros).
inline std::string CodificarRespostaBroker(const std::string& json, uint32_t inicio,
                                           const std::vector<uint8_t>& tabela, const std::string& sobra = "") {
    std::string mascarado = json + sobra;
    for (std::size_t i = 0; i < mascarado.size(); ++i)
        mascarado[i] = static_cast<char>(static_cast<uint8_t>(mascarado[i]) ^ tabela[(inicio + i) % tabela.size()]);
    uLongf tamanho = compressBound(mascarado.size());
    std::string comprimido(tamanho, '\0');
    if (compress2(reinterpret_cast<Bytef*>(comprimido.data()), &tamanho,
                  reinterpret_cast<const Bytef*>(mascarado.data()), mascarado.size(), 9) != Z_OK)
        throw std::runtime_error("compress2");
    comprimido.resize(tamanho);
    std::string corpo;
    for (uint32_t v : {inicio, static_cast<uint32_t>(json.size())})
        for (int i = 0; i < 4; ++i) corpo += static_cast<char>((v >> (8 * i)) & 0xFF);
    return corpo + comprimido;
}

class ServidorBrokerTeste {
public:
    // Responde 'corpo' a quem se autenticar com usuário e senha; os demais recebem 401.
    ServidorBrokerTeste(std::string usuario, std::string senha) : usuario_(std::move(usuario)), senha_(std::move(senha)) {
        servidor_.Get("/services/rest/TAccessMethods/ListDatabases",
                      [this](const httplib::Request& req, httplib::Response& res) {
            ++pedidos;
            const auto esperado = httplib::make_basic_authentication_header(usuario_, senha_);
            if (req.get_header_value(esperado.first.c_str()) != esperado.second) {
                res.status = 401;
                return;
            }
            res.set_content(corpo, "application/octet-stream");
        });
        // Depois do bind a porta já aceita conexões, que esperam na fila até o listen.
        porta_ = servidor_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { servidor_.listen_after_bind(); });
    }
    ~ServidorBrokerTeste() {
        servidor_.stop();
        thread_.join();
    }

    std::string Host() const { return "127.0.0.1:" + std::to_string(porta_); }

    std::string corpo;
    std::atomic<int> pedidos{0};

private:
    std::string usuario_, senha_;
    httplib::Server servidor_;
    int porta_ = 0;
    std::thread thread_;
};

}  // namespace teste
