#include "blocks/blocoH/BlocoH.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "blocks/blocoH/EstoqueMateriais.h"
#include "blocks/blocoH/EstoqueProdutos.h"
#include "blocks/blocoH/ItemInventario.h"
#include "core/FechamentoBlocos.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Datas.h"

namespace blocks {

using util::DataHora;

namespace {

bool MotivoComH020(const std::string& motivo) {
    return motivo == "02" || motivo == "03" || motivo == "04" || motivo == "05";
}

// O campo 'n' de uma linha "|REG|A|B|" (REG é o 1).
std::string CampoDaLinha(std::string_view linha, int n) {
    size_t inicio = 0;
    for (int i = 0; i < n && inicio != std::string_view::npos; ++i) inicio = linha.find('|', inicio + (i > 0));
    if (inicio == std::string_view::npos) return {};
    const size_t fim = linha.find('|', inicio + 1);
    return std::string(linha.substr(inicio + 1, fim == std::string_view::npos ? fim : fim - inicio - 1));
}

// Soma dos VL_ITEM dos H010 trazidos de um arquivo unificado.
core::Dinheiro ValorInventarioImportado(core::Geracao& g) {
    core::Dinheiro total;
    if (!g.sped.InventarioImportado()) return total;
    g.sped.ConfirmarGravacao();
    auto q = g.Preparar(
        "select cast(CONTEUDO_SE as varchar(2000)) from SPED_EFD where CHAVE_SE = :CHAVE and COD_REG_SE = 'H010'");
    q->Param("CHAVE", g.sped.ChaveGeracao());
    while (q->Proximo()) {
        std::string valor = CampoDaLinha(q->NaPosicao(0).Texto(), 6);
        std::ranges::replace(valor, ',', '.');
        total += core::Dinheiro::DeReal(std::strtod(valor.c_str(), nullptr));
    }
    return total;
}

void GravarInventario(core::Geracao& g) {
    TEstadoEstoque& e = g.estado.estoque;
    const DataHora data = g.params.DATA_INVENTARIO;
    e.gerarH020 = MotivoComH020(g.params.MOTIVO_INVENTARIO);
    if (e.gerarH020) CarregarProdMPH020(g);
    g.GravarRegistro("H001", "IND_MOV", "0");

    const TTiposFiscaisEstoque tipos = TiposFiscaisEstoque(g);
    TabelaEstMP cdsEstMP;
    AcumularEstoqueMateriais(g, tipos, data, cdsEstMP);
    ValorarEstoqueMateriais(g, "H010", cdsEstMP);
    AcumularEstoqueProdutos(g, "H010", data, tipos);
    VerificarTransferenciaInterna(g, DataHora::Data(data.ano, data.mes, 1), data);

    // O H005 vem antes dos seus H010 no arquivo, e um inventário de valor zero não tem H010.
    const core::Dinheiro total = e.VL_INV + ValorInventarioImportado(g);
    core::TRegistroEFD r;
    r.SetCampo("REG", "H005");
    r.SetCampo("DT_INV", core::FormatarDataEFD(data));
    r.SetCampo("VL_INV", core::FormatarValor(total, 2));
    r.SetCampo("MOT_INV", g.params.MOTIVO_INVENTARIO);
    g.GravarRegistro(r);
    if (total > core::Dinheiro{})
        for (const core::TRegistroEFD& linha : e.linhasInventario) g.GravarRegistro(linha);
    e.linhasInventario.clear();
}

}  // namespace

void GerarBlocoH(core::Geracao& g) {
    g.estado.estoque = {};
    if (g.params.GERAR_REG_H != "N" || g.sped.InventarioImportado())
        GravarInventario(g);
    else
        g.GravarRegistro("H001", "IND_MOV", "1");
    g.GravarRegistro("H990", "QTD_LIN_H", std::to_string(core::ContarLinhasBloco(g, "H")));
}

void VerificarTransferenciaInterna(core::Geracao& g, const DataHora& primeiroDia, const DataHora& ultimoDia) {
    if (!g.configuracoes.VALIDA_TRANS_INTERNA_K220) return;
    auto q = g.Preparar(
        "SELECT COUNT(*) QTDE_REG FROM ITENSNS SA LEFT JOIN NOTASAI NS ON (IIF(SA.FILIAL_SA > 99,SA.FILIAL_SA/100,"
        "SA.FILIAL_SA) = NS.FILIAL_NS) AND NS.DOCTO_NS = SA.DOCTO_SA AND NS.SERIE_NS = SA.SERIE_SA LEFT JOIN "
        "ITENSNS_DET_IT_FAT F ON FILIAL_DI = SA.FILIAL_SA AND DOCTO_DI = SA.DOCTO_SA AND SERIE_DI = SA.SERIE_SA AND "
        "ITEM_ITENSNS_DI = SA.ITEM_SA WHERE DATA_SA >= :DATA_INI AND DATA_SA <= :DATA_FIM AND FILIAL_SA = :FILIAL "
        "AND NS.TPNOTA_NS <> 'C' AND ((NS.CODSTATUS_NFE_NS = 100 AND NS.NUM_PROTOC_NFE_NS <> '') OR "
        "((NS.CHAVE_NFE_NS = '') OR (NS.CHAVE_NFE_NS IS NULL))) AND ((COD_PRODPED_SA <> PROD_DI) OR "
        "(COD_PADRON_SA <> PADRON_DI) OR (TAMANHO_SA <> TAM_DI)) AND SA.MOV_FISICA_SA = 'S' AND "
        "F.ID_ESTOQUE_MOV_INT_DI IS NULL");
    q->Param("DATA_INI", util::DataHoraSql(primeiroDia, 0, 0, 0)).Param("DATA_FIM", util::DataHoraSql(ultimoDia, 23, 59, 59));
    q->Param("FILIAL", g.params.FILIAL);
    if (q->Abrir() && q->NaPosicao(0).Inteiro() > 0)
        g.AdicionarErro("K220", "Existem registros de Transferência Interna a serem processados no período.");
}

}  // namespace blocks
