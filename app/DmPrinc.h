#pragma once
// TdmPrinc: o módulo de dados do programa. Dono das conexões, da lista de filiais, dos parâmetros
// da geração, da área de trabalho SPED_EFD, da lista de erros e do progresso; tudo vive até o
// programa terminar. A janela e a linha de comando criam um e o usam.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/ConexaoFirebird.h"
#include "app/ParametrosIni.h"
#include "app/validacao/TiposFiscais.h"
#include "core/ArmazemSped.h"
#include "core/CachesErp.h"
#include "core/ConfiguracoesErp.h"
#include "core/Filiais.h"
#include "core/ListaErros.h"
#include "core/Parametros.h"
#include "core/Progresso.h"
#include "db/Banco.h"
#include "util/DataHora.h"
#include "util/Mensagens.h"

namespace app {

class TVEXConnection;

struct OpcoesInicio {
    // Pasta com Parametros.Ini, Segredos.ini e a cópia salva; vazia = a pasta do executável.
    std::filesystem::path pastaInstalacao;
    // Data de hoje, que fixa o período padrão (o mês anterior).
    std::function<util::DataHora()> hoje = util::DataHora::Agora;
};

// A cópia salva dos parâmetros, com o nome do executável da janela: a janela e a linha de comando
// leem a mesma cópia da instalação; só a janela a grava, ao sair.
inline constexpr const char* kArquivoCopiaSalva = "VASTEL_EFD.XML";

// O programa tem de terminar sem abrir a janela (servidor de conexões inacessível). O usuário já
// foi avisado; quem captura termina o processo com 'codigoSaida'.
class EncerrarPrograma : public std::runtime_error {
public:
    EncerrarPrograma(const std::string& motivo, int codigo) : std::runtime_error(motivo), codigoSaida(codigo) {}
    int codigoSaida;
};

class TdmPrinc {
public:
    static constexpr const char* kVersao = "1.1.83";

    // Executa DataModuleCreate. Uma falha ao conectar é mostrada por 'mensagens' e o resto da
    // partida é pulado (Conectado() fica false); no modo servidor de conexões lança EncerrarPrograma.
    TdmPrinc(OpcoesInicio opcoes, util::CaixaMensagem& mensagens);
    ~TdmPrinc();
    TdmPrinc(const TdmPrinc&) = delete;
    TdmPrinc& operator=(const TdmPrinc&) = delete;

    const std::string& Versao() const { return versao_; }
    bool Conectado() const { return sqlCon.has_value(); }
    // true quando a partida foi até o fim: filiais, parâmetros e configurações carregados.
    bool Iniciado() const { return iniciado_; }
    const DriverFirebird& Driver() const { return *driver_; }
    const ParametrosIni& Instalacao() const { return ini_; }
    std::filesystem::path ArquivoCopiaSalva() const;
    // A data de hoje (a das opções de início).
    util::DataHora Hoje() const { return opcoes_.hoje(); }

    // Banco do ERP; lança std::runtime_error com o que fazer quando a partida não conectou.
    db::Banco& Banco();

    // PARAM, para o editor de parâmetros.
    std::string LerParametro(std::string_view grupo, std::string_view param);
    void GravarParametro(std::string_view grupo, std::string_view param, std::string_view valor);
    // Relê os valores de PARAM em cdsParams (ao fechar o editor de parâmetros).
    void CarregarParametrosSped();

    // Reações da janela às mudanças de campo de cdsParams.
    void DefinirFilial(int codigo);
    void DefinirGerarBlocoK(std::string_view valor);
    void DefinirMesAnoInventario(std::string_view mesAno);  // lança MesAnoInventarioInvalido

    // Ao sair: guarda os tipos fiscais escolhidos (códigos na ordem da lista) e grava a cópia
    // salva. Sem partida completa não há o que salvar e a cópia anterior fica.
    void SalvarParametros(const std::vector<std::string>& tiposFiscaisSelecionados);
    // O mesmo com os tipos marcados em cdsTiposFisc.
    void SalvarParametros();

    // O filtro dos tipos marcados em cdsTiposFisc, com os tipos de produto acabado lidos de PARAM
    // agora (a validação e o inventário o montam a cada uso).
    TFiltroTiposFiscais FiltroTiposFiscais();

    // Uma geração com os parâmetros atuais; 'arquivoUnificar' em branco: nenhum. Devolve o número
    // de linhas do arquivo escrito; uma falha encerra a geração e segue para quem chamou.
    int64_t GerarArquivoSped(const std::string& arquivoUnificar);

    // Conexões e o que a partida carrega.
    std::optional<db::Banco> sqlAcesso;
    std::optional<db::Banco> sqlCon;
    core::ListaFiliais cdsFil;
    core::TParametros cdsParams;
    core::ConfiguracoesErp configuracoes;
    core::ListaErros cdsErros;
    core::TProgresso progresso;
    // Tipos fiscais do inventário com a escolha do usuário; a escolha vai à cópia salva ao sair.
    ListaTiposFiscais cdsTiposFisc;

private:
    void DataModuleCreate();
    bool ConectarModoServidor();
    bool ConectarDireto();
    void CarregarDadosErp();

    OpcoesInicio opcoes_;
    util::CaixaMensagem& mensagens_;
    std::string versao_;
    ParametrosIni ini_;
    const DriverFirebird* driver_;
    std::unique_ptr<TVEXConnection> vex_;
    std::unique_ptr<core::ArmazemSped> armazem_;
    // Carregados na primeira geração e mantidos até o programa terminar.
    std::shared_ptr<core::CachesErp> caches_ = std::make_shared<core::CachesErp>();
    bool parametrosCriados_ = false;
    bool iniciado_ = false;
};

}  // namespace app
