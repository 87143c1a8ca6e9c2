// Conferências antes da geração, na ordem em que são feitas.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/validacao/ValidarGeracao.h"
#include "tests/support/BancoTeste.h"
#include "tests/support/MensagensTeste.h"
#include "util/Texto1252.h"

namespace {

using util::W;

// Guarda também qual botão a confirmação traria como padrão.
class Mensagens : public teste::MensagensTeste {
public:
    bool Confirmacao(const std::string& m, bool padraoNao) override {
        padroesNao.push_back(padraoNao);
        return MensagensTeste::Confirmacao(m, padraoNao);
    }
    std::vector<bool> padroesNao;
};

enum Filial {
    kCompleta = 1,
    kSemFantasia,
    kFantasiaEmBranco,
    kSemDias,
    kSemReceita,
    kInexistente = 99
};

const app::TFiltroTiposFiscais kSemTipos{};
const app::TFiltroTiposFiscais kMateriaPrima{"'01'", false, true};
const app::TFiltroTiposFiscais kSoProdutoAcabado{"", true, false};

struct Caso {
    const char* nome;
    int filial = kCompleta;
    const char* blocoK = "N";
    const char* regH = "N";
    const char* mesAno = "";
    const char* motivo = "01";
    int mes = 3;
    app::TFiltroTiposFiscais filtro = kSemTipos;
    bool respostaSim = true;
    bool esperado = true;
    const char* alerta = nullptr;  // em UTF-8
    bool pergunta = false;
};

const std::string kFantasia =
    "O campo \"Nome Fantasia\" da filial é de preenchimento obrigatório.\r"
    "caso não possua nome de fantasia, preencher com parte da razão social pela qual é conhecida.";
const std::string kFevereiro =
    "No mês de Fevereiro é obrigatório a geração do Bloco H (Inventário).\r"
    "Confirma a geração do arquivo sem o registro do Bloco H ?";

TEST(ValidarGeracaoTest, CadaConferenciaNaOrdem) {
    teste::BancoErpTeste bd;
    bd.Executar(
        "insert into FILIAL (COD_FI, FANTASIA_FI, DIAS_VENCTO_ICMS_AREC_FI, "
        "COD_RECEITA_ICMS_AREC_FI) "
        "values (1, 'LOJA', 10, '0121');"
        "insert into FILIAL (COD_FI, FANTASIA_FI, DIAS_VENCTO_ICMS_AREC_FI, "
        "COD_RECEITA_ICMS_AREC_FI) "
        "values (2, null, 10, '0121');"
        "insert into FILIAL (COD_FI, FANTASIA_FI, DIAS_VENCTO_ICMS_AREC_FI, "
        "COD_RECEITA_ICMS_AREC_FI) "
        "values (3, '   ', 10, '0121');"
        "insert into FILIAL (COD_FI, FANTASIA_FI, DIAS_VENCTO_ICMS_AREC_FI, "
        "COD_RECEITA_ICMS_AREC_FI) "
        "values (4, 'LOJA', null, '0121');"
        "insert into FILIAL (COD_FI, FANTASIA_FI, DIAS_VENCTO_ICMS_AREC_FI, "
        "COD_RECEITA_ICMS_AREC_FI) "
        "values (5, 'LOJA', 10, '');");
    core::ListaFiliais cdsFil;
    db::Transacao tr(bd.banco());
    cdsFil.Carregar(tr);

    const std::string kTiposK =
        "Selecione os tipos fiscais que irão ser gerados no Estoque Escriturado.";
    const std::string kTiposH = "Selecione os tipos fiscais que irão ser gerados no inventário.";
    const Caso kCasos[] = {
        {.nome = "sem blocos H e K nada do inventário é exigido", .motivo = ""},
        {.nome = "filial inexistente",
         .filial = kInexistente,
         .esperado = false,
         .alerta = "Filial inválida."},
        {.nome = "filial vem antes do bloco K",
         .filial = kInexistente,
         .blocoK = "S",
         .esperado = false,
         .alerta = "Filial inválida."},
        {.nome = "sem nome fantasia",
         .filial = kSemFantasia,
         .esperado = false,
         .alerta = kFantasia.c_str()},
        {.nome = "nome fantasia em branco",
         .filial = kFantasiaEmBranco,
         .esperado = false,
         .alerta = kFantasia.c_str()},
        {.nome = "sem dias de recolhimento",
         .filial = kSemDias,
         .esperado = false,
         .alerta = "O campo \"Número de dias para recolhimento do ICMS\" da filial é de "
                   "preenchimento obrigatório."},
        {.nome = "sem código de receita",
         .filial = kSemReceita,
         .esperado = false,
         .alerta =
             "O campo \"Cód. Receita ICMS a Recolher\" da filial é de preenchimento obrigatório."},
        {.nome = "bloco K sem tipos",
         .blocoK = "E",
         .mesAno = "12/2023",
         .esperado = false,
         .alerta = kTiposK.c_str()},
        {.nome = "bloco K só com o produto acabado passa",
         .blocoK = "S",
         .mesAno = "12/2023",
         .filtro = kSoProdutoAcabado},
        {.nome = "bloco K sem mês do inventário",
         .blocoK = "E",
         .filtro = kMateriaPrima,
         .esperado = false,
         .alerta = "Informe o Mês/Ano do Inventário."},
        {.nome = "bloco K vem antes do H",
         .blocoK = "S",
         .regH = "S",
         .mesAno = "12/2023",
         .esperado = false,
         .alerta = kTiposK.c_str()},
        {.nome = "bloco H sem tipos",
         .regH = "S",
         .mesAno = "12/2023",
         .esperado = false,
         .alerta = kTiposH.c_str()},
        {.nome = "bloco H sem mês do inventário",
         .regH = "S",
         .filtro = kMateriaPrima,
         .esperado = false,
         .alerta = "Informe o Mês/Ano do Inventário."},
        {.nome = "bloco H sem motivo",
         .regH = "S",
         .mesAno = "12/2023",
         .motivo = "",
         .filtro = kMateriaPrima,
         .esperado = false,
         .alerta = "Selecione o motivo do inventário."},
        {.nome = "bloco H completo", .regH = "S", .mesAno = "12/2023", .filtro = kSoProdutoAcabado},
        {.nome = "fevereiro sem H, resposta Não",
         .mes = 2,
         .respostaSim = false,
         .esperado = false,
         .pergunta = true},
        {.nome = "fevereiro sem H, resposta Sim", .mes = 2, .pergunta = true},
        {.nome = "fevereiro com H não pergunta",
         .regH = "S",
         .mesAno = "01/2024",
         .mes = 2,
         .filtro = kMateriaPrima},
        {.nome = "fevereiro com filial inválida não chega a perguntar",
         .filial = kInexistente,
         .mes = 2,
         .esperado = false,
         .alerta = "Filial inválida."},
    };
    for (const Caso& c : kCasos) {
        core::TParametros params;
        params.FILIAL = c.filial;
        params.GERAR_BLOCO_K = c.blocoK;
        params.GERAR_REG_H = c.regH;
        params.MES_ANO_INVENTARIO = c.mesAno;
        params.MOTIVO_INVENTARIO = c.motivo;
        params.DATA_INI = util::DataHora::Data(2024, c.mes, 1);
        Mensagens mensagens;
        mensagens.respostaConfirmacao = c.respostaSim;

        EXPECT_EQ(app::ValidarGeracao(params, cdsFil, c.filtro, mensagens), c.esperado) << c.nome;
        EXPECT_EQ(mensagens.alertas,
                  c.alerta ? std::vector{W(c.alerta)} : std::vector<std::string>{})
            << c.nome;
        if (c.pergunta) {
            EXPECT_EQ(mensagens.confirmacoes, std::vector{W(kFevereiro)}) << c.nome;
            EXPECT_EQ(mensagens.padroesNao, std::vector{true}) << c.nome;
        } else {
            EXPECT_TRUE(mensagens.confirmacoes.empty()) << c.nome;
        }
        EXPECT_TRUE(mensagens.erros.empty()) << c.nome;
    }
}

}  // namespace
