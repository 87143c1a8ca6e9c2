#pragma once
// Parametros.Ini: o arquivo da instalação, ao lado do executável. Só é lido, nunca gravado.
#include <filesystem>
#include <string>

namespace app {

// As chaves lidas, com o valor usado quando faltam (ou falta o arquivo).
struct ParametrosIni {
    std::string HOST;                    // [VEXSERVER]: servidor de conexões; preenchido = modo servidor
    std::string ACESSO = "erro";         // [Paths]: caminho do banco de acesso
    std::string Chave = "1";             // [Banco]: índice "1" a "8" da senha do banco
    std::string VersaoFirebird = "2.5";  // [Banco]: "3" escolhe a linha nova do driver
    std::string DB = "erro";             // [Paths]: banco do ERP quando o de acesso não informa
    std::string URL;                     // [ATUALIZACAO]: serviço de atualização; vazio = não procura

    bool ModoServidor() const { return !HOST.empty(); }
};

// Seções e chaves sem distinção de maiúsculas, como no Windows. Arquivo ausente ou ilegível dá os
// valores padrão: a conexão com o banco "erro" é que vai falhar, com a mensagem do Firebird.
ParametrosIni LerParametrosIni(const std::filesystem::path& arquivo);

}  // namespace app
