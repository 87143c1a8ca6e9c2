#pragma once
// Uma geração completa sobre um banco de teste: filial 1 (MG) com contabilista, parâmetros do
// período e saída numa pasta temporária.
#include <filesystem>
#include <string>
#include <vector>

#include "core/Geracao.h"
#include "core/leiaute/Verificador.h"
#include "tests/support/BancoTeste.h"
#include "tests/support/MensagensTeste.h"

namespace teste {

class GeracaoTeste {
public:
    GeracaoTeste();
    // Recarrega a lista de filiais (depois de mudar FILIAL no banco).
    void RecarregarFiliais();
    // Gera com as etapas reais e devolve as linhas do arquivo escrito (sem CR LF).
    std::vector<std::string> Gerar();
    // Gera só com as etapas dadas.
    std::vector<std::string> Gerar(const std::vector<core::EtapaGeracao>& etapas);
    // Conteúdo bruto do arquivo do período corrente.
    std::string LerArquivo() const;
    // Linhas com o código de registro dado.
    static std::vector<std::string> Registros(const std::vector<std::string>& linhas, const std::string& reg);

    // Todo arquivo gerado passa pela conferência com o leiaute: um problema que o teste não
    // declarou aqui (pelo tipo da regra, ex.: "e300_obrigatorio") falha o teste. A geração só com
    // algumas etapas confere só as linhas (campos, tamanhos, números, datas, valores, registros).
    std::vector<std::string> problemasEsperados;

    BancoErpTeste erp;
    PastaTemporaria pasta;
    MensagensTeste mensagens;
    core::TParametros params;
    core::ListaFiliais filiais;
    core::ArmazemSped sped{erp.banco(), mensagens};
    core::ListaErros erros;
    core::TProgresso progresso;
    core::ConfiguracoesErp configuracoes;
    core::Geracao g{erp.banco(), params, filiais, sped, erros, progresso, mensagens, configuracoes};

private:
    void ConferirArquivo(bool completo);
};

}  // namespace teste
