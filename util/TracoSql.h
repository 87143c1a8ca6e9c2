#pragma once
// Rastreio de consultas: o texto de cada consulta rastreada vai para arquivos na pasta "SQL" ao
// lado do executável, para se ver depois o que de fato rodou. Gravar o rastreio nunca falha para
// quem chama: erros de disco são ignorados.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace util {

// Nome e valor (em texto) de cada parâmetro da consulta, na ordem da consulta.
using ParametrosSql = std::vector<std::pair<std::string, std::string>>;

// A pasta "SQL" ao lado do executável.
std::filesystem::path PastaTracoSql();

// Grava o SQL em <pasta>/<nome>.sql, substituindo o anterior; cria a pasta se faltar.
void SalvarSql(const std::string& nome, const std::string& sql,
               const std::filesystem::path& pasta = PastaTracoSql());

// Grava <nome>.sql com o SQL original, deixa cada junção numa linha, poda as junções sem uso
// (util/PodaJuncoes.h) e grava <nome>_Otimizado.sql com o resultado seguido dos parâmetros.
// Devolve o SQL que deve rodar: o podado, ou o original quando não dá para criar a pasta.
std::string TracarEOtimizarSql(const std::string& sql, const ParametrosSql& parametros,
                               const std::string& nome,
                               const std::filesystem::path& pasta = PastaTracoSql());

}  // namespace util
