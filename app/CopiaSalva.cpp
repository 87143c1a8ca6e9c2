#include "app/CopiaSalva.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <pugixml.hpp>
#include <system_error>

#include "util/Texto1252.h"

namespace app {

namespace {

constexpr const char* kRaiz = "cdsParams";

template <class... F>
struct Visitante : F... {
    using F::operator()...;
};

std::string DataComoTexto(const util::DataHora& d) {
    if (d.Vazia()) return {};
    char b[40];
    std::snprintf(b, sizeof b, "%04d-%02d-%02dT%02d:%02d:%02d.%04d", d.ano, d.mes, d.dia, d.hora, d.minuto,
                  d.segundo, d.decimilesimos);
    return b;
}

std::optional<util::DataHora> DataDeTexto(const std::string& t) {
    if (t.empty()) return util::DataHora{};
    util::DataHora d;
    char sobra = 0;
    const int lidos = std::sscanf(t.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%4d%c", &d.ano, &d.mes, &d.dia, &d.hora,
                                  &d.minuto, &d.segundo, &d.decimilesimos, &sobra);
    if (lidos != 7 || d.ano < 1 || d.mes < 1 || d.mes > 12 || d.dia < 1 || d.dia > util::DiasNoMes(d.ano, d.mes))
        return std::nullopt;
    return d;
}

std::optional<int> InteiroDeTexto(const std::string& t) {
    int n = 0;
    const auto [fim, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (ec != std::errc() || fim != t.data() + t.size()) return std::nullopt;
    return n;
}

const char* NomeTipo(const core::MembroParametro& m) {
    return std::visit(Visitante{[](int core::TParametros::*) { return "inteiro"; },
                                [](bool core::TParametros::*) { return "logico"; },
                                [](std::string core::TParametros::*) { return "texto"; },
                                [](util::DataHora core::TParametros::*) { return "data"; }},
                      m);
}

std::string ValorComoTexto(const core::TParametros& p, const core::MembroParametro& m) {
    return std::visit(Visitante{[&](int core::TParametros::*c) { return std::to_string(p.*c); },
                                [&](bool core::TParametros::*c) { return std::string(p.*c ? "true" : "false"); },
                                [&](std::string core::TParametros::*c) { return util::Cp1252ParaUtf8(p.*c); },
                                [&](util::DataHora core::TParametros::*c) { return DataComoTexto(p.*c); }},
                      m);
}

// Põe o texto no campo; false quando o texto não é um valor do tipo do campo.
bool DefinirDeTexto(core::TParametros& p, const core::CampoParametro& campo, const std::string& t) {
    return std::visit(Visitante{[&](int core::TParametros::*c) {
                                    const auto n = InteiroDeTexto(t);
                                    if (n) p.*c = *n;
                                    return n.has_value();
                                },
                                [&](bool core::TParametros::*c) {
                                    if (t != "true" && t != "false") return false;
                                    p.*c = t == "true";
                                    return true;
                                },
                                [&](std::string core::TParametros::*c) {
                                    p.*c = util::Utf8Para1252(t).substr(0, campo.tamanho);
                                    return true;
                                },
                                [&](util::DataHora core::TParametros::*c) {
                                    const auto d = DataDeTexto(t);
                                    if (d) p.*c = *d;
                                    return d.has_value();
                                }},
                      campo.membro);
}

[[noreturn]] void Ilegivel(const std::filesystem::path& arquivo, const std::string& motivo) {
    throw ErroCopiaSalva(util::W("A cópia salva dos parâmetros ") + arquivo.string() + util::W(" não pôde ser lida (") +
                         motivo + util::W("). Os parâmetros começam com os valores padrão; confira a filial, o "
                                          "período e as opções antes de gerar. Ao sair, a janela grava uma cópia nova."));
}

}  // namespace

bool CarregarCopiaSalva(const std::filesystem::path& arquivo, core::TParametros& params) {
    std::error_code ec;
    if (!std::filesystem::exists(arquivo, ec)) return false;
    pugi::xml_document doc;
    const pugi::xml_parse_result r = doc.load_file(arquivo.c_str(), pugi::parse_default, pugi::encoding_utf8);
    if (!r) Ilegivel(arquivo, std::string("XML: ") + r.description() + util::W(" na posição ") + std::to_string(r.offset));
    const pugi::xml_node raiz = doc.child(kRaiz);
    if (!raiz) Ilegivel(arquivo, util::W("falta o elemento ") + kRaiz);

    core::TParametros lidos = params;
    for (const pugi::xml_node no : raiz.children()) {
        const core::CampoParametro* campo = core::LocalizarCampoParametro(no.name());
        if (!campo || campo->nome == "FORMA_AGRUP_ITENS") continue;
        if (!DefinirDeTexto(lidos, *campo, no.text().get()))
            Ilegivel(arquivo, util::W("o campo ") + no.name() + util::W(" tem o valor \"") +
                                  util::Utf8Para1252(no.text().get()) + util::W("\", que não é do tipo ") +
                                  NomeTipo(campo->membro));
    }
    params = std::move(lidos);
    return true;
}

void GravarCopiaSalva(const std::filesystem::path& arquivo, const core::TParametros& params) {
    pugi::xml_document doc;
    pugi::xml_node declaracao = doc.append_child(pugi::node_declaration);
    declaracao.append_attribute("version") = "1.0";
    declaracao.append_attribute("encoding") = "UTF-8";
    pugi::xml_node raiz = doc.append_child(kRaiz);
    for (const core::CampoParametro& campo : core::CamposParametros()) {
        pugi::xml_node no = raiz.append_child(std::string(campo.nome).c_str());
        no.append_attribute("tipo") = NomeTipo(campo.membro);
        no.text() = ValorComoTexto(params, campo.membro).c_str();
    }
    std::filesystem::path temporario = arquivo;
    temporario += ".tmp";
    std::error_code ec;
    bool gravada = doc.save_file(temporario.c_str(), "  ", pugi::format_default, pugi::encoding_utf8);
    if (gravada) {
        std::filesystem::rename(temporario, arquivo, ec);
        gravada = !ec;
    }
    if (!gravada) {
        std::filesystem::remove(temporario, ec);
        throw ErroCopiaSalva(util::W("Não foi possível gravar a cópia dos parâmetros em ") + arquivo.string() +
                             util::W(": confira se há permissão de escrita na pasta do programa."));
    }
}

}  // namespace app
