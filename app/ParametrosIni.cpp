#include "app/ParametrosIni.h"

#include "app/ArquivoIni.h"

namespace app {

ParametrosIni LerParametrosIni(const std::filesystem::path& arquivo) {
    ParametrosIni p;
    const auto ini = ArquivoIni::Ler(arquivo);
    if (!ini) return p;
    p.HOST = ini->Valor("VEXSERVER", "HOST", p.HOST);
    p.ACESSO = ini->Valor("Paths", "ACESSO", p.ACESSO);
    p.Chave = ini->Valor("Banco", "Chave", p.Chave);
    p.VersaoFirebird = ini->Valor("Banco", "VersaoFirebird", p.VersaoFirebird);
    p.DB = ini->Valor("Paths", "DB", p.DB);
    p.URL = ini->Valor("ATUALIZACAO", "URL", p.URL);
    return p;
}

}  // namespace app
