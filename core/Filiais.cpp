#include "core/Filiais.h"

namespace core {

void ListaFiliais::Carregar(db::Transacao& tr) {
    db::Consulta q(tr,
                   "select COD_FI, NOME_FI, CGC_FI, INSC_FI, UF_FI, CODMUNICIPIO_FI, INSCMUN_FI,"
                   "COD_RECEITA_ICMSST_AREC_FI, FANTASIA_FI, RUA_FI, NUMERO_FI, COMPLEMENTO_FI, CEP_FI, BAI_FI, "
                   "FONE_FI, FAX_FI, EMAIL_FI, ID_CONTABILISTA_FI, COD_RECEITA_ICMS_AREC_FI, "
                   "DIAS_VENCTO_ICMS_AREC_FI, TIPO_ATIVIDADE_SPED_FI, EMISNOTA_FORMA_AGRUP_ITENS_FI, NUM_EPTA_FI, "
                   "ALIQ_RET_FI, CRT_FI, ALIQ_CRED_ICMS_SIMPLES_FI, COD_CLAS_ESTAB_IND_FI from FILIAL order by NOME_FI");
    std::vector<TFilial> lidas;
    while (q.Proximo()) {
        TFilial f;
        f.COD_FI = static_cast<int>(q["COD_FI"].Inteiro());
        f.NOME_FI = q["NOME_FI"].Texto();
        f.CGC_FI = q["CGC_FI"].Texto();
        f.INSC_FI = q["INSC_FI"].Texto();
        f.UF_FI = q["UF_FI"].Texto();
        f.CODMUNICIPIO_FI = q["CODMUNICIPIO_FI"].Texto();
        f.INSCMUN_FI = q["INSCMUN_FI"].Texto();
        f.COD_RECEITA_ICMSST_AREC_FI = q["COD_RECEITA_ICMSST_AREC_FI"].Texto();
        f.FANTASIA_FI = q["FANTASIA_FI"].Texto();
        f.RUA_FI = q["RUA_FI"].Texto();
        f.NUMERO_FI = q["NUMERO_FI"].Texto();
        f.COMPLEMENTO_FI = q["COMPLEMENTO_FI"].Texto();
        f.CEP_FI = q["CEP_FI"].Texto();
        f.BAI_FI = q["BAI_FI"].Texto();
        f.FONE_FI = q["FONE_FI"].Texto();
        f.FAX_FI = q["FAX_FI"].Texto();
        f.EMAIL_FI = q["EMAIL_FI"].Texto();
        f.ID_CONTABILISTA_FI = static_cast<int>(q["ID_CONTABILISTA_FI"].Inteiro());
        f.COD_RECEITA_ICMS_AREC_FI = q["COD_RECEITA_ICMS_AREC_FI"].Texto();
        f.DIAS_VENCTO_ICMS_AREC_FI = static_cast<int>(q["DIAS_VENCTO_ICMS_AREC_FI"].Inteiro());
        f.TIPO_ATIVIDADE_SPED_FI = q["TIPO_ATIVIDADE_SPED_FI"].Texto();
        f.EMISNOTA_FORMA_AGRUP_ITENS_FI = q["EMISNOTA_FORMA_AGRUP_ITENS_FI"].Texto();
        f.NUM_EPTA_FI = q["NUM_EPTA_FI"].Texto();
        f.ALIQ_RET_FI = q["ALIQ_RET_FI"].ComoDecimal();
        f.CRT_FI = q["CRT_FI"].Texto();
        f.ALIQ_CRED_ICMS_SIMPLES_FI = q["ALIQ_CRED_ICMS_SIMPLES_FI"].ComoDecimal();
        f.COD_CLAS_ESTAB_IND_FI = q["COD_CLAS_ESTAB_IND_FI"].Texto();
        lidas.push_back(std::move(f));
    }
    filiais_ = std::move(lidas);
    carregada_ = true;
}

const TFilial* ListaFiliais::Localizar(int codigo) const {
    for (const TFilial& f : filiais_)
        if (f.COD_FI == codigo) return &f;
    return nullptr;
}

}  // namespace core
