#include "cli/Comandos.h"

#include <fmt/format.h>

#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "app/ChavesParametrosSped.h"
#include "app/DmPrinc.h"
#include "app/ExecutarGeracao.h"
#include "app/ReacoesParametros.h"
#include "app/Segredos.h"
#include "app/validacao/TiposFiscais.h"
#include "cli/BarraProgresso.h"
#include "cli/MensagensTerminal.h"
#include "core/ArquivoTxt.h"
#include "report/GravarArquivo.h"
#include "report/ImpressoraPaginas.h"
#include "report/RenderizadorPdf.h"
#include "report/RenderizadorTexto.h"
#include "util/Datas.h"
#include "util/Executavel.h"
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

// Executa um comando com as saídas de uso incorreto e de falha; 'comando' é o nome para a ajuda.
template <class Comando>
int Executar(const char* comando, const char* prefixoFalha, Comando&& executar) {
    try {
        return executar();
    } catch (const UsoIncorreto& e) {
        std::cerr << e.what() << "\nUse efd " << comando << " --help para ver as opções.\n";
        return kUsoIncorreto;
    } catch (const app::EncerrarPrograma&) {
        return kGeracaoFalhou;  // o motivo já foi mostrado
    } catch (const std::exception& e) {
        std::cerr << prefixoFalha << ParaTerminal(e.what()) << "\n";
        return kGeracaoFalhou;
    }
}

