#include "app/validacao/ValidarGeracao.h"

#include <string_view>

#include "util/Texto1252.h"

namespace app {

using util::W;

static const util::DataHora kInicioEfd = util::DataHora::Data(2009, 1, 1);

// Só brancos também é vazio: nada ali serve ao arquivo.
static bool Vazio(std::string_view texto) {
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

// O arquivo é mensal e a EFD ICMS/IPI começou em janeiro de 2009: o validador oficial recusa um
// período que atravesse meses ou anterior a isso.
static std::string ProblemaPeriodo(const util::DataHora& inicio, const util::DataHora& fim) {
    if (inicio.Vazia() || fim.Vazia()) return W("Informe o início e o fim do período.");
    if (fim < inicio)
        return W("O fim do período (") + fim.SoData().Texto() + W(") é anterior ao início (") +
               inicio.SoData().Texto() + ").";
    if (inicio.ano != fim.ano || inicio.mes != fim.mes)
        return W("O período de ") + inicio.SoData().Texto() + " a " + fim.SoData().Texto() +
               W(" não está dentro de um só mês: o arquivo da EFD ICMS/IPI é mensal. Escolha o "
                 "início e o fim no mesmo mês.");
    if (inicio < kInicioEfd)
        return W("A EFD ICMS/IPI começou em janeiro de 2009: escolha um período a partir de "
                 "01/01/2009.");
    return {};
}

static bool NenhumTipoEscolhido(const TFiltroTiposFiscais& filtro) {
    return !filtro.TiposMateriaPrimaSelecionados && !filtro.TipoProdutoSelecionado;
}

// A primeira conferência que falha, ou texto vazio.
static std::string Problema(const core::TParametros& params, const core::ListaFiliais& cdsFil,
                            const TFiltroTiposFiscais& filtro) {
    const core::TFilial* filial = cdsFil.Localizar(params.FILIAL);
    if (!filial) return W("Filial inválida.");
    if (Vazio(filial->FANTASIA_FI))
        return W(
            "O campo \"Nome Fantasia\" da filial é de preenchimento obrigatório.\r"
            "caso não possua nome de fantasia, preencher com parte da razão social pela qual é "
            "conhecida.");
    if (filial->DIAS_VENCTO_ICMS_AREC_FI == 0)
        return W(
            "O campo \"Número de dias para recolhimento do ICMS\" da filial é de preenchimento "
            "obrigatório.");
    if (Vazio(filial->COD_RECEITA_ICMS_AREC_FI))
        return W(
            "O campo \"Cód. Receita ICMS a Recolher\" da filial é de preenchimento obrigatório.");
    if (std::string periodo = ProblemaPeriodo(params.DATA_INI, params.DATA_FIM); !periodo.empty())
        return periodo;

    if (params.GERAR_BLOCO_K != "N") {
        if (NenhumTipoEscolhido(filtro))
            return W("Selecione os tipos fiscais que irão ser gerados no Estoque Escriturado.");
        if (Vazio(params.MES_ANO_INVENTARIO)) return W("Informe o Mês/Ano do Inventário.");
    }
    if (params.GERAR_REG_H == "S") {
        if (NenhumTipoEscolhido(filtro))
            return W("Selecione os tipos fiscais que irão ser gerados no inventário.");
        if (Vazio(params.MES_ANO_INVENTARIO)) return W("Informe o Mês/Ano do Inventário.");
        if (Vazio(params.MOTIVO_INVENTARIO)) return W("Selecione o motivo do inventário.");
    }
    return {};
}

bool ValidarGeracao(const core::TParametros& params, const core::ListaFiliais& cdsFil,
                    const TFiltroTiposFiscais& filtro, util::CaixaMensagem& mensagens,
                    const util::DataHora& hoje) {
    if (const std::string problema = Problema(params, cdsFil, filtro); !problema.empty()) {
        mensagens.Alerta(problema);
        return false;
    }
    if (params.DATA_FIM.SoData() > hoje.SoData() &&
        !mensagens.Confirmacao(
            W("O período termina depois de hoje: o mês ainda não foi encerrado e o arquivo pode "
              "sair sem documentos que ainda serão lançados.\r"
              "Confirma a geração do arquivo assim mesmo ?"),
            /*padraoNao=*/true))
        return false;
    if (params.DATA_INI.mes == 2 && params.GERAR_REG_H == "N")
        return mensagens.Confirmacao(
            W("No mês de Fevereiro é obrigatório a geração do Bloco H (Inventário).\r"
              "Confirma a geração do arquivo sem o registro do Bloco H ?"),
            /*padraoNao=*/true);
    return true;
}

}  // namespace app
