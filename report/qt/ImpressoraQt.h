#pragma once
// A impressora de relatórios da janela: configuração da impressora no diálogo do sistema e
// pré-visualização, da qual o usuário imprime.
#include <memory>
#include <vector>

#include "report/ImpressoraPaginas.h"
#include "report/ImpressoraRelatorio.h"
#include "report/Pagina.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace report {

// Uma folha por página, em retrato: as 66 linhas de 136 colunas em fonte de passo fixo do maior
// tamanho que cabe na área útil, centradas, como no PDF. O que passa da coluna 136 é cortado.
void DesenharPaginas(QPagedPaintDevice& dispositivo, const std::vector<Pagina>& paginas);

class ImpressoraQt : public ImpressoraRelatorio {
public:
    // 'pai' é a janela sobre a qual os diálogos abrem.
    explicit ImpressoraQt(QWidget* pai = nullptr);
    ~ImpressoraQt() override;

    void Abrir() override { paginas_.Abrir(); }
    // QPrintDialog; false quando o usuário cancela.
    bool ConfigurarImpressora() override { return paginas_.ConfigurarImpressora(); }
    void NovaPagina() override { paginas_.NovaPagina(); }
    int NumeroPagina() const override { return paginas_.NumeroPagina(); }
    void Imprimir(int linha, int coluna, std::string_view texto) override {
        paginas_.Imprimir(linha, coluna, texto);
    }
    // Mostra a pré-visualização (QPrintPreviewDialog) na impressora escolhida e espera fechá-la.
    void Fechar() override { paginas_.Fechar(); }
    void Abandonar() override { paginas_.Abandonar(); }

private:
    bool DialogoImpressora();
    void Previsualizar(const std::vector<Pagina>& paginas);

    QWidget* pai_;
    std::unique_ptr<QPrinter> impressora_;
    ImpressoraPaginas paginas_;
};

}  // namespace report
