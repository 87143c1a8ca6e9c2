#pragma once
// Dinheiro somado entre documentos: inteiro em décimos de milésimo (1/10000), dividido só ao
// formatar, para que a soma de milhares de valores não acumule o erro do double.
#include <compare>
#include <cstdint>

namespace core {

// x levado ao inteiro mais próximo, empate para o par: o arredondamento de "valor × 10000".
int64_t R(double x);
// Valor monetário em décimos de milésimo, arredondado na quarta casa com empate para o par.
// O double é lido com 15 algarismos significativos.
int64_t EmDecimilesimos(double valor);

class Dinheiro {
public:
    constexpr Dinheiro() = default;
    static constexpr Dinheiro DeDecimilesimos(int64_t decimilesimos) {
        Dinheiro d;
        d.v_ = decimilesimos;
        return d;
    }
    // Valor lido do ERP, arredondado na quarta casa (EmDecimilesimos).
    static Dinheiro DeReal(double valor) { return DeDecimilesimos(EmDecimilesimos(valor)); }

    constexpr int64_t Decimilesimos() const { return v_; }

    constexpr Dinheiro& operator+=(Dinheiro o) { return v_ += o.v_, *this; }
    constexpr Dinheiro& operator-=(Dinheiro o) { return v_ -= o.v_, *this; }
    friend constexpr Dinheiro operator+(Dinheiro a, Dinheiro b) { return a += b; }
    friend constexpr Dinheiro operator-(Dinheiro a, Dinheiro b) { return a -= b; }
    friend constexpr auto operator<=>(Dinheiro, Dinheiro) = default;

private:
    int64_t v_ = 0;
};

}  // namespace core
