// Participantes: 0150 a partir de CLIENTE, FORNECEDOR, REPRESENTANTE, TERCEIRIZADO ou da filial
// (FILIAL, em cdsFil), com o país (PAIS) e, para clientes sem código de município, a cidade
// (CIDADE). O histórico 0175 fica em Historico0175.cpp.
#include "blocks/bloco0/Participantes.h"

#include <fmt/format.h>

#include <optional>
#include <stdexcept>

#include "blocks/bloco0/Historico0175.h"
#include "core/Formatacao.h"
#include "core/LimpezaTexto.h"
#include "core/LimpezaCampos.h"
#include "util/TextoData.h"
#include "core/Geracao.h"
#include "util/Texto1252.h"

namespace blocks {

using util::DataHora;

namespace {

// Os campos do 0150 depois de COD_PART, na ordem do leiaute.
struct T0150 {
    std::string NOME, COD_PAIS, CNPJ, CPF, IE, COD_MUN, SUFRAMA, END, NUM, COMPL, BAIRRO;
};

// De onde vem cada campo para um tipo de participante lido do ERP.
struct FonteParticipante {
    char tipo;
    const char* tabela;
    core::SqlFixo sql;
    const char *nome, *pais, *documento, *ie, *municipio, *rua, *numero, *complemento, *bairro;
};

constexpr FonteParticipante kFontes[] = {
    {'C', "CLIENTE",
     "select COD_CL, NOME_CL, CGC_CL, INSC_CL, INSCSUF_CL, PAIS_CL, CODMUNICIPIO_CL, RUA_CL, ENDER_NUMERO_CL, "
     "ENDER_COMPL_CL, BAIRRO_CL, CIDADE_CL, UF_CL UF, IND_INSCEST_CL from CLIENTE where COD_CL=:COD",
     "NOME_CL", "PAIS_CL", "CGC_CL", "INSC_CL", "CODMUNICIPIO_CL", "RUA_CL", "ENDER_NUMERO_CL", "ENDER_COMPL_CL",
     "BAIRRO_CL"},
    {'F', "FORNECEDOR",
     "select CODIGO, NOME, CNPJ_FO, INSCRESTADUAL, PAIS_FO, CODMUNICIPIO_FO, RUA, ENDER_NUMERO_FO, "
     "ENDER_COMPL_FO, BAIRRO, UF from FORNECEDOR where CODIGO=:COD",
     "NOME", "PAIS_FO", "CNPJ_FO", "INSCRESTADUAL", "CODMUNICIPIO_FO", "RUA", "ENDER_NUMERO_FO", "ENDER_COMPL_FO",
     "BAIRRO"},
    {'R', "REPRESENTANTE",
     "select COD_RE, NOME_RE, CNPJ_RE, INSC_RE, PAIS_RE, CODMUNICIPIO_RE, RUA_RE, ENDER_NUMERO_RE, "
     "ENDER_COMPL_RE, BAIRRO_RE, UF_RE UF from REPRESENTANTE where COD_RE=:COD",
     "NOME_RE", "PAIS_RE", "CNPJ_RE", "INSC_RE", "CODMUNICIPIO_RE", "RUA_RE", "ENDER_NUMERO_RE", "ENDER_COMPL_RE",
     "BAIRRO_RE"},
    {'T', "TERCEIRIZADO",
     "select COD_BA, NOME_BA, CNPJ_BA, INSC_BA, PAIS_BA, CODMUNICIPIO_BA, RUA_BA, ENDER_NUMERO_BA, "
     "ENDER_COMPL_BA, BAIRRO_BA, UF_BA UF from TERCEIRIZADO where COD_BA=:COD",
     "NOME_BA", "PAIS_BA", "CNPJ_BA", "INSC_BA", "CODMUNICIPIO_BA", "RUA_BA", "ENDER_NUMERO_BA", "ENDER_COMPL_BA",
     "BAIRRO_BA"},
};

const FonteParticipante* FonteDoTipo(char tipo) {
    for (const FonteParticipante& f : kFontes)
        if (f.tipo == tipo) return &f;
    return nullptr;
}

std::string MunicipioDaCidade(core::Geracao& g, const std::string& cidade, const std::string& uf) {
    auto q = g.Preparar("select COD_MUNICIPIO_IBGE_CI from CIDADE where NOME_CI=:CIDADE and UF_CI=:UF");
    q->Param("CIDADE", cidade).Param("UF", uf);
    return q->Abrir() ? (*q)["COD_MUNICIPIO_IBGE_CI"].Texto() : std::string();
}

std::optional<T0150> LerCadastro(core::Geracao& g, const FonteParticipante& f, int numero) {
    auto reserva = g.Preparar(f.sql);
    db::Consulta& q = *reserva;
    q.Param("COD", numero);
    if (!q.Abrir()) return std::nullopt;
    T0150 d;
    d.NOME = q[f.nome].Texto();
    d.COD_PAIS = CodigoPais(g, q[f.pais].Texto());
    // O ERP grava CNPJ e CPF com ou sem máscara: o tamanho sem ela diz qual dos dois é.
    const std::string documento = core::SemMascara(core::AparadoEFD(q[f.documento].Texto()));
    (documento.size() == 14 ? d.CNPJ : d.CPF) = documento;
    d.IE = q[f.ie].Texto();
    d.COD_MUN = q[f.municipio].Texto();
    d.END = q[f.rua].Texto();
    d.NUM = q[f.numero].Texto();
    d.COMPL = q[f.complemento].Texto();
    d.BAIRRO = q[f.bairro].Texto();
    std::string cidade, uf;
    if (f.tipo == 'C') {
        d.COD_MUN = std::string(core::AparadoEFD(d.COD_MUN));
        d.SUFRAMA = q["INSCSUF_CL"].Texto();
        cidade = q["CIDADE_CL"].Texto();
        uf = q["UF"].Texto();
    }
    if (f.tipo == 'C' && d.COD_MUN.empty()) d.COD_MUN = MunicipioDaCidade(g, cidade, uf);
    return d;
}

std::optional<T0150> LerFilial(const core::Geracao& g) {
    const core::TFilial* f = g.filiais.Localizar(g.params.FILIAL);
    if (!f) return std::nullopt;
    return T0150{f->NOME_FI, CodigoPais(g, "030"), f->CGC_FI,   "",
                 f->INSC_FI, f->CODMUNICIPIO_FI,  "",          f->RUA_FI,
                 f->NUMERO_FI, f->COMPLEMENTO_FI, f->BAI_FI};
}

// Data "dd/mm/aaaa" de DT_INI_COD_PARTICIPANTE_CNPJ; vazia quando o parâmetro está vazio.
DataHora DataInicioCodigoCnpj(const std::string& texto) {
    if (texto.empty()) return {};
    const std::optional<DataHora> data = util::LerData(texto);
    if (!data)
        throw std::runtime_error(util::W("O parâmetro DT_INI_COD_PARTICIPANTE_CNPJ não é uma data válida (\"") +
                                 texto + util::W("\"). Corrija-o no editor de parâmetros."));
    return *data;
}

std::string CodigoPorDocumento(const T0150& d, const std::string& codPart) {
    if (!d.CNPJ.empty()) return d.CNPJ;
    if (!d.CPF.empty()) return d.CPF;
    return codPart;
}

// Escritórios que codificam os participantes pelo CNPJ ou CPF, cada um a partir de uma data.
std::string CodigoDoEscritorio(const core::Geracao& g, const T0150& d, std::string codPart) {
    const std::string& escritorio = g.configuracoes.COD_CONTABILIDADE;
    const DataHora& inicio = g.params.DATA_INI;
    if (escritorio == "FENUKA") {
        if (inicio >= DataHora::Data(2012, 1, 1))
            codPart = CodigoPorDocumento(d, codPart);
        else if (!d.CNPJ.empty() && d.CNPJ.size() <= 13)
            codPart = d.CNPJ.substr(0, 10);
        else if (!d.CNPJ.empty())
            codPart = d.CNPJ.substr(0, 8) + d.CNPJ.substr(10, 2);
        else if (!d.CPF.empty())
            codPart = d.CPF.substr(0, 10);
    }
    const DataHora desdeParametro = DataInicioCodigoCnpj(g.params.DT_INI_COD_PARTICIPANTE_CNPJ);
    if ((escritorio == "GAVRONE" && inicio >= DataHora::Data(2016, 10, 1)) ||
        (escritorio == "TUNO" && inicio >= DataHora::Data(2017, 9, 1)) ||
        (!desdeParametro.Vazia() && inicio >= desdeParametro))
        codPart = CodigoPorDocumento(d, codPart);
    return codPart;
}

void Gravar0150(core::Geracao& g, const std::string& codPart, const T0150& d) {
    core::TRegistroEFD r;
    r.SetCampo("REG", "0150");
    r.SetCampo("COD_PART", codPart);
    r.SetCampo("NOME", core::TrocarBarraVertical(d.NOME));
    r.SetCampo("COD_PAIS", d.COD_PAIS);
    r.SetCampo("CNPJ", d.CNPJ);
    r.SetCampo("CPF", d.CPF);
    r.SetCampo("IE", d.IE);
    r.SetCampo("COD_MUN", d.COD_MUN);
    r.SetCampo("SUFRAMA", d.SUFRAMA);
    r.SetCampo("END", core::TrocarBarraVertical(d.END));
    r.SetCampo("NUM", core::TrocarBarraVertical(d.NUM));
    r.SetCampo("COMPL", core::TrocarBarraVertical(d.COMPL));
    r.SetCampo("BAIRRO", core::TrocarBarraVertical(d.BAIRRO));
    g.GravarRegistro(r);
}

// As mensagens de um participante sem 0150, repetidas a cada documento que o cita.
void ReportarSem0150(core::Geracao& g, char tipo, int numero, const std::string& codPart,
                     std::string_view origem) {
    if (const FonteParticipante* f = FonteDoTipo(tipo))
        g.AdicionarErro("0150", "Registro não localizado para o código \"{}\" na tabela {}. Origem = {}", numero, f->tabela,
                        origem);
    g.AdicionarErro("0150", "Tamanho do registro 0150 inválido para o codigo \"{}\". Origem = {}", codPart, origem);
}

}  // namespace

std::string CodigoPais(const core::Geracao& g, const std::string& paisErp) {
    const std::string* bacen = core::Localizar(g.caches->cdsPais, paisErp);
    return bacen ? *bacen : paisErp;
}

std::string CodigoParticipante(core::Geracao& g, char tipo, int numero, std::string_view origem) {
    const auto chave = std::make_pair(tipo, numero);
    if (const TParticipanteResolvido* r = core::Localizar(g.estado.bloco0.participantes, chave)) {
        if (!r->gravado) ReportarSem0150(g, tipo, numero, r->COD_PART, origem);
        return r->COD_PART;
    }
    std::string codPart = tipo + fmt::format("{:06d}", numero);
    std::optional<T0150> dados;
    if (tipo == 'P')
        dados = LerFilial(g);
    else if (const FonteParticipante* f = FonteDoTipo(tipo))
        dados = LerCadastro(g, *f, numero);
    if (dados) {
        if (dados->COD_PAIS != "1058") dados->IE.clear(), dados->CNPJ.clear();
        if (dados->IE == "ISENTO") dados->IE.clear();
        codPart = CodigoDoEscritorio(g, *dados, codPart);
        Gravar0150(g, codPart, *dados);
        GerarHistorico0175(g, codPart, tipo, numero, std::string_view(dados->COD_MUN).substr(0, 2));
    } else {
        ReportarSem0150(g, tipo, numero, codPart, origem);
    }
    g.estado.bloco0.participantes[chave] = {codPart, dados.has_value()};
    return codPart;
}

}  // namespace blocks
