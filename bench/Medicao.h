#pragma once
// Peças comuns das medições: relógio, tempo de CPU, pico de memória, a área SPED_EFD esvaziada
// entre rodadas e uma caixa de mensagens que só mostra erros e alertas no terminal.
#include <sys/resource.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "db/Banco.h"
#include "erp/demo/InstalacaoDemo.h"
#include "util/Mensagens.h"
#include "util/Texto1252.h"

namespace bench {

class SemMensagens : public util::CaixaMensagem {
    void Alerta(const std::string& m) override { std::fprintf(stderr, "%s\n", util::Cp1252ParaUtf8(m).c_str()); }
    void Informacao(const std::string&) override {}
    bool Confirmacao(const std::string&, bool) override { return true; }
    void Erro(const std::string& m, const std::string&) override {
        std::fprintf(stderr, "%s\n", util::Cp1252ParaUtf8(m).c_str());
    }
};

using Relogio = std::chrono::steady_clock;
inline double Segundos(Relogio::time_point inicio) {
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

// Tempo de CPU do processo (todas as linhas de execução), em segundos: não conta o tempo que a
// máquina virtual deu a outros, e por isso varia bem menos que o relógio de parede.
inline double CpuSegundos() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

// Pico de memória (VmHWM) desde o último ZerarPico, em MB.
inline long PicoMB() {
    std::ifstream status("/proc/self/status");
    for (std::string linha; std::getline(status, linha);)
        if (linha.rfind("VmHWM:", 0) == 0) return std::stol(linha.substr(6)) / 1024;
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024;
}
inline void ZerarPico() { std::ofstream("/proc/self/clear_refs") << "5"; }

// A demonstração na escala dada, numa pasta temporária própria ("efd-bench-<nome>-<pid>"), com o
// tempo que levou para ser criada.
inline std::filesystem::path CriarDemonstracao(const std::string& nome, int escala) {
    const std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("efd-bench-" + nome + "-" + std::to_string(getpid()));
    const auto inicio = Relogio::now();
    demo::CriarInstalacaoDemo({pasta, escala, true});
    std::printf("Demonstração na escala %d criada em %.1f s\n", escala, Segundos(inicio));
    return pasta;
}

// Tempo de cada etapa da geração pela legenda do progresso: Mudou a cada aviso do progresso,
// Encerrar no fim da geração; cada etapa sai numa linha.
class TempoPorEtapa {
public:
    void Mudou(const std::string& texto) {
        if (texto == legenda_) return;
        Encerrar();
        legenda_ = texto;
        inicio_ = Relogio::now();
    }
    void Encerrar() {
        if (!legenda_.empty())
            std::printf("    %-45s %6.1f s\n", util::Cp1252ParaUtf8(legenda_).c_str(), Segundos(inicio_));
        legenda_.clear();
    }

private:
    std::string legenda_;
    Relogio::time_point inicio_ = Relogio::now();
};

// Apaga as linhas da geração anterior e deixa o Firebird recolher as versões apagadas.
inline void EsvaziarSpedEfd(db::Banco& banco) {
    db::Transacao tr(banco);
    db::Consulta(tr, "delete from SPED_EFD").Executar();
    tr.Commit();
    db::Transacao leitura(banco);
    db::Consulta conta(leitura, "select count(*) as N from SPED_EFD");
    conta.Proximo();
}

}  // namespace bench
