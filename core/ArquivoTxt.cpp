#include "core/ArquivoTxt.h"

#include <fmt/format.h>
#include <spawn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "core/Geracao.h"
#include "util/Texto1252.h"

extern char** environ;

namespace fs = std::filesystem;

namespace core {

// O temporário fica ao lado do arquivo final, com o número do processo: NOME.TXT.tmpPID.
constexpr const char* kSufixoTemporario = ".tmp";

fs::path NomeArquivoSped(const TParametros& p) {
    const std::string filial = p.SEPARAR_ARQ_POR_FILIAL ? std::to_string(p.FILIAL) + "_" : "";
    return fs::path(p.DIR_GERACAO) / fmt::format("SPED_EFD_{}{:04}_{:02}.TXT", filial, p.DATA_INI.ano, p.DATA_INI.mes);
}

// Copia o arquivo existente para o primeiro backup/NOME.nnn livre (001 a 099). Com os 99 ocupados,
// o .001 sai e os demais descem um número: ficam sempre as 99 cópias mais novas. Se a cópia não
// puder ser feita, avisa: o arquivo anterior será substituído sem cópia.
static void FazerBackup(const fs::path& arquivo, util::CaixaMensagem& mensagens) {
    std::error_code ec;
    if (!fs::exists(arquivo, ec)) return;
    const fs::path pasta = arquivo.parent_path() / "backup";
    const auto backup = [&](int n) { return pasta / fmt::format("{}.{:03}", arquivo.stem().string(), n); };
    constexpr int kCopias = 99;
    fs::create_directories(pasta, ec);
    int livre = 1;
    while (livre <= kCopias && fs::exists(backup(livre), ec)) ++livre;
    if (livre > kCopias) {
        fs::remove(backup(1), ec);
        for (int n = 2; !ec && n <= kCopias; ++n) fs::rename(backup(n), backup(n - 1), ec);
        livre = kCopias;
    }
    if (!ec) fs::copy_file(arquivo, backup(livre), fs::copy_options::overwrite_existing, ec);
    if (ec)
        mensagens.Alerta(util::W("Não foi possível copiar o arquivo anterior para ") + backup(livre).string() + ": " +
                         ec.message() + util::W(". O arquivo anterior será substituído sem cópia de segurança."));
}

static std::runtime_error FalhaArquivo(const fs::path& arquivo, int erro) {
    return std::runtime_error(util::W("Não foi possível gravar o arquivo ") + arquivo.string() + ": " +
                              std::strerror(erro));
}

// Um temporário NOME.tmpPID de um processo que já terminou (morto no meio da gravação) é sobra:
// nenhuma outra geração o usará.
static void ApagarTemporariosAbandonados(const fs::path& final) {
    const std::string prefixo = final.filename().string() + kSufixoTemporario;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(final.parent_path(), ec)) {
        const std::string nome = e.path().filename().string();
        if (!nome.starts_with(prefixo)) continue;
        const std::string pid = nome.substr(prefixo.size());
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
        const pid_t processo = static_cast<pid_t>(std::stol(pid));
        if (processo == getpid() || ::kill(processo, 0) == 0 || errno != ESRCH) continue;
        std::error_code falha;
        fs::remove(e.path(), falha);
    }
}

