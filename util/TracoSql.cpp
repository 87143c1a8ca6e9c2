#include "util/TracoSql.h"

#include <fstream>
#include <set>
#include <system_error>

#include "util/Executavel.h"
#include "util/PodaJuncoes.h"

namespace util {

namespace {

bool GarantirPasta(const std::filesystem::path& pasta) {
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    return std::filesystem::is_directory(pasta, erro);
}

void Gravar(const std::filesystem::path& arquivo, const std::string& texto) {
    std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
    saida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
}

std::string ComParametros(std::string sql, const ParametrosSql& parametros) {
    if (parametros.empty()) return sql;
    if (!sql.ends_with('\n')) sql += "\r\n";
    sql += "\r\n\r\n--Parametros usados na consulta: \r\n";
    // Parâmetro repetido na consulta aparece uma vez só.
    std::set<std::string> escritas;
    for (const auto& [nome, valor] : parametros) {
        const std::string linha = "--" + nome + ": " + valor;
        if (escritas.insert(linha).second) sql += linha + "\r\n";
    }
    return sql;
}

}  // namespace

std::filesystem::path PastaTracoSql() { return std::filesystem::path(PastaExecutavel()) / "SQL"; }

void SalvarSql(const std::string& nome, const std::string& sql,
               const std::filesystem::path& pasta) {
    if (GarantirPasta(pasta)) Gravar(pasta / (nome + ".sql"), sql);
}

std::string TracarEOtimizarSql(const std::string& sql, const ParametrosSql& parametros,
                               const std::string& nome, const std::filesystem::path& pasta) {
    if (!GarantirPasta(pasta)) return sql;
    Gravar(pasta / (nome + ".sql"), sql);
    const std::string otimizado = PodarJuncoesSemUso(QuebrarLinhasNasJuncoes(sql));
    Gravar(pasta / (nome + "_Otimizado.sql"), ComParametros(otimizado, parametros));
    return otimizado;
}

}  // namespace util
