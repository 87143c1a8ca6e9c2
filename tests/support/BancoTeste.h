#pragma once
// Bancos Firebird embutidos e reais para os testes, criados do esquema do ERP em pasta temporária.
#include <filesystem>
#include <string>

#include "db/Banco.h"

namespace teste {

// Conteúdo inteiro de um arquivo, em bytes; vazio quando ele não existe.
std::string LerConteudo(const std::filesystem::path& arquivo);

// Pasta temporária exclusiva, apagada com tudo o que contém ao sair de escopo.
class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    const std::filesystem::path& caminho() const { return caminho_; }

private:
    std::filesystem::path caminho_;
};

// Cópia nova do banco do ERP (esquema vazio). O modelo é criado uma vez por processo e copiado
// para cada teste, o que custa milissegundos.
class BancoErpTeste {
public:
    BancoErpTeste();
    db::ParametrosConexao parametros() const;
    const std::filesystem::path& arquivo() const { return arquivo_; }
    db::Banco& banco() { return banco_; }
    // Executa um script (inserts de dados de teste, por exemplo) e confirma.
    void Executar(const std::string& script) { banco_.ExecutarScript(script); }

private:
    PastaTemporaria pasta_;
    std::filesystem::path arquivo_;
    db::Banco banco_;
};

}  // namespace teste
