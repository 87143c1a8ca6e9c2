#pragma once
// Cópia salva de cdsParams: a linha inteira, gravada pela janela ao sair num XML UTF-8 na pasta da
// instalação (VASTEL_EFD.XML) e lida na próxima partida da janela ou da linha de comando. Um elemento por campo, pelo nome, com o
// tipo no atributo "tipo"; só este programa lê e grava.
#include <filesystem>
#include <stdexcept>

#include "core/Parametros.h"

namespace app {

// A cópia existe mas não pôde ser lida (XML inválido, valor que não é do tipo do campo).
class ErroCopiaSalva : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Copia para 'params', por nome, cada campo da cópia que também existe nele, menos
// FORMA_AGRUP_ITENS (que é sempre o da filial); textos longos são cortados no tamanho do campo.
// Devolve false quando a cópia não existe. Lança ErroCopiaSalva sem alterar 'params'.
bool CarregarCopiaSalva(const std::filesystem::path& arquivo, core::TParametros& params);

// Grava a cópia, substituindo a anterior só depois de escrita por inteiro.
// Lança ErroCopiaSalva quando não consegue gravar.
void GravarCopiaSalva(const std::filesystem::path& arquivo, const core::TParametros& params);

}  // namespace app
