#include "util/Texto1252.h"

#include <cstdint>

namespace util {

namespace {
// Pontos de código Unicode dos bytes 0x80..0x9F do Windows-1252 (0 = indefinido).
constexpr char32_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AcrescentarUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char Para1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kFaixa80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}
}  // namespace

std::string Utf8Para1252(std::string_view u) {
    std::string r;
    r.reserve(u.size());
    for (size_t i = 0; i < u.size();) {
        const auto b = static_cast<unsigned char>(u[i]);
        int extras = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t c = extras == 0 ? b : extras == 1 ? (b & 0x1F) : extras == 2 ? (b & 0x0F) : (b & 0x07);
        if (b >= 0x80 && b < 0xC0) extras = 0, c = 0xFFFD;  // byte de continuação solto
        size_t j = i + 1;
        for (; extras > 0 && j < u.size() && (static_cast<unsigned char>(u[j]) & 0xC0) == 0x80; --extras, ++j)
            c = (c << 6) | (static_cast<unsigned char>(u[j]) & 0x3F);
        if (extras > 0) c = 0xFFFD;
        r += Para1252(c);
        i = j;
    }
    return r;
}

std::string Cp1252ParaUtf8(std::string_view s) {
    std::string r;
    r.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            const char32_t c = kFaixa80[b - 0x80];
            AcrescentarUtf8(r, c ? c : 0xFFFD);
        } else {
            AcrescentarUtf8(r, b);
        }
    }
    return r;
}

}  // namespace util
