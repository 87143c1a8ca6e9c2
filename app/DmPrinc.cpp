#include "app/DmPrinc.h"

#include "app/Cifra.h"
#include "app/ConexaoBroker.h"
#include "app/CopiaSalva.h"
#include "app/CriarParametros.h"
#include "app/ParametrosSped.h"
#include "app/ReacoesParametros.h"
#include "app/Segredos.h"
#include "blocks/EtapasGeracao.h"
#include "core/Geracao.h"
#include "core/ParametrosErp.h"
#include "db/Erro.h"
#include "util/Executavel.h"
#include "util/Texto1252.h"

namespace app {

namespace {

constexpr const char* kTituloFalhaBroker = "Falha ao conectar.";

// Decifrado com a chave errada, o caminho sai com caracteres de controle.
bool CaminhoLegivel(const std::string& caminho) {
    for (const unsigned char c : caminho)
        if (c < 0x20 || c == 0x7F) return false;
    return !caminho.empty();
}

}  // namespace

TdmPrinc::TdmPrinc(OpcoesInicio opcoes, util::CaixaMensagem& mensagens)
    : opcoes_(std::move(opcoes)), mensagens_(mensagens), driver_(&EscolherDriver("")) {
    if (opcoes_.pastaInstalacao.empty()) opcoes_.pastaInstalacao = util::PastaExecutavel();
    DataModuleCreate();
}

TdmPrinc::~TdmPrinc() = default;

std::filesystem::path TdmPrinc::ArquivoCopiaSalva() const {
    return opcoes_.pastaInstalacao / kArquivoCopiaSalva;
}

void TdmPrinc::DataModuleCreate() {
    versao_ = kVersao;
    ini_ = LerParametrosIni(opcoes_.pastaInstalacao / "Parametros.Ini");
    if (const std::string aviso = AvisoSegredosExpostos(opcoes_.pastaInstalacao / kArquivoSegredos); !aviso.empty())
        mensagens_.Alerta(aviso);
    const bool conectou = ini_.ModoServidor() ? ConectarModoServidor() : ConectarDireto();
    if (!conectou) return;
    try {
        CarregarDadosErp();
    } catch (const db::ErroBanco& e) {
        const bool semTabelasErp = e.MensagemFirebird().find("Table unknown") != std::string::npos;
        mensagens_.Erro(!semTabelasErp ? std::string(e.what())
                                       : util::W("O banco de dados ") + sqlCon->Caminho() +
                                             util::W(" não é o banco do ERP: não tem as tabelas do ERP (") +
                                             e.MensagemFirebird() +
                                             util::W("). Confira o caminho do banco do ERP no banco de acesso ou "
                                                     "em [Paths] DB de Parametros.Ini."));
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what());
    }
}

// Passo do servidor de conexões: qualquer falha encerra o programa.
bool TdmPrinc::ConectarModoServidor() {
    BancosEmpresa bancos;
    try {
        const Segredos segredos = LerSegredos(opcoes_.pastaInstalacao / kArquivoSegredos);
        vex_ = std::make_unique<TVEXConnection>(segredos.usuarioBroker, segredos.chaveSistema, segredos.tabelaChave);
        vex_->DefinirEndereco(ini_.HOST);
        bancos = SelecionarBancos(vex_->ListarBancos());
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what(), kTituloFalhaBroker);
        throw EncerrarPrograma(e.what(), 0);
    }
    // Sem banco de tipo "A" a conexão do ERP falha como no modo direto: avisa e segue sem banco.
    try {
        if (!bancos.erp)
            throw std::runtime_error(util::W("O servidor de conexões não informou o banco do ERP (tipo \"A\") da "
                                             "empresa. Confira o cadastro da instalação no servidor de conexões."));
        sqlCon.emplace(AbrirConexao(ConfigurarConexao(bancos.erp->host, bancos.erp->password)));
        return true;
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what());
        return false;
    }
}

bool TdmPrinc::ConectarDireto() {
    driver_ = &EscolherDriver(ini_.VersaoFirebird);
    try {
        const Segredos segredos = LerSegredos(opcoes_.pastaInstalacao / kArquivoSegredos);
        const std::string senha = SenhaPorIndice(segredos, ini_.Chave);
        sqlAcesso.emplace(AbrirConexao(ConfigurarConexao(ini_.ACESSO, senha)));
        const std::string cifrado = LerCaminhoBancoPrincipal(*sqlAcesso);
        const std::string caminho = cifrado.empty() ? ini_.DB : DecifrarTexto(cifrado, segredos.cifra);
        if (!cifrado.empty() && !CaminhoLegivel(caminho))
            throw std::runtime_error(
                util::W("O caminho do banco do ERP guardado no banco de acesso ") + ini_.ACESSO +
                util::W(" não pôde ser decifrado: a seção [Cifra] de ") +
                std::filesystem::absolute(opcoes_.pastaInstalacao / kArquivoSegredos).string() +
                util::W(" não é a desta instalação. Copie para a pasta o Segredos.ini da instalação."));
        sqlCon.emplace(AbrirConexao(ConfigurarConexao(caminho, senha)));
        return true;
    } catch (const std::exception& e) {
        mensagens_.Erro(e.what());
        return false;
    }
}

