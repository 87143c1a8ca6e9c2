#pragma once
// Segredos da instalação, fora do código-fonte: as oito senhas do banco, o usuário, a chave e a
// tabela de máscara do servidor de conexões, e as constantes da cifra do caminho do banco.
// Ficam em "Segredos.ini", na pasta da instalação, gravado pelo instalador:
//
//   [Banco]   Senha1 ... Senha8
//   [Broker]  Usuario, ChaveSistema (32 hexadecimais minúsculos), TabelaChave (8192 hexadecimais)
//   [Cifra]   ChaveInicial, C1, C2 (0 a 65535)
#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Cifra.h"

namespace app {

inline constexpr const char* kArquivoSegredos = "Segredos.ini";
inline constexpr std::size_t kTamanhoTabelaChave = 4096;

struct Segredos {
    std::array<std::string, 8> senhasBanco;  // índices "1" a "8" de [Banco] Chave
    std::string usuarioBroker;
    std::string chaveSistema;
    std::vector<uint8_t> tabelaChave;  // kTamanhoTabelaChave bytes
    ChaveCifra cifra;
};

// Arquivo de segredos ausente ou malformado; a mensagem diz qual arquivo e o que está errado.
class ErroSegredos : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lê e confere todas as chaves; lança ErroSegredos no primeiro problema.
Segredos LerSegredos(const std::filesystem::path& arquivo);
// Grava (substitui) o arquivo, legível só pelo dono (0600); lança ErroSegredos quando não consegue
// gravar.
void GravarSegredos(const std::filesystem::path& arquivo, const Segredos& segredos);
// Aviso (Windows-1252) quando o arquivo existe e outros usuários da máquina podem lê-lo ou
// alterá-lo; vazio quando não.
std::string AvisoSegredosExpostos(const std::filesystem::path& arquivo);
// Segredos de demonstração, sempre os mesmos para a mesma semente.
Segredos SegredosDemonstracao(uint32_t semente = 1);

}  // namespace app
