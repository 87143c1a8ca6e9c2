// Participantes: códigos, 0150 de cada tipo e histórico 0175.
#include <gtest/gtest.h>

#include "blocks/bloco0/Participantes.h"
#include "tests/blocks/Bloco0Teste.h"

namespace {

using teste::Bloco0Teste;
using V = std::vector<std::string>;

class ParticipantesTest : public ::testing::Test, public Bloco0Teste {
protected:
    ParticipantesTest() {
        erp.Executar(R"(
INSERT INTO PAIS (COD_PA, NOME_PA, COD_BACEN_PA) VALUES ('030', 'BRASIL', '1058');
INSERT INTO PAIS (COD_PA, NOME_PA, COD_BACEN_PA) VALUES ('249', 'ESTADOS UNIDOS', '2496');
INSERT INTO CIDADE (NOME_CI, UF_CI, COD_MUNICIPIO_IBGE_CI) VALUES ('CONTAGEM', 'MG', '3118601');
INSERT INTO MUNICIPIOS_IBGE (CODIGO_MU, NOME_MU, UF_MU) VALUES ('3550308', 'SAO PAULO', 'SP');
INSERT INTO MUNICIPIOS_IBGE (CODIGO_MU, NOME_MU, UF_MU) VALUES ('3106200', 'BELO HORIZONTE', 'MG');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL,
    ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL)
VALUES (123, 'CLIENTE A LTDA', '11222333000181', '0012345670012', '', '030', '3106200', 'RUA X', '10', 'SALA 1', 'CENTRO',
    'BELO HORIZONTE', 'MG');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL,
    ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL)
VALUES (124, 'JOSE DA SILVA', '52998224725', 'ISENTO', '', '030', '  ', 'RUA Y', '20', '', 'ELDORADO', 'CONTAGEM', 'MG');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL,
    ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL)
VALUES (125, 'ACME INC', 'US998877', '77', '', '249', '9999999', 'MAIN ST', '5', '', 'DOWNTOWN', 'MIAMI', 'EX');
INSERT INTO CLIENTE (COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL,
    ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL)
VALUES (126, 'LOJA SEM CIDADE', '', '', '123456789', '030', NULL, 'RUA Z', '1', '', 'BAIRRO Z', 'NENHUMA', 'MG');
INSERT INTO FORNECEDOR (CODIGO, NOME, CNPJ_FO, INSCRESTADUAL, PAIS_FO, CODMUNICIPIO_FO, RUA, ENDER_NUMERO_FO,
    ENDER_COMPL_FO, BAIRRO, UF)
VALUES (7, 'ACO FORTE S/A', '33.444.555/0001-81', '0620001110099', '030', '3118601', 'AV INDUSTRIAL', '900', '',
    'CINCAO', 'MG');
INSERT INTO REPRESENTANTE (COD_RE, NOME_RE, CNPJ_RE, INSC_RE, PAIS_RE, CODMUNICIPIO_RE, RUA_RE, ENDER_NUMERO_RE,
    ENDER_COMPL_RE, BAIRRO_RE, UF_RE)
VALUES (3, 'REPRESENTA | LTDA', '44555666000130', '', '030', '3106200', 'RUA R|A', '3', '', 'SAVASSI', 'MG');
INSERT INTO TERCEIRIZADO (COD_BA, NOME_BA, CNPJ_BA, INSC_BA, PAIS_BA, CODMUNICIPIO_BA, RUA_BA, ENDER_NUMERO_BA,
    ENDER_COMPL_BA, BAIRRO_BA, UF_BA)
VALUES (4, 'COSTURA FACCAO', '70363843600', '', '030', '3118601', 'RUA T', '4', 'FUNDOS', 'RIACHO', 'MG');
)");
    }
};

