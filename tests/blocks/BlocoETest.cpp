// Apuração do ICMS: os totais, o bloco E e o saldo credor entre períodos.
#include <gtest/gtest.h>

#include "blocks/blocoE/ApuracaoIcms.h"
#include "blocks/blocoE/BlocoE.h"
#include "core/FechamentoBlocos.h"
#include "tests/support/GeracaoTeste.h"

namespace {

using core::Dinheiro;
using util::DataHora;

class AcumularApuracaoICMSTest : public ::testing::Test, public teste::GeracaoTeste {};

TEST_F(AcumularApuracaoICMSTest, CadaDocumentoOuAjusteNoSeuTotal) {
    using T = blocks::TotaisApuracaoICMS;
    struct Caso {
        const char* nome;
        const char* origem;
        const char* cfop;
        const char* codSit;
        const char* codAj;
        Dinheiro T::*total;  // nullptr: nenhum total muda
    };
    const Caso kCasos[] = {
        {"saída normal", "C190", "5101", "00", "", &T::VL_TOT_DEBITOS},
        {"entrada", "C190", "1102", "00", "", &T::VL_TOT_CREDITOS},
        {"1605 é débito", "C190", "1605", "00", "", &T::VL_TOT_DEBITOS},
        {"5605 em nenhum", "C190", "5605", "00", "", nullptr},
        {"saída cancelada", "C190", "6101", "01", "", nullptr},
        {"saída complementar extemporânea", "C190", "5101", "07", "", nullptr},
        {"entrada com situação 01 é crédito", "C190", "2101", "01", "", &T::VL_TOT_CREDITOS},
        {"E111 de outro débito", "E111", "", "", "MG000001", &T::VL_TOT_AJ_DEBITOS},
        {"C197 com 00 é crédito", "C197", "", "", "MG000001", &T::VL_AJ_CREDITOS},
        {"crédito", "C197", "", "", "MG130001", &T::VL_AJ_CREDITOS},
        {"débito", "C197", "", "", "MG450001", &T::VL_AJ_DEBITOS},
        {"débito especial", "C197", "", "", "MG700001", &T::DEB_ESP},
        {"quarto caractere fora da lista", "C197", "", "", "MG190001", nullptr},
        {"código curto", "C197", "", "", "MG3", nullptr},
    };
    const Dinheiro valor = Dinheiro::DeDecimilesimos(100001);
    for (const Caso& c : kCasos) {
        g.estado = {};
        const bool documento = c.cfop[0] != '\0';
        blocks::AcumularApuracaoICMS(g, {.origem = c.origem,
                                         .cfop = c.cfop,
                                         .codSit = c.codSit,
                                         .codAj = c.codAj,
                                         .valorDocumento = documento ? valor : Dinheiro{},
                                         .valorAjuste = documento ? Dinheiro{} : valor});
        const T& t = g.estado.apuracao.totais;
        for (Dinheiro T::*campo : {&T::VL_TOT_DEBITOS, &T::VL_TOT_CREDITOS, &T::VL_TOT_AJ_DEBITOS, &T::VL_AJ_CREDITOS,
                                   &T::VL_AJ_DEBITOS, &T::DEB_ESP})
            EXPECT_EQ((t.*campo).Decimilesimos(), campo == c.total ? 100001 : 0) << c.nome;
    }
}

TEST(CalcularVencimentoICMS, DiaLimitadoEFimDeSemana) {
    struct Caso {
        DataHora inicio;
        int dias;
        DataHora vencimento;
    };
    const Caso kCasos[] = {
        {DataHora::Data(2024, 3, 1), 9, DataHora::Data(2024, 4, 9)},     // terça-feira
        {DataHora::Data(2024, 3, 1), 31, DataHora::Data(2024, 4, 30)},   // 31 vale 30
        {DataHora::Data(2024, 1, 1), 30, DataHora::Data(2024, 2, 29)},   // fevereiro bissexto
        {DataHora::Data(2023, 1, 1), 30, DataHora::Data(2023, 2, 28)},
        {DataHora::Data(2024, 5, 1), 8, DataHora::Data(2024, 6, 10)},    // sábado 08/06 → segunda
        {DataHora::Data(2024, 5, 1), 9, DataHora::Data(2024, 6, 10)},    // domingo 09/06 → segunda
        {DataHora::Data(2024, 3, 1), -3, DataHora::Data(2024, 4, 1)},
    };
    for (const Caso& c : kCasos)
        EXPECT_EQ(blocks::CalcularVencimentoICMS(c.inicio, c.dias), c.vencimento) << c.inicio.Texto() << " " << c.dias;
}

class BlocoETest : public ::testing::Test, public teste::GeracaoTeste {
protected:
    // Gera só o bloco E, com os totais que 'alimentar' deixar.
    std::vector<std::string> GerarBlocoE(std::function<void(core::Geracao&)> alimentar) {
        const auto linhas = Gerar({{"documentos", alimentar}, {"bloco E", blocks::GerarBlocoE}});
        return {linhas.begin(), linhas.end()};
    }
    static std::function<void(core::Geracao&)> Documentos(double debito, double credito) {
        return [=](core::Geracao& g) {
            blocks::AcumularApuracaoICMS(
                g, {.origem = "C190", .cfop = "5101", .codSit = "00", .valorDocumento = Dinheiro::DeReal(debito)});
            blocks::AcumularApuracaoICMS(
                g, {.origem = "C190", .cfop = "1101", .codSit = "00", .valorDocumento = Dinheiro::DeReal(credito)});
        };
    }
    int64_t LinhasApuracao() {
        db::Transacao tr(erp.banco());
        db::Consulta q(tr, "select count(*) as N from APURACAOICMS");
        q.Proximo();
        return q["N"].Inteiro();
    }
};

TEST_F(BlocoETest, DebitoMaiorQueCreditoGeraE116ComVencimentoEMesDeReferencia) {
    const auto linhas = GerarBlocoE(Documentos(1000.10, 400.05));
    const std::vector<std::string> esperado = {
        "|E001|0|",
        "|E100|01032024|31032024|",
        "|E110|1000,10|0,00|0,00|0,00|400,05|0,00|0,00|0,00|0,00|600,05|0,00|600,05|0,00|0,00|",
        "|E116|000|600,05|09042024|1206|||||032024|",
        "|E990|5|",
    };
    EXPECT_EQ(linhas, esperado);
}

TEST_F(BlocoETest, SaldoCredorPassaParaOMesSeguinteEARegravacaoAtualiza) {
    auto linhas = GerarBlocoE(Documentos(100, 350.50));
    EXPECT_EQ(linhas[2], "|E110|100,00|0,00|0,00|0,00|350,50|0,00|0,00|0,00|0,00|0,00|0,00|0,00|250,50|0,00|");
    EXPECT_EQ(linhas[3], "|E990|4|") << "sem E116";
    GerarBlocoE(Documentos(100, 350.50));
    EXPECT_EQ(LinhasApuracao(), 1) << "a segunda geração do período atualiza o saldo";

    params.DATA_INI = DataHora::Data(2024, 4, 1);
    params.DATA_FIM = DataHora::Data(2024, 4, 30);
    linhas = GerarBlocoE(Documentos(300, 0));
    EXPECT_EQ(linhas[2], "|E110|300,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|250,50|49,50|0,00|49,50|0,00|0,00|");
    EXPECT_EQ(linhas[3], "|E116|000|49,50|09052024|1206|||||042024|");
    EXPECT_EQ(LinhasApuracao(), 2);

    // Um registro do período com outra data final não é alterado e nenhum é acrescentado.
    erp.Executar("UPDATE APURACAOICMS SET DATAFIM_APUICMS = '2024-04-29' WHERE DATAINI_APUICMS = '2024-04-01'");
    GerarBlocoE(Documentos(0, 10));
    EXPECT_EQ(LinhasApuracao(), 2);
}

TEST_F(BlocoETest, DebitoEspecialSemIcmsARecolherAindaGeraE116) {
    const auto linhas = GerarBlocoE([](core::Geracao& g) {
        blocks::AcumularApuracaoICMS(g, {.origem = "C197", .codAj = "MG700001", .valorAjuste = Dinheiro::DeReal(75.25)});
    });
    EXPECT_EQ(linhas[2], "|E110|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|75,25|");
    EXPECT_EQ(linhas[3], "|E116|000|75,25|09042024|1206|||||032024|");
}

TEST_F(BlocoETest, DifalDaPropriaUFViraAjusteE111) {
    params.AJ_DEB_DIFAL_REG_E111_COD = "MG000099";
    params.AJ_DEB_DIFAL_REG_E111_DESC = "DIFAL";
    auto linhas = GerarBlocoE([](core::Geracao& g) {
        g.estado.apuracao.E310["MG"].VL_TOT_DEBITOS_DIFAL = Dinheiro::DeReal(12.34);
        g.estado.apuracao.E310["SP"].VL_TOT_DEBITOS_DIFAL = Dinheiro::DeReal(99);
    });
    EXPECT_EQ(linhas[2], "|E110|0,00|0,00|12,34|0,00|0,00|0,00|0,00|0,00|0,00|12,34|0,00|12,34|0,00|0,00|");
    EXPECT_EQ(linhas[3], "|E111|MG000099|DIFAL|12,34|");

    linhas = GerarBlocoE([](core::Geracao& g) { g.estado.apuracao.E310["MG"].VL_TOT_DEBITOS_DIFAL = Dinheiro{}; });
    EXPECT_EQ(Registros(linhas, "E111").size(), 0u);
}

TEST_F(BlocoETest, PeriodoAnteriorA2011SemMesDeReferencia) {
    // só o bloco E, sem o 0000: a versão do leiaute é desconhecida e o E116 antigo tem um campo a menos que o atual
    problemasEsperados = {"qtd_campos"};
    params.DATA_INI = DataHora::Data(2010, 12, 1);
    params.DATA_FIM = DataHora::Data(2010, 12, 31);
    const auto linhas = GerarBlocoE(Documentos(10, 0));
    EXPECT_EQ(linhas[3], "|E116|000|10,00|10012011|1206|||||");
}

}  // namespace
