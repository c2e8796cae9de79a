#include "common/Espaces.h"

namespace vedo {

namespace {

bool espace(char32_t c) {
    return c == U' ' || (c >= 9 && c <= 13) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

bool suite(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the blank character `texte` starts with, 0 when it starts
// with anything else.
std::size_t espaceEnTete(std::string_view texte) {
    const auto premier = static_cast<unsigned char>(texte[0]);
    // Every blank takes one to three bytes.
    const std::size_t longueur = premier < 0x80 ? 1 : premier < 0xC0 ? 0 : premier < 0xE0 ? 2 : premier < 0xF0 ? 3 : 0;
    if (longueur == 0 || longueur > texte.size()) return 0;
    char32_t c = longueur == 1 ? premier : premier & (longueur == 2 ? 0x1F : 0x0F);
    for (std::size_t i = 1; i < longueur; ++i) {
        if (!suite(texte[i])) return 0;
        c = (c << 6) | (static_cast<unsigned char>(texte[i]) & 0x3F);
    }
    // An overlong form is invalid, not the character it spells.
    const char32_t plusPetit[] = {0, 0, 0x80, 0x800};
    return c >= plusPetit[longueur] && espace(c) ? longueur : 0;
}

} // namespace

std::string_view sansEspacesAutour(std::string_view texte) {
    while (!texte.empty()) {
        const std::size_t n = espaceEnTete(texte);
        if (n == 0) break;
        texte.remove_prefix(n);
    }
    while (!texte.empty()) {
        std::size_t debut = texte.size() - 1;
        while (debut > 0 && texte.size() - debut < 3 && suite(texte[debut]))
            --debut;
        const std::size_t n = espaceEnTete(texte.substr(debut));
        if (n == 0 || debut + n != texte.size()) break;
        texte.remove_suffix(n);
    }
    return texte;
}

} // namespace vedo
