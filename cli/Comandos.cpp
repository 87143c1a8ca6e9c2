#include "cli/Comandos.h"

#include <fmt/format.h>

#include <iostream>
#include <stdexcept>

#include "app/DmPrinc.h"
#include "app/ReacoesParametros.h"
#include "app/validacao/ImprimirErros.h"
#include "app/validacao/TiposFiscais.h"
#include "app/validacao/ValidarGeracao.h"
#include "cli/BarraProgresso.h"
#include "cli/MensagensTerminal.h"
#include "core/ArquivoTxt.h"
#include "report/GravarArquivo.h"
#include "report/ImpressoraPaginas.h"
#include "report/RenderizadorPdf.h"
#include "report/RenderizadorTexto.h"
#include "util/Datas.h"
#include "util/Texto1252.h"
#include "util/TextoData.h"

namespace fs = std::filesystem;

namespace cli {

namespace {

// Uso incorreto detectado depois da leitura das opções (valor fora da lista, data inválida).
class UsoIncorreto : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

app::OpcoesInicio Inicio(const fs::path& pasta) {
    app::OpcoesInicio o;
    o.pastaInstalacao = pasta;
    return o;
}

util::DataHora LerData(const std::string& texto, const char* opcao) {
    const std::optional<util::DataHora> data = util::LerData(texto);
    if (!data || data->ano < 1900)
        throw UsoIncorreto(fmt::format("{}: data inválida \"{}\" (use dd/mm/aaaa)", opcao, texto));
    return *data;
}

void Escolha(std::string& campo, const std::string& valor, std::initializer_list<const char*> validos,
             const char* opcao) {
    if (valor.empty()) return;
    for (const char* v : validos)
        if (valor == v) {
            campo = valor;
            return;
        }
    std::string lista;
    for (const char* v : validos) lista += (lista.empty() ? "" : ", ") + std::string(v);
    throw UsoIncorreto(fmt::format("{}: valor \"{}\" inválido (aceita {})", opcao, valor, lista));
}

// Aplica as opções a cdsParams pelas mesmas reações da janela.
void AplicarOpcoes(const OpcoesGerar& o, app::TdmPrinc& dm) {
    core::TParametros& p = dm.cdsParams;
    if (o.filial) dm.DefinirFilial(*o.filial);
    if (!o.periodo.empty()) {
        const util::DataHora inicio = LerData("01/" + o.periodo, "--periodo");
        util::TData data(inicio);
        p.DATA_INI = data.PrimeiroDia().SoData();
        p.DATA_FIM = data.UltimoDia().SoData();
    }
    if (!o.inicio.empty()) p.DATA_INI = LerData(o.inicio, "--inicio");
    if (!o.fim.empty()) p.DATA_FIM = LerData(o.fim, "--fim");
    if (p.DATA_FIM < p.DATA_INI) throw UsoIncorreto("o fim do período é anterior ao início");
    Escolha(p.FINALIDADE_ARQ, o.finalidade, {"0", "1"}, "--finalidade");
    Escolha(p.GERAR_ENTRADAS, o.entradas, {"S", "N"}, "--entradas");
    Escolha(p.GERAR_SAIDAS, o.saidas, {"S", "N"}, "--saidas");
    Escolha(p.GERAR_C170_SAI, o.c170Saidas, {"S", "N"}, "--c170-saidas");
    Escolha(p.GERAR_REG_H, o.blocoH, {"S", "N"}, "--bloco-h");
    Escolha(p.MOTIVO_INVENTARIO, o.motivo, {"01", "02", "03", "04", "05"}, "--motivo");
    if (!o.blocoK.empty()) {
        std::string blocoK;
        Escolha(blocoK, o.blocoK, {"N", "S", "E"}, "--bloco-k");
        dm.DefinirGerarBlocoK(blocoK);
    }
    Escolha(p.GERAR_REG_0210, o.reg0210, {"S", "N"}, "--reg-0210");
    if (!o.inventario.empty()) {
        try {
            dm.DefinirMesAnoInventario(o.inventario);
        } catch (const app::MesAnoInventarioInvalido& e) {
            throw UsoIncorreto("--inventario: " + util::Cp1252ParaUtf8(e.what()));
        }
    }
    if (!o.dir.empty()) p.DIR_GERACAO = fs::absolute(o.dir).string();
    if (p.DIR_GERACAO.empty()) p.DIR_GERACAO = (fs::absolute(o.pasta.empty() ? "." : o.pasta) / "SPED_EFD").string();
}

// Tipos fiscais do inventário: os da opção (separados por vírgula) ou a escolha salva. A escolha
// fica em cdsTiposFisc, de onde a geração a lê.
app::TFiltroTiposFiscais Filtro(const OpcoesGerar& o, app::TdmPrinc& dm) {
    std::string selecao = dm.cdsParams.TIPOS_FISCAIS_INV_SELEC;
    if (o.tiposFiscais) {
        selecao = *o.tiposFiscais;
        for (char& c : selecao)
            if (c == ',') c = '-';
    }
    db::Transacao tr(dm.Banco());
    app::ListaTiposFiscais tipos = app::CarregarTiposFiscais(tr, selecao);
    if (o.tiposFiscais && o.tiposFiscais->empty())
        for (auto& t : tipos) t.SELEC = false;
    dm.cdsTiposFisc = tipos;
    return app::FiltroTiposFiscais(tr, tipos);
}

// Relatório de erros: páginas na saída padrão e, ao lado do arquivo, em texto e em PDF.
void RelatorioErros(app::TdmPrinc& dm) {
    const fs::path arquivo = core::NomeArquivoSped(dm.cdsParams);
    const fs::path base = arquivo.parent_path() / (arquivo.stem().string() + "_ERROS");
    report::ImpressoraPaginas impressora([&](const std::vector<report::Pagina>& paginas) {
        const std::string texto = report::PaginasEmTexto(paginas);
        report::GravarArquivo(base.string() + ".TXT", texto);
        report::GravarArquivo(base.string() + ".PDF", report::PaginasEmPdf(paginas));
        std::string tela = util::Cp1252ParaUtf8(texto);
        std::erase(tela, '\r');
        std::cout << tela;
    });
    app::ImprimirErros(dm.cdsErros, dm.cdsParams, impressora);
    std::cout << "\n" << dm.cdsErros.Quantidade() << " problema(s) de dados; relatório em " << base.string()
              << ".TXT e .PDF\n";
}

}  // namespace

int Gerar(const OpcoesGerar& o) {
    MensagensTerminal mensagens(o.sim);
    try {
        app::TdmPrinc dm(Inicio(o.pasta), mensagens);
        if (!dm.Iniciado()) return kGeracaoFalhou;  // o motivo já foi mostrado
        AplicarOpcoes(o, dm);
        if (!app::ValidarGeracao(dm.cdsParams, dm.cdsFil, Filtro(o, dm), mensagens)) return kValidacaoRecusada;
        BarraProgresso barra;
        dm.progresso.DefinirCallback([&](const core::TProgresso& p) { barra.Atualizar(p); });
        const int64_t linhas = dm.GerarArquivoSped(o.unificar);
        dm.progresso.DefinirCallback(nullptr);
        std::cout << "Arquivo gerado: " << core::NomeArquivoSped(dm.cdsParams).string() << " (" << linhas
                  << " linhas)\n";
        if (!dm.cdsErros.Vazia()) RelatorioErros(dm);
        return kArquivoGerado;
    } catch (const UsoIncorreto& e) {
        std::cerr << e.what() << "\nUse efd gerar --help para ver as opções.\n";
        return kUsoIncorreto;
    } catch (const app::EncerrarPrograma&) {
        return kGeracaoFalhou;
    } catch (const std::exception& e) {
        std::cerr << "A geração falhou: " << ParaTerminal(e.what()) << "\n";
        return kGeracaoFalhou;
    }
}

int ListarFiliais(const fs::path& pasta) {
    MensagensTerminal mensagens(false);
    try {
        app::TdmPrinc dm(Inicio(pasta), mensagens);
        if (!dm.Iniciado()) return kGeracaoFalhou;
        for (const core::TFilial& f : dm.cdsFil.Filiais())
            std::cout << fmt::format("{:>5}  {:<20} {:<2}  {}\n", f.COD_FI, f.CGC_FI, f.UF_FI,
                                     util::Cp1252ParaUtf8(f.NOME_FI));
        return 0;
    } catch (const std::exception& e) {
        std::cerr << ParaTerminal(e.what()) << "\n";
        return kGeracaoFalhou;
    }
}

int Parametros(const fs::path& pasta, const std::string& definir) {
    MensagensTerminal mensagens(false);
    try {
        app::TdmPrinc dm(Inicio(pasta), mensagens);
        if (!dm.Conectado()) return kGeracaoFalhou;
        if (!definir.empty()) {
            const size_t igual = definir.find('=');
            if (igual == 0 || igual == std::string::npos) {
                std::cerr << "--definir espera CHAVE=VALOR\n";
                return kUsoIncorreto;
            }
            dm.GravarParametro("SPED", definir.substr(0, igual), util::W(definir.substr(igual + 1)));
            return 0;
        }
        db::Transacao tr(dm.Banco());
        db::Consulta q(tr, "select PARAM_PA, VALOR_PA from PARAM where GRUPO_PA = 'SPED' order by PARAM_PA");
        while (q.Proximo())
            std::cout << q["PARAM_PA"].Texto() << "=" << util::Cp1252ParaUtf8(q["VALOR_PA"].Texto()) << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << ParaTerminal(e.what()) << "\n";
        return kGeracaoFalhou;
    }
}

}  // namespace cli
