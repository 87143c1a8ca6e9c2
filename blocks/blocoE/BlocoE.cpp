#include "blocks/blocoE/BlocoE.h"

#include <fmt/format.h>

#include "blocks/blocoE/ApuracaoIcms.h"
#include "core/FechamentoBlocos.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Datas.h"

namespace blocks {

using core::FormatarValorDecimilesimos;
using core::TRegistroEFD;
using util::DataHora;

DataHora CalcularVencimentoICMS(const DataHora& dataIni, int diasVencimento) {
    const int dia = diasVencimento < 1 ? 1 : diasVencimento > 30 ? 30 : diasVencimento;
    util::TData mesSeguinte(dataIni.SoData());
    mesSeguinte.IncMes(1);
    const int ultimo = mesSeguinte.DiasNoMes();
    DataHora vencimento = DataHora::Data(mesSeguinte.Ano(), mesSeguinte.Mes(), dia > ultimo ? ultimo : dia);
    if (vencimento.DiaDaSemana() == 6) vencimento = vencimento.MaisDias(2);
    if (vencimento.DiaDaSemana() == 0) vencimento = vencimento.MaisDias(1);
    return vencimento;
}

static constexpr const char* kSaldoDoPeriodo =
    "select VALOR_SALDO_CREDOR_AI from APURACAOICMS where FILIAL_APUICMS=:FIL and DATAINI_APUICMS=:DT_INI";

int64_t LerSaldoCredorAnterior(core::Geracao& g) {
    util::TData anterior(g.params.DATA_INI.SoData());
    anterior.DecMes(1);
    db::Consulta q(g.Leitura(), kSaldoDoPeriodo);
    q.Param("FIL", g.params.FILIAL).Param("DT_INI", anterior.Valor());
    if (!q.Proximo()) return 0;
    return q["VALOR_SALDO_CREDOR_AI"].ComoDecimal().EmEscala(4);
}

void GravarSaldoCredor(core::Geracao& g, int64_t saldo) {
    // Transação própria, que espera bloqueios: a da geração só grava em SPED_EFD.
    db::Transacao tr(g.banco);
    const DataHora inicio = g.params.DATA_INI.SoData(), fim = g.params.DATA_FIM.SoData();
    db::Consulta existe(tr, kSaldoDoPeriodo);
    existe.Param("FIL", g.params.FILIAL).Param("DT_INI", inicio);
    const bool haRegistro = existe.Proximo();
    existe.Fechar();
    db::Consulta grava(tr, haRegistro
                               ? "update APURACAOICMS set VALOR_SALDO_CREDOR_AI = :VR_SALDO where FILIAL_APUICMS=:FIL "
                                 "and DATAINI_APUICMS=:DATA_INI and DATAFIM_APUICMS=:DATA_FIM"
                               : "insert into APURACAOICMS (FILIAL_APUICMS, DATAINI_APUICMS, DATAFIM_APUICMS, "
                                 "VALOR_SALDO_CREDOR_AI) values (:FIL, :DATA_INI, :DATA_FIM, :VR_SALDO)");
    grava.Param("FIL", g.params.FILIAL)
        .Param("DATA_INI", inicio)
        .Param("DATA_FIM", fim)
        .Param("VR_SALDO", db::Decimal{saldo, 4});
    grava.Executar();
    tr.Commit();
}

// O débito de DIFAL da própria UF (MG) entra na apuração do ICMS como ajuste E111.
static void AjusteDifalPropriaUF(core::Geracao& g) {
    const auto mg = g.resumosE.E310.find("MG");
    const std::string& codigo = g.params.AJ_DEB_DIFAL_REG_E111_COD;
    if (mg == g.resumosE.E310.end() || codigo.empty() || mg->second.VL_TOT_DEBITOS_DIFAL <= 0) return;
    const double valor = mg->second.VL_TOT_DEBITOS_DIFAL;
    g.resumosE.E111[{codigo, g.params.AJ_DEB_DIFAL_REG_E111_DESC}] += core::EmDecimilesimos(valor);
    AcumularApuracaoICMS(g.resumosE.totais, "E111", "", "", codigo, 0, valor);
}

// Fecha a apuração: saldo anterior, saldo apurado, a recolher e credor a transportar.
static void CalcularSaldos(core::Geracao& g) {
    core::TotaisApuracaoICMS& t = g.resumosE.totais;
    t.VL_SLD_CREDOR_ANT = LerSaldoCredorAnterior(g);
    const int64_t debitos = t.VL_TOT_DEBITOS + t.VL_AJ_DEBITOS + t.VL_TOT_AJ_DEBITOS + t.VL_ESTORNOS_CRED;
    const int64_t creditos = t.VL_TOT_CREDITOS + t.VL_AJ_CREDITOS + t.VL_TOT_AJ_CREDITOS + t.VL_ESTORNOS_DEB +
                             t.VL_SLD_CREDOR_ANT;
    t.VL_SLD_APURADO = debitos > creditos ? debitos - creditos : 0;
    t.VL_SLD_CREDOR_TRANSPORTAR = debitos < creditos ? creditos - debitos : 0;
    t.VL_ICMS_RECOLHER = t.VL_SLD_APURADO >= t.VL_TOT_DED ? t.VL_SLD_APURADO - t.VL_TOT_DED : 0;
}

static void GravarE110(core::Geracao& g, TRegistroEFD& r) {
    const core::TotaisApuracaoICMS& t = g.resumosE.totais;
    const std::pair<const char*, int64_t> campos[] = {
        {"VL_TOT_DEBITOS", t.VL_TOT_DEBITOS},
        {"VL_AJ_DEBITOS", t.VL_AJ_DEBITOS},
        {"VL_TOT_AJ_DEBITOS", t.VL_TOT_AJ_DEBITOS},
        {"VL_ESTORNOS_CRED", t.VL_ESTORNOS_CRED},
        {"VL_TOT_CREDITOS", t.VL_TOT_CREDITOS},
        {"VL_AJ_CREDITOS", t.VL_AJ_CREDITOS},
        {"VL_TOT_AJ_CREDITOS", t.VL_TOT_AJ_CREDITOS},
        {"VL_ESTORNOS_DEB", t.VL_ESTORNOS_DEB},
        {"VL_SLD_CREDOR_ANT", t.VL_SLD_CREDOR_ANT},
        {"VL_SLD_APURADO", t.VL_SLD_APURADO},
        {"VL_TOT_DED", t.VL_TOT_DED},
        {"VL_ICMS_RECOLHER", t.VL_ICMS_RECOLHER},
        {"VL_SLD_CREDOR_TRANSPORTAR", t.VL_SLD_CREDOR_TRANSPORTAR},
        {"DEB_ESP", t.DEB_ESP},
    };
    r.Clear();
    r.SetCampo("REG", "E110");
    for (const auto& [nome, valor] : campos) r.SetCampo(nome, FormatarValorDecimilesimos(valor, 2));
    g.GravarRegistro(r);
}

// O leiaute exige E116 sempre que VL_ICMS_RECOLHER + DEB_ESP passa de zero, com a soma dos E116
// igual a esse valor; não só quando há ICMS a recolher.
static void GravarE116(core::Geracao& g, TRegistroEFD& r, const core::TFilial* filial) {
    const core::TotaisApuracaoICMS& t = g.resumosE.totais;
    const int64_t valor = t.VL_ICMS_RECOLHER + t.DEB_ESP;
    if (valor <= 0) return;
    r.Clear();
    r.SetCampo("REG", "E116");
    r.SetCampo("COD_OR", "000");
    r.SetCampo("VL_OR", FormatarValorDecimilesimos(valor, 2));
    r.SetCampo("DT_VCTO", core::FormatarDataEFD(
                              CalcularVencimentoICMS(g.params.DATA_INI, filial ? filial->DIAS_VENCTO_ICMS_AREC_FI : 1)));
    r.SetCampo("COD_REC", core::SomenteNumeros(filial ? filial->COD_RECEITA_ICMS_AREC_FI : ""));
    r.SetCampo("NUM_PROC", "");
    r.SetCampo("IND_PROC", "");
    r.SetCampo("PROC", "");
    r.SetCampo("TXT_COMPL", "");
    if (g.params.DATA_INI >= DataHora::Data(2011, 1, 1))
        r.SetCampo("MES_REF", fmt::format("{:02}{:04}", g.params.DATA_INI.mes, g.params.DATA_INI.ano));
    g.GravarRegistro(r);
}

void GerarBlocoE(core::Geracao& g) {
    AjusteDifalPropriaUF(g);
    const core::TFilial* filial = g.filiais.Localizar(g.params.FILIAL);
    TRegistroEFD r;
    r.SetCampo("REG", "E001");
    r.SetCampo("IND_MOV", "0");
    g.GravarRegistro(r);

    r.Clear();
    r.SetCampo("REG", "E100");
    r.SetCampo("DT_INI", core::FormatarDataEFD(g.params.DATA_INI));
    r.SetCampo("DT_FIN", core::FormatarDataEFD(g.params.DATA_FIM));
    g.GravarRegistro(r);

    CalcularSaldos(g);
    GravarE110(g, r);
    for (const auto& [chave, valor] : g.resumosE.E111) {
        r.Clear();
        r.SetCampo("REG", "E111");
        r.SetCampo("COD_AJ_APUR", chave.first);
        r.SetCampo("DESCR_COMPL_AJ", chave.second);
        r.SetCampo("VL_AJ_APUR", FormatarValorDecimilesimos(valor, 2));
        g.GravarRegistro(r);
    }
    GravarE116(g, r, filial);
    // Os grupos E200 (ICMS-ST), E300 (DIFAL/FCP) e E500 (IPI) entram aqui quando existirem.

    r.Clear();
    r.SetCampo("REG", "E990");
    r.SetCampo("QTD_LIN_E", std::to_string(core::ContarLinhasBloco(g, "E")));
    g.GravarRegistro(r);
    GravarSaldoCredor(g, g.resumosE.totais.VL_SLD_CREDOR_TRANSPORTAR);
}

}  // namespace blocks
