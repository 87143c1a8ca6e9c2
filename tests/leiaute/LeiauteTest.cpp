// O leiaute compilado no programa: registros, campos por versão e a classificação usada na limpeza.
#include <gtest/gtest.h>

#include "core/leiaute/Leiaute.h"

namespace {

using leiaute::Leiaute;

TEST(Leiaute, RegistrosECamposDoLeiaute020) {
    const Leiaute& l = Leiaute::Oficial();
    EXPECT_EQ(l.Versao(), 20);
    const leiaute::Registro* c100 = l.Procurar("C100");
    ASSERT_NE(c100, nullptr);
    EXPECT_EQ(c100->campos.size(), 29u);
    EXPECT_EQ(c100->pai, "C001");
    EXPECT_EQ(c100->nivel, 2);
    const leiaute::Campo& modelo = c100->campos[4];
    EXPECT_EQ(modelo.nome, "COD_MOD");
    EXPECT_TRUE(modelo.tamanhoFixo);
    EXPECT_EQ(modelo.valores, (std::vector<std::string>{"01", "1B", "04", "55", "65"}));
    EXPECT_EQ(l.Procurar("C999"), nullptr);
}

TEST(Leiaute, QuantidadeDeCamposPelaVersaoDoArquivo) {
    const Leiaute& l = Leiaute::Oficial();
    struct Caso {
        const char* registro;
        int versao;
        size_t campos;
    };
    const Caso kCasos[] = {
        {"0200", 10, 12}, {"0200", 11, 13}, {"0200", 0, 13}, {"C500", 13, 27}, {"E116", 3, 9}};
    for (const Caso& c : kCasos)
        EXPECT_EQ(l.Procurar(c.registro)->CamposDaVersao(c.versao).size(), c.campos)
            << c.registro << " " << c.versao;
    const leiaute::Registro* r0210 = l.Procurar("0210");  // do histórico: existiu até o leiaute 015
    ASSERT_NE(r0210, nullptr);
    EXPECT_EQ(r0210->ateVersao, 15);
    EXPECT_EQ(r0210->pai, "0200");
}

TEST(Leiaute, CamposSoDeAlgarismosETextoLivre) {
    const Leiaute& l = Leiaute::Oficial();
    auto campo = [&](const char* reg, const char* nome) -> const leiaute::Campo& {
        for (const auto& c : l.Procurar(reg)->campos)
            if (c.nome == nome) return c;
        throw std::out_of_range(nome);
    };
    for (const auto& [reg, nome] : {std::pair{"0150", "CNPJ"},
                                    {"0150", "CPF"},
                                    {"0005", "CEP"},
                                    {"0005", "FONE"},
                                    {"0150", "COD_MUN"},
                                    {"0200", "COD_NCM"},
                                    {"0200", "CEST"},
                                    {"C100", "CHV_NFE"},
                                    {"C100", "NUM_DOC"}})
        EXPECT_TRUE(campo(reg, nome).SoAlgarismos()) << reg << " " << nome;
    for (const auto& [reg, nome] :
         {std::pair{"C100", "VL_DOC"}, {"0150", "NOME"}, {"0150", "COD_PART"}})
        EXPECT_FALSE(campo(reg, nome).SoAlgarismos()) << reg << " " << nome;
    for (const auto& [reg, nome] : {std::pair{"0150", "NOME"},
                                    {"0150", "ENDERECO"},
                                    {"0150", "COMPL"},
                                    {"0150", "BAIRRO"},
                                    {"0200", "DESCR_ITEM"},
                                    {"C110", "TXT_COMPL"}})
        EXPECT_TRUE(campo(reg, nome).TextoLivre()) << reg << " " << nome;
    for (const auto& [reg, nome] :
         {std::pair{"0150", "COD_PART"}, {"0200", "COD_ITEM"}, {"0190", "UNID"}})
        EXPECT_FALSE(campo(reg, nome).TextoLivre()) << reg << " " << nome;
}

}  // namespace
