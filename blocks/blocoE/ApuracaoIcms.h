#pragma once
// AcumularApuracaoICMS: os documentos e ajustes dos blocos C e D alimentam os totais do E110.
#include <string_view>

#include "blocks/blocoE/Apuracao.h"

namespace core {
struct Geracao;
}

namespace blocks {

// Um valor entregue à apuração do ICMS. 'origem' é o registro de onde vem ("C190", "C197", ...,
// "E111"); só "E111" muda a regra. Documento: cfop e codSit preenchidos, com valorDocumento.
// Ajuste: codAj preenchido, com valorAjuste.
struct TLancamentoICMS {
    std::string_view origem;
    std::string_view cfop{};
    std::string_view codSit{};
    std::string_view codAj{};
    Dinheiro valorDocumento{};
    Dinheiro valorAjuste{};
};

void AcumularApuracaoICMS(core::Geracao& g, const TLancamentoICMS& lancamento);

}  // namespace blocks
