#include "launcher/ComandosTexto.h"

#include <cctype>

namespace launcher {

namespace {

class Leitor {
public:
    explicit Leitor(std::string_view texto) : t_(texto) {}

    std::vector<Comando> Lista() {
        std::vector<Comando> comandos;
        Esperar('[');
        if (!Consumir(']')) {
            do comandos.push_back(Objeto());
            while (Consumir(','));
            Esperar(']');
        }
        PularBrancos();
        if (i_ != t_.size()) Falhar("texto depois do fim da lista");
        return comandos;
    }

private:
    Comando Objeto() {
        Comando c;
        Esperar('{');
        if (Consumir('}')) return c;
        do {
            std::string chave = Texto();
            Esperar(':');
            c[std::move(chave)] = Valor();
        } while (Consumir(','));
        Esperar('}');
        return c;
    }

    std::string Valor() {
        PularBrancos();
        if (i_ < t_.size() && (t_[i_] == '\'' || t_[i_] == '"')) return Texto();
        const size_t inicio = i_;
        while (i_ < t_.size() &&
               (std::isdigit(static_cast<unsigned char>(t_[i_])) || t_[i_] == '-' || t_[i_] == '.'))
            ++i_;
        if (i_ == inicio) Falhar("esperava um texto ou um número");
        return std::string(t_.substr(inicio, i_ - inicio));
    }

    std::string Texto() {
        PularBrancos();
        if (i_ >= t_.size() || (t_[i_] != '\'' && t_[i_] != '"'))
            Falhar("esperava um texto entre aspas");
        const char aspa = t_[i_++];
        std::string valor;
        for (; i_ < t_.size(); ++i_) {
            const char c = t_[i_];
            if (c == '\\' && aspa == '"' && i_ + 1 < t_.size()) {
                valor += t_[++i_];
            } else if (c == aspa && FechaTexto(i_ + 1)) {
                ++i_;
                return valor;
            } else {
                valor += c;
            }
        }
        Falhar("texto sem a aspa final");
    }

    bool FechaTexto(size_t j) const {
        while (j < t_.size() && std::isspace(static_cast<unsigned char>(t_[j]))) ++j;
        return j == t_.size() || std::string_view(",:}]").find(t_[j]) != std::string_view::npos;
    }

    void PularBrancos() {
        while (i_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[i_]))) ++i_;
    }
    bool Consumir(char c) {
        PularBrancos();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    void Esperar(char c) {
        if (!Consumir(c)) Falhar(std::string("esperava \"") + c + "\"");
    }
    [[noreturn]] void Falhar(const std::string& motivo) const {
        throw ComandosInvalidos("lista de comandos inválida na posição " + std::to_string(i_) +
                                ": " + motivo);
    }

    std::string_view t_;
    size_t i_ = 0;
};

}  // namespace

std::vector<Comando> LerComandos(std::string_view texto) { return Leitor(texto).Lista(); }

}  // namespace launcher
