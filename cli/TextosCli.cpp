#include "cli/TextosCli.h"

#include <memory>
#include <string_view>

namespace cli {

void TraduzirAjuda(CLI::App& app) {
    auto formato = std::make_shared<CLI::Formatter>();
    formato->label("OPTIONS", "OPÇÕES");
    formato->label("SUBCOMMAND", "COMANDO");
    formato->label("SUBCOMMANDS", "COMANDOS");
    formato->label("REQUIRED", "OBRIGATÓRIA");
    formato->label("Usage", "Uso");
    formato->label("TEXT", "TEXTO");
    formato->label("INT", "N");
    formato->label("Positionals", "Argumentos");
    formato->label("Options", "Opções");
    formato->label("Subcommands", "Comandos");
    formato->column_width(34);
    app.formatter(formato);
    app.option_defaults()->group("Opções");
    app.set_help_flag("-h,--help", "Mostra esta ajuda e sai");
}

namespace {

// O texto depois de 'marca', ou vazio.
std::string Depois(const std::string& texto, std::string_view marca) {
    const size_t i = texto.find(marca);
    return i == std::string::npos ? std::string() : texto.substr(i + marca.size());
}

// A primeira palavra que começa com "-" (o nome da opção nas mensagens do CLI11).
std::string Opcao(const std::string& texto) {
    size_t i = texto.find(" -");
    i = texto.rfind('-', 0) == 0 ? 0 : i == std::string::npos ? i : i + 1;
    if (i == std::string::npos) return {};
    const size_t fim = texto.find_first_of(" :,=", i);
    return texto.substr(i, fim == std::string::npos ? std::string::npos : fim - i);
}

}  // namespace

// O CLI11 só dá o texto em inglês; o tipo do erro diz o que houve e o texto dá a opção.
std::string MensagemUsoIncorreto(const CLI::ParseError& erro) {
    const std::string texto = erro.what();
    const std::string opcao = Opcao(texto);
    if (dynamic_cast<const CLI::RequiredError*>(&erro)) {
        if (texto.starts_with("A subcommand")) return "Falta o comando.";
        if (!opcao.empty()) return "Falta a opção " + opcao + ", que é obrigatória.";
        return "Falta uma opção obrigatória.";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&erro)) {
        const std::string extras = Depois(texto, "expected: ");
        return "Não reconheço " + (extras.empty() ? std::string("um dos argumentos") : extras) + ".";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&erro))
        return opcao.empty() ? "Falta o valor de uma opção." : "A opção " + opcao + " precisa de um valor.";
    if (dynamic_cast<const CLI::ConversionError*>(&erro)) {
        if (texto.find("flag") != std::string::npos || texto.find("true/false") != std::string::npos)
            return "A opção " + opcao + " não recebe valor.";
        const std::string valor = Depois(texto, " = ");
        return "Valor inválido" + (valor.empty() ? std::string() : " \"" + valor + "\"") +
               (opcao.empty() ? std::string() : " em " + opcao) + ".";
    }
    if (dynamic_cast<const CLI::ValidationError*>(&erro)) {
        const std::string motivo = Depois(texto, ": ");
        return (opcao.empty() ? std::string("Valor inválido") : opcao) + ": " + (motivo.empty() ? texto : motivo);
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&erro) || dynamic_cast<const CLI::RequiresError*>(&erro))
        return "Combinação de opções que não vale juntas (" + opcao + ").";
    return "Uso incorreto da linha de comando.";
}

}  // namespace cli
