#pragma once
// TfrmSped: a janela principal. Cada controle mostra e altera o seu campo de cdsParams; as regras
// de negócio ficam no módulo de dados, a janela só liga os controles a ele e dispara a geração.
#include <QMainWindow>
#include <filesystem>

namespace app {
class TdmPrinc;
}
namespace core {
struct TProgresso;
}
namespace util {
class CaixaMensagem;
}

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace janela {

class TfrmSped : public QMainWindow {
public:
    // 'pastaExecutavel' é o ponto de partida do local de gravação (pasta + "/SPED_EFD").
    TfrmSped(app::TdmPrinc& dm, util::CaixaMensagem& mensagens,
             const std::filesystem::path& pastaExecutavel, QWidget* pai = nullptr);

    // Todos os controles ligados a cdsParams passam a mostrar os valores atuais.
    void MostrarParametros();
    // "Gerar Arquivo": validação, geração com o progresso na janela e o relatório de erros.
    void GerarArquivo();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void MontarTela();
    QWidget* MontarCaixaFilial();
    QWidget* MontarCaixaPeriodo();
    QWidget* MontarCaixaInventario();
    QWidget* MontarCaixaGravacao();
    QWidget* MontarCaixaGerar();
    QWidget* MontarProgresso();
    void DefinirOrdemTab();
    void LigarControles();
    void PreencherBarraStatus();

    void AplicarRegraInventario();
    void AplicarRegraBlocoK();
    void AplicarRegraItensSaida();
    void GravarMesAnoInventario();
    void AtualizarProgresso(const core::TProgresso& progresso);

    void AbrirParametros();
    void AbrirTiposFiscais();
    void EscolherArquivoUnificar();
    void EscolherDiretorio();
    // Executa 'acao' mostrando uma falha no diálogo de erro padrão, como toda ação da janela.
    template <class Acao>
    void Proteger(Acao&& acao);

    app::TdmPrinc& dm_;
    util::CaixaMensagem& mensagens_;
    std::filesystem::path pastaExecutavel_;
    bool mostrada_ = false;
    bool gerando_ = false;
    bool gravandoMesAno_ = false;

    QWidget* caixas_ = nullptr;  // tudo o que altera parâmetros, travado durante a geração
    QLineEdit* edtFilial_ = nullptr;
    QComboBox* cbxEmpresa_ = nullptr;
    QLineEdit* edtCnpj_ = nullptr;
    QLineEdit* edtInscricao_ = nullptr;
    QLineEdit* edtUnificar_ = nullptr;
    QToolButton* btnUnificar_ = nullptr;
    QPushButton* btnParametros_ = nullptr;
    QDateEdit* dtpDataIni_ = nullptr;
    QDateEdit* dtpDataFim_ = nullptr;
    QComboBox* cbxFinalidade_ = nullptr;
    QComboBox* cbxGerarBlocoH_ = nullptr;
    QLineEdit* edtMesAnoInventario_ = nullptr;
    QPushButton* btnTiposFiscais_ = nullptr;
    QComboBox* cbxMotivoInventario_ = nullptr;
    QLineEdit* edtDiretorio_ = nullptr;
    QToolButton* btnDiretorio_ = nullptr;
    QPushButton* btnAbrirArquivo_ = nullptr;
    QCheckBox* chkEntradas_ = nullptr;
    QCheckBox* chkSaidas_ = nullptr;
    QCheckBox* chkItensSaida_ = nullptr;
    QComboBox* cbxBlocoK_ = nullptr;
    QCheckBox* chkRegistro0210_ = nullptr;
    QPushButton* btnGerarArquivo_ = nullptr;
    QLabel* lblEtapa_ = nullptr;
    QProgressBar* barraProgresso_ = nullptr;
    QLabel* lblInicio_ = nullptr;
    QLabel* lblFim_ = nullptr;
    QLabel* pnlVersao_ = nullptr;
    QLabel* pnlBanco_ = nullptr;
};

}  // namespace janela
