// Cópia salva de cdsParams: ida e volta de todos os campos e cópias que não podem ser lidas.
#include <gtest/gtest.h>

#include <fstream>

#include "app/CopiaSalva.h"
#include "tests/support/BancoTeste.h"

namespace {

template <class... F>
struct Visitante : F... {
    using F::operator()...;
};

// Um valor diferente do padrão em cada campo, com um "ç" nos textos.
core::TParametros TodosPreenchidos() {
    core::TParametros p;
    int i = 0;
    for (const core::CampoParametro& c : core::CamposParametros()) {
        ++i;
        std::visit(Visitante{[&](int core::TParametros::*m) { p.*m = 100 + i; },
                             [&](bool core::TParametros::*m) { p.*m = !(p.*m); },
                             [&](std::string core::TParametros::*m) {
                                 p.*m = ("\xE7" + std::to_string(i) + std::string(300, 'x')).substr(0, c.tamanho);
                             },
                             [&](util::DataHora core::TParametros::*m) {
                                 p.*m = util::DataHora::Data(2020, 1 + i % 12, 1 + i % 28).ComHora(i % 24, 5, 6, 7);
                             }},
                   c.membro);
    }
    return p;
}

bool CampoIgual(const core::TParametros& a, const core::TParametros& b, const core::CampoParametro& c) {
    return std::visit([&](auto m) { return a.*m == b.*m; }, c.membro);
}

class CopiaSalvaTest : public ::testing::Test {
protected:
    void GravarTexto(const std::string& texto) { std::ofstream(arquivo, std::ios::binary) << texto; }
    teste::PastaTemporaria pasta;
    std::filesystem::path arquivo = pasta.caminho() / "VASTEL_EFD.XML";
};

TEST_F(CopiaSalvaTest, SemCopia) {
    core::TParametros p;
    EXPECT_FALSE(app::CarregarCopiaSalva(arquivo, p));
}

TEST_F(CopiaSalvaTest, TodosOsCamposIdaEVoltaMenosAgrupamento) {
    const core::TParametros gravado = TodosPreenchidos();
    app::GravarCopiaSalva(arquivo, gravado);
    app::GravarCopiaSalva(arquivo, gravado);  // substitui a anterior
    core::TParametros lido;
    ASSERT_TRUE(app::CarregarCopiaSalva(arquivo, lido));
    for (const core::CampoParametro& c : core::CamposParametros()) {
        if (c.nome == "FORMA_AGRUP_ITENS")
            EXPECT_EQ(lido.FORMA_AGRUP_ITENS, "");
        else
            EXPECT_TRUE(CampoIgual(lido, gravado, c)) << c.nome;
    }
    EXPECT_FALSE(std::filesystem::exists(arquivo.string() + ".tmp"));
}

TEST_F(CopiaSalvaTest, CamposDesconhecidosOuAusentesETextoLongo) {
    GravarTexto(R"(<?xml version="1.0" encoding="UTF-8"?>
<cdsParams>
  <CAMPO_DE_OUTRA_VERSAO tipo="texto">x</CAMPO_DE_OUTRA_VERSAO>
  <FILIAL_2 tipo="inteiro">5</FILIAL_2>
  <FILIAL_7 tipo="inteiro">9</FILIAL_7>
  <GERAR_C170_SAI tipo="texto">SS</GERAR_C170_SAI>
  <DIR_GERACAO tipo="texto">/saída</DIR_GERACAO>
</cdsParams>)");
    core::TParametros p;
    ASSERT_TRUE(app::CarregarCopiaSalva(arquivo, p));
    EXPECT_EQ(p.FILIAL_2, 5);
    EXPECT_FALSE(p.ExisteCampo("FILIAL_7"));
    EXPECT_EQ(p.GERAR_C170_SAI, "S");
    EXPECT_EQ(p.DIR_GERACAO, "/sa\xED" "da");
    EXPECT_EQ(p.GERAR_ENTRADAS, "S");  // ausente: fica o padrão
}

TEST_F(CopiaSalvaTest, CopiaIlegivelNaoMexeNosParametros) {
    const char* const kCasos[] = {
        "isto não é XML",
        "<?xml version=\"1.0\"?><outraRaiz/>",
        "<cdsParams><FILIAL>1</FILIAL><FILIAL_2>dois</FILIAL_2></cdsParams>",
        "<cdsParams><DATA_INI>2024-02-30T00:00:00.0000</DATA_INI></cdsParams>",
        "<cdsParams><GERAR_VL_ITEM_IR_REG_H010>S</GERAR_VL_ITEM_IR_REG_H010></cdsParams>",
        "<cdsParams><FILIAL>1</FILIAL>",
    };
    for (const char* texto : kCasos) {
        GravarTexto(texto);
        core::TParametros p;
        p.DIR_GERACAO = "intacto";
        try {
            app::CarregarCopiaSalva(arquivo, p);
            ADD_FAILURE() << "leu " << texto;
        } catch (const app::ErroCopiaSalva& e) {
            EXPECT_NE(std::string(e.what()).find(arquivo.string()), std::string::npos) << e.what();
        }
        EXPECT_EQ(p.FILIAL, 0) << texto;
        EXPECT_EQ(p.DIR_GERACAO, "intacto");
    }
}

TEST_F(CopiaSalvaTest, PastaSemPermissaoDeEscrita) {
    EXPECT_THROW(app::GravarCopiaSalva(pasta.caminho() / "nao" / "existe.XML", core::TParametros{}),
                 app::ErroCopiaSalva);
}

}  // namespace
