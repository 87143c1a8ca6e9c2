#pragma once
// A troca do executável por uma versão nova é do atualizador (VastelLauncher), que fica ao lado do
// programa e executa uma lista de comandos em JSON: baixar, fechar o programa, apagar, mover e
// reiniciar.
#include <filesystem>
#include <string>
#include <string_view>

namespace app {

#ifdef _WIN32
inline constexpr std::string_view kExtensaoExecutavel = ".exe";
#else
inline constexpr std::string_view kExtensaoExecutavel = "";
#endif
inline constexpr std::string_view kNomePrograma = "VASTEL_EFD";
inline constexpr std::string_view kNomeLauncher = "VastelLauncher";

// O atualizador na pasta do executável.
std::filesystem::path CaminhoLauncher(const std::filesystem::path& pastaExecutavel);

// Endereço do executável novo no serviço de atualização: 'urlServico' (sem a barra final) +
// "/atualizacoes/VASTEL_EFD" + 'extensao'.
std::string EnderecoDownload(std::string_view urlServico,
                             std::string_view extensao = kExtensaoExecutavel);

// Os sete comandos, texto exato que o atualizador espera (inclusive as chaves "internaval" e
// "destiny"). 'pasta' é a pasta do executável terminada pelo separador.
std::string ComandosAtualizacao(std::string_view pasta, std::string_view urlDownload,
                                std::string_view extensao = kExtensaoExecutavel);

// Como o atualizador recebe os comandos: "\" vira "/", aspas duplas viram simples e os brancos
// das pontas saem.
std::string TransformarComandos(std::string comandos);

}  // namespace app
