// Mede uma geração inteira sobre a demonstração em escala (notas de saída com C170 e notas de
// entrada): tempo, linhas por segundo e pico de memória, e o piso medido na mesma execução: ler as
// mesmas linhas de origem com uma consulta por tabela e escrever um arquivo do mesmo tamanho. Mede
// também a conferência do arquivo com o leiaute (a que a geração faz no fim e a de efd validar) e
// lista o que ela achou.
//   bench_geracao [escala] [rodadas]   (padrão 100: cerca de 100.000 notas de saída com cinco itens e
//   30.000 de entrada; 3 rodadas)
// Geração e piso se alternam em cada rodada e a razão usa o melhor tempo de cada um: numa máquina
// compartilhada, o melhor tempo é o que menos sofre com os vizinhos. Entre as rodadas SPED_EFD é
// esvaziada fora da medição, para que toda geração comece como a primeira.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <map>

#include "app/DmPrinc.h"
#include "bench/Medicao.h"
#include "core/ArquivoTxt.h"
#include "core/leiaute/Verificador.h"
#include "util/Datas.h"

namespace fs = std::filesystem;

namespace {

using namespace bench;

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
    const fs::path pasta = CriarDemonstracao("geracao", escala);

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

        TempoPorEtapa etapas;
        dm.progresso.DefinirCallback([&](const core::TProgresso& pr) { etapas.Mudou(pr.Texto); });

        double melhorGeracao = 1e9, melhorPiso = 1e9, melhorCpuGeracao = 1e9, melhorCpuPiso = 1e9;
        double melhorConferencia = 1e9, geracaoDaConferencia = 0;
        long picoConferencia = 0;
        std::map<std::string, int> problemas;
        int64_t linhas = 0;
        uintmax_t bytes = 0;
        long pico = 0;
        for (int rodada = 1; rodada <= rodadas; ++rodada) {
            if (rodada > 1) EsvaziarSpedEfd(dm.Banco());
            std::printf("  Rodada %d\n", rodada);
            ZerarPico();
            const auto inicio = Relogio::now();
            double cpu = CpuSegundos();
            linhas = dm.GerarArquivoSped("");
            const double tempo = Segundos(inicio);
            const double cpuGeracao = CpuSegundos() - cpu;
            etapas.Encerrar();
            pico = std::max(pico, PicoMB());
            bytes = fs::file_size(core::NomeArquivoSped(p));
            // A mesma conferência que a geração fez no fim (e que efd validar faz), medida sozinha.
            ZerarPico();
            const auto inicioConferencia = Relogio::now();
            const std::vector<leiaute::Problema> achados = leiaute::VerificarArquivo(core::NomeArquivoSped(p));
            const double conferencia = Segundos(inicioConferencia);
            picoConferencia = std::max(picoConferencia, PicoMB());
            std::printf("    conferência do arquivo %.2f s, %.0f%% da geração sem ela\n", conferencia,
                        100 * conferencia / (tempo - conferencia));
            if (conferencia < melhorConferencia) {
                melhorConferencia = conferencia;
                geracaoDaConferencia = tempo;
            }
            problemas.clear();
            for (const leiaute::Problema& pr : achados) ++problemas[pr.tipo + (pr.valor.size() == 1 ? " " + pr.valor : "")];
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
        std::printf("Conferência: %lld linhas em %.2f s (efd validar), %.0f%% a mais na geração; pico de memória %ld MB\n",
                    static_cast<long long>(linhas), melhorConferencia,
                    100 * melhorConferencia / (geracaoDaConferencia - melhorConferencia), picoConferencia);
        std::printf("Problemas do arquivo:%s\n", problemas.empty() ? " nenhum" : "");
        for (const auto& [tipo, n] : problemas) std::printf("    %-30s %d\n", tipo.c_str(), n);
        if (!dm.cdsErros.Erros().empty()) std::printf("Erros de dados na geração: %zu\n", dm.cdsErros.Erros().size());
    }
    fs::remove_all(pasta);
    return 0;
}
