#include "launcher/ExecutarComandos.h"

#include <httplib.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "util/Processo.h"

namespace fs = std::filesystem;

namespace launcher {

namespace {

class Execucao {
public:
    explicit Execucao(const fs::path& pasta) : pasta_(pasta) {}

    void Executar(const Comando& c) {
        const std::string nome = Texto(c, "command");
        if (nome == "download")
            Baixar(Texto(c, "url"), Caminho(c, "path"));
        else if (nome == "closeapp")
            FecharPrograma(Caminho(c, "source"), Numero(c, "retry", 0),
                           Numero(c, "interval", 1000));
        else if (nome == "wait")
            Esperar(c);
        else if (nome == "delete")
            Apagar(Caminho(c, "source"));
        else if (nome == "move")
            fs::rename(Caminho(c, "source"), Caminho(c, "destiny"));
        else if (nome == "runfile")
            Iniciar(c);
        else
            throw std::runtime_error("comando desconhecido \"" + nome + "\"");
    }

private:
    static std::string Texto(const Comando& c, const std::string& chave) {
        const auto i = c.find(chave);
        if (i == c.end()) throw std::runtime_error("falta \"" + chave + "\"");
        return i->second;
    }
    static int Numero(const Comando& c, const std::string& chave, int padrao) {
        const auto i = c.find(chave);
        return i == c.end() ? padrao : std::stoi(i->second);
    }
    fs::path Caminho(const Comando& c, const std::string& chave) const {
        return pasta_ / fs::path(Texto(c, chave));
    }

    static void Dormir(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // O arquivo baixado é um programa: fica executável. Vai por um temporário para que uma queda
    // no meio não deixe um programa truncado com o nome final.
    static void Baixar(const std::string& url, const fs::path& destino) {
        const size_t esquema = url.find("://");
        const size_t barra = url.find('/', esquema == std::string::npos ? 0 : esquema + 3);
        if (barra == std::string::npos) throw std::runtime_error("endereço sem caminho: " + url);
        httplib::Client cliente(url.substr(0, barra));
        cliente.set_follow_location(true);
        cliente.set_connection_timeout(10);
        cliente.set_read_timeout(60);
        const fs::path parcial = destino.string() + ".parcial";
        try {
            std::ofstream saida(parcial, std::ios::binary | std::ios::trunc);
            if (!saida) throw std::runtime_error("não foi possível criar " + parcial.string());
            const httplib::Result r =
                cliente.Get(url.substr(barra), [&](const char* dados, size_t n) {
                    saida.write(dados, static_cast<std::streamsize>(n));
                    return static_cast<bool>(saida);
                });
            if (!r)
                throw std::runtime_error("download de " + url + ": " +
                                         httplib::to_string(r.error()));
            if (r->status != 200)
                throw std::runtime_error("download de " + url + ": HTTP " +
                                         std::to_string(r->status));
            saida.close();
            if (!saida) throw std::runtime_error("falha ao gravar " + parcial.string());
        } catch (...) {
            std::error_code ec;
            fs::remove(parcial, ec);
            throw;
        }
        fs::permissions(parcial,
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add);
        fs::rename(parcial, destino);
    }

    // Só os processos deste executável (pelo caminho completo): outro programa de mesmo nome, em
    // outra pasta, não é tocado.
    static std::vector<pid_t> ProcessosDe(const fs::path& programa) {
        std::error_code ec;
        const fs::path alvo = fs::weakly_canonical(programa, ec);
        std::vector<pid_t> pids;
        for (const fs::directory_entry& e : fs::directory_iterator("/proc", ec)) {
            const std::string nome = e.path().filename().string();
            if (nome.find_first_not_of("0123456789") != std::string::npos) continue;
            const pid_t pid = std::stoi(nome);
            if (pid == getpid()) continue;
            std::error_code erroLink;
            if (fs::read_symlink(e.path() / "exe", erroLink) == alvo && !erroLink)
                pids.push_back(pid);
        }
        return pids;
    }

    static void FecharPrograma(const fs::path& programa, int tentativas, int intervalo) {
        for (int i = 0; i <= tentativas; ++i) {
            const std::vector<pid_t> pids = ProcessosDe(programa);
            if (pids.empty()) return;
            for (pid_t pid : pids) kill(pid, SIGTERM);
            Dormir(intervalo);
        }
        if (!ProcessosDe(programa).empty())
            throw std::runtime_error(programa.string() + " continua aberto");
    }

    static void Esperar(const Comando& c) {
        // O programa escreve "internaval" na segunda espera; as três grafias valem.
        for (const char* chave : {"time", "interval", "internaval"})
            if (c.contains(chave)) return Dormir(std::stoi(c.at(chave)));
        throw std::runtime_error("espera sem tempo");
    }

    static void Apagar(const fs::path& arquivo) {
        std::error_code ec;
        if (!fs::remove(arquivo, ec) && ec)
            throw std::runtime_error("não foi possível apagar " + arquivo.string() + ": " +
                                     ec.message());
    }

    void Iniciar(const Comando& c) const {
        std::vector<std::string> argumentos;
        const std::string params = c.contains("params") ? c.at("params") : std::string();
        size_t i = 0;
        while ((i = params.find_first_not_of(' ', i)) != std::string::npos) {
            const size_t fim = params.find(' ', i);
            argumentos.push_back(params.substr(i, fim - i));
            i = fim;
        }
        const fs::path diretorio = c.contains("directory") ? Caminho(c, "directory") : pasta_;
        util::IniciarProgramaSeparado(Caminho(c, "source"), argumentos, diretorio);
    }

    fs::path pasta_;
};

}  // namespace

bool ExecutarComandos(const std::vector<Comando>& comandos, const fs::path& pasta, const Log& log) {
    Execucao execucao(pasta);
    bool falhou = false;
    for (const Comando& c : comandos) {
        const std::string nome = c.contains("command") ? c.at("command") : std::string("?");
        if (falhou && nome != "runfile") continue;
        try {
            execucao.Executar(c);
            log(nome + ": ok");
        } catch (const std::exception& e) {
            log(nome + ": " + e.what());
            falhou = true;
        }
    }
    return !falhou;
}

}  // namespace launcher
