#include "app/validacao/ImprimirErros.h"

#include <fmt/format.h>

#include <string>

#include "report/Pagina.h"
#include "util/Texto1252.h"

namespace app {

namespace {

constexpr int kColunaDireita = 135;
constexpr int kUltimaLinhaErro = report::kLinhasPagina - 5;

std::string DataCurta(const util::DataHora& d) {
    return fmt::format("{:02}/{:02}/{:02}", d.dia, d.mes, d.ano % 100);
}

class RelatorioErros {
public:
    RelatorioErros(const core::TParametros& params, report::ImpressoraRelatorio& impressora,
                   const Relogio& agora)
        : impressora_(impressora),
          agora_(agora),
          titulo_(util::W("Erros encontrados na geração do arquivo da empresa ") + params.NOME_FIL +
                  " do periodo de " + DataCurta(params.DATA_INI) + " a " +
                  DataCurta(params.DATA_FIM)) {}

    void Cabecalho() {
        const util::DataHora h = agora_();
        const std::string direita =
            fmt::format("{} {:02}:{:02}{}{:04}", DataCurta(h), h.hora, h.minuto,
                        util::W(" - Pág.: "), impressora_.NumeroPagina());
        impressora_.Imprimir(1, 1, "Gerador do arquivo SPED EFD");
        impressora_.Imprimir(1, kColunaDireita + 1 - static_cast<int>(direita.size()), direita);
        linha_ = 3;
    }

    void Titulo() {
        impressora_.Imprimir(linha_, 1, titulo_);
        impressora_.Imprimir(linha_ + 1, 1, std::string(kColunaDireita, '-'));
        linha_ += 2;
        if (secaoArquivo_) TituloSecaoArquivo();
    }

    // A seção dos problemas do arquivo escrito, depois dos problemas de dados.
    void ComecarSecaoArquivo() {
        secaoArquivo_ = true;
        if (linha_ > 3 + 2) ++linha_;  // uma linha em branco depois dos erros de dados
        if (linha_ + 2 > kUltimaLinhaErro) {
            NovaPagina();
            return;
        }
        TituloSecaoArquivo();
    }

    void Erro(const core::TErro& erro) {
        if (linha_ > kUltimaLinhaErro) NovaPagina();
        impressora_.Imprimir(linha_, 1, "Reg.: " + erro.REG + "-" + erro.MENS);
        ++linha_;
    }

private:
    void NovaPagina() {
        impressora_.NovaPagina();
        Cabecalho();
        Titulo();
    }

    void TituloSecaoArquivo() {
        impressora_.Imprimir(linha_, 1, util::W("Problemas do arquivo gerado, conferido com o leiaute oficial "
                                                "(corrija no ERP antes de enviar):"));
        ++linha_;
    }

    report::ImpressoraRelatorio& impressora_;
    const Relogio& agora_;
    const std::string titulo_;
    int linha_ = 3;
    bool secaoArquivo_ = false;
};

}  // namespace

void ImprimirErros(const core::ListaErros& cdsErros, const core::TParametros& params,
                   report::ImpressoraRelatorio& impressora, const Relogio& agora) {
    RelatorioErros relatorio(params, impressora, agora);
    try {
        impressora.Abrir();
        relatorio.Cabecalho();
        if (!impressora.ConfigurarImpressora()) {
            impressora.Abandonar();
            return;
        }
        relatorio.Titulo();
        for (const core::TErro& erro : cdsErros.Erros()) relatorio.Erro(erro);
        if (!cdsErros.ProblemasArquivo().empty()) {
            relatorio.ComecarSecaoArquivo();
            for (const core::TErro& erro : cdsErros.ProblemasArquivo()) relatorio.Erro(erro);
        }
        impressora.Fechar();
    } catch (...) {
        impressora.Abandonar();
        throw;
    }
}

}  // namespace app
