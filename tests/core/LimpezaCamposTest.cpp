// Valores limpos na entrada da área de trabalho, pelo leiaute de cada registro.
#include <gtest/gtest.h>

#include "core/LimpezaCampos.h"

namespace {

core::TRegistroEFD Registro(std::initializer_list<std::pair<const char*, std::string>> campos) {
    core::TRegistroEFD r;
    for (const auto& [nome, valor] : campos) r.SetCampo(nome, valor);
    return r;
}

TEST(LimpezaCampos, MascarasBarrasQuebrasETextoLongo) {
    struct Caso {
        const char* nome;
        core::TRegistroEFD registro;
        std::string linha;
    };
    const std::string nomeLongo = "CONSTRUTORA " + std::string(100, 'H');
    const Caso kCasos[] = {
        {"participante com máscaras, barra, quebra de linha e nome longo",
         Registro({{"REG", "0150"},
                   {"COD_PART", "C1"},
                   {"NOME", nomeLongo},
                   {"COD_PAIS", "01058"},
                   {"CNPJ", "17.432.896/0001-80"},
                   {"CPF", ""},
                   {"IE", "186.249.137.0083"},
                   {"COD_MUN", "31 186-01"},
                   {"SUFRAMA", ""},
                   {"END", "RUA A | BLOCO\r\nB"},
                   {"NUM", "10"},
                   {"COMPL", "SALA\t2"},
                   {"BAIRRO", "CENTRO"}}),
         "|0150|C1|" + nomeLongo.substr(0, 100) +
             "|01058|17432896000180||1862491370083|3118601||RUA A / BLOCO  B|10|SALA 2|CENTRO|"},
        {"item com NCM e CEST mascarados e descrição com barra",
         Registro({{"REG", "0200"},
                   {"COD_ITEM", "1010"},
                   {"DESCR_ITEM", "TRELICA | 6M"},
                   {"COD_BARRA", ""},
                   {"COD_ANT_ITEM", ""},
                   {"UNID_INV", "PC"},
                   {"TIPO_ITEM", "04"},
                   {"COD_NCM", "7308.90.10"},
                   {"EX_IPI", ""},
                   {"COD_GEN", "73"},
                   {"COD_LST", ""},
                   {"ALIQ_ICMS", "18,00"},
                   {"CEST", "01.001.00"}}),
         "|0200|1010|TRELICA / 6M|||PC|04|73089010||73||18,00|0100100|"},
        {"telefone e CEP da filial",
         Registro({{"REG", "0005"},
                   {"FANTASIA", "SERRA AZUL"},
                   {"CEP", "32.210-110"},
                   {"END", "AV B"},
                   {"NUM", "1"},
                   {"COMPL", ""},
                   {"BAIRRO", "CIDADE INDUSTRIAL"},
                   {"FONE", "(31) 3362-0500"},
                   {"FAX", ""},
                   {"EMAIL", "fiscal@serraazul.ind.br"}}),
         "|0005|SERRA AZUL|32210110|AV B|1||CIDADE "
         "INDUSTRIAL|3133620500||fiscal@serraazul.ind.br|"},
        {"valor com ponto de milhar fica como está (a conferência aponta)",
         Registro({{"REG", "E116"}, {"COD_OR", "000"}, {"VL_OR", "1.000,00"}}),
         "|E116|000|1.000,00|"},
        {"registro fora do leiaute: só barra e quebras",
         Registro({{"REG", "X999"}, {"A", "a|b\nc"}}), "|X999|a/b c|"},
    };
    for (const Caso& c : kCasos) {
        core::LimpezaCampos limpeza;
        std::vector<core::LimpezaCampos::CodigoLongo> longos;
        EXPECT_EQ(limpeza.Linha(c.registro, longos), c.linha) << c.nome;
        EXPECT_TRUE(longos.empty()) << c.nome;
    }
}

TEST(LimpezaCampos, CodigoMaiorQueOCampoNaoECortado) {
    core::LimpezaCampos limpeza;
    std::vector<core::LimpezaCampos::CodigoLongo> longos;
    const std::string codigo(61, 'C');
    EXPECT_EQ(limpeza.Linha(Registro({{"REG", "0150"}, {"COD_PART", codigo}}), longos),
              "|0150|" + codigo + "|");
    ASSERT_EQ(longos.size(), 1u);
    EXPECT_EQ(longos[0].campo, "COD_PART");
    EXPECT_EQ(longos[0].tamanho, 60);
}

}  // namespace
