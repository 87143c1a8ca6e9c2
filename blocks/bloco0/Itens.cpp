// 0190 (unidades da TABELA 07) e 0200 (itens guardados em cdsReg0200 durante a geração e gravados
// no fim, em ordem de código).
#include "blocks/bloco0/Itens.h"

#include "core/Formatacao.h"
#include "core/Geracao.h"
#include "core/LimpezaTexto.h"
#include "util/Texto.h"
#include "util/Texto1252.h"

namespace blocks {

using util::DataHora;

namespace {

// Chave de uma entrada de documento: entradas iguais dão sempre a mesma resposta na geração.
std::string ChaveEntrada(const std::string& codigo, const TItemDocumento& i) {
    const char s = '\x1f';
    return codigo + s + i.produto + s + std::to_string(i.idItemEstoque) + s + i.descricao + s + i.tamanho + s +
           i.cor + s + std::to_string(i.mprima) + s + i.padronizacao;
}

// Conferências feitas só no primeiro uso do código.
void ConferirItemNovo(core::Geracao& g, const TItemDocumento& doc, const std::string& codigo,
                      const TItem0200& item) {
    const bool transporte = codigo == kTransporteTomado;
    const bool produto = !doc.produto.empty();
    const std::string mprima = std::to_string(doc.mprima);
    if (!item.COD_GEN.empty() && item.COD_GEN.size() != 2 && !transporte)
        g.AdicionarErro("0200", "Código do genero \"{}\" informado para {} \"{}\" deve ter 2 dígitos.", item.COD_GEN,
                        produto ? "produto" : "m.prima", produto ? doc.produto : mprima);
    if (item.COD_NCM.empty() && !transporte)
        g.AdicionarErro("0200", "Item com código \"{}\" com NCM em branco.", codigo);
    if (item.TIPO_ITEM.empty())
        g.AdicionarErro("0200", "Tipo Fiscal não informado para {} \"{}\" .", produto && !transporte ? "produto" : "m.prima",
                        produto && !transporte ? doc.produto : mprima);
}

}  // namespace

void GerarRegistro0190(core::Geracao& g, const std::string& unidade) {
    if (unidade.empty()) return;
    const std::string* descricao = core::Localizar(g.caches->cdsTabUN, unidade);
    if (!descricao)
        g.AdicionarErro("0190", "Unidade de medida \"{}\" não cadastrada na tabela 07.", unidade);
    core::TRegistroEFD r;
    r.SetCampo("REG", "0190");
    r.SetCampo("UNID", unidade);
    r.SetCampo("DESCR", descricao ? std::string(core::AparadoEFD(*descricao)) : std::string());
    g.GravarRegistro(r);
}

bool ArmazenarItem0200(core::Geracao& g, const TDadosItem& dados, int filial) {
    TabelasBloco0& t = g.estado.bloco0;
    const auto [it, novo] = t.cdsReg0200.try_emplace(dados.codigo, dados.item);
    if (!novo) return false;
    TItem0200& item = it->second;
    item.ID = ++t.contadorItens;
    item.COD_ITEM = dados.codigo;
    if (g.params.DATA_INI >= DataHora::Data(2019, 11, 1)) item.DESCR_ITEM = util::TextoXML(item.DESCR_ITEM);
    item.COD_BARRA.clear();
    item.COD_ANT_ITEM.clear();
    item.FILIAL = filial;
    return true;
}

TItemResolvido ResolverCodigoItem(core::Geracao& g, const TItemDocumento& doc) {
    std::string codigo = core::SemQuebrasDeLinha(doc.codigo);
    if (codigo.empty() && doc.mprima > 0) codigo = std::to_string(doc.mprima);
    // Um mês cita o mesmo item milhares de vezes: a resposta da primeira vez vale para as seguintes.
    const std::string chave = ChaveEntrada(codigo, doc);
    if (const TItemResolvido* r = core::Localizar(g.estado.bloco0.itensResolvidos, chave)) return *r;

    const TDadosItem dados = DadosItem(g, doc, codigo);
    const TItemResolvido resposta{dados.codigo, dados.conta};
    if (!dados.codigo.starts_with("ERRO")) {
        GerarRegistro0190(g, dados.item.UNID_INV);
        // Os filhos 0205, 0210 e 0220 ainda não são gerados: o 0220 entraria aqui para todo item, o
        // 0205 e a ficha técnica só para o item novo.
        if (ArmazenarItem0200(g, dados, doc.filial ? doc.filial : g.params.FILIAL))
            ConferirItemNovo(g, doc, dados.codigo, dados.item);
    }
    g.estado.bloco0.itensResolvidos.emplace(chave, resposta);
    return resposta;
}

void GravarCdsReg0200_E_Filhos(core::Geracao& g) {
    const auto& itens = g.estado.bloco0.cdsReg0200;
    g.progresso.IniciarEtapa("Gravando reg 0200 ...", static_cast<int>(itens.size()));
    const bool comCest = g.params.DATA_INI >= DataHora::Data(2017, 1, 1);
    core::TRegistroEFD r;
    for (const auto& [codigo, item] : itens) {
        r.Clear();
        r.SetCampo("REG", "0200");
        r.SetCampo("COD_ITEM", item.COD_ITEM);
        r.SetCampo("DESCR_ITEM", core::TrocarBarraVertical(item.DESCR_ITEM));
        r.SetCampo("COD_BARRA", item.COD_BARRA);
        r.SetCampo("COD_ANT_ITEM", item.COD_ANT_ITEM);
        r.SetCampo("UNID_INV", item.UNID_INV);
        r.SetCampo("TIPO_ITEM", item.TIPO_ITEM);
        r.SetCampo("COD_NCM", item.COD_NCM);
        r.SetCampo("EX_IPI", item.EX_IPI);
        r.SetCampo("COD_GEN", item.COD_GEN);
        r.SetCampo("COD_LST", item.COD_LST);
        r.SetCampo("ALIQ_ICMS", core::FormatarValor(item.ALIQ_ICMS, 2));
        if (comCest) r.SetCampo("CEST", item.CEST);
        g.GravarRegistro(r);
        g.progresso.Incrementar(1);
    }
}

}  // namespace blocks
