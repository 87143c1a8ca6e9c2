// efd: a geração da EFD ICMS/IPI pela linha de comando, para uso em lote e nos testes.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/Comandos.h"
#include "cli/TextosCli.h"
#include "cli/Validar.h"

int main(int argc, char** argv) {
    CLI::App app{"Gera o arquivo da EFD ICMS/IPI de uma filial a partir do banco do ERP.", "efd"};
    cli::TraduzirAjuda(app);
    app.require_subcommand(1);
    app.footer("Saída: 0 arquivo gerado, 1 validação recusou, 2 a geração falhou, 3 arquivo gerado com problemas "
               "(veja o relatório de erros), 64 uso incorreto.");

    cli::OpcoesGerar g;
    CLI::App* gerar = app.add_subcommand("gerar", "Gera o arquivo do período");
    cli::TraduzirAjuda(*gerar);
    gerar->add_option("--pasta", g.pasta,
                      "Pasta da instalação, com Parametros.Ini e Segredos.ini (padrão: a pasta do programa)");
    gerar->add_option("--filial", g.filial,
                      "Código da filial, uma lista como 1,3,7 ou todas (padrão: a da cópia salva da janela)");
    gerar->add_option("--periodo", g.periodo, "Mês do arquivo, MM/AAAA (padrão: o mês anterior)");
    gerar->add_option("--inicio", g.inicio, "Início do período, dd/mm/aaaa (padrão: dia 1 do mês)");
    gerar->add_option("--fim", g.fim, "Fim do período, dd/mm/aaaa, no mês do início (padrão: último dia)");
    gerar->add_option("--finalidade", g.finalidade, "0 remessa do arquivo original, 1 substituto (padrão: 0)");
    gerar->add_option("--entradas", g.entradas, "S/N: documentos de entrada (padrão: S)");
    gerar->add_option("--saidas", g.saidas, "S/N: documentos de saída (padrão: S)");
    gerar->add_option("--c170-saidas", g.c170Saidas, "S/N: itens (C170) das notas de saída (padrão: N)");
    gerar->add_option("--bloco-h", g.blocoH, "S/N: inventário (bloco H) (padrão: N)");
    gerar->add_option("--inventario", g.inventario, "Mês/ano do inventário, MM/AAAA (padrão: 12 do ano anterior)");
    gerar->add_option("--motivo", g.motivo, "Motivo do inventário, 01 a 05 (padrão: 01)");
    gerar->add_option("--bloco-k", g.blocoK, "N sem bloco K, S todo o bloco K, E só K200 e K280 (padrão: N)");
    gerar->add_option("--reg-0210", g.reg0210, "S/N: registro 0210 (padrão: S com --bloco-k S, senão N)");
    gerar->add_option("--tipos-fiscais", g.tiposFiscais,
                      "Tipos fiscais do inventário, ex.: 01,02,04 (padrão: a escolha salva, ou 01,02,03,04)");
    gerar->add_option("--dir", g.dir, "Pasta onde o arquivo é gravado (padrão: a da cópia salva, ou PASTA/SPED_EFD)");
    gerar->add_option("--unificar", g.unificar, "Arquivo EFD existente a unificar (ainda não disponível)");
    gerar->add_flag("--sim", g.sim, "Responde Sim às confirmações (fevereiro sem bloco H, mês não encerrado)");
    gerar->footer("Sem uma opção vale o que a janela salvou na cópia dos parâmetros (VASTEL_EFD.XML da\n"
                  "instalação); os padrões acima valem quando não há cópia salva.");

    std::filesystem::path pastaFiliais, pastaParametros;
    std::string definir;
    CLI::App* filiais = app.add_subcommand("filiais", "Lista as filiais");
    cli::TraduzirAjuda(*filiais);
    filiais->add_option("--pasta", pastaFiliais, "Pasta da instalação (padrão: a pasta do programa)");
    CLI::App* parametros = app.add_subcommand("parametros", "Lista ou grava os parâmetros SPED do ERP (PARAM)");
    cli::TraduzirAjuda(*parametros);
    parametros->add_option("--pasta", pastaParametros, "Pasta da instalação (padrão: a pasta do programa)");
    parametros->add_option("--definir", definir, "Grava CHAVE=VALOR no grupo SPED (chaves do editor da janela)");

    std::vector<std::string> arquivosValidar;
    CLI::App* validar = app.add_subcommand("validar", "Confere arquivos da EFD contra o leiaute oficial");
    cli::TraduzirAjuda(*validar);
    validar->add_option("arquivos", arquivosValidar, "Arquivos EFD ICMS/IPI")->required();
    validar->footer("Saída: 0 sem problemas, 1 com problemas, 2 arquivo ilegível.");

    for (CLI::App* comando : {gerar, filiais, parametros, validar}) comando->group("Comandos");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << cli::MensagemUsoIncorreto(e) << "\n\n" << app.help();
        return cli::kUsoIncorreto;
    }
    if (gerar->parsed()) return cli::Gerar(g);
    if (filiais->parsed()) return cli::ListarFiliais(pastaFiliais);
    if (validar->parsed()) return cli::Validar(arquivosValidar);
    return cli::Parametros(pastaParametros, definir);
}
