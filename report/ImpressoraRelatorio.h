#pragma once
// A impressora de relatórios em passo fixo (páginas de 66 linhas por 136 colunas), vista por quem
// imprime. A janela tem a sua, com pré-visualização; ImpressoraPaginas entrega as páginas prontas
// a quem as grava em texto ou PDF.
#include <string_view>

namespace report {

class ImpressoraRelatorio {
public:
    virtual ~ImpressoraRelatorio() = default;

    // Começa um relatório novo na página 1.
    virtual void Abrir() = 0;
    // Diálogo de configuração da impressora; false quando o usuário cancela.
    virtual bool ConfigurarImpressora() = 0;
    // Termina a página atual e começa a seguinte.
    virtual void NovaPagina() = 0;
    // A página atual, de 1 em diante.
    virtual int NumeroPagina() const = 0;
    // Texto em Windows-1252 a partir da linha e da coluna (contadas de 1) da página atual.
    virtual void Imprimir(int linha, int coluna, std::string_view texto) = 0;
    // Termina o relatório e o entrega (pré-visualização, arquivo). Falha lança exceção; quem
    // chamou abandona o relatório.
    virtual void Fechar() = 0;
    // Descarta o relatório sem entregar nada. Vale em qualquer ponto, inclusive sem Abrir.
    virtual void Abandonar() = 0;
};

}  // namespace report
