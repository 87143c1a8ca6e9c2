#pragma once
// Pasta de instalação de teste: Parametros.Ini, Segredos.ini e o banco de acesso.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/Cifra.h"
#include "app/Segredos.h"
#include "erp/Esquema.h"
#include "tests/support/BancoTeste.h"

namespace teste {

class InstalacaoTeste {
public:
    InstalacaoTeste() { app::GravarSegredos(Pasta() / app::kArquivoSegredos, segredos); }

    const std::filesystem::path& Pasta() const { return pasta_.caminho(); }

    void GravarArquivo(const std::string& nome, const std::string& conteudo) const {
        std::ofstream(Pasta() / nome, std::ios::binary) << conteudo;
    }
    void GravarIni(const std::string& conteudo) const { GravarArquivo("Parametros.Ini", conteudo); }

    // Cria ACESSO.FDB com BD_PRINCIPAL guardando 'caminhoErp' cifrado (vazio: SENHA vazia;
    // nullopt: nenhuma linha). Devolve o caminho do banco de acesso.
    std::string CriarBancoAcesso(const std::optional<std::string>& caminhoErp) const {
        const std::string arquivo = (Pasta() / "ACESSO.FDB").string();
        db::ParametrosConexao p;
        p.banco = arquivo;
        db::Banco acesso = erp::CriarBancoAcesso(p, false);
        if (caminhoErp) {
            db::Transacao tr(acesso);
            db::Consulta q(tr, "insert into BD_PRINCIPAL (SENHA) values (:SENHA)");
            q.Param("SENHA", app::CifrarTexto(*caminhoErp, segredos.cifra));
            q.Executar();
            tr.Commit();
        }
        return arquivo;
    }

    app::Segredos segredos = app::SegredosDemonstracao();

private:
    PastaTemporaria pasta_;
};

}  // namespace teste
