#include "erp/demo/InstalacaoDemo.h"

#include <fstream>
#include <stdexcept>

#include "app/Cifra.h"
#include "app/Segredos.h"
#include "erp/Esquema.h"
#include "erp/demo/EstoqueDemo.h"
#include "erp/demo/EntradasDemo.h"
#include "erp/demo/NotasSaidaDemo.h"
#include "util/Datas.h"
#include "util/Texto1252.h"

extern const char* const kDadosDemo;

namespace fs = std::filesystem;

namespace demo {

static void GravarParametrosIni(const fs::path& arquivo, const fs::path& pasta) {
    std::ofstream ini(arquivo, std::ios::binary | std::ios::trunc);
    ini << "[Paths]\r\n"
        << "ACESSO=" << (pasta / kArquivoAcesso).string() << "\r\n"
        << "DB=" << (pasta / kArquivoErp).string() << "\r\n"
        << "[Banco]\r\n"
        << "Chave=1\r\n"
        << "VersaoFirebird=3\r\n";
    if (!ini) throw std::runtime_error(util::W("Não foi possível gravar ") + arquivo.string());
}

void CriarInstalacaoDemo(const OpcoesDemo& o) {
    if (o.escala < 1) throw std::runtime_error(util::W("A escala deve ser um número inteiro a partir de 1."));
    const fs::path pasta = fs::absolute(o.pasta);
    fs::create_directories(pasta);
    const fs::path arquivos[] = {pasta / kArquivoErp, pasta / kArquivoAcesso, pasta / "Parametros.Ini",
                                 pasta / app::kArquivoSegredos};
    if (fs::exists(arquivos[0]) && !o.substituir)
        throw std::runtime_error(util::W("Já existe uma instalação de demonstração em ") + pasta.string() +
                                 util::W(". Use --substituir para recriá-la."));
    for (const fs::path& a : arquivos) fs::remove(a);

    const app::Segredos segredos = app::SegredosDemonstracao();
    db::ParametrosConexao p;
    p.senha = segredos.senhasBanco[0];

    // Demonstração e medições: sem escrita forçada, como num banco de testes.
    p.banco = arquivos[0].string();
    {
        db::Banco erp = erp::CriarBancoErp(p, false);
        erp.ExecutarScript(util::W(kDadosDemo));
        util::TData mes(o.hoje.Vazia() ? util::DataHora::Agora() : o.hoje);
        mes.DecMes(1);
        CriarNotasSaidaDemo(erp, mes.Valor(), o.escala);
        // O inventário do último dezembro até o mês da demonstração.
        CriarEstoqueDemo(erp, mes.Mes() == 12 ? mes.Ano() : mes.Ano() - 1, o.escala);
        CriarEntradasDemo(erp, mes.Valor(), o.escala);
    }
    p.banco = arquivos[1].string();
    {
        db::Banco acesso = erp::CriarBancoAcesso(p, false);
        db::Transacao tr(acesso);
        db::Consulta ins(tr, "insert into BD_PRINCIPAL (SENHA) values (:SENHA)");
        ins.Param("SENHA", app::CifrarTexto(arquivos[0].string(), segredos.cifra));
        ins.Executar();
        tr.Commit();
    }
    GravarParametrosIni(arquivos[2], pasta);
    app::GravarSegredos(arquivos[3], segredos);
}

}  // namespace demo
