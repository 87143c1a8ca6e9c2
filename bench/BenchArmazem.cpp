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

// Registro parecido com os de um mês real: um participante a cada 50 linhas, o resto notas e itens.
void MontarRegistro(core::TRegistroEFD& r, int i) {
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
}

double Segundos(std::chrono::steady_clock::time_point inicio) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

// Grava 'linhas' registros pela área de trabalho e devolve linhas por segundo.
double Medir(core::ArmazemSped& sped, int linhas) {
    core::TRegistroEFD r;
    const auto inicio = std::chrono::steady_clock::now();
    sped.IniciarGeracao();
    for (int i = 0; i < linhas; ++i) {
        MontarRegistro(r, i);
        sped.GravarRegistro(r);
    }
    sped.EncerrarGeracao();
    return linhas / Segundos(inicio);
}

// O desenho de uma confirmação por linha: para cada registro com chave, a contagem no banco que
// procura o duplicado; depois o insert e a confirmação, antes da linha seguinte.
double MedirLinhaALinha(db::Banco& banco, int linhas) {
    db::Transacao tr(banco);
    db::Consulta(tr, "delete from SPED_EFD").Executar();
    tr.CommitRetaining();
    db::Consulta conta(tr, "select count(*) as QTDE from SPED_EFD where COD_REG_SE=:COD_REG and CHAVE_SE=:CHAVE "
                           "and CHAVE_AGRUP_SE = :CHAVE_AGRUP");
    db::Consulta insere(tr, "insert into SPED_EFD (CHAVE_SE, ORDEM_SE, COD_REG_SE, CONTEUDO_SE, CHAVE_AGRUP_SE, "
                            "DATA_GERACAO_SE) values (:CHAVE, :ORDEM, :COD_REG, :CONTEUDO, :CHAVE_AGRUP, :DATA)");
    core::TRegistroEFD r;
    const auto inicio = std::chrono::steady_clock::now();
    for (int i = 0; i < linhas; ++i) {
        MontarRegistro(r, i);
        const std::string codigo = r.GetCampo("REG"), chave = core::ArmazemSped::ChaveAgrupamento(r);
        if (!chave.empty()) {
            conta.Param("COD_REG", codigo).Param("CHAVE", -1).Param("CHAVE_AGRUP", chave);
            conta.Proximo();
            const bool duplicado = conta["QTDE"].Inteiro() > 0;
            conta.Fechar();
            if (duplicado) continue;
        }
        insere.Param("CHAVE", -1).Param("ORDEM", i).Param("COD_REG", codigo).Param("CONTEUDO", r.Linha())
            .Param("CHAVE_AGRUP", chave).Param("DATA", util::DataHora::Agora());
        insere.Executar();
        tr.CommitRetaining();
    }
    tr.Commit();
    return linhas / Segundos(inicio);
}

void MedirNoBanco(const std::filesystem::path& pasta, bool escritaForcada, int linhas, int linhasUmaPorVez) {
    db::ParametrosConexao p;
    p.banco = (pasta / (escritaForcada ? "BENCH_FW.FDB" : "BENCH.FDB")).string();
    db::Banco banco = erp::CriarBancoErp(p, escritaForcada);
    SemMensagens mensagens;
    core::ArmazemSped sped(banco, mensagens);
    Medir(sped, linhas / 10);  // aquece o cache de páginas e o comando preparado
    const double emLotes = Medir(sped, linhas);
    const double umaPorVez = MedirLinhaALinha(banco, linhasUmaPorVez);
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
