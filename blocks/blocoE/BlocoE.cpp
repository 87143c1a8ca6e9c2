#include "blocks/blocoE/BlocoE.h"

#include <fmt/format.h>

#include "blocks/blocoE/ApuracaoIcms.h"
#include "core/Empresa.h"
#include "core/FechamentoBlocos.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "core/GravacaoErp.h"
#include "util/Datas.h"

namespace blocks {

using core::Dinheiro;
using core::FormatarValor;
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

Dinheiro LerSaldoCredorAnterior(core::Geracao& g) {
    util::TData anterior(g.params.DATA_INI.SoData());
    anterior.DecMes(1);
    db::Consulta q(g.Leitura(), kSaldoDoPeriodo);
    q.Param("FIL", g.params.FILIAL).Param("DT_INI", anterior.Valor());
    if (!q.Proximo()) return {};
    return Dinheiro::DeDecimilesimos(q["VALOR_SALDO_CREDOR_AI"].ComoDecimal().EmEscala(4));
}

void GravarSaldoCredor(core::Geracao& g, Dinheiro saldo) {
    const DataHora inicio = g.params.DATA_INI.SoData(), fim = g.params.DATA_FIM.SoData();
    core::GravarNoErp(g.banco, util::W("o saldo credor do ICMS do período (APURACAOICMS)"), [&](db::Transacao& tr) {
        db::Consulta existe(tr, kSaldoDoPeriodo);
        existe.Param("FIL", g.params.FILIAL).Param("DT_INI", inicio);
        const bool haRegistro = existe.Proximo();
        existe.Fechar();
        db::Consulta grava(tr, haRegistro
                                   ? "update APURACAOICMS set VALOR_SALDO_CREDOR_AI = :VR_SALDO where "
                                     "FILIAL_APUICMS=:FIL and DATAINI_APUICMS=:DATA_INI and DATAFIM_APUICMS=:DATA_FIM"
                                   : "insert into APURACAOICMS (FILIAL_APUICMS, DATAINI_APUICMS, DATAFIM_APUICMS, "
                                     "VALOR_SALDO_CREDOR_AI) values (:FIL, :DATA_INI, :DATA_FIM, :VR_SALDO)");
        grava.Param("FIL", g.params.FILIAL)
            .Param("DATA_INI", inicio)
            .Param("DATA_FIM", fim)
            .Param("VR_SALDO", db::Decimal{saldo.Decimilesimos(), 4});
        grava.Executar();
    });
}

// O débito de DIFAL da UF da empresa entra na apuração do ICMS como ajuste E111.
static void AjusteDifalPropriaUF(core::Geracao& g) {
    TApuracao& a = g.estado.apuracao;
    const auto propria = a.E310.find(std::string(core::kUFEmpresa));
    const std::string& codigo = g.params.AJ_DEB_DIFAL_REG_E111_COD;
    if (propria == a.E310.end() || codigo.empty() || propria->second.VL_TOT_DEBITOS_DIFAL <= Dinheiro{}) return;
    const Dinheiro valor = propria->second.VL_TOT_DEBITOS_DIFAL;
    a.E111[{codigo, g.params.AJ_DEB_DIFAL_REG_E111_DESC}] += valor;
    AcumularApuracaoICMS(g, {.origem = "E111", .codAj = codigo, .valorAjuste = valor});
}

// Fecha a apuração: saldo anterior, saldo apurado, a recolher e credor a transportar.
static void CalcularSaldos(core::Geracao& g) {
    TotaisApuracaoICMS& t = g.estado.apuracao.totais;
    t.VL_SLD_CREDOR_ANT = LerSaldoCredorAnterior(g);
    const Dinheiro debitos = t.VL_TOT_DEBITOS + t.VL_AJ_DEBITOS + t.VL_TOT_AJ_DEBITOS + t.VL_ESTORNOS_CRED;
    const Dinheiro creditos = t.VL_TOT_CREDITOS + t.VL_AJ_CREDITOS + t.VL_TOT_AJ_CREDITOS + t.VL_ESTORNOS_DEB +
                             t.VL_SLD_CREDOR_ANT;
    t.VL_SLD_APURADO = debitos > creditos ? debitos - creditos : Dinheiro{};
    t.VL_SLD_CREDOR_TRANSPORTAR = debitos < creditos ? creditos - debitos : Dinheiro{};
    t.VL_ICMS_RECOLHER = t.VL_SLD_APURADO >= t.VL_TOT_DED ? t.VL_SLD_APURADO - t.VL_TOT_DED : Dinheiro{};
}

static void GravarE110(core::Geracao& g, TRegistroEFD& r) {
    const TotaisApuracaoICMS& t = g.estado.apuracao.totais;
    const std::pair<const char*, Dinheiro> campos[] = {
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
    for (const auto& [nome, valor] : campos) r.SetCampo(nome, FormatarValor(valor, 2));
    g.GravarRegistro(r);
}

// O leiaute exige E116 sempre que VL_ICMS_RECOLHER + DEB_ESP passa de zero, com a soma dos E116
// igual a esse valor; não só quando há ICMS a recolher.
static void GravarE116(core::Geracao& g, TRegistroEFD& r, const core::TFilial* filial) {
    const TotaisApuracaoICMS& t = g.estado.apuracao.totais;
    const Dinheiro valor = t.VL_ICMS_RECOLHER + t.DEB_ESP;
    if (valor <= Dinheiro{}) return;
    r.Clear();
    r.SetCampo("REG", "E116");
    r.SetCampo("COD_OR", "000");
    r.SetCampo("VL_OR", FormatarValor(valor, 2));
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
    g.GravarRegistro("E001", "IND_MOV", "0");
    TRegistroEFD r;
    r.SetCampo("REG", "E100");
    r.SetCampo("DT_INI", core::FormatarDataEFD(g.params.DATA_INI));
    r.SetCampo("DT_FIN", core::FormatarDataEFD(g.params.DATA_FIM));
    g.GravarRegistro(r);

    CalcularSaldos(g);
    GravarE110(g, r);
    for (const auto& [chave, valor] : g.estado.apuracao.E111) {
        r.Clear();
        r.SetCampo("REG", "E111");
        r.SetCampo("COD_AJ_APUR", chave.first);
        r.SetCampo("DESCR_COMPL_AJ", chave.second);
        r.SetCampo("VL_AJ_APUR", FormatarValor(valor, 2));
        g.GravarRegistro(r);
    }
    GravarE116(g, r, filial);
    // Os grupos E200 (ICMS-ST), E300 (DIFAL/FCP) e E500 (IPI) entram aqui quando existirem.

    g.GravarRegistro("E990", "QTD_LIN_E", std::to_string(core::ContarLinhasBloco(g, "E")));
    GravarSaldoCredor(g, g.estado.apuracao.totais.VL_SLD_CREDOR_TRANSPORTAR);
}

}  // namespace blocks