void TdmPrinc::CarregarDadosErp() {
    db::Transacao tr(*sqlCon);
    cdsFil.Carregar(tr);
    parametrosCriados_ = true;
    CriarParametros(cdsParams, cdsFil, tr, ArquivoCopiaSalva(), opcoes_.hoje(), mensagens_);
    cdsTiposFisc = CarregarTiposFiscais(tr, cdsParams.TIPOS_FISCAIS_INV_SELEC);
    configuracoes = core::LerConfiguracoesErp(tr);
    tr.Commit();
    iniciado_ = true;
}

db::Banco& TdmPrinc::Banco() {
    if (!sqlCon)
        throw std::runtime_error(util::W("Não há conexão com o banco de dados do ERP: a conexão falhou ao abrir o "
                                         "programa (veja a mensagem mostrada então). Corrija Parametros.Ini ou o "
                                         "servidor e abra o programa de novo."));
    return *sqlCon;
}

std::string TdmPrinc::LerParametro(std::string_view grupo, std::string_view param) {
    db::Transacao tr(Banco());
    std::string valor = core::LerParametro(tr, grupo, param);
    tr.Commit();
    return valor;
}

void TdmPrinc::GravarParametro(std::string_view grupo, std::string_view param, std::string_view valor) {
    core::GravarParametro(Banco(), grupo, param, valor);
}

void TdmPrinc::CarregarParametrosSped() {
    db::Transacao tr(Banco());
    app::CarregarParametrosSped(tr, cdsParams);
    tr.Commit();
}

void TdmPrinc::DefinirFilial(int codigo) { app::DefinirFilial(cdsParams, cdsFil, codigo); }

void TdmPrinc::DefinirGerarBlocoK(std::string_view valor) { app::DefinirGerarBlocoK(cdsParams, valor); }

void TdmPrinc::DefinirMesAnoInventario(std::string_view mesAno) { app::DefinirMesAnoInventario(cdsParams, mesAno); }

// TIPOS_FISCAIS_INV_SELEC: os códigos separados por "-".
static std::string SelecaoTiposFiscais(const std::vector<std::string>& selecionados) {
    std::string tipos;
    for (const std::string& codigo : selecionados) tipos += (tipos.empty() ? "" : "-") + codigo;
    return tipos.substr(0, core::LocalizarCampoParametro("TIPOS_FISCAIS_INV_SELEC")->tamanho);
}

static std::vector<std::string> TiposMarcados(const ListaTiposFiscais& tipos) {
    std::vector<std::string> selecionados;
    for (const TTipoFiscal& t : tipos)
        if (t.SELEC) selecionados.push_back(t.COD_TA);
    return selecionados;
}

void TdmPrinc::SalvarParametros(const std::vector<std::string>& tiposFiscaisSelecionados) {
    if (!parametrosCriados_) return;
    cdsParams.TIPOS_FISCAIS_INV_SELEC = SelecaoTiposFiscais(tiposFiscaisSelecionados);
    GravarCopiaSalva(ArquivoCopiaSalva(), cdsParams);
}

void TdmPrinc::SalvarParametros() { SalvarParametros(TiposMarcados(cdsTiposFisc)); }

TFiltroTiposFiscais TdmPrinc::FiltroTiposFiscais() {
    db::Transacao tr(Banco());
    TFiltroTiposFiscais filtro = app::FiltroTiposFiscais(tr, cdsTiposFisc);
    tr.Commit();
    return filtro;
}

int64_t TdmPrinc::GerarArquivoSped(const std::string& arquivoUnificar) {
    db::Banco& banco = Banco();
    if (!iniciado_)
        throw std::runtime_error(util::W("A abertura do programa não terminou (veja a mensagem mostrada então): "
                                         "corrija o problema e abra o programa de novo antes de gerar."));
    if (!armazem_) armazem_ = std::make_unique<core::ArmazemSped>(banco, mensagens_);
    // O inventário lê os tipos fiscais marcados agora na janela (ou na linha de comando).
    cdsParams.TIPOS_FISCAIS_INV_SELEC = SelecaoTiposFiscais(TiposMarcados(cdsTiposFisc));
    core::Geracao g{banco, cdsParams, cdsFil, *armazem_, cdsErros, progresso, mensagens_, configuracoes};
    g.caches = caches_;
    return core::GerarArquivoSped(g, arquivoUnificar, blocks::EtapasGeracao());
}

}  // namespace app
