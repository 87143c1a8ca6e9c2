// Mede uma geração inteira sobre a demonstração em escala (notas de saída com C170 e notas de
// entrada): tempo, linhas por segundo e pico de memória, e o piso medido na mesma execução: ler as
// mesmas linhas de origem com uma consulta por tabela e escrever um arquivo do mesmo tamanho.
//   bench_geracao [escala] [rodadas]   (padrão 100: cerca de 100.000 notas de saída com cinco itens e
//   30.000 de entrada; 3 rodadas)
// Geração e piso se alternam em cada rodada e a razão usa o melhor tempo de cada um: numa máquina
// compartilhada, o melhor tempo é o que menos sofre com os vizinhos. Entre as rodadas SPED_EFD é
// esvaziada fora da medição, para que toda geração comece como a primeira.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/DmPrinc.h"
#include "core/ArquivoTxt.h"
#include "erp/demo/InstalacaoDemo.h"
#include "util/Datas.h"
#include "util/Mensagens.h"
#include "util/Texto1252.h"

namespace fs = std::filesystem;

namespace {

class SemMensagens : public util::CaixaMensagem {
    void Alerta(const std::string& m) override { std::fprintf(stderr, "%s\n", util::Cp1252ParaUtf8(m).c_str()); }
    void Informacao(const std::string&) override {}
    bool Confirmacao(const std::string&, bool) override { return true; }
    void Erro(const std::string& m, const std::string&) override {
        std::fprintf(stderr, "%s\n", util::Cp1252ParaUtf8(m).c_str());
    }
};

using Relogio = std::chrono::steady_clock;
double Segundos(Relogio::time_point inicio) { return std::chrono::duration<double>(Relogio::now() - inicio).count(); }

// Tempo de CPU do processo (todas as linhas de execução), em segundos: não conta o tempo que a
// máquina virtual deu a outros, e por isso varia bem menos que o relógio de parede.
double CpuSegundos() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

// Pico de memória (VmHWM) desde o último ZerarPico, em MB.
long PicoMB() {
    std::ifstream status("/proc/self/status");
    for (std::string linha; std::getline(status, linha);)
        if (linha.rfind("VmHWM:", 0) == 0) return std::stol(linha.substr(6)) / 1024;
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss / 1024;
}
void ZerarPico() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Apaga as linhas da geração anterior e deixa o Firebird recolher as versões apagadas.
void EsvaziarSpedEfd(db::Banco& banco) {
    db::Transacao tr(banco);
    db::Consulta(tr, "delete from SPED_EFD").Executar();
    tr.Commit();
    db::Transacao leitura(banco);
    db::Consulta conta(leitura, "select count(*) as N from SPED_EFD");
    conta.Proximo();
}

// O piso: cada tabela de origem lida numa consulta só, todas as colunas convertidas em texto, e um
// arquivo do mesmo tamanho escrito linha a linha.
double MedirPiso(db::Banco& banco, const core::TParametros& p, uintmax_t bytes, const fs::path& arquivo) {
    const auto inicio = Relogio::now();
    {
        db::Transacao tr(banco);
        const char* consultas[] = {
            "select * from NOTASAI where FILIAL_NS = 1 and EMISSAO_NS >= :DATA_INI and EMISSAO_NS <= :DATA_FIM",
            "select * from ITENSNS where FILIAL_SA = 1 and DATA_SA >= :DATA_INI and DATA_SA <= :DATA_FIM",
            "select * from NOTAENT where FILIAL_NE = 1 and ENTRADA_NE >= :DATA_INI and ENTRADA_NE <= :DATA_FIM",
            "select * from ENTRADAMP where FILIAL_EMP = 1 and DATA_EMP >= :DATA_INI and DATA_EMP <= :DATA_FIM",
            "select * from ENTRADAPROD where FILIAL_EP = 1 and DATA_EP >= :DATA_INI and DATA_EP <= :DATA_FIM",
        };
        size_t tamanho = 0;
        for (const char* sql : consultas) {
            db::Consulta q(tr, sql);
            q.Param("DATA_INI", util::DataHoraSql(p.DATA_INI, 0, 0, 0))
                .Param("DATA_FIM", util::DataHoraSql(p.DATA_FIM, 23, 59, 59));
            const std::vector<std::string> colunas = q.Colunas();
            while (q.Proximo())
                for (const std::string& c : colunas) tamanho += q[c].Texto().size();
        }
        if (tamanho == 0) std::fprintf(stderr, "o piso não leu nada\n");
    }
    std::ofstream f(arquivo, std::ios::binary | std::ios::trunc);
    const std::string linha = "|C170|1|1010||2,00000|PC|1000,00|0,00|0|000|5101|000001|1000,00|18,00|180,00|\r\n";
    for (uintmax_t escritos = 0; escritos < bytes; escritos += linha.size()) f << linha;
    f.close();
    return Segundos(inicio);
}

}  // namespace

