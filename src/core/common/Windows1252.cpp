#include "common/Windows1252.h"

#include <array>
#include <cstdint>

namespace vedo {

namespace {

// Characters of bytes 0x80..0x9F; the others are those of Latin-1.
constexpr std::array<char32_t, 32> zone80 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void ajouterUtf8(std::string& s, char32_t c) {
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

// Decodes one UTF-8 character at `i` and moves past it; U+FFFD when invalid.
char32_t lireUtf8(std::string_view t, std::size_t& i) {
    const auto octet = [&](std::size_t k) { return static_cast<std::uint8_t>(t[k]); };
    const std::uint8_t b0 = octet(i);
    int suite = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        suite = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        suite = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        suite = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + suite >= t.size()) {
        i = t.size();
        return 0xFFFD;
    }
    for (int k = 1; k <= suite; ++k) {
        const std::uint8_t b = octet(i + k);
        if ((b & 0xC0) != 0x80) {
            i += k;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += suite + 1;
    return c;
}

} // namespace

std::string cp1252VersUtf8(std::string_view octets) {
    std::string s;
    s.reserve(octets.size());
    for (const char o : octets) {
        const auto b = static_cast<std::uint8_t>(o);
        ajouterUtf8(s, (b >= 0x80 && b < 0xA0) ? zone80[b - 0x80] : b);
    }
    return s;
}

std::string utf8VersCp1252(std::string_view texte) {
    std::string s;
    s.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const char32_t c = lireUtf8(texte, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            s += static_cast<char>(c);
            continue;
        }
        char remplacement = '?';
        for (std::size_t k = 0; k < zone80.size(); ++k)
            if (zone80[k] == c) remplacement = static_cast<char>(0x80 + k);
        s += remplacement;
    }
    return s;
}

} // namespace vedo