// Arquivo temporário aberto; apagado no destrutor se não chegou a ser renomeado.
class ArquivoTemporario {
public:
    explicit ArquivoTemporario(const fs::path& final)
        : final_(final), caminho_(final.string() + kSufixoTemporario + std::to_string(getpid())) {
        ApagarTemporariosAbandonados(final);
        arquivo_ = std::fopen(caminho_.c_str(), "wb");
        if (!arquivo_) throw FalhaArquivo(final_, errno);
        std::setvbuf(arquivo_, nullptr, _IOFBF, 1 << 20);
    }
    ~ArquivoTemporario() {
        if (arquivo_) std::fclose(arquivo_);
        if (!renomeado_) {
            std::error_code ec;
            fs::remove(caminho_, ec);
        }
    }
    void EscreverLinha(const std::string& linha) {
        if (std::fwrite(linha.data(), 1, linha.size(), arquivo_) != linha.size() ||
            std::fwrite("\r\n", 1, 2, arquivo_) != 2)
            throw FalhaArquivo(final_, errno);
    }
    // Esvazia o buffer, leva ao disco e põe no lugar do arquivo final.
    void Concluir() {
        FILE* f = arquivo_;
        arquivo_ = nullptr;
        const bool ok = std::fflush(f) == 0 && fsync(fileno(f)) == 0;
        const int erro = errno;
        if (std::fclose(f) != 0 || !ok) throw FalhaArquivo(final_, ok ? errno : erro);
        if (std::rename(caminho_.c_str(), final_.c_str()) != 0) throw FalhaArquivo(final_, errno);
        renomeado_ = true;
    }

private:
    fs::path final_;
    std::string caminho_;
    FILE* arquivo_ = nullptr;
    bool renomeado_ = false;
};

int64_t GravarArquivoTxt(Geracao& g) {
    g.progresso.IniciarEtapa("Gravando registros no arquivo TXT ...", static_cast<int>(g.sped.LinhasGravadas()));

    const fs::path arquivo = NomeArquivoSped(g.params);
    std::error_code ec;
    fs::create_directories(arquivo.parent_path(), ec);
    if (ec) throw FalhaArquivo(arquivo, ec.value());
    FazerBackup(arquivo, g.mensagens);

    ArquivoTemporario saida(arquivo);
    // A linha vem convertida em VARCHAR pelo próprio banco, o que evita abrir um blob por linha. Só
    // quando a geração tem linha maior que o VARCHAR (descrições muito grandes) a leitura traz as
    // longas como blob; ela custa bem mais, por testar o tamanho de cada linha.
    constexpr size_t kMaiorVarchar = 2000;
    const bool comLongas = g.sped.MaiorLinha() > kMaiorVarchar;
    const std::string selecao =
        !comLongas
            ? fmt::format("select cast(CONTEUDO_SE as varchar({})) as LINHA", kMaiorVarchar)
            : fmt::format("select case when octet_length(CONTEUDO_SE) <= {0} then cast(CONTEUDO_SE as varchar({0})) "
                          "end as LINHA, case when octet_length(CONTEUDO_SE) > {0} then CONTEUDO_SE end as LINHA_LONGA",
                          kMaiorVarchar);
    db::Consulta linhas(g.Leitura(), selecao + " from SPED_EFD where CHAVE_SE=:CHAVE order by ORDEM_SE");
    linhas.Param("CHAVE", g.sped.ChaveGeracao());
    int64_t escritas = 0;
    while (linhas.Proximo()) {
        const db::Campo curta = linhas["LINHA"];
        saida.EscreverLinha(comLongas && curta.Nulo() ? linhas["LINHA_LONGA"].Texto() : curta.Texto());
        ++escritas;
        g.progresso.Incrementar(1);
    }
    saida.Concluir();
    return escritas;
}

void AbrirArquivoGerado(const TParametros& params, util::CaixaMensagem& mensagens) {
    const fs::path arquivo = NomeArquivoSped(params);
    std::error_code ec;
    if (!fs::exists(arquivo, ec)) {
        mensagens.Erro(util::W(fmt::format("Não Existe Arquivo Gerado para o Mês/Ano \"{:02}/{:04}\".",
                                           params.DATA_INI.mes, params.DATA_INI.ano)));
        return;
    }
    // O visualizador de texto do sistema (xdg-open); o processo segue sem esperar por ele.
    const std::string caminho = arquivo.string();
    char programa[] = "xdg-open";
    char* argumentos[] = {programa, const_cast<char*>(caminho.c_str()), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, programa, nullptr, nullptr, argumentos, environ) != 0) {
        mensagens.Erro(util::W("Não foi possível abrir o visualizador de texto (xdg-open) para ") + caminho);
        return;
    }
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();  // recolhe o processo quando ele terminar
}

}  // namespace core
