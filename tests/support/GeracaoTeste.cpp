#include "tests/support/GeracaoTeste.h"


#include "blocks/EtapasGeracao.h"
#include "core/ArquivoTxt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "util/Texto1252.h"

namespace teste {

GeracaoTeste::GeracaoTeste() {
    erp.Executar(R"(
INSERT INTO CONTABILISTA (ID_CT, NOME_CT, CPF_CT, CRC_CT, CNPJ_CT, CEP_CT, ENDER_CT, ENDER_NUMERO_CT, ENDER_COMPL_CT,
    BAIRRO_CT, FONE_CT, FAX_CT, EMAIL_CT, COD_MUNICIPIO_CT)
VALUES (7, 'ANA CONTADORA', '52998224725', 'MG-1234/O', '', '30.140-071', 'RUA A', '10', '', 'CENTRO',
    '(31) 3333-4444', '', 'ana@contab.com.br', '3106200');
INSERT INTO FILIAL (COD_FI, NOME_FI, CGC_FI, INSC_FI, UF_FI, CODMUNICIPIO_FI, INSCMUN_FI, FANTASIA_FI, RUA_FI,
    NUMERO_FI, COMPLEMENTO_FI, CEP_FI, BAI_FI, FONE_FI, FAX_FI, EMAIL_FI, ID_CONTABILISTA_FI, TIPO_ATIVIDADE_SPED_FI,
    COD_CLAS_ESTAB_IND_FI, DIAS_VENCTO_ICMS_AREC_FI, COD_RECEITA_ICMS_AREC_FI)
VALUES (1, 'INDUSTRIA TESTE LTDA', '17432896000180', '1862491370083', 'MG', '3118601', '', 'TESTE', 'AV B', '1', '',
    '32.210-110', 'CIDADE INDUSTRIAL', '(31) 3362-0500', '', 'fiscal@teste.ind.br', 7, '', '', 9, '1206');
)");
    RecarregarFiliais();
    params.FILIAL = 1;
    params.DATA_INI = util::DataHora::Data(2024, 3, 1);
    params.DATA_FIM = util::DataHora::Data(2024, 3, 31);
    params.DIR_GERACAO = pasta.caminho().string();
}

void GeracaoTeste::RecarregarFiliais() {
    db::Transacao tr(erp.banco());
    filiais.Carregar(tr);
}

std::string GeracaoTeste::LerArquivo() const { return LerConteudo(core::NomeArquivoSped(params)); }

namespace {

// O que a geração ainda não monta: os blocos D, H, K e 1, o 0002 e as apurações do IPI (E500),
// do ST (E200) e do DIFAL (E300).
bool AindaNaoGerado(const leiaute::Problema& p) {
    if (p.tipo == "bloco_ausente") return p.valor == "D" || p.valor == "H" || p.valor == "K" || p.valor == "1";
    return p.tipo == "ind_ativ" || p.tipo == "e200_obrigatorio" || p.tipo == "e300_obrigatorio";
}

bool ProblemaDeLinha(const std::string& tipo) {
    static const std::set<std::string> kTipos = {
        "qtd_campos", "obrigatorio", "tamanho_max", "tamanho_fixo", "numero", "decimais", "data",
        "valores_validos", "registro_inexistente", "delimitadores", "cnpj", "cpf", "chave_dv", "linha_vazia"};
    return kTipos.count(tipo) > 0;
}

}  // namespace

void GeracaoTeste::ConferirArquivo(bool completo) {
    // Sem o 0000 (etapas avulsas) a versão do leiaute é desconhecida: o número de campos de cada
    // registro só é conferido quando a abertura diz o COD_VER do período.
    const bool semAbertura = !LerArquivo().starts_with("|0000|");
    for (const leiaute::Problema& p : leiaute::VerificarArquivo(core::NomeArquivoSped(params))) {
        if (!completo && !ProblemaDeLinha(p.tipo)) continue;
        if (semAbertura && p.tipo == "qtd_campos") continue;
        if (AindaNaoGerado(p)) continue;
        if (std::find(problemasEsperados.begin(), problemasEsperados.end(), p.tipo) != problemasEsperados.end()) continue;
        ADD_FAILURE() << "arquivo gerado com problema [" << p.tipo << "] " << util::Cp1252ParaUtf8(leiaute::Descrever(p));
    }
}

std::vector<std::string> GeracaoTeste::Gerar() { return Gerar(blocks::EtapasGeracao()); }

std::vector<std::string> GeracaoTeste::Gerar(const std::vector<core::EtapaGeracao>& etapas) {
    core::GerarArquivoSped(g, "", etapas);
    ConferirArquivo(etapas.size() == blocks::EtapasGeracao().size());
    std::vector<std::string> linhas;
    const std::string texto = LerArquivo();
    size_t inicio = 0;
    for (size_t fim; (fim = texto.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
        linhas.push_back(texto.substr(inicio, fim - inicio));
    return linhas;
}

std::vector<std::string> GeracaoTeste::Registros(const std::vector<std::string>& linhas, const std::string& reg) {
    std::vector<std::string> r;
    for (const std::string& l : linhas)
        if (l.compare(0, reg.size() + 2, "|" + reg + "|") == 0) r.push_back(l);
    return r;
}

}  // namespace teste
