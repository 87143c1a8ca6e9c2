// A área de trabalho SPED_EFD contra um banco embutido real.
#include <gtest/gtest.h>

#include "core/ArmazemSped.h"
#include "tests/support/BancoTeste.h"
#include "tests/support/MensagensTeste.h"

namespace {

using core::TRegistroEFD;

TRegistroEFD Registro(std::initializer_list<std::pair<const char*, const char*>> campos) {
    TRegistroEFD r;
    for (const auto& [nome, valor] : campos) r.SetCampo(nome, valor);
    return r;
}

struct Linha {
    int ordem;
    std::string codigo, conteudo, chave;
    bool operator==(const Linha&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Linha& l) {
    return os << l.ordem << " " << l.codigo << " " << l.conteudo << " [" << l.chave << "]";
}

class ArmazemSpedTest : public ::testing::Test {
protected:
    // Lê as linhas de uma geração por outra conexão: só vê o que foi confirmado.
    std::vector<Linha> LinhasConfirmadas(int chave) {
        db::Banco outra = db::Banco::Conectar(erp.parametros());
        db::Transacao tr(outra);
        db::Consulta q(tr, "select * from SPED_EFD where CHAVE_SE = :C order by ORDEM_SE");
        q.Param("C", chave);
        std::vector<Linha> r;
        while (q.Proximo())
            r.push_back({static_cast<int>(q["ORDEM_SE"].Inteiro()), q["COD_REG_SE"].Texto(), q["CONTEUDO_SE"].Texto(),
                         q["CHAVE_AGRUP_SE"].Texto()});
        return r;
    }

