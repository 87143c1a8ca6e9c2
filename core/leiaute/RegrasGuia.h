#pragma once
// As regras entre campos que o validador da Receita aplica além do leiaute (Guia Prático da EFD
// ICMS/IPI): dígitos de CNPJ, CPF e chaves; documentos e os seus analíticos; apuração do ICMS;
// inventário; presença de registros e blocos; cadastros sem uso.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "core/leiaute/VerificadorInterno.h"

namespace leiaute::interno {

class Regras {
public:
    explicit Regras(Verificador::Estado& e);
    ~Regras();

    // Uma linha de nível conhecido começa: fecha os documentos e grupos que ela encerra.
    void AbrirNivel(int nivel, std::string_view reg, int64_t linha);
    // Uma linha não pôde ser lida (delimitadores, quantidade de campos): somas que a incluiriam
    // não são comparadas.
    void Quebrada();
    // Uma linha com a quantidade certa de campos.
    void Linha(std::string_view reg, int64_t linha, const Campos& p, const Especie& especie);
    // Fim do arquivo: regras do arquivo inteiro.
    void Fim();

    int codVer = 0;

private:
    struct Documento;
    struct Grupo;
    struct Aberto {
        int nivel;
        std::unique_ptr<Documento> doc;
        std::unique_ptr<Grupo> grupo;
    };

    void Problema(std::string_view tipo, int64_t linha, std::string_view reg,
                  std::string_view campo, std::string_view valor, std::string regra,
                  std::string documento = {});
    bool Depois(int ano, int mes = 1, int dia = 1) const;
    std::pair<int, std::string> Datado(std::string_view origem);
    void Fechar(Aberto& a);
    void Identificacoes(const Especie& e, int64_t i, std::string_view reg, const Campos& p);
    void ChaveConfere(int64_t i, std::string_view reg, std::string_view chave, std::string_view mod,
                      std::string_view ser, std::string_view num, std::string_view emit,
                      std::string_view nome, const std::string& rotulo);

    void R0000(int64_t i, const Campos& p);
    void R0150(int64_t i, const Campos& p);
    void R0200(const Campos& p);
    void R0220(int64_t i, const Campos& p);
    void RDocumento(int64_t i, const Campos& p, std::string_view reg);
    void FecharDocumento(Documento& d);
    void RItem(int64_t i, const Campos& p);
    void RAnalitico(int64_t i, const Campos& p, std::string_view reg);
    void Apuracao(std::string_view reg, std::string_view origem, std::string_view cfop,
                  int64_t icms);
    void RAjuste(const Campos& p, std::string_view reg);
    void RDifal(int64_t i, const Campos& p);
    void RGrupo(int64_t i, const Campos& p, std::string_view reg);
    void RFilhoE110(const Campos& p, std::string_view reg);
    void FecharE110(Grupo& g);
    void RH005(int64_t i, const Campos& p);
    void RH010(int64_t i, const Campos& p);
    void FecharH005(Grupo& g);
    void CfopDirecao(int64_t i, std::string_view reg, std::string_view cfop, const Documento& d);
    void ValoresCst(int64_t i, std::string_view reg, const Campos& p, const Especie& e,
                    const Documento& d);
    Grupo* Topo(std::string_view reg);

    Verificador::Estado& e_;
    std::vector<Aberto> abertos_;
    Documento* doc_ = nullptr;
    Grupo* h005_ = nullptr;

    int dtIni_ = 0, dtFin_ = 0;
    std::string uf_, cnpj_, indAtiv_;
    std::string item0200_;
    struct Item {
        std::string unidInv, tipo;
        std::set<std::string> conversoes;
    };
    MapaTexto<Item> itens_;
    MapaTexto<std::string> ufParticipante_;
    MapaTexto<std::optional<std::pair<int, std::string>>>
        origens_;  // data e COD_SIT do documento aberto
    bool semData_ = false;
    std::map<int, int64_t> debitos_, creditos_, ajDebitos_, ajCreditos_, deducoes_;
    int64_t creditosExt_ = 0, ajCreditosExt_ = 0, deducoesExt_ = 0;
    std::vector<std::pair<int, int>> e100_;
    int64_t stTotal_ = 0;
    bool stAjuste_ = false;
    int64_t linhaSt_ = 0;
    std::map<std::string, int64_t> difalUfs_;  // UF → linha ("" UF desconhecida)
    std::set<std::string> e300Ufs_;
    int64_t quebradas_ = 0;
    MapaTexto<int64_t> primeiraLinha_;
    std::map<std::string, int64_t> paiAberto_;  // E100/E200/E300/E500 → linha do aberto
    std::map<int64_t, std::string> semFilho_;   // linha → registro, até vir o filho
};

}  // namespace leiaute::interno
