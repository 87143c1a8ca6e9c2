#include "core/RegistroEFD.h"

#include <stdexcept>

namespace core {

// Maiúsculas e minúsculas ASCII são o mesmo nome (os nomes dos campos do leiaute são ASCII).
static bool MesmoNome(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x == y) continue;
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

static size_t Espalhar(std::string_view nome) {
    uint32_t h = 2166136261u;
    for (char c : nome) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

size_t TRegistroEFD::Procurar(std::string_view nome) const {
    if (campos_.size() > kIndexadas) {
        for (size_t p = 0; p < campos_.size(); ++p)
            if (MesmoNome(campos_[p].first, nome)) return p;
        return campos_.size();
    }
    for (size_t i = Espalhar(nome) % indice_.size();; i = (i + 1) % indice_.size()) {
        if (indice_[i] == 0) return campos_.size();
        if (MesmoNome(campos_[indice_[i] - 1].first, nome)) return indice_[i] - 1;
    }
}

void TRegistroEFD::Acrescentar(std::string_view nome, std::string valor) {
    // Só a primeira entrada de um nome é indexada: é a que SetCampo e GetCampo encontram.
    if (campos_.size() < kIndexadas && Procurar(nome) == campos_.size()) {
        size_t i = Espalhar(nome) % indice_.size();
        while (indice_[i] != 0) i = (i + 1) % indice_.size();
        indice_[i] = static_cast<uint8_t>(campos_.size() + 1);
    }
    campos_.emplace_back(std::string(nome), std::move(valor));
}

void TRegistroEFD::SetCampo(std::string_view nome, std::string valor) {
    const size_t p = Procurar(nome);
    if (p < campos_.size())
        campos_[p].second = std::move(valor);
    else
        Acrescentar(nome, std::move(valor));
}

void TRegistroEFD::SetCampoPorPosicao(int posicao, std::string valor) {
    if (posicao < 0) {
        Acrescentar("", std::move(valor));
        return;
    }
    if (static_cast<size_t>(posicao) >= campos_.size())
        throw std::out_of_range("posição " + std::to_string(posicao) + " fora do registro");
    campos_[posicao].second = std::move(valor);
}

const std::string& TRegistroEFD::GetCampo(std::string_view nome) const {
    static const std::string vazio;
    const size_t p = Procurar(nome);
    return p < campos_.size() ? campos_[p].second : vazio;
}

std::string_view AparadoEFD(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= 32) ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32) --b;
    return s.substr(a, b - a);
}

std::string TRegistroEFD::Linha() const {
    std::string linha = "|";
    for (const auto& campo : campos_) {
        linha += AparadoEFD(campo.second);
        linha += '|';
    }
    return linha;
}

}  // namespace core
