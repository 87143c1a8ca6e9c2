#include "blocks/bloco0/Abertura.h"

#include <stdexcept>

#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "util/Texto1252.h"

namespace blocks {

using core::FormatarDataEFD;
using core::SomenteNumeros;
using core::TRegistroEFD;
using util::DataHora;

std::string CodigoVersaoLeiaute(const DataHora& dataFim) {
    struct Versao {
        DataHora antesDe;
        const char* codigo;
    };
    static const Versao kVersoes[] = {
        {DataHora::Data(2011, 1, 1), "003"}, {DataHora::Data(2012, 1, 1), "004"}, {DataHora::Data(2012, 7, 1), "005"},
        {DataHora::Data(2013, 1, 1), "006"}, {DataHora::Data(2014, 1, 1), "007"}, {DataHora::Data(2015, 1, 1), "008"},
        {DataHora::Data(2016, 1, 1), "009"}, {DataHora::Data(2017, 1, 1), "010"}, {DataHora::Data(2018, 1, 1), "011"},
        {DataHora::Data(2019, 1, 1), "012"}, {DataHora::Data(2020, 1, 1), "013"}, {DataHora::Data(2021, 1, 1), "014"},
        {DataHora::Data(2022, 1, 1), "015"}, {DataHora::Data(2023, 1, 1), "016"}, {DataHora::Data(2024, 1, 1), "017"},
        {DataHora::Data(2025, 1, 1), "018"}, {DataHora::Data(2026, 1, 1), "019"},
    };
    const DataHora dia = dataFim.SoData();
    for (const Versao& v : kVersoes)
        if (dia < v.antesDe) return v.codigo;
    return "020";  // leiaute em vigor para períodos a partir de 01/01/2026
}

std::string IndicadorAtividade(const core::TFilial& filial) {
    return filial.TIPO_ATIVIDADE_SPED_FI.empty() ? "0" : filial.TIPO_ATIVIDADE_SPED_FI;
}

static const core::TFilial& FilialDaGeracao(core::Geracao& g) {
    const core::TFilial* filial = g.filiais.Localizar(g.params.FILIAL);
    if (!filial)
        throw std::runtime_error(util::W("A filial ") + std::to_string(g.params.FILIAL) +
                                 util::W(" não está cadastrada. Escolha uma filial da lista."));
    return *filial;
}

static void Gravar0000(core::Geracao& g, const core::TFilial& f) {
    TRegistroEFD r;
    r.SetCampo("REG", "0000");
    r.SetCampo("COD_VER", CodigoVersaoLeiaute(g.params.DATA_FIM));
    r.SetCampo("COD_FIN", g.params.FINALIDADE_ARQ);
    r.SetCampo("DT_INI", FormatarDataEFD(g.params.DATA_INI));
    r.SetCampo("DT_FIN", FormatarDataEFD(g.params.DATA_FIM));
    r.SetCampo("NOME", f.NOME_FI);
    r.SetCampo("CNPJ", f.CGC_FI);
    r.SetCampo("CPF", "");
    r.SetCampo("UF", f.UF_FI);
    r.SetCampo("IE", f.INSC_FI);
    r.SetCampo("COD_MUN", f.CODMUNICIPIO_FI);
    r.SetCampo("IM", f.INSCMUN_FI);
    r.SetCampo("SUFRAMA", "");
    r.SetCampo("IND_PERFIL", "B");
    r.SetCampo("IND_ATIV", IndicadorAtividade(f));
    g.GravarRegistro(r);
}

// A classificação de estabelecimento industrial só vale para quem declara atividade industrial
// (IND_ATIV "0"); o validador recusa 0002 nos demais.
static void Gravar0002(core::Geracao& g, const core::TFilial& f) {
    if (g.params.DATA_INI < DataHora::Data(2020, 1, 1) || f.COD_CLAS_ESTAB_IND_FI.empty() ||
        IndicadorAtividade(f) != "0")
        return;
    TRegistroEFD r;
    r.SetCampo("REG", "0002");
    r.SetCampo("CLAS_ESTAB_IND", f.COD_CLAS_ESTAB_IND_FI);
    g.GravarRegistro(r);
}

static void Gravar0005(core::Geracao& g, const core::TFilial& f) {
    TRegistroEFD r;
    r.SetCampo("REG", "0005");
    r.SetCampo("FANTASIA", f.FANTASIA_FI);
    r.SetCampo("CEP", SomenteNumeros(f.CEP_FI));
    r.SetCampo("END", f.RUA_FI);
    r.SetCampo("NUM", f.NUMERO_FI);
    r.SetCampo("COMPL", f.COMPLEMENTO_FI);
    r.SetCampo("BAIRRO", f.BAI_FI);
    r.SetCampo("FONE", SomenteNumeros(f.FONE_FI));
    r.SetCampo("FAX", SomenteNumeros(f.FAX_FI));
    r.SetCampo("EMAIL", f.EMAIL_FI);
    g.GravarRegistro(r);
}

static void Gravar0100(core::Geracao& g, const core::TFilial& f) {
    db::Consulta q(g.Leitura(), "select * from CONTABILISTA where ID_CT=:ID");
    q.Param("ID", f.ID_CONTABILISTA_FI);
    if (!q.Proximo()) {
        g.AdicionarErro("0100", "Contabilista com código \"{}\" não localizado.", f.ID_CONTABILISTA_FI);
        return;
    }
    if (q["EMAIL_CT"].Texto().empty())
        g.AdicionarErro("0100", "E-mail do contabilista não informado. O e-mail do contabilista é obrigatório.");
    TRegistroEFD r;
    r.SetCampo("REG", "0100");
    r.SetCampo("NOME", q["NOME_CT"].Texto());
    r.SetCampo("CPF", q["CPF_CT"].Texto());
    r.SetCampo("CRC", q["CRC_CT"].Texto());
    r.SetCampo("CNPJ", q["CNPJ_CT"].Texto());
    r.SetCampo("CEP", SomenteNumeros(q["CEP_CT"].Texto()));
    r.SetCampo("END", q["ENDER_CT"].Texto());
    r.SetCampo("NUM", q["ENDER_NUMERO_CT"].Texto());
    r.SetCampo("COMPL", q["ENDER_COMPL_CT"].Texto());
    r.SetCampo("BAIRRO", q["BAIRRO_CT"].Texto());
    r.SetCampo("FONE", SomenteNumeros(q["FONE_CT"].Texto()));
    r.SetCampo("FAX", SomenteNumeros(q["FAX_CT"].Texto()));
    r.SetCampo("EMAIL", q["EMAIL_CT"].Texto());
    r.SetCampo("COD_MUN", q["COD_MUNICIPIO_CT"].Texto());
    g.GravarRegistro(r);
}

void GerarAberturaBloco0(core::Geracao& g) {
    const core::TFilial& filial = FilialDaGeracao(g);
    Gravar0000(g, filial);
    TRegistroEFD r0001;
    r0001.SetCampo("REG", "0001");
    r0001.SetCampo("IND_MOV", "0");
    g.GravarRegistro(r0001);
    Gravar0002(g, filial);
    Gravar0005(g, filial);
    Gravar0100(g, filial);
}

}  // namespace blocks
