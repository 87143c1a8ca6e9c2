#include "util/Documentos.h"

#include <cstddef>

namespace util {

namespace {

int Digito(char c) { return c - '0'; }
char Caractere(int digito) { return static_cast<char>('0' + digito); }

// O primeiro verificador do CPF resto 10 vira 0, e o segundo leva a correção de 9 para compensar.
std::string CpfComVerificadores(std::string_view nove) {
    int soma1 = 0, soma2 = 0;
    for (int i = 1; i <= 9; ++i) {
        soma1 += i * Digito(nove[i - 1]);
        soma2 += (10 - i) * Digito(nove[i - 1]);
    }
    const int resto = soma1 % 11;
    const int dv1 = resto == 10 ? 0 : resto;
    const int correcao = resto == 10 ? 9 : 0;
    const int resto2 = (correcao + soma2) % 11;
    const int dv2 = resto2 == 10 ? 0 : resto2;
    return std::string(nove) + Caractere(dv1) + Caractere(dv2);
}

// Pesos 2 a 9, recomeçando em 2, do último dígito para o primeiro.
char VerificadorCnpj(std::string_view digitos) {
    int soma = 0, peso = 2;
    for (std::size_t i = digitos.size(); i-- > 0;) {
        soma += peso * Digito(digitos[i]);
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int dv = 11 - soma % 11;
    return Caractere(dv >= 10 ? 0 : dv);
}

std::string CnpjComVerificadores(std::string_view doze) {
    std::string r(doze);
    r += VerificadorCnpj(r);
    r += VerificadorCnpj(r);
    return r;
}

}  // namespace

std::string desFormataCGCCPF(std::string_view texto) {
    std::string r;
    for (char c : texto)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

std::string formataCGCCPF(std::string_view texto) {
    const std::string d = desFormataCGCCPF(texto);
    if (d.size() == 11)
        return d.substr(0, 3) + "." + d.substr(3, 3) + "." + d.substr(6, 3) + "-" + d.substr(9);
    if (d.size() == 14)
        return d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5, 3) + "/" + d.substr(8, 4) +
               "-" + d.substr(12);
    return d;
}

bool CgcCpfValido(std::string_view texto) {
    const std::string d = desFormataCGCCPF(texto);
    if (d.size() < 9) return false;
    if (d.size() <= 11) return d == CpfComVerificadores(std::string_view(d).substr(0, 9));
    return d == CnpjComVerificadores(std::string_view(d).substr(0, 12));
}

}  // namespace util
