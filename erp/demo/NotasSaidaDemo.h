#pragma once
// Notas fiscais de saída da demonstração: um mês de vendas da indústria de demonstração.
#include <string>

#include "db/Banco.h"
#include "util/DataHora.h"

namespace demo {

// Notas emitidas por escala: 'escala' = 100 dá cerca de 100.000 notas.
inline constexpr int kNotasPorEscala = 1000;
inline constexpr int kItensPorNota = 5;

// Grava em NOTASAI, ITENSNS e ITENSNS_ICMS_DIFAL as notas da filial 1 no mês de 'mes' (qualquer
// dia dele): vendas dentro e fora do estado, venda a consumidor final de outra UF (DIFAL), nota
// cancelada, nota denegada, nota modelo 01 com transportadora, NFC-e, exportação e devoluções de
// compra. O conteúdo depende só do mês e da escala. Uma transação, com inserts preparados.
void CriarNotasSaidaDemo(db::Banco& erp, const util::DataHora& mes, int escala);

// Chave de acesso de 44 algarismos com o dígito verificador (módulo 11); 'uf' é o código IBGE.
std::string ChaveAcessoDemo(const char* uf, const util::DataHora& emissao, const std::string& cnpj,
                            const char* modelo, int serie, int numero);

// O produto de um item de uma nota de venda da demonstração (as devoluções o trazem de volta).
struct ItemVendido {
    const char *produto, *un;
    double qtde, preco, aliqIcms;
};
ItemVendido ItemVendidoDemo(int numero, int item);

}  // namespace demo
