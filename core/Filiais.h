#pragma once
// cdsFil: as filiais do ERP, em memória durante todo o programa, em ordem de NOME_FI.
#include <string>
#include <vector>

#include "db/Banco.h"

namespace core {

struct TFilial {
    int COD_FI = 0;
    std::string NOME_FI, CGC_FI, INSC_FI, UF_FI, CODMUNICIPIO_FI, INSCMUN_FI, COD_RECEITA_ICMSST_AREC_FI,
        FANTASIA_FI, RUA_FI, NUMERO_FI, COMPLEMENTO_FI, CEP_FI, BAI_FI, FONE_FI, FAX_FI, EMAIL_FI;
    int ID_CONTABILISTA_FI = 0;
    std::string COD_RECEITA_ICMS_AREC_FI;
    int DIAS_VENCTO_ICMS_AREC_FI = 0;
    std::string TIPO_ATIVIDADE_SPED_FI, EMISNOTA_FORMA_AGRUP_ITENS_FI, NUM_EPTA_FI;
    db::Decimal ALIQ_RET_FI;
    std::string CRT_FI;
    db::Decimal ALIQ_CRED_ICMS_SIMPLES_FI;
    std::string COD_CLAS_ESTAB_IND_FI;
};

class ListaFiliais {
public:
    void Carregar(db::Transacao& tr);
    bool Carregada() const { return carregada_; }
    // Filial de código 'codigo', ou nullptr.
    const TFilial* Localizar(int codigo) const;
    const std::vector<TFilial>& Filiais() const { return filiais_; }

private:
    std::vector<TFilial> filiais_;
    bool carregada_ = false;
};

}  // namespace core
