// efd-demo: cria a instalação de demonstração.
//   efd-demo criar --pasta DIR [--escala N] [--substituir]
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/TextosCli.h"
#include "erp/demo/InstalacaoDemo.h"
#include "util/Texto1252.h"

int main(int argc, char** argv) {
    CLI::App app{"Cria a instalação de demonstração do gerador da EFD ICMS/IPI.", "efd-demo"};
    cli::TraduzirAjuda(app);
    app.require_subcommand(1);
    demo::OpcoesDemo opcoes;
    CLI::App* criar =
        app.add_subcommand("criar", "Cria o banco do ERP, o banco de acesso, Parametros.Ini e Segredos.ini");
    cli::TraduzirAjuda(*criar);
    criar->add_option("--pasta", opcoes.pasta, "Pasta da instalação")->required();
    criar->add_option("--escala", opcoes.escala, "Multiplica o volume de documentos do mês (padrão 1)")
        ->check(CLI::Validator(
            [](const std::string& valor) {
                const bool positivo = !valor.empty() && valor.size() <= 6 &&
                                      valor.find_first_not_of("0123456789") == std::string::npos &&
                                      std::stoi(valor) > 0;
                return positivo ? std::string() : "use um número inteiro de 1 a 999999";
            },
            "N"));
    criar->add_flag("--substituir", opcoes.substituir, "Recria uma instalação que já exista na pasta");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << cli::MensagemUsoIncorreto(e) << "\nUse efd-demo --help para ver as opções.\n";
        return 64;
    }
    try {
        demo::CriarInstalacaoDemo(opcoes);
    } catch (const std::exception& e) {
        std::cerr << util::Cp1252ParaUtf8(e.what()) << "\n";
        return 1;
    }
    std::cout << "Instalação de demonstração criada em " << std::filesystem::absolute(opcoes.pasta).string()
              << " (documentos no mês anterior ao de hoje)\n";
    return 0;
}
