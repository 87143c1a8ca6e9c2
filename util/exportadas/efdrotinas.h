/* Rotinas de CPF/CNPJ exportadas pela libefdrotinas.so para outros programas, com ligação C.
 *
 * Textos: bytes simples (Windows-1252) terminados em zero. Um ponteiro nulo vale texto vazio.
 * Nenhuma rotina guarda estado nem aloca memória que o chamador precise liberar.
 *
 * Resultados de texto (desFormataCGCCPF, formataCGCCPF) vão para um buffer do chamador, como no
 * snprintf: grava no máximo tamanho - 1 bytes mais o zero final (nada quando tamanho é 0) e
 * devolve o comprimento do resultado completo, sem o zero. Resultado >= tamanho quer dizer que
 * saiu cortado; chamar com saida nulo e tamanho 0 informa o tamanho necessário. O resultado
 * nunca passa de strlen(texto) + 4 bytes.
 */
#ifndef EFDROTINAS_H
#define EFDROTINAS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Reescreve o buffer no lugar, ficando só com os dígitos "0" a "9" na ordem; devolve o próprio
 * buffer. */
char* des(char* texto);

/* Os dígitos do texto, na ordem. */
size_t desFormataCGCCPF(const char* texto, char* saida, size_t tamanho);

/* Os dígitos com a máscara de CPF (11 dígitos: 999.999.999-99) ou de CNPJ (14 dígitos:
 * 99.999.999/9999-99); outra quantidade sai só com os dígitos. */
size_t formataCGCCPF(const char* texto, char* saida, size_t tamanho);

/* 1 quando os dígitos do texto formam um CPF ou CNPJ com os verificadores certos; senão 0. */
int CgcCpfValido(const char* texto);

#ifdef __cplusplus
}
#endif

#endif
