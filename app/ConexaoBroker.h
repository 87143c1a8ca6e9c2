#pragma once
// TVEXConnection: cliente do servidor de conexões do fabricante, que informa os bancos de uma
// instalação. Só o que a conexão precisa: a lista de bancos da primeira empresa.
#include <cstdint>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Qualquer falha ao consultar o servidor de conexões (rede, autenticação, resposta malformada,
// empresa ou banco ausentes). A mensagem vai para o usuário com o título "Falha ao conectar.".
class ErroBroker : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct EnderecoBroker {
    std::string host;
    int porta = 8080;
};
// HOST de Parametros.Ini dividido no primeiro ":"; porta ausente ou não numérica dá 8080.
EnderecoBroker LerEnderecoBroker(std::string_view host);

// Letras do campo "type", na ordem dos códigos 0 a 5.
enum class TipoBanco { G, A, O, C, F, X, Desconhecido };
TipoBanco TipoBancoDaLetra(std::string_view letra);

struct TDatabaseInfo {
    std::string host;      // caminho do banco (conexão Firebird)
    std::string password;
    TipoBanco tipo = TipoBanco::Desconhecido;
};
struct TCompanyInfo {
    std::vector<TDatabaseInfo> bancos;
};

// Corpo da resposta: início (32 bits little-endian), tamanho n (idem) e um fluxo zlib. O que o
// zlib devolve sai do XOR com a tabela de chave a partir do início (voltando a 0 depois de 4095);
// os primeiros n bytes são o JSON. Lança ErroBroker quando o corpo está truncado ou corrompido.
std::string DecodificarRespostaBroker(std::string_view corpo, const std::vector<uint8_t>& tabelaChave);
// O JSON: lista de empresas, cada uma com "bancos" (host, password, type). Lança ErroBroker.
std::vector<TCompanyInfo> LerEmpresasBroker(std::string_view json);

// Bancos escolhidos da primeira empresa: o primeiro de tipo "G" tem de existir (empresa
// configurada); o ERP é o primeiro de tipo "A", que pode faltar.
struct BancosEmpresa {
    TDatabaseInfo configuracao;
    std::optional<TDatabaseInfo> erp;
};
BancosEmpresa SelecionarBancos(const std::vector<TCompanyInfo>& empresas);

class TVEXConnection {
public:
    TVEXConnection(std::string usuario, std::string chaveSistema, std::vector<uint8_t> tabelaChave);

    void DefinirEndereco(std::string_view host) { endereco_ = LerEnderecoBroker(host); }
    const EnderecoBroker& Endereco() const { return endereco_; }

    // Limite para conectar e para cada leitura (5 s sem chamar).
    void DefinirTempoLimite(std::chrono::milliseconds limite) { tempoLimite_ = limite; }

    // GET de ListDatabases por HTTP, com autenticação básica, sem proxy e o tempo limite para
    // conectar e para cada leitura. Bloqueia até a resposta. Lança ErroBroker.
    std::vector<TCompanyInfo> ListarBancos() const;

private:
    std::string usuario_;
    std::string chaveSistema_;
    std::vector<uint8_t> tabelaChave_;
    EnderecoBroker endereco_;
    std::chrono::milliseconds tempoLimite_ = std::chrono::seconds(5);
};

}  // namespace app
