#include "app/ConexaoFirebird.h"

#include <stdexcept>

#include "db/Erro.h"
#include "util/Texto1252.h"

namespace app {

std::string SenhaPorIndice(const Segredos& segredos, std::string_view indice) {
    if (indice.size() == 1 && indice[0] >= '1' && indice[0] <= '8') return segredos.senhasBanco[indice[0] - '1'];
    return {};
}

const DriverFirebird& EscolherDriver(std::string_view versaoFirebird) {
    static const DriverFirebird kFirebird3{"DevartFirebird", "DevartFirebird", "getSQLDriverFirebird",
                                           "dbexpida_V5.dll", "fbclient_V3.dll"};
    static const DriverFirebird kInterBase{"Devart InterBase", "DevartInterBase", "getSQLDriverInterBase",
                                           "dbexpida.dll", "fbclient.dll"};
    return versaoFirebird == "3" ? kFirebird3 : kInterBase;
}

db::ParametrosConexao ConfigurarConexao(const std::string& caminho, const std::string& senha) {
    db::ParametrosConexao p;
    p.banco = caminho;
    p.usuario = "SYSDBA";
    p.senha = senha;
    p.conjuntoCaracteres = "NONE";
    p.dialeto = 3;
    return p;
}

db::Banco AbrirConexao(const db::ParametrosConexao& parametros) {
    constexpr long kAbertoPorOutroMotor = 335545107;  // isc_already_opened
    try {
        return db::Banco::Conectar(parametros);
    } catch (const db::ErroBanco& e) {
        if (e.CodigoGds() != kAbertoPorOutroMotor &&
            e.MensagemFirebird().find("Database already opened with engine instance") == std::string::npos)
            throw;
        throw std::runtime_error(util::W("Já existe uma geração do arquivo SPED em andamento neste banco de dados, "
                                         "ou outro programa desta máquina está com ele aberto (") +
                                 parametros.banco +
                                 util::W("): o banco local atende um programa por vez. Aguarde o outro "
                                         "terminar e tente de novo."));
    }
}

std::string LerCaminhoBancoPrincipal(db::Banco& acesso) {
    db::Transacao tr(acesso);
    db::Consulta q(tr, "select cast(SENHA as BLOB)  as SENHA from BD_PRINCIPAL");
    return q.Proximo() ? q["SENHA"].Texto() : std::string();
}

}  // namespace app
