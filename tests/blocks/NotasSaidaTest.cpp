// Notas de saída: seleção, situação do documento, C100 (inteiro e reduzido), C160, C101 com o DIFAL
// e o que as notas levam à apuração do bloco E.
#include <gtest/gtest.h>

#include "blocks/blocoC/NotasSaida.h"
#include "tests/blocks/NotasSaidaTeste.h"

namespace {

using teste::ItemTeste;
using teste::NotaTeste;
using util::DataHora;
using V = std::vector<std::string>;

const std::string kChave = teste::ChaveNfe(1001);

TEST(SituacaoDocSaida, PrimeiraRegraQueValeDaASituacao) {
    struct Caso {
        const char *tpnota, *situacao, *status, *finalidade, *cnpj;
        double valor;
        const char* codSit;
    };
    const Caso kCasos[] = {
        {"C", "I", "100", "1", "1", 10, "05"},  // inutilizada
        {"C", "N", "100", "1", "1", 10, "02"},  // cancelada
        {"N", "N", "100", "1", "1", 10, "04"},  // denegada
        {"S", "N", "110", "1", "1", 10, "04"},  // uso denegado pela SEFAZ
        {"S", "N", "205", "1", "1", 10, "04"},
        {"S", "N", "100", "2", "1", 10, "06"},  // complementar
        {"S", "N", "100", "1", "17432896000180", 0, "08"},  // para a própria filial, sem valor
        {"S", "N", "100", "1", "17432896000180", 5, "00"},
        {"A", "N", "100", "1", "1", 10, "08"},
        {"S", "N", "100", "1", "1", 10, "00"},
    };
    core::TParametros p;
    p.CNPJ_FIL = "17.432.896/0001-80";
    for (const Caso& c : kCasos) {
        blocks::TNotaSaida ns;
        ns.TPNOTA_NS = c.tpnota;
        ns.SITUACAO_NS = c.situacao;
        ns.CODSTATUS_NFE_NS = c.status;
        ns.FINALIDADE_NFE_NS = c.finalidade;
        ns.CNPJ_NS = c.cnpj;
        ns.VALOR_NS = c.valor;
        EXPECT_EQ(blocks::SituacaoDocSaida(ns, p), c.codSit) << c.tpnota << " " << c.status << " " << c.cnpj;
    }
}

class NotasSaidaTest : public ::testing::Test, public teste::NotasSaidaTeste {
protected:
    void Periodo(int ano, int mes) {
        params.DATA_INI = DataHora::Data(ano, mes, 1);
        params.DATA_FIM = DataHora::Data(ano, mes, util::DiasNoMes(ano, mes));
    }
    // Nota com um item padrão.
    void NotaComItem(NotaTeste n) {
        CriarNotaSaida(n);
        CriarItem({.docto = n.docto, .serie = n.serie});
    }
    static V NumerosC100(const V& linhas) {
        V r;
        for (const std::string& l : Registros(linhas, "C100")) r.push_back(Campo(l, 8));
        return r;
    }
};

TEST_F(NotasSaidaTest, PeriodoSemNotasNaoGravaNadaNemMostraLegenda) {
    V legendas;
    progresso.DefinirCallback([&](const core::TProgresso& p) { legendas.push_back(p.Texto); });
    NotaComItem({.emissao = "2024-04-01"});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C001"), V{"|C001|1|"});
    EXPECT_TRUE(Registros(linhas, "C100").empty());
    for (const std::string& l : legendas) EXPECT_EQ(l.find("Notas de Sa"), std::string::npos) << l;
}

TEST_F(NotasSaidaTest, NotaNormalGravaC100C190EOParticipante) {
    NotaComItem({});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C001"), V{"|C001|0|"});
    EXPECT_EQ(Registros(linhas, "C100"),
              V{std::string("|C100|1|0|C000123|55|00|1|1001|") + kChave +
                "|10032024|11032024|1000,00|1|0,00|0,00|1000,00|0|0,00|0,00|0,00|1000,00|180,00|0,00|0,00|0,00|16,50|"
                "76,00|0,00|0,00|"});
    EXPECT_TRUE(Registros(linhas, "C170").empty()) << "modelo 55 sem GERAR_C170_SAI";
    EXPECT_EQ(Registros(linhas, "C190"), V{"|C190|000|5101|18,00|1000,00|1000,00|180,00|0,00|0,00|0,00|0,00||"});
    EXPECT_EQ(Registros(linhas, "0150").size(), 1u);
    EXPECT_EQ(Campo(Registros(linhas, "0150")[0], 2), "C000123");
    EXPECT_EQ(Registros(linhas, "E110")[0],
              "|E110|180,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|180,00|0,00|180,00|0,00|0,00|");
    // C100 e C190 juntos, logo depois do C001.
    EXPECT_EQ(Campo(linhas[std::find(linhas.begin(), linhas.end(), "|C001|0|") - linhas.begin() + 2], 1), "C190");
}

TEST_F(NotasSaidaTest, DocumentoSemEfeitoSoTemOC100Reduzido) {
    problemasEsperados = {"chave_documento"};  // cancelada antes de 2011: a chave não sai
    auto reduzido = [](const char* sit, const std::string& chave) {
        return std::string("|C100|1|0||55|") + sit + "|1|1001|" + chave + "|||||||||||||||||||||";
    };
    struct Caso {
        const char* nome;
        NotaTeste nota;
        V c100;  // vazio: a nota não aparece
    };
    const Caso kCasos[] = {
        {"cancelada", {.tpnota = "C", .emissao = "2024-03-10"}, {reduzido("02", kChave)}},
        {"cancelada antes de 2011 perde a chave", {.tpnota = "C", .emissao = "2010-12-10"}, {reduzido("02", "")}},
        {"denegada pela SEFAZ antes de 2023", {.codstatus = "110", .emissao = "2022-03-10"}, {reduzido("04", kChave)}},
        {"denegada pela SEFAZ desde 2023", {.codstatus = "110", .emissao = "2024-03-10"}, {}},
        {"denegada pelo ERP antes de 2023", {.tpnota = "N", .emissao = "2022-03-10"}, {reduzido("04", kChave)}},
        {"denegada pelo ERP desde 2023", {.tpnota = "N", .emissao = "2024-03-10"}, {}},
        {"inutilizada antes de 2023", {.tpnota = "C", .situacao = "I", .emissao = "2022-03-10"}, {reduzido("05", kChave)}},
        {"inutilizada desde 2023", {.tpnota = "C", .situacao = "I", .emissao = "2024-03-10"}, {}},
    };
    for (const Caso& c : kCasos) {
        erp.Executar("DELETE FROM ITENSNS; DELETE FROM NOTASAI;");
        Periodo(std::stoi(c.nota.emissao.substr(0, 4)), 3);
        if (c.nota.emissao.starts_with("2010")) Periodo(2010, 12);
        NotaComItem(c.nota);
        const V linhas = Gerar();
        EXPECT_EQ(Registros(linhas, "C100"), c.c100) << c.nome;
        EXPECT_TRUE(Registros(linhas, "C190").empty()) << c.nome;
        EXPECT_TRUE(Registros(linhas, "0150").empty()) << c.nome;
    }
}

TEST_F(NotasSaidaTest, SelecaoPorFilialPeriodoEspecieECfop) {
    // notas incompletas de propósito (sem itens, sem cliente, saída antes da emissão)
    problemasEsperados = {"datas_documento", "filho_ausente", "obrigatorio", "referencia"};
    NotaComItem({.docto = 1});
    NotaComItem({.docto = 2, .protocolo = ""});                     // NF-e sem autorização
    NotaComItem({.docto = 3, .especie = "NFS"});                    // nota de serviço
    NotaComItem({.docto = 4, .cfop = "1202"});                      // entrada em nota própria
    NotaComItem({.docto = 5, .tpnota = "C", .cfop = "1202"});       // ... cancelada
    NotaComItem({.docto = 6, .especie = "", .protocolo = ""});      // espécie nula
    NotaComItem({.docto = 7, .emissao = "2024-03-31 23:59:00"});
    NotaComItem({.docto = 8, .emissao = "2024-04-01"});
    NotaComItem({.docto = 9, .cfop = ""});                          // sem CFOP
    erp.Executar("UPDATE NOTASAI SET ESPECIE_DOC_NS = NULL WHERE DOCTO_NS = 6;"
                 "UPDATE NOTASAI SET CFOP_NS = NULL WHERE DOCTO_NS = 9;"
                 "INSERT INTO NOTASAI (FILIAL_NS, DOCTO_NS, SERIE_NS, EMISSAO_NS, TPNOTA_NS, CFOP_NS, MODELO_DOC_NS)"
                 " VALUES (2, 10, '1', '2024-03-10', 'S', '5101', '01');");
    EXPECT_EQ(NumerosC100(Gerar()), (V{"1", "5", "6", "9", "7"}));

    params.FILIAL_2 = 2;  // filiais consolidadas
    EXPECT_EQ(NumerosC100(Gerar()), (V{"1", "5", "6", "9", "7", "10"}));
}

TEST_F(NotasSaidaTest, SituacaoNulaNaoTiraANotaDaSelecao) {
    NotaComItem({});
    erp.Executar("UPDATE NOTASAI SET SITUACAO_NS = NULL, TPNOTA_NS = NULL");
    EXPECT_EQ(NumerosC100(Gerar()), V{"1001"});
}

TEST_F(NotasSaidaTest, SerieComTresAlgarismos) {
    // as séries 12 e 123 diferem da série 001 da chave de teste
    problemasEsperados = {"chave_documento"};
    struct Caso {
        const char* modelo;
        bool parametro;
        const char* escritorio;
        DataHora inicio;
        bool tres;
    };
    const Caso kCasos[] = {
        {"55", true, "", DataHora::Data(2024, 3, 1), true},
        {"65", true, "", DataHora::Data(2024, 3, 1), true},
        {"01", true, "", DataHora::Data(2024, 3, 1), false},
        {"5", true, "", DataHora::Data(2024, 3, 1), false},
        {"55", false, "", DataHora::Data(2024, 3, 1), false},
        {"55", false, "VORLIKA", DataHora::Data(2017, 9, 1), true},
        {"55", false, "TUNO", DataHora::Data(2017, 8, 1), false},
        {"57", false, "DORBE_MANTU", DataHora::Data(2018, 6, 1), true},
        {"55", false, "PELU", DataHora::Data(2017, 11, 1), true},
        {"55", false, "PELU", DataHora::Data(2017, 10, 1), false},
    };
    for (const Caso& c : kCasos) {
        params.SERIE_DOCTO_3_DIGITOS = c.parametro;
        configuracoes.COD_CONTABILIDADE = c.escritorio;
        params.DATA_INI = c.inicio;
        EXPECT_EQ(blocks::SerieTresDigitos(g, c.modelo), c.tres) << c.modelo << " " << c.escritorio;
    }

    params.SERIE_DOCTO_3_DIGITOS = true;
    configuracoes.COD_CONTABILIDADE = "";
    Periodo(2024, 3);
    NotaComItem({.docto = 1});
    NotaComItem({.docto = 2, .modelo = "01", .especie = "NF"});
    NotaComItem({.docto = 3, .serfisc = "12"});
    NotaComItem({.docto = 4, .serfisc = "123"});
    V series;
    for (const std::string& l : Registros(Gerar(), "C100")) series.push_back(Campo(l, 7));
    EXPECT_EQ(series, (V{"001", "1", "012", "123"}));
}

TEST_F(NotasSaidaTest, DataDeSaidaIndicadorDePagamentoENumero) {
    // nota de entrada própria com CFOP de saída, número fiscal diferente do da chave e pagamento 9
    // (sem pagamento), que o leiaute 020 não lista
    problemasEsperados = {"cfop_direcao", "chave_documento", "valores_validos"};
    struct Caso {
        NotaTeste nota;
        const char *dtES, *indPagto;
    };
    const Caso kCasos[] = {
        {{.docto = 1}, "11032024", "1"},
        {{.docto = 2, .dtsaida = ""}, "", "1"},
        {{.docto = 3, .dtsaida = "2024-04-01"}, "", "1"},             // depois do período
        {{.docto = 4, .dtsaida = "2024-03-31 18:00:00"}, "31032024", "1"},
        {{.docto = 5, .dtsaida = "1999-12-31"}, "", "1"},
        {{.docto = 6, .tpnota = "E", .emissao = "2024-03-05", .dtsaida = ""}, "05032024", "1"},
        {{.docto = 7, .prazo = "A VISTA", .numparc = 3}, "11032024", "0"},
        {{.docto = 8, .prazo = "CONTRA APRESENTACAO", .numparc = 0}, "11032024", "1"},
        {{.docto = 9, .prazo = "", .numparc = 0}, "11032024", "2"},
        {{.docto = 10, .prazo = "A VISTA", .indpag = "2"}, "11032024", "2"},
    };
    for (const Caso& c : kCasos) NotaComItem(c.nota);
    const V c100 = Registros(Gerar(), "C100");
    ASSERT_EQ(c100.size(), std::size(kCasos));
    for (const std::string& l : c100) {
        const int docto = std::stoi(Campo(l, 8));
        const Caso& c = kCasos[docto - 1];
        EXPECT_EQ(Campo(l, 11), c.dtES) << docto;
        EXPECT_EQ(Campo(l, 13), c.indPagto) << docto;
        EXPECT_EQ(Campo(l, 2), docto == 6 ? "0" : "1") << docto;
    }

    erp.Executar("DELETE FROM ITENSNS; DELETE FROM NOTASAI;");
    Periodo(2012, 6);
    NotaComItem({.docto = 1, .doctoFiscal = "000045", .emissao = "2012-06-10", .dtsaida = "", .prazo = "", .numparc = 0});
    const V antes = Registros(Gerar(), "C100");
    EXPECT_EQ(Campo(antes[0], 13), "9");
    EXPECT_EQ(Campo(antes[0], 8), "000045");
}

TEST_F(NotasSaidaTest, TransportadoraSoNoModelo01) {
    NotaComItem({.docto = 1, .modelo = "01", .especie = "NF", .tpfrete = "2", .transp = 7});
    NotaComItem({.docto = 2, .transp = 7});
    NotaComItem({.docto = 3, .modelo = "01", .especie = "NF", .transp = 0});
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C160"), V{"|C160|F000007|ABC1D23|12|1500,50|1450,25|MG|"});
    EXPECT_EQ(Campo(Registros(linhas, "C100")[0], 17), "1") << "IND_FRT do frete 2";
    // O C160 vem logo depois do C100 da sua nota.
    const auto c160 = std::find(linhas.begin(), linhas.end(), "|C160|F000007|ABC1D23|12|1500,50|1450,25|MG|");
    EXPECT_EQ(Campo(*(c160 - 1), 8), "1");
    EXPECT_EQ(Campo(Registros(linhas, "0150")[1], 2), "F000007");
}

TEST_F(NotasSaidaTest, DifalDaVendaAConsumidorDeOutraUF) {
    const NotaTeste rj{.docto = 1, .codigo = 200, .cnpj = "52998224725", .uf = "RJ"};
    NotaComItem(rj);
    NotaTeste rj2 = rj;
    rj2.docto = 2;
    NotaComItem(rj2);
    erp.Executar(R"(
INSERT INTO ITENSNS_ICMS_DIFAL (FILIAL_ID, DOCTO_ID, SERIE_ID, ITEM_ID, VALOR_FUNDO_COMB_POB_ID, VALOR_ICMS_UF_DEST_ID,
    VALOR_ICMS_UF_REMET_ID) VALUES (1, 1, '1', 1, 20, 70, 0);
INSERT INTO ITENSNS_ICMS_DIFAL (FILIAL_ID, DOCTO_ID, SERIE_ID, ITEM_ID, VALOR_FUNDO_COMB_POB_ID, VALOR_ICMS_UF_DEST_ID,
    VALOR_ICMS_UF_REMET_ID) VALUES (1, 2, '1', 1, 0, 30.5, 4.25);
)");
    configuracoes.GERAR_REG_C101 = true;
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C101"), (V{"|C101|20,00|70,00|0,00|", "|C101|0,00|30,50|4,25|"}));
    const auto c101 = std::find(linhas.begin(), linhas.end(), "|C101|20,00|70,00|0,00|");
    EXPECT_EQ(Campo(*(c101 - 1), 1), "C100");

    const blocks::TApuracao& e = g.estado.apuracao;
    const auto reais = [](core::Dinheiro d) { return d.Decimilesimos() / 10000.0; };
    ASSERT_EQ(e.E310.size(), 2u);
    EXPECT_DOUBLE_EQ(reais(e.E310.at("RJ").VL_TOT_DEBITOS_DIFAL), 100.5);
    EXPECT_DOUBLE_EQ(reais(e.E310.at("RJ").VL_TOT_DEB_FCP), 20);
    EXPECT_DOUBLE_EQ(reais(e.E310.at("MG").VL_TOT_DEBITOS_DIFAL), 4.25);
    ASSERT_EQ(e.E316.size(), 3u);
    const blocks::TRegE316& fcp = e.E316.at({"RJ", "1", "006"});
    EXPECT_EQ(fcp.COD_RECEITA, "100129");
    EXPECT_DOUBLE_EQ(reais(fcp.VR_OBRIGACAO), 20);
    EXPECT_EQ(fcp.VENCTO, DataHora::Data(2024, 3, 10));
    EXPECT_EQ(e.E316.at({"RJ", "2", "003"}).COD_RECEITA, "100102");
    ASSERT_EQ(e.E313.size(), 1u);
    const blocks::TRegE313& e313 = e.E313.begin()->second;
    EXPECT_EQ(e313.COD_PART, "C000200");
    EXPECT_EQ(e313.DOCTO, "2");
    EXPECT_DOUBLE_EQ(reais(e313.VALOR), 4.25);

    configuracoes.GERAR_REG_C101 = false;
    EXPECT_TRUE(Registros(Gerar(), "C101").empty());
    EXPECT_TRUE(g.estado.apuracao.E310.empty());
}

TEST_F(NotasSaidaTest, NfceSemConsumidorSemC170ESemValoresDeOutrosTributos) {
    params.GERAR_C170_SAI = "S";
    NotaComItem({.modelo = "65", .codigo = 200, .cnpj = "52998224725", .vripi = 5});
    configuracoes.GERAR_REG_C101 = true;
    const V linhas = Gerar();
    EXPECT_EQ(Registros(linhas, "C100"),
              V{std::string("|C100|1|0||65|00|1|1001|") + teste::ChaveNfe(1001, "65") +
                "|10032024|11032024|1000,00|1|0,00|0,00|1000,00|0|0,00|0,00|0,00|1000,00|180,00||||||||"});
    EXPECT_EQ(Registros(linhas, "C190").size(), 1u);
    EXPECT_TRUE(Registros(linhas, "C170").empty());
    EXPECT_TRUE(Registros(linhas, "C101").empty());
    EXPECT_TRUE(Registros(linhas, "0150").empty());
}

TEST_F(NotasSaidaTest, CfopsForaDaRegraGeralDaApuracao) {
    // CFOP de entrada (1605) numa nota de saída, de propósito
    problemasEsperados = {"cfop_direcao", "e110_documentos", "totais_c100"};
    CriarNotaSaida({.docto = 1, .bicms = 3000, .vricms = 540});
    CriarItem({.docto = 1, .item = 1, .cfop = "5101", .vricm = 100});
    CriarItem({.docto = 1, .item = 2, .cfop = "5605", .vricm = 200});  // transferência de saldo: nenhum
    CriarItem({.docto = 1, .item = 3, .cfop = "1605", .vricm = 40});   // recebimento de saldo: débito
    const V linhas = Gerar();
    EXPECT_EQ(Campo(Registros(linhas, "E110")[0], 2), "140,00");
    EXPECT_EQ(Campo(Registros(linhas, "E110")[0], 6), "0,00");
}

TEST_F(NotasSaidaTest, SaldoCredorLevadoAoMesSeguinteEReescritoNaSegundaGeracao) {
    erp.Executar("INSERT INTO APURACAOICMS (FILIAL_APUICMS, DATAINI_APUICMS, DATAFIM_APUICMS, VALOR_SALDO_CREDOR_AI) "
                 "VALUES (1, '2024-02-01', '2024-02-29', 1000)");
    NotaComItem({});
    for (int geracao = 0; geracao < 2; ++geracao) {
        const V linhas = Gerar();
        EXPECT_EQ(Registros(linhas, "E110")[0],
                  "|E110|180,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|1000,00|0,00|0,00|0,00|820,00|0,00|");
        EXPECT_TRUE(Registros(linhas, "E116").empty());
        db::Transacao tr(erp.banco());
        db::Consulta q(tr, "select count(*) as N, max(VALOR_SALDO_CREDOR_AI) as SALDO from APURACAOICMS "
                           "where DATAINI_APUICMS = '2024-03-01'");
        q.Proximo();
        EXPECT_EQ(q["N"].Inteiro(), 1);
        EXPECT_DOUBLE_EQ(q["SALDO"].Real(), 820);
    }
}

TEST_F(NotasSaidaTest, VencimentoNoDomingoPassaParaSegunda) {
    Periodo(2024, 5);  // dia 9 de junho de 2024 é domingo
    NotaComItem({.emissao = "2024-05-10", .dtsaida = "2024-05-10"});
    EXPECT_EQ(Registros(Gerar(), "E116"), V{"|E116|000|180,00|10062024|1206|||||052024|"});
}

// Cadastros com máscaras, nomes do tamanho máximo das colunas e "|" numa descrição: a área de
// trabalho limpa os valores e o arquivo sai sem problema na conferência (GeracaoTeste confere todo
// arquivo gerado). O corte do texto maior que o campo está em LimpezaCamposTest.
TEST_F(NotasSaidaTest, CadastroComMascarasNomesLongosEBarraSaiSemProblema) {
    const std::string nomeLongo = "CONSTRUTORA " + std::string(88, 'H');
    erp.Executar("UPDATE CLIENTE SET CGC_CL = '11.222.333/0001-81', NOME_CL = '" + nomeLongo +
                 "', RUA_CL = 'RUA " + std::string(56, 'R') + "', ENDER_COMPL_CL = 'SALA | 2' WHERE COD_CL = 123");
    erp.Executar("UPDATE CLIENTE SET CGC_CL = '529.982.247-25' WHERE COD_CL = 200");
    erp.Executar("UPDATE PRODUTO SET CNBM_PR = '7308.90.10', DESC_PR = 'TRELICA | 6M' WHERE COD_PR = '1010'");
    erp.Executar("UPDATE FILIAL SET CEP_FI = '32.210-110', FONE_FI = '(31) 3362-0500' WHERE COD_FI = 1");
    NotaComItem({.docto = 1, .modelo = "01", .especie = "NF"});
    NotaComItem({.docto = 2, .codigo = 200, .cnpj = "529.982.247-25"});
    erp.Executar("UPDATE ITENSNS SET DESC_SA = 'TRELICA | 6M'");
    const V linhas = Gerar();
    const V participantes = Registros(linhas, "0150");
    ASSERT_EQ(participantes.size(), 2u);
    EXPECT_EQ(participantes[0], "|0150|C000123|" + nomeLongo + "|1058|11222333000181||0012345670012|3106200||RUA " +
                                    std::string(56, 'R') + "|10|SALA / 2|CENTRO|");
    EXPECT_EQ(Campo(participantes[1], 6), "52998224725");
    const V itens = Registros(linhas, "0200");
    ASSERT_EQ(itens.size(), 1u);
    EXPECT_EQ(Campo(itens[0], 3), "TRELICA / 6M");
    EXPECT_EQ(Campo(itens[0], 8), "73089010");
    EXPECT_EQ(Campo(Registros(linhas, "0005")[0], 3), "32210110");
}

}  // namespace
