#pragma once
// A versão do programa publicada no serviço de atualização.
#include <functional>
#include <string>
#include <string_view>

namespace app {

inline constexpr std::string_view kCodigoProgramaAtualizacao = "EFD";

using RegistroLog = std::function<void(const std::string&)>;

// GET de 'urlServico' + "/services/index.php/versao/listar?programa=" + 'programa'; devolve o
// corpo da resposta, a versão entre aspas duplas. Qualquer falha (sem rede, tempo esgotado,
// resposta diferente de 200) vai para 'registrarLog' e a resposta é 'versaoPropria' entre aspas,
// que não leva a atualização nenhuma.
std::string ConsultarVersao(std::string_view urlServico, std::string_view programa,
                            std::string_view versaoPropria, const RegistroLog& registrarLog);

}  // namespace app
