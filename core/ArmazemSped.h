#pragma once
// Área de trabalho SPED_EFD: cada registro vira uma linha, recebe o número de ordem que fixa o seu
// lugar no arquivo e vai para o banco pelo gravador (GravadorSped), que grava em paralelo à geração.
//
// O gravador reserva SPED_EFD para escrita protegida: enquanto uma geração corre, outra no mesmo
// banco é recusada em vez de apagar as linhas da primeira. A geração lê o ERP e, depois de
// ConfirmarGravacao, as suas linhas por uma transação de leitura na conexão principal.
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/GravadorSped.h"
#include "core/LimpezaCampos.h"
#include "core/ListaErros.h"
#include "core/OrdemRegistros.h"
#include "core/RegistroEFD.h"
#include "db/Banco.h"
#include "util/Mensagens.h"

namespace core {

// Outra geração segura SPED_EFD neste banco.
class GeracaoEmAndamento : public std::runtime_error {
public:
    GeracaoEmAndamento();
};

class ArmazemSped {
public:
    ArmazemSped(db::Banco& banco, util::CaixaMensagem& mensagens);
    ~ArmazemSped();

    // Começa uma geração: reserva SPED_EFD (lança GeracaoEmAndamento se outra geração a segura,
    // sem apagar nada), apaga todas as linhas antigas, pega uma nova chave e zera o contador.
    void IniciarGeracao();
    // Confirma as linhas gravadas e libera SPED_EFD. Chamado no fim da geração, com ou sem falha.
    void EncerrarGeracao();
    bool EmGeracao() const { return tr_ != nullptr; }

    // Grava um registro; sem REG ou duplicado de um registro mestre desta geração, nada é gravado.
    // Os valores entram limpos (LimpezaCampos); um código maior que o seu campo vai para a lista
    // de erros dada em ReportarEm. Uma falha do banco aparece aqui ou na próxima confirmação, com
    // o diálogo da linha que falhou.
    void GravarRegistro(const TRegistroEFD& registro);
    // Lista de erros que recebe os códigos maiores que o campo (sem ela, só a conferência do
    // arquivo os aponta).
    void ReportarEm(ListaErros* erros) { erros_ = erros; }
    // Grava uma linha já formatada (unificação de arquivos), exatamente como veio.
    void GravarLinha(std::string_view codigo, std::string_view linha);
    // Espera o gravador e confirma no banco tudo o que foi gravado até aqui.
    void ConfirmarGravacao();

    static std::string ChaveAgrupamento(const TRegistroEFD& registro);
    static std::string ChaveAgrupamento(std::string_view codigo, std::string_view linha);
    bool RegistroExiste(std::string_view codigo, std::string_view chave) const;
    // Avança o contador da faixa do código e devolve base + contador (OrdemRegistros).
    int OrdemRegistro(std::string_view codigo) { return ordem_.Proxima(codigo); }
    static int BaseOrdem(std::string_view codigo) { return OrdemRegistros::Base(codigo); }

    int ChaveGeracao() const { return chave_; }
    bool InventarioImportado() const { return inventarioImportado_; }
    int64_t LinhasGravadas() const { return linhas_; }
    // Tamanho em bytes da maior linha desta geração.
    size_t MaiorLinha() const { return maiorLinha_; }
    // Linhas desta geração cujo código começa com 'prefixo' ("" conta todas).
    int64_t LinhasComPrefixo(std::string_view prefixo) const;
    // Linhas desta geração por código de registro, na ordem dos códigos.
    const std::map<std::string, int64_t, std::less<>>& LinhasPorCodigo() const { return linhasPorCodigo_; }
    // Transação de leitura da geração: o ERP e, depois de ConfirmarGravacao, as linhas desta geração.
    db::Transacao& Transacao();

    // Linhas por confirmação, a partir da próxima geração. 1 reproduz o desenho de uma confirmação
    // por linha (para medir).
    void DefinirTamanhoLote(int linhas) { tamanhoLote_ = linhas < 1 ? 1 : linhas; }

private:
    void Inserir(std::string_view codigo, std::string linha, const std::string& chave);
    // Chama o gravador; na primeira falha de gravação mostra o diálogo com a linha que falhou.
    template <typename F>
    void MostrarFalha(F&& gravar);

    db::Banco& banco_;
    util::CaixaMensagem& mensagens_;
    std::unique_ptr<GravadorSped> gravador_;  // conexão própria, aberta na primeira geração
    std::unique_ptr<db::Transacao> tr_;
    std::unordered_set<std::string> chavesGravadas_;  // código + '|' + chave de agrupamento
    std::map<std::string, int64_t, std::less<>> linhasPorCodigo_;
    OrdemRegistros ordem_;
    LimpezaCampos limpeza_;
    std::vector<LimpezaCampos::CodigoLongo> longos_;
    ListaErros* erros_ = nullptr;
    int chave_ = 0;
    int64_t linhas_ = 0;
    size_t maiorLinha_ = 0;
    int tamanhoLote_ = 20000;
    bool inventarioImportado_ = false;
    bool falhaMostrada_ = false;
};

// Divide uma linha "|A|B|" nos seus campos; o campo 1 é o código do registro.
std::vector<std::string> DividirLinha(std::string_view linha);

}  // namespace core
