#pragma once
// Instalação de demonstração: banco do ERP com os dados de uma indústria mineira, banco de acesso,
// Parametros.Ini e Segredos.ini, numa pasta.
#include <filesystem>

#include "util/DataHora.h"

namespace demo {

struct OpcoesDemo {
    std::filesystem::path pasta;
    int escala = 1;           // multiplica o volume de documentos do mês
    bool substituir = false;  // apaga uma instalação de demonstração que já esteja na pasta
    util::DataHora hoje{};    // os documentos caem no mês anterior a esta data; vazia = hoje
};

inline constexpr const char* kArquivoErp = "ERP.FDB";
inline constexpr const char* kArquivoAcesso = "ACESSO.FDB";

// Lança std::runtime_error (texto em Windows-1252) quando a pasta já tem uma instalação e
// 'substituir' é falso, ou quando algo não pode ser criado.
void CriarInstalacaoDemo(const OpcoesDemo& opcoes);

}  // namespace demo
