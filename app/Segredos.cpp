#include "app/Segredos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <sstream>
#include <random>

#include "app/ArquivoIni.h"
#include "util/Texto1252.h"

namespace app {

namespace {

const char kHex[] = "0123456789abcdef";

int ValorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Lê as chaves de um arquivo e monta a mensagem de erro com o caminho completo.
class Leitor {
public:
    Leitor(const std::filesystem::path& arquivo, const ArquivoIni& ini) : arquivo_(arquivo), ini_(ini) {}

    [[noreturn]] void Falhar(const std::string& problema) const {
        throw ErroSegredos(util::W("Arquivo de segredos da instalação ") + arquivo_.string() + ": " + problema +
                           util::W(". Reinstale o programa ou peça ao suporte um Segredos.ini válido."));
    }

    std::string Texto(const char* secao, const std::string& chave) const {
        auto v = ini_.Valor(secao, chave);
        if (!v || v->empty()) Falhar("falta a chave " + chave + util::W(" da seção [") + secao + "]");
        return *v;
    }

    uint16_t Numero16(const char* secao, const char* chave) const {
        const std::string v = Texto(secao, chave);
        unsigned n = 0;
        const auto [fim, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
        if (ec != std::errc() || fim != v.data() + v.size() || n > 65535)
            Falhar(util::W("a chave ") + chave + util::W(" da seção [") + secao + util::W("] deve ser um número de 0 a 65535"));
        return static_cast<uint16_t>(n);
    }

    std::vector<uint8_t> Hexadecimal(const char* secao, const char* chave, std::size_t bytes, bool soMinusculas) const {
        const std::string v = Texto(secao, chave);
        bool valido = v.size() == bytes * 2;
        std::vector<uint8_t> r;
        for (std::size_t i = 0; valido && i < v.size(); i += 2) {
            const int alto = ValorHex(v[i]), baixo = ValorHex(v[i + 1]);
            valido = alto >= 0 && baixo >= 0 &&
                     !(soMinusculas && ((v[i] >= 'A' && v[i] <= 'F') || (v[i + 1] >= 'A' && v[i + 1] <= 'F')));
            r.push_back(static_cast<uint8_t>(alto * 16 + baixo));
        }
        if (!valido)
            Falhar(util::W("a chave ") + chave + util::W(" da seção [") + secao + util::W("] deve ter ") +
                   std::to_string(bytes * 2) + (soMinusculas ? util::W(" dígitos hexadecimais minúsculos")
                                                             : util::W(" dígitos hexadecimais")) +
                   util::W(" (tem ") + std::to_string(v.size()) + util::W(" caracteres)"));
        return r;
    }

private:
    const std::filesystem::path& arquivo_;
    const ArquivoIni& ini_;
};

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string r;
    for (uint8_t b : bytes) {
        r += kHex[b >> 4];
        r += kHex[b & 15];
    }
    return r;
}

}  // namespace

Segredos LerSegredos(const std::filesystem::path& arquivo) {
    const std::filesystem::path completo = std::filesystem::absolute(arquivo);
    const auto ini = ArquivoIni::Ler(completo);
    if (!ini)
        throw ErroSegredos(util::W("Arquivo de segredos da instalação não encontrado: ") + completo.string() +
                           util::W(". Reinstale o programa ou copie para essa pasta o Segredos.ini da instalação."));
    const Leitor leitor(completo, *ini);
    Segredos s;
    for (std::size_t i = 0; i < s.senhasBanco.size(); ++i)
        s.senhasBanco[i] = leitor.Texto("Banco", "Senha" + std::to_string(i + 1));
    s.usuarioBroker = leitor.Texto("Broker", "Usuario");
    const auto chave = leitor.Hexadecimal("Broker", "ChaveSistema", 16, true);
    s.chaveSistema = Hex(chave);
    s.tabelaChave = leitor.Hexadecimal("Broker", "TabelaChave", kTamanhoTabelaChave, false);
    s.cifra.inicial = leitor.Numero16("Cifra", "ChaveInicial");
    s.cifra.c1 = leitor.Numero16("Cifra", "C1");
    s.cifra.c2 = leitor.Numero16("Cifra", "C2");
    return s;
}

void GravarSegredos(const std::filesystem::path& arquivo, const Segredos& s) {
    std::ostringstream f;
    f << "[Banco]\r\n";
    for (std::size_t i = 0; i < s.senhasBanco.size(); ++i)
        f << "Senha" << i + 1 << '=' << s.senhasBanco[i] << "\r\n";
    f << "[Broker]\r\nUsuario=" << s.usuarioBroker << "\r\nChaveSistema=" << s.chaveSistema
      << "\r\nTabelaChave=" << Hex(s.tabelaChave) << "\r\n";
    f << "[Cifra]\r\nChaveInicial=" << s.cifra.inicial << "\r\nC1=" << s.cifra.c1 << "\r\nC2=" << s.cifra.c2 << "\r\n";
    const std::string conteudo = f.str();
    // Criado já com 0600 (e corrigido se existia com outro modo): nunca fica legível por outros.
    const int fd = ::open(arquivo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool gravado = fd >= 0 && ::fchmod(fd, 0600) == 0 &&
                   ::write(fd, conteudo.data(), conteudo.size()) == static_cast<ssize_t>(conteudo.size());
    if (fd >= 0) gravado = ::close(fd) == 0 && gravado;
    if (!gravado)
        throw ErroSegredos(util::W("Não foi possível gravar o arquivo de segredos ") + arquivo.string() +
                           util::W(": confira se a pasta existe e se há permissão de escrita."));
}

std::string AvisoSegredosExpostos(const std::filesystem::path& arquivo) {
    using std::filesystem::perms;
    std::error_code ec;
    const std::filesystem::file_status estado = std::filesystem::status(arquivo, ec);
    if (ec || !std::filesystem::exists(estado) ||
        (estado.permissions() & (perms::group_all | perms::others_all)) == perms::none)
        return {};
    const std::string caminho = std::filesystem::absolute(arquivo).string();
    return util::W("O arquivo de segredos ") + caminho +
           util::W(" pode ser lido por outros usuários desta máquina. Deixe-o só para o usuário do programa: "
                   "chmod 600 ") + caminho;
}

Segredos SegredosDemonstracao(uint32_t semente) {
    // mt19937 tem a sequência fixada pela norma: os mesmos segredos em qualquer máquina.
    std::mt19937 gerador(semente);
    const std::string letrasDigitos = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    auto texto = [&](std::size_t n, std::string_view alfabeto) {
        std::string r;
        while (r.size() < n) r += alfabeto[gerador() % alfabeto.size()];
        return r;
    };
    Segredos s;
    for (std::size_t i = 0; i < s.senhasBanco.size(); ++i) s.senhasBanco[i] = texto(i == 0 ? 9 : 8, letrasDigitos);
    s.usuarioBroker = texto(3, "abcdefghijklmnopqrstuvwxyz");
    s.chaveSistema = texto(32, kHex);
    s.tabelaChave.resize(kTamanhoTabelaChave);
    for (uint8_t& b : s.tabelaChave) b = static_cast<uint8_t>(gerador());
    s.cifra = {static_cast<uint16_t>(gerador()), static_cast<uint16_t>(gerador() | 1), static_cast<uint16_t>(gerador())};
    return s;
}

}  // namespace app
