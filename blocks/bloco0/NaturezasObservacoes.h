#pragma once
// Naturezas da operação (0400), informações complementares (0450), observações (0460 com C195 ou
// D195) e o código da conta contábil dos campos COD_CTA.
#include <string>
#include <string_view>

namespace core {
struct Geracao;
}

namespace blocks {

// COD_NAT da natureza, numerada na ordem do primeiro uso na geração, com o seu 0400. Texto vazio:
// erro do 0400 com a origem ("NFS 123") e código vazio.
std::string CodigoNatureza(core::Geracao& g, const std::string& natureza, std::string_view origem);

// Novo COD_INF a cada chamada, mesmo para um texto já registrado, com o seu 0450.
std::string GerarRegistro0450(core::Geracao& g, std::string_view texto);

// Linha de observação ('registro' "C195" ou "D195") e o 0460 do código; o primeiro texto de cada
// código fica. Texto do 0460 vazio: vale o texto complementar.
void GravarObservacao(core::Geracao& g, std::string_view registro, const std::string& codObs,
                      std::string_view texto0460, std::string_view textoComplementar);

// CODCONTAB_SPED_CC da conta em CONTACONTABIL (quando preenchido), formatada pelos níveis de
// CONTA_CONTABIL/FORMATO quando SPED/COD_CONTAB_FORMATADO é "S". Conta fora do plano: como veio.
std::string CodigoConta(const core::Geracao& g, const std::string& conta);

}  // namespace blocks
