#include "rtf/PageCode1252.h"

#include "common/Windows1252.h"

#include <array>
#include <string>
#include <unordered_map>

namespace vedo {

namespace {

// Every character of the code page is in the first plane: at most three bytes of UTF-8.
char16_t depuisUtf8(const std::string& u) {
    const auto o = [&u](std::size_t i) { return static_cast<unsigned char>(u[i]); };
    if (u.size() == 1) return o(0);
    if (u.size() == 2) return static_cast<char16_t>(((o(0) & 0x1F) << 6) | (o(1) & 0x3F));
    return static_cast<char16_t>(((o(0) & 0x0F) << 12) | ((o(1) & 0x3F) << 6) | (o(2) & 0x3F));
}

const std::array<char16_t, 256>& caracteres() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = depuisUtf8(cp1252VersUtf8(std::string(1, static_cast<char>(b))));
        return t;
    }();
    return table;
}

} // namespace

char16_t caractereDeOctet1252(unsigned char octet) {
    return caracteres()[octet];
}

int octet1252DeCaractere(char16_t c) {
    static const std::unordered_map<char16_t, int> octets = [] {
        std::unordered_map<char16_t, int> h;
        for (int b = 0; b < 256; ++b)
            h[caracteres()[b]] = b;
        return h;
    }();
    const auto o = octets.find(c);
    return o == octets.end() ? -1 : o->second;
}

} // namespace vedo