// A pasta da instalação (a de --pasta, ou a do programa) tem de existir e ter Parametros.Ini ou
// Segredos.ini; senão o usuário erra a pasta e recebe mensagens sobre os arquivos que faltam.
app::OpcoesInicio Inicio(const fs::path& pasta) {
    app::OpcoesInicio o;
    o.pastaInstalacao = fs::absolute(pasta.empty() ? fs::path(util::PastaExecutavel()) : pasta);
    const std::string caminho = o.pastaInstalacao.string();
    if (!pasta.empty() && !fs::is_directory(o.pastaInstalacao))
        throw UsoIncorreto(fmt::format("--pasta: a pasta {} não existe. Informe a pasta da instalação, a que tem "
                                       "Parametros.Ini e Segredos.ini.",
                                       caminho));
    if (!fs::exists(o.pastaInstalacao / "Parametros.Ini") && !fs::exists(o.pastaInstalacao / app::kArquivoSegredos))
        throw UsoIncorreto(pasta.empty() ? fmt::format("Falta --pasta: a pasta do programa, {}, não é uma instalação "
                                                       "(não tem Parametros.Ini nem Segredos.ini). Informe com "
                                                       "--pasta a pasta da instalação.",
                                                       caminho)
                                         : fmt::format("--pasta: {} não é a pasta de uma instalação (não tem "
                                                       "Parametros.Ini nem Segredos.ini).",
                                                       caminho));
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

// Aplica as opções (menos a filial) a cdsParams pelas mesmas reações da janela.
void AplicarOpcoes(const OpcoesGerar& o, const fs::path& pastaInstalacao, app::TdmPrinc& dm) {
    core::TParametros& p = dm.cdsParams;
    if (!o.periodo.empty()) {
        const std::optional<util::DataHora> inicio = util::LerData("01/" + o.periodo);
        if (!inicio || inicio->ano < 1900)
            throw UsoIncorreto(fmt::format("--periodo: mês inválido \"{}\" (use MM/AAAA)", o.periodo));
        util::TData data(*inicio);
        p.DATA_INI = data.PrimeiroDia().SoData();
        p.DATA_FIM = data.UltimoDia().SoData();
    }
    if (!o.inicio.empty()) p.DATA_INI = LerData(o.inicio, "--inicio");
    if (!o.fim.empty()) p.DATA_FIM = LerData(o.fim, "--fim");
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
    if (p.DIR_GERACAO.empty()) p.DIR_GERACAO = (pastaInstalacao / "SPED_EFD").string();
}

// As filiais de --filial: um código, uma lista "1,3,7" ou "todas" (em ordem de código); sem a
// opção, a da cópia salva.
std::vector<int> FiliaisPedidas(const std::optional<std::string>& opcao, const app::TdmPrinc& dm) {
    constexpr const char* kComoInformar = "use um código, uma lista como 1,3,7 ou todas; efd filiais lista os códigos";
    std::vector<int> filiais;
    if (!opcao) {
        if (dm.cdsParams.FILIAL == 0)
            throw UsoIncorreto(fmt::format("Falta a filial: informe --filial ({}).", kComoInformar));
        return {dm.cdsParams.FILIAL};
    }
    if (*opcao == "todas") {
        for (const core::TFilial& f : dm.cdsFil.Filiais()) filiais.push_back(f.COD_FI);
        std::sort(filiais.begin(), filiais.end());
        if (filiais.empty()) throw std::runtime_error(util::W("O banco do ERP não tem filiais cadastradas."));
        return filiais;
    }
    size_t inicio = 0;
    do {
        const size_t virgula = opcao->find(',', inicio);
        const std::string codigo = opcao->substr(inicio, virgula == std::string::npos ? virgula : virgula - inicio);
        if (codigo.empty() || codigo.size() > 9 || codigo.find_first_not_of("0123456789") != std::string::npos)
            throw UsoIncorreto(fmt::format("--filial: \"{}\" não é um código de filial ({}).", codigo, kComoInformar));
        const int filial = std::stoi(codigo);
        if (std::find(filiais.begin(), filiais.end(), filial) == filiais.end()) filiais.push_back(filial);
        inicio = virgula == std::string::npos ? virgula : virgula + 1;
    } while (inicio != std::string::npos);
    return filiais;
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

// A barra de progresso ligada ao progresso da geração enquanto existir.
class ProgressoNoTerminal {
public:
    explicit ProgressoNoTerminal(core::TProgresso& progresso) : progresso_(progresso) {
        progresso_.DefinirCallback([this](const core::TProgresso& p) { barra_.Atualizar(p); });
    }
    ~ProgressoNoTerminal() { progresso_.DefinirCallback(nullptr); }
    void Encerrar() {
        progresso_.DefinirCallback(nullptr);
        barra_.Encerrar();
    }

private:
    core::TProgresso& progresso_;
    BarraProgresso barra_;
};

struct ResumoFilial {
    int filial = 0;
    fs::path arquivo;
    int64_t linhas = 0;
    size_t problemas = 0;
    int saida = kGeracaoFalhou;
};

// Uma filial pela sequência de app/: validação, geração e relatório de erros, que vai para a tela
// e para o lado do arquivo, em texto e em PDF. Uma falha é mostrada e fica no resumo.
ResumoFilial GerarFilial(app::TdmPrinc& dm, util::CaixaMensagem& mensagens, const OpcoesGerar& o,
                         const app::TFiltroTiposFiscais& filtro, int filial) {
    ResumoFilial r;
    r.filial = filial;
    try {
        dm.DefinirFilial(filial);
        ProgressoNoTerminal progresso(dm.progresso);
        report::ImpressoraPaginas impressora([&](const std::vector<report::Pagina>& paginas) {
            const std::string texto = report::PaginasEmTexto(paginas);
            std::string tela = util::Cp1252ParaUtf8(texto);
            std::erase(tela, '\r');
            std::cout << tela;
            const std::string base = app::BaseRelatorioErros(dm.cdsParams).string();
            report::GravarArquivo(base + ".TXT", texto);
            report::GravarArquivo(base + ".PDF", report::PaginasEmPdf(paginas));
        });
        app::PassosGeracao passos{filtro, o.unificar, impressora};
        passos.aoGerar = [&](int64_t linhas) {
            progresso.Encerrar();
            std::cout << "Arquivo gerado: " << core::NomeArquivoSped(dm.cdsParams).string() << " (" << linhas
                      << " linhas)" << std::endl;
        };
        const app::ResultadoGeracao g = app::ExecutarGeracao(dm, mensagens, passos);
        if (!g.gerado) {
            r.saida = kValidacaoRecusada;
            return r;
        }
        r = {filial, g.arquivo, g.linhas, g.problemas, kArquivoGerado};
        if (g.problemas == 0) return r;
        r.saida = kArquivoComProblemas;
        const std::string base = app::BaseRelatorioErros(dm.cdsParams).string();
        if (g.falhaRelatorio.empty())
            std::cout << "\n" << g.problemas << " problema(s) de dados e do arquivo; relatório em " << base << ".TXT e .PDF\n";
        else
            std::cout << "\n" << g.problemas << " problema(s) de dados e do arquivo, listados acima. O arquivo foi gerado, mas o "
                      << "relatório não pôde ser gravado ao lado dele: " << ParaTerminal(g.falhaRelatorio) << "\n";
    } catch (const std::exception& e) {
        std::cerr << "A geração falhou: " << ParaTerminal(e.what()) << "\n";
        r.saida = kGeracaoFalhou;
    }
    return r;
}

std::string Resultado(int saida) {
    switch (saida) {
        case kArquivoGerado: return "gerado";
        case kArquivoComProblemas: return "gerado com problemas";
        case kValidacaoRecusada: return "recusado na validação";
        default: return "falhou";
    }
}

void MostrarQuadro(const std::vector<ResumoFilial>& resumo) {
    std::cout << "\n" << fmt::format("{:>6}  {:<28} {:>9} {:>9}  {}\n", "Filial", "Arquivo", "Linhas", "Problemas",
                                     "Resultado");
    for (const ResumoFilial& r : resumo) {
        const bool gerado = r.saida == kArquivoGerado || r.saida == kArquivoComProblemas;
        std::cout << fmt::format("{:>6}  {:<28} {:>9} {:>9}  {}\n", r.filial,
                                 gerado ? r.arquivo.filename().string() : "-",
                                 gerado ? std::to_string(r.linhas) : "-",
                                 gerado ? std::to_string(r.problemas) : "-", Resultado(r.saida));
    }
}

}  // namespace

int PiorSaida(int a, int b) {
    const auto gravidade = [](int saida) {
        switch (saida) {
            case kArquivoGerado: return 0;
            case kArquivoComProblemas: return 1;
            case kValidacaoRecusada: return 2;
            default: return 3;
        }
    };
    return gravidade(b) > gravidade(a) ? b : a;
}

int Gerar(const OpcoesGerar& o) {
    return Executar("gerar", "A geração falhou: ", [&] {
        MensagensTerminal mensagens(o.sim);
        const app::OpcoesInicio inicio = Inicio(o.pasta);
        app::TdmPrinc dm(inicio, mensagens);
        if (!dm.Iniciado()) return int{kGeracaoFalhou};  // o motivo já foi mostrado
        AplicarOpcoes(o, inicio.pastaInstalacao, dm);
        const std::vector<int> filiais = FiliaisPedidas(o.filial, dm);
        const app::TFiltroTiposFiscais filtro = Filtro(o, dm);
        if (filiais.size() == 1) return GerarFilial(dm, mensagens, o, filtro, filiais[0]).saida;

        // Várias filiais no mesmo nome de arquivo se substituiriam uma à outra.
        dm.cdsParams.SEPARAR_ARQ_POR_FILIAL = true;
        std::vector<ResumoFilial> resumo;
        int saida = kArquivoGerado;
        for (const int filial : filiais) {
            const core::TFilial* f = dm.cdsFil.Localizar(filial);
            std::cout << "\n== Filial " << filial << (f ? " - " + util::Cp1252ParaUtf8(f->NOME_FI) : std::string())
                      << std::endl;
            resumo.push_back(GerarFilial(dm, mensagens, o, filtro, filial));
            saida = PiorSaida(saida, resumo.back().saida);
        }
        MostrarQuadro(resumo);
        return saida;
    });
}

int ListarFiliais(const fs::path& pasta) {
    return Executar("filiais", "", [&] {
        MensagensTerminal mensagens(false);
        app::TdmPrinc dm(Inicio(pasta), mensagens);
        if (!dm.Iniciado()) return int{kGeracaoFalhou};
        for (const core::TFilial& f : dm.cdsFil.Filiais())
            std::cout << fmt::format("{:>5}  {:<20} {:<2}  {}\n", f.COD_FI, f.CGC_FI, f.UF_FI,
                                     util::Cp1252ParaUtf8(f.NOME_FI));
        return 0;
    });
}

// Só as chaves do editor da janela, com o tamanho que ele aceita.
static void ConferirDefinicao(const std::string& chave, const std::string& valor1252) {
    std::string aceitas;
    for (const app::ChaveParametroSped& c : app::ChavesParametrosSped()) {
        if (chave == c.chave) {
            if (valor1252.size() > static_cast<size_t>(app::kTamanhoValorParametro))
                throw UsoIncorreto(fmt::format("--definir: o valor de {} tem {} caracteres; o máximo é {}.", chave,
                                               valor1252.size(), app::kTamanhoValorParametro));
            return;
        }
        aceitas += (aceitas.empty() ? "" : ", ") + std::string(c.chave);
    }
    throw UsoIncorreto(fmt::format("--definir: \"{}\" não é uma chave do grupo SPED. As chaves são: {}.", chave, aceitas));
}

int Parametros(const fs::path& pasta, const std::string& definir) {
    return Executar("parametros", "", [&] {
        MensagensTerminal mensagens(false);
        std::string chave, valor;
        if (!definir.empty()) {
            const size_t igual = definir.find('=');
            if (igual == 0 || igual == std::string::npos) throw UsoIncorreto("--definir espera CHAVE=VALOR");
            chave = definir.substr(0, igual);
            valor = util::W(definir.substr(igual + 1));
            ConferirDefinicao(chave, valor);
        }
        app::TdmPrinc dm(Inicio(pasta), mensagens);
        if (!dm.Conectado()) return int{kGeracaoFalhou};
        if (!chave.empty()) {
            dm.GravarParametro("SPED", chave, valor);
            return 0;
        }
        db::Transacao tr(dm.Banco());
        db::Consulta q(tr, "select PARAM_PA, VALOR_PA from PARAM where GRUPO_PA = 'SPED' order by PARAM_PA");
        while (q.Proximo())
            std::cout << q["PARAM_PA"].Texto() << "=" << util::Cp1252ParaUtf8(q["VALOR_PA"].Texto()) << "\n";
        return 0;
    });
}

}  // namespace cli
