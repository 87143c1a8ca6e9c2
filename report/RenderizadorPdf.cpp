#include "report/RenderizadorPdf.h"

#include <fmt/format.h>
#include <hpdf.h>

#include <memory>
#include <stdexcept>
#include <string_view>

#include "util/Texto1252.h"

namespace report {

namespace {

constexpr HPDF_REAL kTamanhoFonte = 7;  // Courier: 0,6 do tamanho por caractere = 4,2 pt
constexpr HPDF_REAL kEntrelinha = 12;   // 6 linhas por polegada
constexpr HPDF_REAL kAlturaTexto = kLinhasPagina * kEntrelinha;
constexpr HPDF_REAL kLarguraTexto = kColunasPagina * kTamanhoFonte * 0.6f;
constexpr HPDF_REAL kDescendente = 3;  // da base da letra ao pé da linha

struct LiberarPdf {
    void operator()(HPDF_Doc pdf) const { HPDF_Free(pdf); }
};

// A libharu sem tratador de erro só guarda o código e segue; ele é conferido ao fim de cada etapa.
void Conferir(HPDF_Doc pdf, std::string_view etapa) {
    const HPDF_STATUS erro = HPDF_GetError(pdf);
    if (erro != HPDF_OK)
        throw std::runtime_error(fmt::format(
            "{} ({}): erro 0x{:04X}", util::W("Falha ao montar o PDF do relatório"), etapa, erro));
}

void DesenharPagina(HPDF_Doc pdf, HPDF_Font fonte, const Pagina& pagina) {
    HPDF_Page folha = HPDF_AddPage(pdf);
    HPDF_Page_SetSize(folha, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
    const HPDF_REAL esquerda = (HPDF_Page_GetWidth(folha) - kLarguraTexto) / 2;
    const HPDF_REAL topo =
        HPDF_Page_GetHeight(folha) - (HPDF_Page_GetHeight(folha) - kAlturaTexto) / 2;
    HPDF_Page_BeginText(folha);
    HPDF_Page_SetFontAndSize(folha, fonte, kTamanhoFonte);
    for (int linha = 1; linha <= pagina.UltimaLinhaUsada(); ++linha) {
        const std::string texto = pagina.Linha(linha).substr(0, kColunasPagina);
        if (texto.empty()) continue;
        HPDF_Page_TextOut(folha, esquerda, topo - linha * kEntrelinha + kDescendente,
                          texto.c_str());
    }
    HPDF_Page_EndText(folha);
}

}  // namespace

std::string PaginasEmPdf(const std::vector<Pagina>& paginas) {
    std::unique_ptr<HPDF_Doc_Rec, LiberarPdf> pdf(HPDF_New(nullptr, nullptr));
    if (!pdf) throw std::runtime_error(util::W("Sem memória para montar o PDF do relatório"));
    HPDF_Font fonte = HPDF_GetFont(pdf.get(), "Courier", "WinAnsiEncoding");
    Conferir(pdf.get(), "fonte");
    for (const Pagina& pagina : paginas) DesenharPagina(pdf.get(), fonte, pagina);
    Conferir(pdf.get(), util::W("páginas"));

    HPDF_SaveToStream(pdf.get());
    std::string conteudo(HPDF_GetStreamSize(pdf.get()), '\0');
    HPDF_UINT32 tamanho = static_cast<HPDF_UINT32>(conteudo.size());
    HPDF_ReadFromStream(pdf.get(), reinterpret_cast<HPDF_BYTE*>(conteudo.data()), &tamanho);
    // Ler o fluxo até o fim dá HPDF_STREAM_EOF, que não é falha.
    if (HPDF_GetError(pdf.get()) == HPDF_STREAM_EOF) HPDF_ResetError(pdf.get());
    Conferir(pdf.get(), util::W("gravação"));
    conteudo.resize(tamanho);
    return conteudo;
}

}  // namespace report
