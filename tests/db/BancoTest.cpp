// O invólucro do Firebird contra um banco embutido real.
#include <gtest/gtest.h>

#include "db/Banco.h"
#include "tests/support/BancoTeste.h"

namespace {

class BancoTest : public ::testing::Test {
protected:
    void SetUp() override {
        erp.Executar(R"(
CREATE TABLE TIPOS (
    ID INTEGER NOT NULL PRIMARY KEY, TXT VARCHAR(200), FIXO CHAR(5), GRANDE BIGINT,
    DINHEIRO NUMERIC(15,2), PRECISO NUMERIC(18,6), REAL_ DOUBLE PRECISION,
    DIA DATE, MOMENTO TIMESTAMP, MEMO BLOB SUB_TYPE TEXT);
SET TERM ^ ;
CREATE PROCEDURE DOBROS (ATE INTEGER) RETURNS (N INTEGER, DOBRO INTEGER) AS
BEGIN
  N = 1;
  WHILE (N <= ATE) DO BEGIN DOBRO = N * 2; SUSPEND; N = N + 1; END
END^
SET TERM ; ^
)");
    }
    teste::BancoErpTeste erp;
};

TEST_F(BancoTest, GravaELeCadaTipoSemPerderNada) {
    const std::string bytes1252 = "Cal\xE7" "a \xAA n\xBA 5 \x80";  // ç, ª, º, € em Windows-1252
    const std::string memoLongo(100000, 'x');
    const util::DataHora momento{2024, 2, 29, 23, 59, 58, 1234};
    {
        db::Transacao tr(erp.banco());
        db::Consulta ins(tr, "insert into TIPOS values (:ID, :TXT, :FIXO, :GRANDE, :DINHEIRO, :PRECISO, "
                             ":REAL, :DIA, :MOMENTO, :MEMO)");
        ins.Param("ID", 1).Param("TXT", bytes1252).Param("FIXO", "ab").Param("GRANDE", int64_t{9007199254740993})
            .Param("DINHEIRO", db::Decimal{1234567890123, 2}).Param("PRECISO", db::Decimal::DeTexto("0,000001"))
            .Param("REAL", 0.1).Param("DIA", util::DataHora::Data(1900, 1, 1)).Param("MOMENTO", momento)
            .Param("MEMO", memoLongo);
        ins.Executar();
        ins.Param("ID", 2).ParamNulo("TXT").ParamNulo("FIXO").ParamNulo("GRANDE").ParamNulo("DINHEIRO")
            .ParamNulo("PRECISO").ParamNulo("REAL").ParamNulo("DIA").ParamNulo("MOMENTO").ParamNulo("MEMO");
        ins.Executar();
        tr.Commit();
    }
    db::Transacao tr(erp.banco());
    db::Consulta q(tr, "select * from TIPOS order by ID");
    ASSERT_TRUE(q.Proximo());
    EXPECT_EQ(q["TXT"].Texto(), bytes1252);
    EXPECT_EQ(q["FIXO"].Texto(), "ab   ");
    EXPECT_EQ(q["GRANDE"].Inteiro(), 9007199254740993);
    EXPECT_EQ(q["DINHEIRO"].Texto(), "12345678901.23");
    EXPECT_EQ(q["DINHEIRO"].ComoDecimal().EmEscala(2), 1234567890123);
    EXPECT_EQ(q["PRECISO"].ComoDecimal().valor, 1);
    EXPECT_DOUBLE_EQ(q["REAL_"].Real(), 0.1);
    EXPECT_EQ(q["DIA"].Data(), util::DataHora::Data(1900, 1, 1));
    EXPECT_EQ(q["momento"].Data(), momento);
    EXPECT_EQ(q["MEMO"].Texto(), memoLongo);
    EXPECT_FALSE(q["TXT"].Nulo());
    ASSERT_TRUE(q.Proximo());
    for (const char* col : {"TXT", "FIXO", "GRANDE", "DINHEIRO", "PRECISO", "REAL_", "DIA", "MOMENTO", "MEMO"})
        EXPECT_TRUE(q[col].Nulo()) << col;
    EXPECT_EQ(q["TXT"].Texto(), "");
    EXPECT_EQ(q["DINHEIRO"].Inteiro(), 0);
    EXPECT_FALSE(q.Proximo());
}

// Colunas pedidas em qualquer ordem, sem distinção de caixa; um nome repetido dá a primeira coluna.
TEST_F(BancoTest, ColunaPeloNomeEmQualquerOrdem) {
    db::Transacao tr(erp.banco());
    db::Consulta q(tr, "select 1 as A, 2 as B, 3 as A, 4 as C from RDB$DATABASE");
    ASSERT_TRUE(q.Proximo());
    const std::pair<const char*, int64_t> pedidos[] = {{"A", 1}, {"B", 2}, {"A", 1}, {"C", 4}, {"b", 2},
                                                       {"B", 2}, {"C", 4}, {"a", 1}, {"B", 2}};
    for (const auto& [nome, valor] : pedidos) EXPECT_EQ(q[nome].Inteiro(), valor) << nome;
    EXPECT_THROW(q["D"], db::ErroBanco);
}

TEST_F(BancoTest, TextoLongoDepoisDeCurtoNoMesmoComandoPreparado) {
    db::Transacao tr(erp.banco());
    db::Consulta ins(tr, "insert into TIPOS (ID, TXT) values (:ID, :TXT)");
    ins.Param("ID", 1).Param("TXT", "a").Executar();
    ins.Param("ID", 2).Param("TXT", std::string(200, 'b')).Executar();
    db::Consulta q(tr, "select TXT from TIPOS where ID = :ID and char_length(TXT) = :N or ID = :ID and :N = 0");
    q.Param("ID", 2).Param("N", 200);
    ASSERT_TRUE(q.Proximo());
    EXPECT_EQ(q["TXT"].Texto(), std::string(200, 'b'));
}

TEST_F(BancoTest, ProcedureSelecionavelNoFromEGerador) {
    db::Transacao tr(erp.banco());
    db::Consulta q(tr, "select N, DOBRO from DOBROS(:ATE) order by N desc");
    q.Param("ATE", 3);
    std::vector<int64_t> dobros;
    while (q.Proximo()) dobros.push_back(q["DOBRO"].Inteiro());
    EXPECT_EQ(dobros, (std::vector<int64_t>{6, 4, 2}));

    const int64_t a = db::GenId(tr, "SPED_EFD_CHAVE");
    EXPECT_EQ(db::GenId(tr, "SPED_EFD_CHAVE"), a + 1);
    EXPECT_THROW(db::GenId(tr, "X; delete from PARAM"), db::ErroBanco);
}

TEST_F(BancoTest, ErrosTrazemAMensagemDoFirebirdEOContexto) {
    db::Transacao tr(erp.banco());
    try {
        db::Consulta q(tr, "select NAO_EXISTE from TIPOS");
        FAIL() << "deveria falhar";
    } catch (const db::ErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("Preparando select NAO_EXISTE"), std::string::npos) << e.what();
        EXPECT_NE(e.MensagemFirebird().find("NAO_EXISTE"), std::string::npos) << e.MensagemFirebird();
    }
    db::Consulta q(tr, "select ID from TIPOS");
    EXPECT_THROW(q["OUTRA"], db::ErroBanco);
    EXPECT_THROW(q.Param("NADA", 1), db::ErroBanco);
}

