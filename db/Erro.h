#pragma once
// Erro único da camada de banco: "o que fazíamos: o que o Firebird disse".
#include <stdexcept>
#include <string>

namespace db {

class ErroBanco : public std::runtime_error {
public:
    ErroBanco(const std::string& contexto, const std::string& mensagemFirebird, long codigoGds = 0)
        : std::runtime_error(contexto.empty() ? mensagemFirebird : contexto + ": " + mensagemFirebird),
          mensagemFirebird_(mensagemFirebird),
          codigoGds_(codigoGds) {}

    // Texto formatado pelo próprio Firebird, sem o contexto.
    const std::string& MensagemFirebird() const { return mensagemFirebird_; }
    // Primeiro código de erro do vetor de status (isc_*), 0 quando o erro não veio do Firebird.
    long CodigoGds() const { return codigoGds_; }
    // Conflito de bloqueio ou deadlock (outra transação segura o recurso).
    bool ConflitoDeBloqueio() const;

private:
    std::string mensagemFirebird_;
    long codigoGds_;
};

}  // namespace db
