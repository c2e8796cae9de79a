#include "view/DessinBanniere.h"

#include "common/Rounding.h"

#include <vector>

namespace vedo {

namespace {

// The characters of UTF-8 text, each with its continuation bytes.
std::vector<std::string> lettres(const std::string& texte) {
    std::vector<std::string> l;
    for (const char c : texte) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 || l.empty()) l.emplace_back();
        l.back() += c;
    }
    return l;
}

} // namespace

Couleur couleurLettreBanniere(int position, int longueur) {
    const int bleu = static_cast<int>(arrondiPair(static_cast<double>(position) / longueur * 100.0 + 155.0));
    return {255, 255, static_cast<std::uint8_t>(bleu)};
}

void dessinerBanniere(Surface& s, int hauteur, const std::string& texte) {
    s.remplir({0, 0, 128});
    const Police police{"Arial", 24, true, false};
    const MesureTexte mesure = s.mesurer("", police);
    const double haut = (hauteur - mesure.hauteur) / 2.0 - 2.0;
    const std::vector<std::string> l = lettres(texte);
    double x = margeBanniere;
    for (std::size_t i = 0; i < l.size(); ++i) {
        s.texte(x, haut + mesure.ascent, l[i], police,
                couleurLettreBanniere(static_cast<int>(i) + 1, static_cast<int>(l.size())));
        x += s.mesurer(l[i], police).largeur;
    }
}

} // namespace vedo