int main(int argc, char** argv) {
    const int escala = argc > 1 ? std::stoi(argv[1]) : 100;
    const int rodadas = argc > 2 ? std::max(1, std::stoi(argv[2])) : 3;
    const fs::path pasta = fs::temp_directory_path() / ("efd-bench-geracao-" + std::to_string(getpid()));
    auto inicio = Relogio::now();
    demo::CriarInstalacaoDemo({pasta, escala, true});
    std::printf("Demonstração na escala %d criada em %.1f s\n", escala, Segundos(inicio));

    SemMensagens mensagens;
    {
        app::OpcoesInicio opcoes;
        opcoes.pastaInstalacao = pasta;
        app::TdmPrinc dm(opcoes, mensagens);
        core::TParametros& p = dm.cdsParams;
        dm.DefinirFilial(1);
        util::TData mes(util::DataHora::Agora());
        mes.DecMes(1);
        p.DATA_INI = mes.PrimeiroDia().SoData();
        p.DATA_FIM = mes.UltimoDia().SoData();
        p.GERAR_SAIDAS = "S";
        p.GERAR_C170_SAI = "S";
        p.GERAR_ENTRADAS = "S";
        p.DIR_GERACAO = (pasta / "SPED_EFD").string();
        fs::create_directories(p.DIR_GERACAO);

        // Tempo de cada etapa pela legenda do progresso.
        std::string legenda;
        auto inicioEtapa = Relogio::now();
        dm.progresso.DefinirCallback([&](const core::TProgresso& pr) {
            if (pr.Texto == legenda) return;
            if (!legenda.empty())
                std::printf("    %-45s %6.1f s\n", util::Cp1252ParaUtf8(legenda).c_str(), Segundos(inicioEtapa));
            legenda = pr.Texto;
            inicioEtapa = Relogio::now();
        });

        double melhorGeracao = 1e9, melhorPiso = 1e9, melhorCpuGeracao = 1e9, melhorCpuPiso = 1e9;
        int64_t linhas = 0;
        uintmax_t bytes = 0;
        long pico = 0;
        for (int rodada = 1; rodada <= rodadas; ++rodada) {
            if (rodada > 1) EsvaziarSpedEfd(dm.Banco());
            std::printf("  Rodada %d\n", rodada);
            legenda.clear();
            ZerarPico();
            inicio = Relogio::now();
            double cpu = CpuSegundos();
            linhas = dm.GerarArquivoSped("");
            const double tempo = Segundos(inicio);
            const double cpuGeracao = CpuSegundos() - cpu;
            if (!legenda.empty())
                std::printf("    %-45s %6.1f s\n", util::Cp1252ParaUtf8(legenda).c_str(), Segundos(inicioEtapa));
            pico = std::max(pico, PicoMB());
            bytes = fs::file_size(core::NomeArquivoSped(p));
            cpu = CpuSegundos();
            const double piso = MedirPiso(dm.Banco(), p, bytes, pasta / "PISO.TXT");
            const double cpuPiso = CpuSegundos() - cpu;
            std::printf("    geração %.1f s (CPU %.1f s), piso %.1f s (CPU %.1f s), razão %.1f (CPU %.1f)\n", tempo,
                        cpuGeracao, piso, cpuPiso, tempo / piso, cpuGeracao / cpuPiso);
            melhorGeracao = std::min(melhorGeracao, tempo);
            melhorPiso = std::min(melhorPiso, piso);
            melhorCpuGeracao = std::min(melhorCpuGeracao, cpuGeracao);
            melhorCpuPiso = std::min(melhorCpuPiso, cpuPiso);
        }
        std::printf("Geração:  %lld linhas (%ju bytes) em %.1f s, %.0f linhas/s, pico de memória %ld MB\n",
                    static_cast<long long>(linhas), bytes, melhorGeracao, linhas / melhorGeracao, pico);
        std::printf("Piso:     %.1f s (ler as notas de saída e de entrada e os seus itens numa consulta cada e "
                    "escrever o mesmo volume)\n",
                    melhorPiso);
        std::printf("Razão:    %.1f vezes o piso (melhor tempo de cada em %d rodadas); em tempo de CPU, %.1f s "
                    "contra %.1f s: %.1f vezes\n",
                    melhorGeracao / melhorPiso, rodadas, melhorCpuGeracao, melhorCpuPiso,
                    melhorCpuGeracao / melhorCpuPiso);
        if (!dm.cdsErros.Vazia()) std::printf("Erros de dados na geração: %zu\n", dm.cdsErros.Quantidade());
    }
    fs::remove_all(pasta);
    return 0;
}
