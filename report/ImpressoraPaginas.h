#pragma once
// Impressora que monta as páginas em memória e as entrega todas em Fechar, para quem desenha as
// páginas prontas. Exemplo, o relatório em PDF:
//
//   report::ImpressoraPaginas impressora([&](const auto& paginas) {
//       report::GravarArquivo(destino, report::PaginasEmPdf(paginas));
//   });
#include <functional>
#include <vector>

#include "report/ImpressoraRelatorio.h"
#include "report/Pagina.h"

namespace report {

class ImpressoraPaginas : public ImpressoraRelatorio {
public:
    using Entrega = std::function<void(const std::vector<Pagina>&)>;
    using Configuracao = std::function<bool()>;

    // 'entregar' recebe as páginas em Fechar; 'configurar' responde ConfigurarImpressora (sem ela,
    // a configuração é sempre aceita).
    explicit ImpressoraPaginas(Entrega entregar, Configuracao configurar = {});

    void Abrir() override;
    bool ConfigurarImpressora() override;
    void NovaPagina() override;
    int NumeroPagina() const override;
    // Sem relatório aberto lança std::logic_error.
    void Imprimir(int linha, int coluna, std::string_view texto) override;
    void Fechar() override;
    void Abandonar() override;

    // As páginas do relatório aberto.
    const std::vector<Pagina>& Paginas() const { return paginas_; }

private:
    Entrega entregar_;
    Configuracao configurar_;
    std::vector<Pagina> paginas_;
};

}  // namespace report
