#pragma once
// Documentos de um período (notas de saída e de entrada, conhecimentos, movimentos de estoque): a
// condição da filial e a janela de datas, a contagem antes da leitura, o progresso e o laço. Uma
// tabela de colunas diz de uma vez o que vai no select e em que campo da estrutura cai cada valor.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/Parametros.h"
#include "db/Banco.h"
#include "util/DataHora.h"

namespace core {
struct Geracao;
}

namespace blocks {

// Uma coluna do select (a expressão como vai no SQL) e o campo que recebe o valor: texto, inteiro
// (nulo = 0), real (nulo = 0) ou data (nula = vazia).
template <class T>
struct ColunaDocumento {
    const char* expressao;
    std::variant<std::string T::*, int T::*, double T::*, util::DataHora T::*> campo;
};

// "a, b, c": as expressões das colunas, na ordem da tabela.
template <class T>
std::string ListaSelect(std::span<const ColunaDocumento<T>> colunas) {
    std::string lista;
    for (const ColunaDocumento<T>& c : colunas) lista.append(lista.empty() ? "" : ", ").append(c.expressao);
    return lista;
}

// Preenche 'destino' com a linha corrente, lida pela posição de cada coluna no select.
template <class T>
void LerColunas(const db::Consulta& q, std::span<const ColunaDocumento<T>> colunas, T& destino) {
    for (size_t i = 0; i < colunas.size(); ++i) {
        const db::Campo valor = q.NaPosicao(i);
        std::visit(
            [&](auto membro) {
                auto& campo = destino.*membro;
                using Tipo = std::remove_reference_t<decltype(campo)>;
                if constexpr (std::is_same_v<Tipo, std::string>)
                    campo = valor.Texto();
                else if constexpr (std::is_same_v<Tipo, int>)
                    campo = static_cast<int>(valor.Inteiro());
                else if constexpr (std::is_same_v<Tipo, double>)
                    campo = valor.Real();
                else
                    campo = valor.Data();
            },
            colunas[i].campo);
    }
}

// " FILIAL=1 and DATA>=:DATA_INI and DATA<=:DATA_FIM": a filial (ou as consolidadas) e o período.
std::string FiltroFilialPeriodo(const core::TParametros& params, std::string_view colunaFilial,
                                std::string_view colunaData);
// :DATA_INI no primeiro dia às 00:00:00 e :DATA_FIM no último às 23:59:59.
void ParametrosPeriodo(db::Consulta& q, const core::TParametros& params);

// O que escolher: "select <colunas> from <de> <juncoes> <filtro> order by <ordem>". A contagem usa
// só 'de' e o filtro, que leva :DATA_INI e :DATA_FIM.
struct SelecaoPeriodo {
    std::string_view de;        // "NOTASAI NS"
    std::string_view juncoes;   // junções que só trazem colunas ("left join FORNECEDOR TR on ...")
    std::string filtro;         // "where ..."
    std::string_view ordem;
    std::string legenda;        // texto do progresso, em Windows-1252
    const char* nomeTraco;      // nome do arquivo do rastreio de SQL
};

// Conta os documentos; sem nenhum devolve vazio. Com documentos, inicia a etapa do progresso com a
// quantidade e devolve a consulta pronta para ler.
std::optional<db::Consulta> AbrirDocumentosPeriodo(core::Geracao& g, const SelecaoPeriodo& s,
                                                   const std::string& listaSelect);

void IncrementarProgresso(core::Geracao& g);

// Lê os documentos escolhidos, em ordem, e entrega cada um a 'processar' (um T novo por linha),
// avançando o progresso.
template <class T, class Processar>
void PercorrerDocumentos(core::Geracao& g, const SelecaoPeriodo& s, std::span<const ColunaDocumento<T>> colunas,
                         Processar&& processar) {
    std::optional<db::Consulta> q = AbrirDocumentosPeriodo(g, s, ListaSelect(colunas));
    if (!q) return;
    while (q->Proximo()) {
        T documento{};
        LerColunas(*q, colunas, documento);
        processar(documento);
        IncrementarProgresso(g);
    }
}

}  // namespace blocks
