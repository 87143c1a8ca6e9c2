#pragma once
// Como o programa se conecta aos bancos Firebird (o de acesso e o do ERP): usuário SYSDBA, senha
// escolhida pelo índice de Parametros.Ini e as configurações da conexão.
#include <string>
#include <string_view>

#include "app/Segredos.h"
#include "db/Banco.h"

namespace app {

// Senha do índice "1" a "8" (comparação exata, sem aparar); qualquer outro texto, inclusive "01"
// e "9", dá senha vazia.
std::string SenhaPorIndice(const Segredos& segredos, std::string_view indice);

// A escolha do driver por VersaoFirebird, que o ERP faz entre duas linhas de driver e cliente
// (nomes guardados para exibição). Aqui as duas linhas usam o mesmo libfbclient do Firebird 3:
// ele conversa com servidores 2.5 e 3 pelo protocolo que o servidor aceitar, com autenticação
// Srp ou a antiga (Legacy_Auth) e criptografia da rede só quando o servidor a oferece, tudo pelos
// padrões do cliente. Por isso nenhuma configuração da conexão muda entre as linhas.
struct DriverFirebird {
    const char* nomeConexao;
    const char* nomeDriver;
    const char* pontoEntrada;
    const char* bibliotecaDriver;
    const char* bibliotecaCliente;
};
// "3" exatamente escolhe a linha nova; qualquer outro texto ("2.5", "3.0", vazio) a antiga. No
// modo servidor de conexões VersaoFirebird não é lido e vale a antiga.
const DriverFirebird& EscolherDriver(std::string_view versaoFirebird);

// ConfigurarConexao: as quinze linhas de parâmetros do driver do ERP e o que são aqui.
//   DriverName=DevartInterBase      libfbclient pela interface do Firebird (db/Banco)
//   Database=<caminho>              arquivo local (motor embutido) ou "servidor[/porta]:arquivo"
//   User_Name=SYSDBA                usuário SYSDBA
//   Password=<senha>                senha do índice ou a do servidor de conexões
//   SQLDialect=3                    dialeto SQL 3 (isc_dpb_sql_dialect)
//   BlobSize=-1                     blobs lidos inteiros
//   LocaleCode=0000                 nada a fazer: a ordenação é a do servidor
//   TransIsolation=ReadCommited     transações read committed (db::Transacao)
//   WaitOnLocks=True                esperam registros bloqueados (isc_tpb_wait)
//   OptimizedNumerics=False         NUMERIC/DECIMAL exatos, sem passar por double
//   CharLength=0                    tamanho dos textos pelo conjunto de caracteres da coluna
//   EnableBCD=True                  decimais exatos (db::Decimal)
//   LongStrings=True                VARCHAR de mais de 255 caracteres lidos inteiros
//   UseQuoteChar=False              identificadores sem aspas: o SQL vai como está escrito
//   FetchAll=False                  linhas buscadas à medida que a consulta avança
// e, sem linha própria no driver, conjunto de caracteres NONE (lc_ctype): os textos passam como
// bytes Windows-1252, sem conversão.
db::ParametrosConexao ConfigurarConexao(const std::string& caminho, const std::string& senha);

// Abre a conexão. O motor embutido não divide um banco com outro processo: essa recusa do Firebird
// vira uma mensagem que diz o que fazer; as demais falhas seguem como vieram (db::ErroBanco).
db::Banco AbrirConexao(const db::ParametrosConexao& parametros);

// Texto cifrado de BD_PRINCIPAL.SENHA (primeira linha), ou vazio quando não há linha ou valor.
std::string LerCaminhoBancoPrincipal(db::Banco& acesso);

}  // namespace app
