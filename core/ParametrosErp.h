#pragma once
// Tabela PARAM do ERP: um valor de texto por grupo (GRUPO_PA) e chave (PARAM_PA).
#include <string>
#include <string_view>

#include "db/Banco.h"

namespace core {

// VALOR_PA da linha do grupo e da chave; texto vazio quando não há linha.
std::string LerParametro(db::Transacao& tr, std::string_view grupo, std::string_view param);
// LerParametro aparado como inteiro; vazio ou não inteiro dá 0.
int LerParametroInteiro(db::Transacao& tr, std::string_view grupo, std::string_view param);
// Atualiza a linha do grupo e da chave, ou insere uma, e confirma na hora numa transação própria
// (core::GravarNoErp: um registro preso por um usuário do ERP vira mensagem depois da espera).
// Outras falhas do banco saem como db::ErroBanco.
void GravarParametro(db::Banco& banco, std::string_view grupo, std::string_view param,
                     std::string_view valor);

}  // namespace core
