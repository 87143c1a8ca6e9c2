#pragma once
// Geração preparada para chamar as operações do bloco 0 diretamente, como os construtores dos
// documentos farão, e ler de volta as linhas gravadas em SPED_EFD.
#include <string>
#include <vector>

#include "blocks/bloco0/Historico0175.h"
#include "blocks/bloco0/UnidadesComerciais.h"
#include "tests/support/GeracaoTeste.h"
#include "util/Texto1252.h"

namespace teste {

class Bloco0Teste : public GeracaoTeste {
public:
    // O que a geração faz antes dos blocos: prepara a execução e lê as tabelas do período.
    void Iniciar() {
        core::PrepararGeracao(g);
        blocks::CarregarLogParticipantes(g);
        blocks::CarregarUnidadesComerciais(g);
    }
    void Periodo(int ano, int mes) {
        params.DATA_INI = util::DataHora::Data(ano, mes, 1);
        params.DATA_FIM = util::DataHora::Data(ano, mes, util::DiasNoMes(ano, mes));
    }
    // Linhas desta execução em ordem de ORDEM_SE; só as do registro 'reg' quando dado.
    std::vector<std::string> Linhas(const std::string& reg = "") {
        g.sped.ConfirmarGravacao();
        db::Consulta q(g.Leitura(),
                       "select COD_REG_SE, CONTEUDO_SE from SPED_EFD where CHAVE_SE = :CHAVE order by ORDEM_SE");
        q.Param("CHAVE", g.sped.ChaveGeracao());
        std::vector<std::string> linhas;
        while (q.Proximo())
            if (reg.empty() || q["COD_REG_SE"].Texto() == reg) linhas.push_back(q["CONTEUDO_SE"].Texto());
        return linhas;
    }
    // Mensagens da lista de erros em UTF-8, em ordem de registro e mensagem.
    std::vector<std::string> Mensagens() const {
        std::vector<std::string> m;
        for (const core::TErro& e : erros.Erros()) m.push_back(e.REG + " " + util::Cp1252ParaUtf8(e.MENS));
        return m;
    }
};

}  // namespace teste
