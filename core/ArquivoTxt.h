#pragma once
// O arquivo texto da EFD: nome, cópias de segurança e gravação das linhas da geração.
#include <filesystem>

#include "core/Parametros.h"
#include "util/Mensagens.h"

namespace core {

struct Geracao;

// DIR_GERACAO/SPED_EFD_[filial_]aaaa_mm.TXT, pelo período de DATA_INI.
std::filesystem::path NomeArquivoSped(const TParametros& params);

// Escreve as linhas desta geração em ordem, CR LF ao fim de cada uma, bytes como estão no banco.
// Um arquivo anterior de mesmo nome é copiado antes para backup/NOME.001 ... .099 (cheias, a mais
// antiga sai). A gravação vai para um temporário NOME.tmpPID na mesma pasta, que só substitui o
// arquivo final quando completo: uma falha nunca deixa um arquivo truncado com o nome final, e o
// temporário de um processo morto no meio é apagado pela geração seguinte do mesmo arquivo.
// Devolve o número de linhas.
int64_t GravarArquivoTxt(Geracao& g);

// Abre o arquivo do período e filial dos parâmetros no visualizador de texto do sistema, ou avisa
// que ele não existe.
void AbrirArquivoGerado(const TParametros& params, util::CaixaMensagem& mensagens);

}  // namespace core
