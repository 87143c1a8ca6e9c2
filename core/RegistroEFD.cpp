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

void TRegistroEFD::SetCampo(std::string_view nome, std::string valor) {
    for (auto& [n, v] : campos_)
        if (MesmoNome(n, nome)) {
            v = std::move(valor);
            return;
        }
    campos_.emplace_back(std::string(nome), std::move(valor));
}

void TRegistroEFD::SetCampoPorPosicao(int posicao, std::string valor) {
    if (posicao < 0) {
        campos_.emplace_back(std::string(), std::move(valor));
        return;
    }
    if (static_cast<size_t>(posicao) >= campos_.size())
        throw std::out_of_range("posição " + std::to_string(posicao) + " fora do registro");
    campos_[posicao].second = std::move(valor);
}

const std::string& TRegistroEFD::GetCampo(std::string_view nome) const {
    static const std::string vazio;
    for (const auto& [n, v] : campos_)
        if (MesmoNome(n, nome)) return v;
    return vazio;
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
