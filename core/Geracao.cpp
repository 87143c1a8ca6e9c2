#include "core/Geracao.h"

#include <stdexcept>

#include "core/ArquivoTxt.h"
#include "core/ConferenciaArquivo.h"
#include "util/Texto1252.h"

namespace core {

// Alíquota interna da UF da filial: DESC_TA da tabela 25 lido como número (vírgula decimal).
static double AliquotaInternaUF(Geracao& g) {
    const TFilial* filial = g.filiais.Localizar(g.params.FILIAL);
    if (!filial) return 0;
    db::Consulta q(g.Leitura(), "select DESC_TA from TABELA where NUM_TA='25' and COD_TA = :UF");
    q.Param("UF", filial->UF_FI);
    if (!q.Proximo()) return 0;
    try {
        return db::Decimal::DeTexto(AparadoEFD(q["DESC_TA"].Texto())).ComoDouble();
    } catch (const std::invalid_argument&) {
        return 0;
    }
}

void Geracao::GravarRegistro(std::string_view reg, std::string_view campo, std::string valor) {
    TRegistroEFD r;
    r.SetCampo("REG", std::string(reg));
    r.SetCampo(campo, std::move(valor));
    sped.GravarRegistro(r);
}

void PrepararGeracao(Geracao& g) {
    g.sped.IniciarGeracao();
    g.sped.ReportarEm(&g.erros);
    g.erros.Limpar();
    g.aliqIcmsInternaUF = AliquotaInternaUF(g);
    g.consultas = ConsultasGeracao{};
    g.estado = blocks::EstadoExecucao{};
    g.caches->Carregar(g.Leitura());
}

int64_t GerarArquivoSped(Geracao& g, const std::string& arquivoUnificar, const std::vector<EtapaGeracao>& etapas) {
    if (!AparadoEFD(arquivoUnificar).empty())
        throw std::runtime_error(util::W("A unificação com um arquivo existente ainda não está disponível nesta "
                                         "versão. Deixe o arquivo a unificar em branco."));
    PrepararGeracao(g);
    try {
        for (const EtapaGeracao& etapa : etapas) etapa.executar(g);
        g.sped.ConfirmarGravacao();
        const int64_t linhas = GravarArquivoTxt(g);
        g.sped.EncerrarGeracao();
        ConferirArquivo(NomeArquivoSped(g.params), g.erros);
        if (!g.erros.Vazia() && g.imprimirErros) g.imprimirErros(g.erros);
        return linhas;
    } catch (...) {
        try {
            g.sped.EncerrarGeracao();  // as linhas gravadas até a falha ficam no banco
        } catch (...) {
        }
        throw;
    }
}

}  // namespace core
