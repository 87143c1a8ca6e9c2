// Mede o bloco H do arquivo de dezembro da demonstração em escala: o inventário de 31/12 das
// matérias-primas e dos produtos acabados (cerca de 50.000 posições na escala 100), e o piso
// medido na mesma execução: ler uma vez as mesmas linhas de estoque (ESTOQUEMP com o fechamento do
// mês e os movimentos dos produtos) e escrever um arquivo do mesmo tamanho.
//   bench_inventario [escala] [rodadas]   (padrão 100 e 3 rodadas; vale o melhor tempo de cada)

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/DmPrinc.h"
#include "bench/Medicao.h"
#include "core/ArquivoTxt.h"
#include "util/Datas.h"

namespace fs = std::filesystem;
using namespace bench;

namespace {

double MedirPiso(db::Banco& banco, int ano, uintmax_t bytes, const fs::path& arquivo) {
    const auto inicio = Relogio::now();
    {
        db::Transacao tr(banco);
        const char* consultas[] = {
            "select EP.*, (select PESTOQUE from CONSULTAR_ESTOQUEMP_MES(:ANO, 12, EP.FILIAL_EP, EP.MPRIMA_EP, "
            "EP.COR_EP, EP.TAMANHO_EP, EP.MARCA_EP)) as ESTOQUE from ESTOQUEMP EP where EP.FILIAL_EP = 1",
            "select * from PROD_ESTOQUE_MOV where FILIAL_MV = 1 and DATA_MV <= :FIM",
        };
        size_t tamanho = 0;
        for (const char* sql : consultas) {
            db::Consulta q(tr, sql);
            if (q.TemParam("ANO")) q.Param("ANO", ano);
            if (q.TemParam("FIM")) q.Param("FIM", util::DataHora::Data(ano, 12, 31).ComHora(23, 59, 59));
            const std::vector<std::string> colunas = q.Colunas();
            while (q.Proximo())
                for (const std::string& c : colunas) tamanho += q[c].Texto().size();
        }
        if (tamanho == 0) std::fprintf(stderr, "o piso não leu nada\n");
    }
    std::ofstream f(arquivo, std::ios::binary | std::ios::trunc);
    const std::string linha = "|H010|10001|KG|47,250|3,237500|152,97|0||||\r\n";
    for (uintmax_t escritos = 0; escritos < bytes; escritos += linha.size()) f << linha;
    f.close();
    return Segundos(inicio);
}

int64_t ContarH010(const fs::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    int64_t n = 0;
    for (std::string linha; std::getline(f, linha);) n += linha.rfind("|H010|", 0) == 0;
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    const int escala = argc > 1 ? std::stoi(argv[1]) : 100;
    const int rodadas = argc > 2 ? std::max(1, std::stoi(argv[2])) : 3;
    const fs::path pasta = CriarDemonstracao("inventario", escala);

    SemMensagens mensagens;
    {
        app::OpcoesInicio opcoes;
        opcoes.pastaInstalacao = pasta;
        app::TdmPrinc dm(opcoes, mensagens);
        core::TParametros& p = dm.cdsParams;
        dm.DefinirFilial(1);
        // O último dezembro até o mês da demonstração, como em ./run demo.
        util::TData mes(util::DataHora::Agora());
        mes.DecMes(1);
        const int ano = mes.Mes() == 12 ? mes.Ano() : mes.Ano() - 1;
        p.DATA_INI = util::DataHora::Data(ano, 12, 1);
        p.DATA_FIM = util::DataHora::Data(ano, 12, 31);
        p.GERAR_SAIDAS = "N";
        p.GERAR_ENTRADAS = "N";
        p.GERAR_REG_H = "S";
        p.MOTIVO_INVENTARIO = "01";
        dm.DefinirMesAnoInventario("12/" + std::to_string(ano));
        p.DIR_GERACAO = (pasta / "SPED_EFD").string();
        fs::create_directories(p.DIR_GERACAO);

        TempoPorEtapa etapas;
        dm.progresso.DefinirCallback([&](const core::TProgresso& pr) { etapas.Mudou(pr.Texto); });
        double melhorGeracao = 1e9, melhorPiso = 1e9, melhorCpuGeracao = 1e9, melhorCpuPiso = 1e9;
        int64_t linhas = 0, posicoes = 0;
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
            const fs::path arquivo = core::NomeArquivoSped(p);
            bytes = fs::file_size(arquivo);
            posicoes = ContarH010(arquivo);
            cpu = CpuSegundos();
            const double piso = MedirPiso(dm.Banco(), ano, bytes, pasta / "PISO.TXT");
            const double cpuPiso = CpuSegundos() - cpu;
            std::printf("    geração %.1f s (CPU %.1f s), piso %.1f s (CPU %.1f s), razão %.1f (CPU %.1f)\n", tempo,
                        cpuGeracao, piso, cpuPiso, tempo / piso, cpuGeracao / cpuPiso);
            melhorGeracao = std::min(melhorGeracao, tempo);
            melhorPiso = std::min(melhorPiso, piso);
            melhorCpuGeracao = std::min(melhorCpuGeracao, cpuGeracao);
            melhorCpuPiso = std::min(melhorCpuPiso, cpuPiso);
        }
        std::printf("Inventário: %lld posições H010, %lld linhas (%ju bytes) em %.1f s, pico de memória %ld MB\n",
                    static_cast<long long>(posicoes), static_cast<long long>(linhas), bytes, melhorGeracao, pico);
        std::printf("Piso:       %.1f s (ler o estoque uma vez e escrever o mesmo volume)\n", melhorPiso);
        std::printf("Razão:      %.1f vezes o piso; em tempo de CPU, %.1f s contra %.1f s: %.1f vezes\n",
                    melhorGeracao / melhorPiso, melhorCpuGeracao, melhorCpuPiso, melhorCpuGeracao / melhorCpuPiso);
        if (!dm.cdsErros.Vazia()) std::printf("Erros de dados na geração: %zu\n", dm.cdsErros.Quantidade());
    }
    fs::remove_all(pasta);
    return 0;
}