    teste::BancoErpTeste erp;
    teste::MensagensTeste mensagens;
    core::ArmazemSped sped{erp.banco(), mensagens};
};

TEST_F(ArmazemSpedTest, NumerosDeOrdemPorFaixaEContador) {
    sped.IniciarGeracao();
    sped.GravarRegistro(Registro({{"REG", "0000"}, {"X", "a"}}));
    sped.GravarRegistro(Registro({{"REG", "0001"}, {"IND_MOV", "0"}}));
    for (int i = 3; i < 40; ++i) sped.GravarRegistro(Registro({{"REG", "C100"}}));
    sped.GravarRegistro(Registro({{"REG", "K001"}}));
    sped.GravarRegistro(Registro({{"REG", "K010"}}));
    for (int i = 42; i < 50; ++i) sped.GravarRegistro(Registro({{"REG", "C100"}}));
    sped.GravarRegistro(Registro({{"REG", "0175"}}));
    const int chave = sped.ChaveGeracao();
    sped.EncerrarGeracao();

    const auto linhas = LinhasConfirmadas(chave);
    ASSERT_EQ(linhas.size(), 50u);
    EXPECT_EQ(linhas[0], (Linha{100'000'001, "0000", "|0000|a|", ""}));
    EXPECT_EQ(linhas[1], (Linha{100'100'001, "0001", "|0001|0|", ""}));
    EXPECT_EQ(linhas[2], (Linha{115'000'001, "0175", "|0175|", ""}));  // na faixa do 0150, a primeira dela
    EXPECT_EQ(linhas[3].ordem, 310'000'001);                            // C100: cada faixa conta as suas
    EXPECT_EQ(linhas[47].ordem, 310'000'045);
    EXPECT_EQ(linhas[48].ordem, 700'000'001);  // K001
    EXPECT_EQ(linhas[49].ordem, 705'000'001);  // K010
}

TEST_F(ArmazemSpedTest, DuplicadosDeRegistrosMestresSoNaMesmaGeracao) {
    sped.IniciarGeracao();
    const int primeira = sped.ChaveGeracao();
    sped.GravarRegistro(Registro({{"REG", "0200"}, {"COD_ITEM", "P1"}, {"DESCR", "a"}}));
    sped.GravarRegistro(Registro({{"REG", "0200"}, {"COD_ITEM", "P1"}, {"DESCR", "b"}}));
    sped.GravarLinha("0200", "|0200|P1|c|");  // linha importada com a mesma chave
    sped.GravarLinha("0150", "|0150|F1|Fornecedor|");
    sped.GravarRegistro(Registro({{"REG", "0150"}, {"COD_PART", "F1"}}));
    sped.GravarRegistro(Registro({{"REG", "C100"}, {"N", "1"}}));
    sped.GravarRegistro(Registro({{"REG", "C100"}, {"N", "1"}}));
    sped.GravarRegistro(Registro({{"COD_ITEM", "sem REG"}}));
    EXPECT_EQ(sped.LinhasGravadas(), 4);
    sped.GravarRegistro(Registro({{"REG", "0300"}}));  // o contador só andou para o que foi gravado
    EXPECT_EQ(LinhasConfirmadas(primeira).size(), 0u) << "nada confirmado antes do fim do lote";
    sped.EncerrarGeracao();
    const auto linhas = LinhasConfirmadas(primeira);
    ASSERT_EQ(linhas.size(), 5u);
    EXPECT_EQ(linhas[0], (Linha{115'000'001, "0150", "|0150|F1|Fornecedor|", "F1"}));
    EXPECT_EQ(linhas[1], (Linha{120'000'001, "0200", "|0200|P1|a|", "P1"}));
    EXPECT_EQ(linhas[2].ordem, 130'000'001);

    sped.IniciarGeracao();
    EXPECT_NE(sped.ChaveGeracao(), primeira);
    sped.GravarRegistro(Registro({{"REG", "0200"}, {"COD_ITEM", "P1"}}));
    EXPECT_EQ(sped.LinhasGravadas(), 1) << "outra geração não é suprimida pela anterior";
    sped.EncerrarGeracao();
    EXPECT_EQ(LinhasConfirmadas(primeira).size(), 0u) << "a nova geração apaga as linhas antigas";
}

TEST_F(ArmazemSpedTest, LinhaImportadaH010MarcaInventarioMesmoDuplicada) {
    sped.IniciarGeracao();
    EXPECT_FALSE(sped.InventarioImportado());
    sped.GravarLinha("H010", "|H010|X|");
    sped.GravarLinha("", "|H010|X|");
    EXPECT_TRUE(sped.InventarioImportado());
    EXPECT_EQ(sped.LinhasGravadas(), 1);
    sped.IniciarGeracao();
    EXPECT_FALSE(sped.InventarioImportado());
}

TEST_F(ArmazemSpedTest, MuitasLinhasChegamTodasMesmoComOGravadorAtrasado) {
    sped.DefinirTamanhoLote(777);
    sped.IniciarGeracao();
    const int chave = sped.ChaveGeracao();
    constexpr int kLinhas = 23'456;  // bem mais que a fila do gravador comporta
    for (int i = 0; i < kLinhas; ++i)
        sped.GravarRegistro(Registro({{"REG", "C170"}, {"NUM_ITEM", std::to_string(i).c_str()}}));
    sped.EncerrarGeracao();
    const auto linhas = LinhasConfirmadas(chave);
    ASSERT_EQ(linhas.size(), static_cast<size_t>(kLinhas));
    for (int i : {0, 999, 1000, kLinhas - 1}) {
        EXPECT_EQ(linhas[i].ordem, 310'000'001 + i);
        EXPECT_EQ(linhas[i].conteudo, "|C170|" + std::to_string(i) + "|");
    }
}

// A falha do banco numa linha aparece na próxima confirmação (ou no encerramento): o diálogo mostra
// a linha que falhou, uma vez só, e as linhas anteriores ficam gravadas.
TEST_F(ArmazemSpedTest, FalhaAoGravarMostraODialogoEPreservaAsLinhasAnteriores) {
    erp.Executar(R"(
CREATE EXCEPTION E_TESTE 'falha de teste';
SET TERM ^ ;
CREATE TRIGGER T_FALHA FOR SPED_EFD BEFORE INSERT AS
BEGIN
  IF (NEW.COD_REG_SE = 'C170') THEN EXCEPTION E_TESTE;
END^
SET TERM ; ^
)");
    sped.DefinirTamanhoLote(1000);
    for (const bool confirmaAntes : {true, false}) {
        SCOPED_TRACE(confirmaAntes ? "vista na confirmação" : "vista no encerramento");
        mensagens.erros.clear();
        sped.IniciarGeracao();
        const int chave = sped.ChaveGeracao();
        sped.GravarRegistro(Registro({{"REG", "0150"}, {"COD_PART", "C9"}}));
        sped.GravarRegistro(Registro({{"REG", "C170"}, {"X", "conteúdo"}}));
        if (confirmaAntes) {
            EXPECT_THROW(sped.ConfirmarGravacao(), db::ErroBanco);
            EXPECT_THROW(sped.GravarRegistro(Registro({{"REG", "C190"}})), db::ErroBanco)
                << "depois da falha nenhuma linha é aceita";
            EXPECT_NO_THROW(sped.EncerrarGeracao()) << "a falha já foi avisada";
        } else {
            EXPECT_THROW(sped.EncerrarGeracao(), db::ErroBanco);
        }
        ASSERT_EQ(mensagens.erros.size(), 1u);
        EXPECT_EQ(mensagens.erros[0], "Erro ao gravar o Registro:\rChave: " + std::to_string(chave) +
                                          "\rChave Agrup: \rOrdem: 310000001\rC\xF3" "d. Reg: C170\rConte\xFA" "do: |C170|conteúdo|");
        const auto linhas = LinhasConfirmadas(chave);
        ASSERT_EQ(linhas.size(), 1u);
        EXPECT_EQ(linhas[0].codigo, "0150");
    }
}

TEST_F(ArmazemSpedTest, SegundaGeracaoNoMesmoBancoERecusadaSemApagarNada) {
    sped.DefinirTamanhoLote(1);  // confirmações no meio da geração não soltam a reserva
    sped.IniciarGeracao();
    sped.GravarRegistro(Registro({{"REG", "0000"}}));
    sped.GravarRegistro(Registro({{"REG", "0001"}}));
    sped.ConfirmarGravacao();

    db::Banco outraConexao = db::Banco::Conectar(erp.parametros());
    teste::MensagensTeste outrasMensagens;
    core::ArmazemSped outro(outraConexao, outrasMensagens);
    try {
        outro.IniciarGeracao();
        FAIL() << "a segunda geração deveria ser recusada";
    } catch (const core::GeracaoEmAndamento& e) {
        EXPECT_NE(std::string(e.what()).find("em andamento neste banco de dados"), std::string::npos);
    }
    EXPECT_FALSE(outro.EmGeracao());
    const int chave = sped.ChaveGeracao();
    EXPECT_EQ(LinhasConfirmadas(chave).size(), 2u);
    sped.GravarRegistro(Registro({{"REG", "0990"}}));
    sped.EncerrarGeracao();
    EXPECT_EQ(LinhasConfirmadas(chave).size(), 3u);

    outro.IniciarGeracao();  // terminada a primeira, a outra pode gerar
    EXPECT_TRUE(outro.EmGeracao());
}

}  // namespace
