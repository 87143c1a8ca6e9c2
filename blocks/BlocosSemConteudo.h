#pragma once
// Blocos que o sistema só abre e fecha (B: ISS do DF; G: CIAP) e a abertura C001 do bloco C.
namespace core {
struct Geracao;
}

namespace blocks {

void GerarBlocoB(core::Geracao& g);  // B001 e B990
void GerarBlocoG(core::Geracao& g);  // G001 e G990
void GerarC001(core::Geracao& g);    // IND_MOV pelas linhas do bloco C já gravadas

}  // namespace blocks
