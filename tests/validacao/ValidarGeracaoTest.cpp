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
    // Período fora do mês inteiro de 'mes' de 2024; vazias = o mês inteiro.
    util::DataHora inicio{}, fim{};
    app::TFiltroTiposFiscais filtro = kSemTipos;
    bool respostaSim = true;
    bool esperado = true;
    const char* alerta = nullptr;  // em UTF-8
    const char* pergunta = nullptr;  // a confirmação feita, em UTF-8
};

const std::string kFantasia =
    "O campo \"Nome Fantasia\" da filial é de preenchimento obrigatório.\r"
    "caso não possua nome de fantasia, preencher com parte da razão social pela qual é conhecida.";
const std::string kFevereiro =
    "No mês de Fevereiro é obrigatório a geração do Bloco H (Inventário).\r"
    "Confirma a geração do arquivo sem o registro do Bloco H ?";
const std::string kMesAberto =
    "O período termina depois de hoje: o mês ainda não foi encerrado e o arquivo pode sair sem "
    "documentos que ainda serão lançados.\rConfirma a geração do arquivo assim mesmo ?";
const util::DataHora kHoje = util::DataHora::Data(2024, 5, 20).ComHora(10, 0, 0);

util::DataHora Dia(int ano, int mes, int dia) { return util::DataHora::Data(ano, mes, dia); }

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
         .pergunta = kFevereiro.c_str()},
        {.nome = "fevereiro sem H, resposta Sim", .mes = 2, .pergunta = kFevereiro.c_str()},
        {.nome = "parte de um mês serve", .inicio = Dia(2024, 3, 15), .fim = Dia(2024, 3, 31)},
        {.nome = "período de dois meses",
         .inicio = Dia(2024, 3, 1),
         .fim = Dia(2024, 4, 30),
         .esperado = false,
         .alerta = "O período de 01/03/2024 a 30/04/2024 não está dentro de um só mês: o arquivo "
                   "da EFD ICMS/IPI é mensal. Escolha o início e o fim no mesmo mês."},
        {.nome = "mesmo mês de anos diferentes",
         .inicio = Dia(2023, 3, 1),
         .fim = Dia(2024, 3, 31),
         .esperado = false,
         .alerta = "O período de 01/03/2023 a 31/03/2024 não está dentro de um só mês: o arquivo "
                   "da EFD ICMS/IPI é mensal. Escolha o início e o fim no mesmo mês."},
        {.nome = "fim antes do início",
         .inicio = Dia(2024, 3, 20),
         .fim = Dia(2024, 3, 10),
         .esperado = false,
         .alerta = "O fim do período (10/03/2024) é anterior ao início (20/03/2024)."},
        {.nome = "antes da EFD",
         .inicio = Dia(2008, 12, 1),
         .fim = Dia(2008, 12, 31),
         .esperado = false,
         .alerta = "A EFD ICMS/IPI começou em janeiro de 2009: escolha um período a partir de "
                   "01/01/2009."},
        {.nome = "janeiro de 2009 serve", .inicio = Dia(2009, 1, 1), .fim = Dia(2009, 1, 31)},
        {.nome = "sem fim", .inicio = Dia(2024, 3, 1), .fim = Dia(0, 0, 0), .esperado = false,
         .alerta = "Informe o início e o fim do período."},
        {.nome = "período inválido vem antes do bloco K",
         .blocoK = "E",
         .inicio = Dia(2024, 3, 1),
         .fim = Dia(2024, 4, 30),
         .esperado = false,
         .alerta = "O período de 01/03/2024 a 30/04/2024 não está dentro de um só mês: o arquivo "
                   "da EFD ICMS/IPI é mensal. Escolha o início e o fim no mesmo mês."},
        {.nome = "termina hoje não pergunta", .inicio = Dia(2024, 5, 1), .fim = Dia(2024, 5, 20)},
        {.nome = "mês não encerrado, resposta Não",
         .inicio = Dia(2024, 5, 1),
         .fim = Dia(2024, 5, 31),
         .respostaSim = false,
         .esperado = false,
         .pergunta = kMesAberto.c_str()},
        {.nome = "mês não encerrado, resposta Sim",
         .inicio = Dia(2024, 5, 1),
         .fim = Dia(2024, 5, 31),
         .pergunta = kMesAberto.c_str()},
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
        params.DATA_INI = c.inicio.Vazia() && c.fim.Vazia() ? Dia(2024, c.mes, 1) : c.inicio;
        params.DATA_FIM =
            c.inicio.Vazia() && c.fim.Vazia() ? Dia(2024, c.mes, util::DiasNoMes(2024, c.mes)) : c.fim;
        Mensagens mensagens;
        mensagens.respostaConfirmacao = c.respostaSim;

        EXPECT_EQ(app::ValidarGeracao(params, cdsFil, c.filtro, mensagens, kHoje), c.esperado)
            << c.nome;
        EXPECT_EQ(mensagens.alertas,
                  c.alerta ? std::vector{W(c.alerta)} : std::vector<std::string>{})
            << c.nome;
        if (c.pergunta) {
            EXPECT_EQ(mensagens.confirmacoes, std::vector{W(c.pergunta)}) << c.nome;
            EXPECT_EQ(mensagens.padroesNao, std::vector{true}) << c.nome;
        } else {
            EXPECT_TRUE(mensagens.confirmacoes.empty()) << c.nome;
        }
        EXPECT_TRUE(mensagens.erros.empty()) << c.nome;
    }
}

}  // namespace
