#pragma once
// Posições de produtos acabados do inventário (H010) e do estoque escriturado (K200): movimentos
// por grade (PROD_ESTOQUE_MOV) e estoque de produção dos itens de estoque (EST_PRODUTO_ENTSAI),
// acumulados em cdsInventProd e valorados pela tabela de preços do mês do inventário.
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "blocks/blocoH/FiltrosEstoque.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

struct TPosicaoProduto {
    std::string CLIFORREP_TERC;
    int COD_TERC = 0;
    double ESTOQUE = 0;
    double CUSTO = 0;     // própria: preço unitário; de terceiros: valor total acumulado
    double CUSTO_IR = 0;  // própria: preço unitário para o imposto de renda
    std::string UN, DESC, COD_CONTABIL;
};
// PROD, PADRON, TAM, IND_PROP, COD_PARTICIPANTE (padronização e tamanho "*" ficam vazios).
using ChaveProduto = std::tuple<std::string, std::string, std::string, std::string, std::string>;

// Um movimento de produto a somar numa posição.
struct TMovimentoProduto {
    std::string proprietario = "0";
    std::string direcao = "E";  // "E" soma, "S" subtrai
    std::string produto{}, padronizacao{}, tamanho{};
    std::string descricao{}, unidade{}, conta{};
    double preco = 0, precoIR = 0;  // das posições de terceiros
    double quantidade = 0;
    std::string participante{}, tipoTerceiro{};
    int codTerceiro = 0;
};

struct TInventarioProdutos {
    std::map<ChaveProduto, TPosicaoProduto> cdsInventProd;
    // cdsPrecoTabInvTam: PROD_TP, PADRON_TP, TAMANHO_TP → PRECO_TP, PRECO_IR_TP.
    std::map<std::tuple<std::string, std::string, std::string>, std::pair<double, double>> cdsPrecoTabInvTam;
};

// Código da tabela de preços dos produtos do mês do inventário: INV122023.
std::string TabelaPrecosProdutos(const util::DataHora& dataInventario);

// Soma o movimento na sua posição; a própria recebe o preço da tabela do mês.
void AcumularProdutoInventario(TInventarioProdutos& inv, const TMovimentoProduto& m);

// O estoque de produção até :DATA_ESTOQUE (quem abre informa, às 23:59:59 de 'data'): uma linha
// por item de estoque (e filial, quando há uma só).
SqlMontado ConsultaEstoqueProducao(const core::TParametros& params, const TTiposFiscaisEstoque& tipos,
                                   const util::DataHora& data);

// Acumula, valora e grava uma linha por posição. Nada sem o tipo fiscal de produto acabado.
void AcumularEstoqueProdutos(core::Geracao& g, const std::string& registro, const util::DataHora& data,
                             const TTiposFiscaisEstoque& tipos);

}  // namespace blocks
