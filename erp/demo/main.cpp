// efd-demo: cria a instalação de demonstração.
//   efd-demo criar --pasta DIR [--escala N] [--substituir]
#include <CLI/CLI.hpp>

#include <iostream>

#include "erp/demo/InstalacaoDemo.h"
#include "util/Texto1252.h"

int main(int argc, char** argv) {
    CLI::App app{"Cria a instalação de demonstração do gerador da EFD ICMS/IPI."};
    app.require_subcommand(1);
    demo::OpcoesDemo opcoes;
    CLI::App* criar = app.add_subcommand("criar", "Cria o banco do ERP, o banco de acesso, Parametros.Ini e Segredos.ini");
    criar->add_option("--pasta", opcoes.pasta, "Pasta da instalação")->required();
    criar->add_option("--escala", opcoes.escala, "Multiplica o volume de documentos do mês (padrão 1)")
        ->check(CLI::PositiveNumber);
    criar->add_flag("--substituir", opcoes.substituir, "Recria uma instalação que já exista na pasta");
    CLI11_PARSE(app, argc, argv);
    try {
        demo::CriarInstalacaoDemo(opcoes);
    } catch (const std::exception& e) {
        std::cerr << util::Cp1252ParaUtf8(e.what()) << "\n";
        return 1;
    }
    std::cout << "Instalação de demonstração criada em " << std::filesystem::absolute(opcoes.pasta).string() << "\n";
    return 0;
}
