// 0175: a alteração mais recente de cada coluna do cadastro de clientes e fornecedores no período,
// a partir de LOG (com o município anterior conferido em MUNICIPIOS_IBGE).
#include "blocks/bloco0/Historico0175.h"

#include <algorithm>
#include <map>

#include "blocks/DocumentosPeriodo.h"
#include "core/Formatacao.h"
#include "core/Geracao.h"

namespace blocks {

void CarregarLogParticipantes(core::Geracao& g) {
    LogParticipantes& log = g.estado.bloco0.cdsLog;
    log.clear();
    db::Consulta q(g.Leitura(),
                   "SELECT CHAVE_LG, ARQUIVO_LG, CAMPO_LG, DATA_LG, VRANT_LG, CASE CAMPO_LG "
                   "WHEN 'CODMUNICIPIO_CL' THEN (SELECT CODIGO_MU FROM MUNICIPIOS_IBGE WHERE CODIGO_MU = L.VRANT_LG) "
                   "WHEN 'CODMUNICIPIO_FO' THEN (SELECT CODIGO_MU FROM MUNICIPIOS_IBGE WHERE CODIGO_MU = L.VRANT_LG) "
                   "ELSE '' END AS COD_MUNICIPIO_IBGE FROM LOG L "
                   "WHERE ( (ARQUIVO_LG = 'CLIENTE') OR (ARQUIVO_LG = 'FORNECEDOR') ) "
                   "AND DATA_LG >= :DATA_INI AND DATA_LG <= :DATA_FIM "
                   "ORDER BY CHAVE_LG, ARQUIVO_LG, CAMPO_LG, DATA_LG");
    ParametrosPeriodo(q, g.params);
    while (q.Proximo())
        log[{q["ARQUIVO_LG"].Texto(), q["CHAVE_LG"].Texto()}].push_back(
            {q["CAMPO_LG"].Texto(), q["DATA_LG"].Data(), q["VRANT_LG"].Texto(), q["COD_MUNICIPIO_IBGE"].Texto()});
    // A ordem de bytes decide a última alteração de cada coluna, qualquer que seja a collation do banco.
    for (auto& [participante, alteracoes] : log)
        std::stable_sort(alteracoes.begin(), alteracoes.end(), [](const auto& a, const auto& b) {
            return std::tie(a.CAMPO_LG, a.DATA_LG) < std::tie(b.CAMPO_LG, b.DATA_LG);
        });
}

std::string_view MapaCampos0175(std::string_view tabelaColuna) {
    static const std::map<std::string_view, std::string_view> kMapa = {
        {"CLIENTE.NOME_CL", "03"},           {"FORNECEDOR.NOME", "03"},
        {"REPRESENTANTE.NOME_RE", "03"},     {"CLIENTE.CGC_CL", "05"},
        {"FORNECEDOR.CNPJ_FO", "05"},        {"REPRESENTANTE.CNPJ_RE", "05"},
        {"CLIENTE.CODMUNICIPIO_CL", "08"},   {"FORNECEDOR.CODMUNICIPIO_FO", "08"},
        {"REPRESENTANTE.CODMUNICIPIO_RE", "08"}, {"CLIENTE.INSCSUF_CL", "09"},
        {"CLIENTE.RUA_CL", "10"},            {"FORNECEDOR.RUA", "10"},
        {"REPRESENTANTE.RUA_RE", "10"},      {"CLIENTE.ENDER_NUMERO_CL", "11"},
        {"FORNECEDOR.ENDER_NUMERO_FO", "11"}, {"REPRESENTANTE.ENDER_NUMERO_RE", "11"},
        {"CLIENTE.ENDER_COMPL_CL", "12"},    {"FORNECEDOR.ENDER_COMPL_FO", "12"},
        {"REPRESENTANTE.ENDER_COMPL_RE", "12"}, {"CLIENTE.BAIRRO_CL", "13"},
        {"FORNECEDOR.BAIRRO", "13"},         {"REPRESENTANTE.BAIRRO_RE", "13"},
    };
    const auto it = kMapa.find(tabelaColuna);
    return it == kMapa.end() ? std::string_view() : it->second;
}

static void Gravar0175(core::Geracao& g, const std::string& codPart, std::string_view nrCampo,
                       std::string valor, const util::DataHora& momento) {
    if (nrCampo >= "04" && nrCampo <= "08") valor = core::SomenteNumeros(valor);
    std::erase(valor, '|');
    valor.resize(std::min<size_t>(valor.size(), 100));
    const std::string dtAlt = core::FormatarDataEFD(momento);
    const std::string nr(nrCampo);
    TRegistros0175& gravados = g.estado.bloco0.cdsReg0175;
    if (gravados.porData.count({codPart, dtAlt, nr}) || gravados.porValor.count({codPart, nr, valor})) return;
    gravados.porData.insert({codPart, dtAlt, nr});
    gravados.porValor.insert({codPart, nr, valor});
    core::TRegistroEFD r;
    r.SetCampo("REG", "0175");
    r.SetCampo("DT_ALT", dtAlt);
    r.SetCampo("NR_CAMPO", nr);
    r.SetCampo("CONT_ANT", valor);
    g.GravarRegistro(r);
}

void GerarHistorico0175(core::Geracao& g, const std::string& codPart, char tipo, int numero,
                        std::string_view prefixoUF) {
    const char* tabela = tipo == 'C' ? "CLIENTE" : tipo == 'F' ? "FORNECEDOR" : tipo == 'R' ? "REPRESENTANTE" : nullptr;
    if (!tabela) return;
    LogParticipantes& log = g.estado.bloco0.cdsLog;
    const auto it = log.find({tabela, std::to_string(numero)});
    if (it == log.end()) return;
    const std::vector<TAlteracaoLog> alteracoes = std::move(it->second);
    log.erase(it);
    for (size_t i = 0; i < alteracoes.size(); ++i) {
        if (i + 1 < alteracoes.size() && alteracoes[i + 1].CAMPO_LG == alteracoes[i].CAMPO_LG) continue;
        const TAlteracaoLog& ultima = alteracoes[i];  // a mais recente da coluna no período
        const std::string_view nrCampo = MapaCampos0175(std::string(tabela) + "." + ultima.CAMPO_LG);
        std::string valor = ultima.VRANT_LG;
        // Município anterior só quando é da mesma UF e existe na tabela do IBGE.
        if (nrCampo == "08" && (ultima.COD_MUNICIPIO_IBGE.empty() ||
                                std::string_view(ultima.COD_MUNICIPIO_IBGE).substr(0, 2) != prefixoUF))
            valor.clear();
        if (nrCampo == "05") valor.clear();  // troca de CNPJ/CPF não se relata
        if (!nrCampo.empty() && !core::AparadoEFD(valor).empty()) Gravar0175(g, codPart, nrCampo, valor, ultima.DATA_LG);
    }
}

}  // namespace blocks
