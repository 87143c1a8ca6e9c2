#include "tests/support/BancoTeste.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>

#include "erp/Esquema.h"

namespace fs = std::filesystem;

namespace teste {

std::string LerConteudo(const std::filesystem::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

PastaTemporaria::PastaTemporaria() {
    static std::atomic<int> contador{0};
    std::random_device rd;
    caminho_ = fs::temp_directory_path() /
               ("efd-teste-" + std::to_string(getpid()) + "-" + std::to_string(contador++) + "-" +
                std::to_string(rd() % 100000));
    fs::create_directories(caminho_);
}

PastaTemporaria::~PastaTemporaria() {
    std::error_code ec;
    fs::remove_all(caminho_, ec);
}

static const fs::path& ModeloErp() {
    static PastaTemporaria pasta;
    static fs::path arquivo;
    static std::once_flag feito;
    std::call_once(feito, [] {
        arquivo = pasta.caminho() / "MODELO_ERP.FDB";
        db::ParametrosConexao p;
        p.banco = arquivo.string();
        erp::CriarBancoErp(p, false).Desconectar();
    });
    return arquivo;
}

static db::Banco CopiarEConectar(const fs::path& modelo, const fs::path& destino) {
    fs::copy_file(modelo, destino);
    db::ParametrosConexao p;
    p.banco = destino.string();
    return db::Banco::Conectar(p);
}

BancoErpTeste::BancoErpTeste()
    : arquivo_(pasta_.caminho() / "ERP.FDB"), banco_(CopiarEConectar(ModeloErp(), arquivo_)) {}

db::ParametrosConexao BancoErpTeste::parametros() const {
    db::ParametrosConexao p;
    p.banco = arquivo_.string();
    return p;
}

}  // namespace teste