TEST_F(ParticipantesTest, Registro0150DeCadaTipo) {
    struct Caso {
        char tipo;
        int numero;
        const char* linha;
    };
    const Caso kCasos[] = {
        // CNPJ de 14 caracteres no CNPJ.
        {'C', 123, "|0150|C000123|CLIENTE A LTDA|1058|11222333000181||0012345670012|3106200||RUA X|10|SALA 1|CENTRO|"},
        // CPF, IE "ISENTO" vazia e município pelo nome da cidade.
        {'C', 124, "|0150|C000124|JOSE DA SILVA|1058||52998224725||3118601||RUA Y|20||ELDORADO|"},
        // Estrangeiro: sem IE e sem CNPJ; o documento que não tem 14 caracteres fica no CPF.
        {'C', 125, "|0150|C000125|ACME INC|2496||US998877||9999999||MAIN ST|5||DOWNTOWN|"},
        // Cidade que não está em CIDADE: município vazio; SUFRAMA do cliente.
        {'C', 126, "|0150|C000126|LOJA SEM CIDADE|1058|||||123456789|RUA Z|1||BAIRRO Z|"},
        // Fornecedor com CNPJ gravado com máscara.
        {'F', 7, "|0150|F000007|ACO FORTE S/A|1058|33444555000181||0620001110099|3118601||AV INDUSTRIAL|900||CINCAO|"},
        // "|" do cadastro vira "/", para não partir o campo.
        {'R', 3, "|0150|R000003|REPRESENTA / LTDA|1058|44555666000130|||3106200||RUA R/A|3||SAVASSI|"},
        {'T', 4, "|0150|T000004|COSTURA FACCAO|1058||70363843600||3118601||RUA T|4|FUNDOS|RIACHO|"},
        // A filial da geração.
        {'P', 0, "|0150|P000000|INDUSTRIA TESTE LTDA|1058|17432896000180||1862491370083|3118601||AV B|1||"
                 "CIDADE INDUSTRIAL|"},
    };
    Iniciar();
    for (const Caso& c : kCasos) {
        const std::string codigo = c.linha + 6;
        EXPECT_EQ(blocks::CodigoParticipante(g, c.tipo, c.numero, "NS=1-1-1"), codigo.substr(0, 7));
        EXPECT_EQ(Linhas("0150").back(), c.linha);
    }
    EXPECT_EQ(Linhas("0150").size(), std::size(kCasos));
    EXPECT_TRUE(erros.Erros().empty()) << Mensagens()[0];
}

TEST_F(ParticipantesTest, MesmoParticipanteEmVariosDocumentosGravaUmSo0150) {
    Iniciar();
    for (const char* origem : {"NS=1-10-1", "NS=1-11-1", "NE=1-12-1"})
        EXPECT_EQ(blocks::CodigoParticipante(g, 'C', 123, origem), "C000123");
    EXPECT_EQ(Linhas("0150").size(), 1u);
    // Uma nova geração grava de novo.
    Iniciar();
    blocks::CodigoParticipante(g, 'C', 123, "NS=1-10-1");
    EXPECT_EQ(Linhas("0150").size(), 1u);
}

TEST_F(ParticipantesTest, NaoLocalizadoDaDuasMensagensPorOrigemENaoGrava) {
    Iniciar();
    EXPECT_EQ(blocks::CodigoParticipante(g, 'F', 999, "NE=1-5-1"), "F000999");
    EXPECT_EQ(blocks::CodigoParticipante(g, 'F', 999, "NE=1-6-1"), "F000999");
    EXPECT_EQ(blocks::CodigoParticipante(g, 'X', 1, "NS=1-7-1"), "X000001");
    EXPECT_EQ(Mensagens(),
              (V{"0150 Registro não localizado para o código \"999\" na tabela FORNECEDOR. Origem = NE=1-5-1",
                 "0150 Registro não localizado para o código \"999\" na tabela FORNECEDOR. Origem = NE=1-6-1",
                 "0150 Tamanho do registro 0150 inválido para o codigo \"F000999\". Origem = NE=1-5-1",
                 "0150 Tamanho do registro 0150 inválido para o codigo \"F000999\". Origem = NE=1-6-1",
                 "0150 Tamanho do registro 0150 inválido para o codigo \"X000001\". Origem = NS=1-7-1"}));
    EXPECT_TRUE(Linhas("0150").empty());
}

TEST_F(ParticipantesTest, CodigoPeloCnpjOuCpfConformeEscritorioEParametro) {
    struct Caso {
        const char* escritorio;
        const char* desdeParametro;
        int ano, mes;
        char tipo;
        int numero;
        const char* codigo;
    };
    const Caso kCasos[] = {
        {"", "01/01/2020", 2020, 1, 'C', 123, "11222333000181"},
        {"", "01/01/2020", 2020, 1, 'C', 124, "52998224725"},
        {"", "01/01/2020", 2020, 1, 'C', 126, "C000126"},
        {"", "01/01/2020", 2019, 12, 'C', 123, "C000123"},
        {"", "", 2024, 3, 'F', 7, "F000007"},
        {"GAVRONE", "", 2016, 10, 'F', 7, "33444555000181"},
        {"GAVRONE", "", 2016, 9, 'F', 7, "F000007"},
        {"TUNO", "", 2017, 9, 'C', 124, "52998224725"},
        {"TUNO", "", 2017, 8, 'C', 124, "C000124"},
        // FENUKA antes de 2012: 8 primeiros algarismos do CNPJ e os de posição 11 e 12; 10 do CPF.
        {"FENUKA", "", 2011, 6, 'C', 123, "1122233301"},
        {"FENUKA", "", 2011, 6, 'C', 124, "5299822472"},
        {"FENUKA", "", 2011, 6, 'C', 126, "C000126"},
        {"FENUKA", "", 2012, 1, 'C', 123, "11222333000181"},
        // Estrangeiro perde o CNPJ antes da regra.
        {"", "01/01/2020", 2020, 1, 'C', 125, "US998877"},
    };
    for (const Caso& c : kCasos) {
        configuracoes.COD_CONTABILIDADE = c.escritorio;
        params.DT_INI_COD_PARTICIPANTE_CNPJ = c.desdeParametro;
        Periodo(c.ano, c.mes);
        Iniciar();
        const std::string codigo = blocks::CodigoParticipante(g, c.tipo, c.numero, "NS=1-1-1");
        EXPECT_EQ(codigo, c.codigo) << c.escritorio << " " << c.ano << "/" << c.mes << " " << c.numero;
        ASSERT_EQ(Linhas("0150").size(), 1u);
        EXPECT_EQ(Linhas("0150")[0].substr(0, 7 + codigo.size()), "|0150|" + codigo + "|");
    }
}