TEST_F(BancoTest, LeituraConfirmadaVeOQueOutraConexaoConfirmou) {
    db::Banco outra = db::Banco::Conectar(erp.parametros());
    db::Transacao leitura(erp.banco());
    db::Consulta conta(leitura, "select count(*) as QTDE from TIPOS");
    ASSERT_TRUE(conta.Abrir());
    EXPECT_EQ(conta["QTDE"].Inteiro(), 0);
    {
        db::Transacao escrita(outra);
        db::Consulta(escrita, "insert into TIPOS (ID) values (1)").Executar();
        escrita.Commit();
    }
    ASSERT_TRUE(conta.Abrir());
    EXPECT_EQ(conta["QTDE"].Inteiro(), 1);
}

TEST_F(BancoTest, TabelaProtegidaRecusaSegundaTransacaoSemEspera) {
    db::Banco outra = db::Banco::Conectar(erp.parametros());
    db::Transacao::Opcoes protegida;
    protegida.esperaBloqueio = false;
    protegida.protegerTabelas = {"SPED_EFD"};
    db::Transacao primeira(erp.banco(), protegida);
    try {
        db::Transacao segunda(outra, protegida);
        FAIL() << "a segunda transação deveria ser recusada";
    } catch (const db::ErroBanco& e) {
        EXPECT_TRUE(e.ConflitoDeBloqueio()) << e.what();
    }
    primeira.Commit();
    db::Transacao terceira(outra, protegida);
    EXPECT_TRUE(terceira.Ativa());
}

// Um char ou um bool não vira número sem aviso: não compila.
template <class V>
concept AceitaParam = requires(db::Consulta& q, V valor) { q.Param("X", valor); };
static_assert(!AceitaParam<char> && !AceitaParam<bool>);
static_assert(AceitaParam<const char*> && AceitaParam<int> && AceitaParam<double>);

}  // namespace
