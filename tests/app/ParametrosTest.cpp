// cdsParams: campos por nome, PARAM, CarregarParametrosSped, reações e formato da conta contábil.
#include <gtest/gtest.h>

#include <set>

#include "app/ParametrosSped.h"
#include "app/ReacoesParametros.h"
#include "core/ConfiguracoesErp.h"
#include "core/FormatoConta.h"
#include "core/Parametros.h"
#include "core/ParametrosErp.h"
#include "tests/support/BancoTeste.h"
#include "util/Texto1252.h"

namespace {

TEST(CamposParametrosTest, NomesUnicosETextosComTamanho) {
    std::set<std::string_view> nomes;
    for (const core::CampoParametro& c : core::CamposParametros()) {
        EXPECT_TRUE(nomes.insert(c.nome).second) << c.nome;
        const bool texto = std::holds_alternative<std::string core::TParametros::*>(c.membro);
        EXPECT_EQ(texto, c.tamanho > 0) << c.nome;
    }
}

TEST(CamposParametrosTest, FiliaisAdicionaisPorNome) {
    core::TParametros p;
    p.FILIAL_2 = 5;
    p.FILIAL_4 = 7;
    const struct {
        const char* nome;
        bool existe;
        int valor;
    } kCasos[] = {{"FILIAL_2", true, 5}, {"FILIAL_3", true, 0}, {"FILIAL_4", true, 7}, {"FILIAL_5", false, 0},
                  {"FILIAL_99", false, 0}, {"FILIAL", true, 0}, {"NOME_FIL", true, 0}, {"filial_2", false, 0}};
    for (const auto& c : kCasos) {
        EXPECT_EQ(p.ExisteCampo(c.nome), c.existe) << c.nome;
        EXPECT_EQ(p.CampoInteiro(c.nome), c.valor) << c.nome;
    }
}

class ParamTest : public ::testing::Test {
protected:
    void Gravar(const char* grupo, const char* chave, const std::string& valor) {
        core::GravarParametro(erp.banco(), grupo, chave, valor);
    }
    teste::BancoErpTeste erp;
};

TEST_F(ParamTest, LerEGravarParametro) {
    db::Transacao tr(erp.banco());
    EXPECT_EQ(core::LerParametro(tr, "SPED", "NAO_EXISTE"), "");
    tr.Commit();
    Gravar("SPED", "AJ_RET_DEBITO_COD", "MG1");
    Gravar("SPED", "AJ_RET_DEBITO_COD", "MG2");  // a segunda gravação atualiza
    Gravar("SPED", "TEXTO", util::W("d'água; drop table PARAM"));
    db::Transacao tr2(erp.banco());
    EXPECT_EQ(core::LerParametro(tr2, "SPED", "AJ_RET_DEBITO_COD"), "MG2");
    EXPECT_EQ(core::LerParametro(tr2, "SPED", "TEXTO"), util::W("d'água; drop table PARAM"));
    db::Consulta q(tr2, "select count(*) as N from PARAM");
    q.Proximo();
    EXPECT_EQ(q["N"].Inteiro(), 2);
}

TEST_F(ParamTest, LerParametroInteiro) {
    const struct {
        const char* valor;
        int esperado;
    } kCasos[] = {{"12", 12}, {" 7 ", 7}, {"-3", -3}, {"+4", 4}, {"", 0}, {"abc", 0}, {"1,5", 0}, {"99999999999", 0}};
    for (const auto& c : kCasos) {
        Gravar("EMISNOTA", "PERC_BASE_FRETE", c.valor);
        db::Transacao tr(erp.banco());
        EXPECT_EQ(core::LerParametroInteiro(tr, "EMISNOTA", "PERC_BASE_FRETE"), c.esperado) << "'" << c.valor << "'";
    }
}

TEST_F(ParamTest, CarregarParametrosSpedSemNadaGravado) {
    core::TParametros p;
    p.AJ_RET_DEBITO_COD = "antigo";
    db::Transacao tr(erp.banco());
    app::CarregarParametrosSped(tr, p);
    EXPECT_EQ(p.AJ_RET_DEBITO_COD, "");
    EXPECT_FALSE(p.SEPARAR_ARQ_POR_FILIAL);      // só com "S"
    EXPECT_TRUE(p.GERAR_VL_ITEM_IR_REG_H010);    // exceto com "N"
    EXPECT_TRUE(p.FTEC_GERAR_ASSOC_PROD_ACABADO);
    EXPECT_EQ(p.INV_NAO_ABATER_IMPOSTOS_IR, "F");
    EXPECT_TRUE(p.EST_PODER_MP_DATA_BASE_INICIO.Vazia());  // data zero
    EXPECT_TRUE(p.DT_INI_ABAT_ICMS_BC_PIS_COFINS.Vazia());
    EXPECT_EQ(p.PERC_BASE_FRETE, 0);
}

TEST_F(ParamTest, CarregarParametrosSpedConverte) {
    Gravar("SPED", "SEPARAR_ARQ_POR_FILIAL", "s");
    Gravar("SPED", "RET_ECOMMERCE", "S");
    Gravar("SPED", "SERIE_DOCTO_3_DIGITOS", "S ");
    Gravar("SPED", "GERAR_VL_ITEM_IR_REG_H010", "N");
    Gravar("SPED", "FTEC_GERAR_ASSOC_PROD_ACABADO", "n");
    Gravar("SPED", "INV_NAO_ABATER_IMPOSTOS_IR", "S");
    Gravar("SPED", "REGISTRO_AJUSTE_ICMS_ST", "D197");
    Gravar("SPED", "GERAR_REG_1400", "X");
    Gravar("SPED", "FILIAL_INVENTARIO", " 3");
    Gravar("SPED", "AJ_RET_DEBITO_DESC", std::string(60, 'd'));  // campo de 40
    Gravar("REL_EST_PODER_TERC", "CALC_IR_ALIQ_CAD_MP", "S");
    Gravar("REL_EST_TERC", "DATA_BASE_INICIO", "05/03/2021");
    Gravar("SPED", "DT_INI_ABAT_ICMS_BC_PIS_COFINS", "15/03/2017");
    Gravar("SPED", "DT_FIM_ABAT_ICMS_BC_PIS_COFINS", "31/12/2022 23:59:59");
    Gravar("EMISNOTA", "PRODUTO_PADRONIZ_COM_PONTO", "S");
    Gravar("NOTA_FISCAL_ENTRADA", "CFOP_DEVOLUCAO", "1201-2201");
    Gravar("PRODUTO", "GRUPO_PROD_DEVOL", "DEV");
    core::TParametros p;
    db::Transacao tr(erp.banco());
    app::CarregarParametrosSped(tr, p);
    EXPECT_FALSE(p.SEPARAR_ARQ_POR_FILIAL);
    EXPECT_TRUE(p.RET_ECOMMERCE);
    EXPECT_FALSE(p.SERIE_DOCTO_3_DIGITOS);
    EXPECT_FALSE(p.GERAR_VL_ITEM_IR_REG_H010);
    EXPECT_TRUE(p.FTEC_GERAR_ASSOC_PROD_ACABADO);
    EXPECT_EQ(p.INV_NAO_ABATER_IMPOSTOS_IR, "T");
    EXPECT_EQ(p.REG_AJUSTE_ICMS_ST, "D197");
    EXPECT_EQ(p.GERAR_REG_1400, "X");
    EXPECT_EQ(p.FILIAL_INVENTARIO, 3);
    EXPECT_EQ(p.AJ_RET_DEBITO_DESC, std::string(40, 'd'));
    EXPECT_TRUE(p.EST_PODER_TERC_CALC_IR_ALIQ_MP);
    EXPECT_EQ(p.EST_TERC_MP_DATA_BASE_INICIO, util::DataHora::Data(2021, 3, 5));
    EXPECT_TRUE(p.EST_PODER_MP_DATA_BASE_INICIO.Vazia());
    EXPECT_EQ(p.DT_INI_ABAT_ICMS_BC_PIS_COFINS, util::DataHora::Data(2017, 3, 15));
    EXPECT_EQ(p.DT_FIM_ABAT_ICMS_BC_PIS_COFINS, util::DataHora::Data(2022, 12, 31).ComHora(23, 59, 59));
    EXPECT_TRUE(p.PRODUTO_PADRONIZ_COM_PONTO);
    EXPECT_EQ(p.CFOP_DEVOLUCAO, "1201-2201");
    EXPECT_EQ(p.GRUPO_PROD_DEVOL, "DEV");
}

TEST_F(ParamTest, DataInvalidaParaNaChave) {
    const struct {
        const char* grupo;
        const char* chave;
        const char* valor;
        bool antesDe0205;  // VALIDAR_REG_0205 é lido depois desta chave
    } kCasos[] = {{"SPED", "DT_INI_ABAT_ICMS_BC_PIS_COFINS", "31/02/2017", true},
                  {"SPED", "DT_FIM_ABAT_ICMS_BC_PIS_COFINS", "2017-01-01", true},
                  {"REL_EST_TERC_PROD", "DATA_BASE_INICIO", "01/01/2020 10:00", false}};  // só data aqui
    for (const auto& c : kCasos) {
        teste::BancoErpTeste outro;
        core::GravarParametro(outro.banco(), c.grupo, c.chave, c.valor);
        core::GravarParametro(outro.banco(), "SPED", "VALIDAR_REG_0205", "S");
        core::TParametros p;
        db::Transacao tr(outro.banco());
        try {
            app::CarregarParametrosSped(tr, p);
            ADD_FAILURE() << c.chave << " aceitou " << c.valor;
        } catch (const app::ErroConversaoParametro& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find(std::string(c.grupo) + "/" + c.chave), std::string::npos) << m;
            EXPECT_NE(m.find(c.valor), std::string::npos) << m;
        }
        EXPECT_EQ(p.VALIDAR_REG_0205, !c.antesDe0205) << c.chave;
    }
}

