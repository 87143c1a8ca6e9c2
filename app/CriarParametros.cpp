#include "app/CriarParametros.h"

#include "app/CopiaSalva.h"
#include "app/ParametrosSped.h"
#include "app/ReacoesParametros.h"

namespace app {

void CriarParametros(core::TParametros& p, const core::ListaFiliais& filiais, db::Transacao& tr,
                     const std::filesystem::path& copiaSalva, const util::DataHora& hoje,
                     util::CaixaMensagem& mensagens) {
    // Os padrões de uma partida sem cópia salva estão na declaração de TParametros.
    p = {};
    try {
        if (CarregarCopiaSalva(copiaSalva, p)) DefinirFilial(p, filiais, p.FILIAL);
    } catch (const ErroCopiaSalva& e) {
        mensagens.Alerta(e.what());
    }

    p.GERAR_C170_SAI = "N";
    if (p.MOTIVO_INVENTARIO.empty()) p.MOTIVO_INVENTARIO = "01";
    if (p.GERAR_BLOCO_K.empty()) {
        p.GERAR_BLOCO_K = "N";
        p.GERAR_REG_0210 = "N";
    }

    const int anoAnterior = hoje.mes == 1 ? hoje.ano - 1 : hoje.ano;
    const int mesAnterior = hoje.mes == 1 ? 12 : hoje.mes - 1;
    p.DATA_INI = util::DataHora::Data(anoAnterior, mesAnterior, 1);
    p.DATA_FIM = util::DataHora::Data(anoAnterior, mesAnterior, util::DiasNoMes(anoAnterior, mesAnterior));
    DefinirMesAnoInventario(p, "12/" + std::to_string(hoje.ano - 1));

    p.CALC_PRECO_INVENT = "TP";
    CarregarParametrosSped(tr, p);
}

}  // namespace app
