// Mede a gravação na área de trabalho SPED_EFD: o desenho em lotes contra uma confirmação por
// linha, num banco com escrita forçada (como o de produção).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/ArmazemSped.h"
#include "erp/Esquema.h"
#include "util/Mensagens.h"

namespace {

class SemMensagens : public util::CaixaMensagem {
    void Alerta(const std::string&) override {}
    void Informacao(const std::string&) override {}
    bool Confirmacao(const std::string&, bool) override { return true; }
    void Erro(const std::string& m, const std::string&) override { std::fprintf(stderr, "%s\n", m.c_str()); }
};

// Grava 'linhas' registros parecidos com os de um mês real e devolve linhas por segundo.
double Medir(core::ArmazemSped& sped, int linhas) {
    core::TRegistroEFD r;
    const auto inicio = std::chrono::steady_clock::now();
    sped.IniciarGeracao();
    for (int i = 0; i < linhas; ++i) {
        r.Clear();
        if (i % 50 == 0) {
            r.SetCampo("REG", "0150");
            r.SetCampo("COD_PART", "C" + std::to_string(i % 5000));
            r.SetCampo("NOME", "CLIENTE DE DEMONSTRACAO LTDA");
        } else {
            r.SetCampo("REG", i % 5 == 0 ? "C100" : "C170");
            r.SetCampo("IND_OPER", "1");
            r.SetCampo("NUM_DOC", std::to_string(100000 + i));
            r.SetCampo("CHV_NFE", "31240112345678000195550010001234561123456789");
            r.SetCampo("DT_DOC", "15012024");
            r.SetCampo("VL_DOC", "1234,56");
            r.SetCampo("VL_BC_ICMS", "1234,56");
            r.SetCampo("VL_ICMS", "222,22");
        }
        sped.GravarRegistro(r);
    }
    sped.EncerrarGeracao();
    const std::chrono::duration<double> s = std::chrono::steady_clock::now() - inicio;
    return linhas / s.count();
}

void MedirNoBanco(const std::filesystem::path& pasta, bool escritaForcada, int linhas, int linhasUmaPorVez) {
    db::ParametrosConexao p;
    p.banco = (pasta / (escritaForcada ? "BENCH_FW.FDB" : "BENCH.FDB")).string();
    db::Banco banco = erp::CriarBancoErp(p, escritaForcada);
    SemMensagens mensagens;
    core::ArmazemSped sped(banco, mensagens);
    Medir(sped, linhas / 10);  // aquece o cache de páginas e o comando preparado
    const double emLotes = Medir(sped, linhas);
    sped.DefinirTamanhoLote(1);
    const double umaPorVez = Medir(sped, linhasUmaPorVez);
    std::printf("Banco %s escrita forçada:\n", escritaForcada ? "com" : "sem");
    std::printf("  área SPED_EFD, %d linhas em lotes:          %8.0f linhas/s\n", linhas, emLotes);
    std::printf("  área SPED_EFD, uma confirmação por linha:     %8.0f linhas/s (%d linhas)\n", umaPorVez,
                linhasUmaPorVez);
    std::printf("  ganho: %.0f vezes\n", emLotes / umaPorVez);
}

}  // namespace

int main(int argc, char** argv) {
    const int linhas = argc > 1 ? std::stoi(argv[1]) : 300000;
    const int linhasUmaPorVez = argc > 2 ? std::stoi(argv[2]) : 2000;
    const auto pasta = std::filesystem::temp_directory_path() / ("efd-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(pasta);
    MedirNoBanco(pasta, false, linhas, linhasUmaPorVez);
    MedirNoBanco(pasta, true, linhas, linhasUmaPorVez / 10);
    std::filesystem::remove_all(pasta);
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("Pico de memória do processo: %ld MB\n", uso.ru_maxrss / 1024);
    return 0;
}
