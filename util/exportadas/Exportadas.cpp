// Casca C das rotinas de util/Documentos.h para a libefdrotinas.so.
#include <cstring>
#include <string>
#include <string_view>

#include "util/Documentos.h"
#include "util/exportadas/efdrotinas.h"

namespace {

std::string_view Texto(const char* texto) { return texto ? std::string_view(texto) : ""; }

size_t CopiarResultado(const std::string& resultado, char* saida, size_t tamanho) {
    if (saida && tamanho > 0) {
        const size_t n = resultado.size() < tamanho ? resultado.size() : tamanho - 1;
        std::memcpy(saida, resultado.data(), n);
        saida[n] = '\0';
    }
    return resultado.size();
}

}  // namespace

extern "C" {

char* des(char* texto) {
    if (!texto) return texto;
    const std::string digitos = util::desFormataCGCCPF(texto);
    std::memcpy(texto, digitos.c_str(), digitos.size() + 1);
    return texto;
}

size_t desFormataCGCCPF(const char* texto, char* saida, size_t tamanho) {
    return CopiarResultado(util::desFormataCGCCPF(Texto(texto)), saida, tamanho);
}

size_t formataCGCCPF(const char* texto, char* saida, size_t tamanho) {
    return CopiarResultado(util::formataCGCCPF(Texto(texto)), saida, tamanho);
}

int CgcCpfValido(const char* texto) { return util::CgcCpfValido(Texto(texto)) ? 1 : 0; }

}  // extern "C"
