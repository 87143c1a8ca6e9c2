#include "app/ReacoesParametros.h"

#include "util/TextoData.h"
#include "util/Documentos.h"
#include "util/Texto1252.h"

namespace app {

MesAnoInventarioInvalido::MesAnoInventarioInvalido()
    : std::runtime_error(util::W("Mês/Ano Inventário Inválido.")) {}

// 11 ou 14 caracteres recebem a máscara de CPF ou CNPJ; outros tamanhos (já formatado, "ISENTO")
// ficam como estão.
static std::string CnpjComMascara(const std::string& cgc) {
    return cgc.size() == 11 || cgc.size() == 14 ? util::formataCGCCPF(cgc) : cgc;
}

void DefinirFilial(core::TParametros& params, const core::ListaFiliais& filiais, int codigo) {
    params.FILIAL = codigo;
    const core::TFilial* f = filiais.Localizar(codigo);
    params.NOME_FIL = f ? f->NOME_FI.substr(0, 40) : std::string();
    params.CNPJ_FIL = f ? CnpjComMascara(f->CGC_FI) : std::string();
    params.INSC_FIL = f ? f->INSC_FI : std::string();
    params.FORMA_AGRUP_ITENS = f ? f->EMISNOTA_FORMA_AGRUP_ITENS_FI : std::string();
}

void DefinirGerarBlocoK(core::TParametros& params, std::string_view valor) {
    params.GERAR_BLOCO_K = std::string(valor.substr(0, 1));
    params.GERAR_REG_0210 = params.GERAR_BLOCO_K == "S" ? "S" : "N";
}

void DefinirMesAnoInventario(core::TParametros& params, std::string_view mesAno) {
    if (mesAno.empty()) {
        params.MES_ANO_INVENTARIO.clear();
        return;
    }
    const auto primeiroDia = util::LerData("01/" + std::string(mesAno));
    if (!primeiroDia || mesAno.size() > 7) throw MesAnoInventarioInvalido();
    params.MES_ANO_INVENTARIO = std::string(mesAno);
    params.DATA_INVENTARIO = util::DataHora::Data(primeiroDia->ano, primeiroDia->mes,
                                                  util::DiasNoMes(primeiroDia->ano, primeiroDia->mes));
}

}  // namespace app