TEST_F(ParticipantesTest, DataInvalidaNoParametroEncerraAGeracao) {
    params.DT_INI_COD_PARTICIPANTE_CNPJ = "31/02/2020";
    Iniciar();
    EXPECT_THROW(blocks::CodigoParticipante(g, 'C', 123, "NS=1-1-1"), std::runtime_error);
}

TEST_F(ParticipantesTest, Historico0175DaUltimaAlteracaoSoNaPrimeiraReferencia) {
    erp.Executar(R"(
INSERT INTO LOG VALUES ('CLIENTE', '123', 'RUA_CL', '2024-03-05 10:00:00', 'RUA VELHA 1');
INSERT INTO LOG VALUES ('CLIENTE', '123', 'RUA_CL', '2024-03-20 09:00:00', 'RUA VELHA | 2');
INSERT INTO LOG VALUES ('CLIENTE', '123', 'RUA_CL', '2024-02-28 09:00:00', 'FORA DO PERIODO');
INSERT INTO LOG VALUES ('CLIENTE', '123', 'CGC_CL', '2024-03-06 09:00:00', '99888777000166');
INSERT INTO LOG VALUES ('CLIENTE', '123', 'CODMUNICIPIO_CL', '2024-03-07 09:00:00', '3550308');
INSERT INTO LOG VALUES ('CLIENTE', '123', 'OBS_CL', '2024-03-08 09:00:00', 'SEM NR_CAMPO');
INSERT INTO LOG VALUES ('CLIENTE', '124', 'BAIRRO_CL', '2024-03-10 09:00:00', 'BAIRRO ANTIGO');
INSERT INTO LOG VALUES ('CLIENTE', '126', 'BAIRRO_CL', '2024-03-10 15:00:00', 'BAIRRO VELHO');
INSERT INTO LOG VALUES ('CLIENTE', '126', 'ENDER_NUMERO_CL', '2024-03-11 15:00:00', 'N. 45-A');
INSERT INTO LOG VALUES ('FORNECEDOR', '7', 'CODMUNICIPIO_FO', '2024-03-12 08:00:00', '3106200');
INSERT INTO LOG VALUES ('FORNECEDOR', '7', 'NOME', '2024-03-13 08:00:00', '   ');
)");
    Iniciar();
    blocks::CodigoParticipante(g, 'C', 123, "NS=1-1-1");
    blocks::CodigoParticipante(g, 'C', 123, "NS=1-2-1");
    blocks::CodigoParticipante(g, 'C', 124, "NS=1-3-1");
    blocks::CodigoParticipante(g, 'C', 126, "NS=1-4-1");
    blocks::CodigoParticipante(g, 'F', 7, "NE=1-5-1");
    const auto linhas = Linhas();
    const V esperadas = {
        "|0150|C000123|CLIENTE A LTDA|1058|11222333000181||0012345670012|3106200||RUA X|10|SALA 1|CENTRO|",
        // A troca de CNPJ e a de município para outra UF não saem; o "|" do valor anterior some.
        "|0175|20032024|10|RUA VELHA  2|",
        "|0150|C000124|JOSE DA SILVA|1058||52998224725||3118601||RUA Y|20||ELDORADO|",
        "|0175|10032024|13|BAIRRO ANTIGO|",
        "|0150|C000126|LOJA SEM CIDADE|1058|||||123456789|RUA Z|1||BAIRRO Z|",
        "|0175|10032024|13|BAIRRO VELHO|",
        "|0175|11032024|11|N. 45-A|",
        // Município anterior da mesma UF sai só com os algarismos; nome anterior em branco não sai.
        "|0150|F000007|ACO FORTE S/A|1058|33444555000181||0620001110099|3118601||AV INDUSTRIAL|900||CINCAO|",
        "|0175|12032024|08|3106200|",
    };
    EXPECT_EQ(linhas, esperadas);
}

}  // namespace