TEST_F(ParamTest, ConfiguracoesDaPartida) {
    {
        db::Transacao tr(erp.banco());
        const core::ConfiguracoesErp c = core::LerConfiguracoesErp(tr);
        EXPECT_EQ(c.COD_CONTABILIDADE, "");
        EXPECT_FALSE(c.COD_CONTAB_FORMATADO);
        EXPECT_TRUE(c.GERAR_COR_MPRIMA);
        EXPECT_FALSE(c.GERAR_REG_C101);
        EXPECT_TRUE(c.VALIDA_TRANS_INTERNA_K220);
        EXPECT_TRUE(c.niveisConta.empty());
        EXPECT_EQ(core::LerTiposFiscaisEstProduto(tr), "04");
    }
    Gravar("CONTABIL", "COD_CONTABILIDADE", "17");
    Gravar("SPED", "COD_CONTAB_FORMATADO", "S");
    Gravar("SPED", "GERAR_COR_MPRIMA", "N");
    Gravar("SPED", "GERAR_REG_C101", "s");
    Gravar("SPED", "GERAR_REG_C101_DEVOLUCAO", "S");
    Gravar("SPED", "GERAR_GRADE_MP", "S");
    Gravar("REL_INVENT_PROD", "VALIDA_TRANS_INTERNA_K220", "N");
    Gravar("CONTA_CONTABIL", "FORMATO", "01020304");
    Gravar("SPED", "TIPOS_FISCAIS_EST_PRODUTO", "04-05");
    db::Transacao tr(erp.banco());
    const core::ConfiguracoesErp c = core::LerConfiguracoesErp(tr);
    EXPECT_EQ(c.COD_CONTABILIDADE, "17");
    EXPECT_TRUE(c.COD_CONTAB_FORMATADO);
    EXPECT_FALSE(c.GERAR_COR_MPRIMA);
    EXPECT_FALSE(c.GERAR_REG_C101);
    EXPECT_TRUE(c.GERAR_REG_C101_DEVOLUCAO);
    EXPECT_TRUE(c.GERAR_GRADE_MP);
    EXPECT_FALSE(c.VALIDA_TRANS_INTERNA_K220);
    EXPECT_EQ(c.niveisConta, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(core::LerTiposFiscaisEstProduto(tr), "04-05");
}

TEST(FormatoContaTest, NiveisDoFormato) {
    const struct {
        const char* formato;
        std::vector<int> niveis;
    } kCasos[] = {{"01020304", {1, 2, 3, 4}}, {"", {}},          {"0102x3", {1, 2}}, {"010", {1}},
                  {"0102005", {1, 2, 5}},     {"1210", {12, 10}}, {"-1", {}},        {"0 01", {1}}};
    for (const auto& c : kCasos) EXPECT_EQ(core::NiveisFormatoConta(c.formato), c.niveis) << c.formato;
}

TEST(FormatoContaTest, FormatarConta) {
    const std::vector<int> n1234{1, 2, 3, 4};
    const struct {
        const char* codigo;
        std::vector<int> niveis;
        const char* esperado;
    } kCasos[] = {{"1020304", n1234, "1.02.030.4"}, {"10203", n1234, "1.02.03."}, {"1", n1234, "1..."},
                  {"", n1234, ""},                  {"10203045678", n1234, "1.02.030.4567"},
                  {"1020304", {}, "1020304"},       {"12345", {2}, "12"}};
    for (const auto& c : kCasos) EXPECT_EQ(core::FormatarConta(c.codigo, c.niveis), c.esperado) << c.codigo;
}

class ReacoesTest : public ::testing::Test {
protected:
    void SetUp() override {
        erp.Executar(R"(
INSERT INTO FILIAL (COD_FI, NOME_FI, CGC_FI, INSC_FI, EMISNOTA_FORMA_AGRUP_ITENS_FI)
  VALUES (1, 'MATRIZ', '12345678000195', '0012345670089', 'PRODUTO');
INSERT INTO FILIAL (COD_FI, NOME_FI, CGC_FI) VALUES (2, 'PRODUTOR', '12345678909');
INSERT INTO FILIAL (COD_FI, NOME_FI, CGC_FI) VALUES (3, 'FORMATADA', '12.345.678/0001-95');
INSERT INTO FILIAL (COD_FI, NOME_FI, CGC_FI) VALUES (4, 'ISENTA', 'ISENTO');
)");
        db::Transacao tr(erp.banco());
        filiais.Carregar(tr);
    }
    teste::BancoErpTeste erp;
    core::ListaFiliais filiais;
};

TEST_F(ReacoesTest, FilialPreencheCnpjInscricaoEAgrupamento) {
    const struct {
        int codigo;
        const char* nome;
        const char* cnpj;
        const char* insc;
        const char* agrup;
    } kCasos[] = {{1, "MATRIZ", "12.345.678/0001-95", "0012345670089", "PRODUTO"},
                  {2, "PRODUTOR", "123.456.789-09", "", ""},
                  {3, "FORMATADA", "12.345.678/0001-95", "", ""},
                  {4, "ISENTA", "ISENTO", "", ""},
                  {99, "", "", "", ""}};
    for (const auto& c : kCasos) {
        core::TParametros p;
        p.INSC_FIL = "anterior";
        p.FORMA_AGRUP_ITENS = "anterior";
        app::DefinirFilial(p, filiais, c.codigo);
        EXPECT_EQ(p.FILIAL, c.codigo);
        EXPECT_EQ(p.NOME_FIL, c.nome) << c.codigo;
        EXPECT_EQ(p.CNPJ_FIL, c.cnpj) << c.codigo;
        EXPECT_EQ(p.INSC_FIL, c.insc) << c.codigo;
        EXPECT_EQ(p.FORMA_AGRUP_ITENS, c.agrup) << c.codigo;
    }
}

TEST(ReacoesParametrosTest, BlocoKLevaO0210) {
    const struct {
        const char* valor;
        const char* reg0210;
    } kCasos[] = {{"S", "S"}, {"E", "N"}, {"N", "N"}, {"s", "N"}, {"", "N"}};
    for (const auto& c : kCasos) {
        core::TParametros p;
        p.GERAR_REG_0210 = "?";
        app::DefinirGerarBlocoK(p, c.valor);
        EXPECT_EQ(p.GERAR_BLOCO_K, c.valor);
        EXPECT_EQ(p.GERAR_REG_0210, c.reg0210) << c.valor;
    }
}

TEST(ReacoesParametrosTest, MesAnoInventario) {
    const struct {
        const char* mesAno;
        util::DataHora data;  // vazia = rejeitado
    } kCasos[] = {{"12/2023", util::DataHora::Data(2023, 12, 31)}, {"02/2024", util::DataHora::Data(2024, 2, 29)},
                  {"2/2023", util::DataHora::Data(2023, 2, 28)},   {"13/2023", {}},
                  {"00/2023", {}},                                 {"12/23", {}},
                  {"ab/2023", {}},                                 {"12/2023x", {}}};
    for (const auto& c : kCasos) {
        core::TParametros p;
        p.MES_ANO_INVENTARIO = "01/2000";
        p.DATA_INVENTARIO = util::DataHora::Data(2000, 1, 31);
        if (c.data.Vazia()) {
            try {
                app::DefinirMesAnoInventario(p, c.mesAno);
                ADD_FAILURE() << "aceitou " << c.mesAno;
            } catch (const app::MesAnoInventarioInvalido& e) {
                EXPECT_EQ(e.what(), util::W("Mês/Ano Inventário Inválido."));
            }
            EXPECT_EQ(p.MES_ANO_INVENTARIO, "01/2000");
            EXPECT_EQ(p.DATA_INVENTARIO, util::DataHora::Data(2000, 1, 31));
        } else {
            app::DefinirMesAnoInventario(p, c.mesAno);
            EXPECT_EQ(p.MES_ANO_INVENTARIO, c.mesAno);
            EXPECT_EQ(p.DATA_INVENTARIO, c.data) << c.mesAno;
        }
    }
    core::TParametros p;
    p.MES_ANO_INVENTARIO = "01/2000";
    app::DefinirMesAnoInventario(p, "");
    EXPECT_EQ(p.MES_ANO_INVENTARIO, "");
}

}  // namespace
