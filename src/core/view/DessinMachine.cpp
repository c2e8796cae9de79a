#include "view/DessinMachine.h"

#include "common/Rounding.h"

namespace vedo {

namespace {

// One pixel wide, both ends drawn.
void trait(Surface& s, Pixel de, Pixel a, Couleur couleur) {
    s.segment({double(de.x), double(de.y)}, {double(a.x), double(a.y)}, {couleur, 1});
}

} // namespace

void dessinerFaceMachine(Surface& s, int largeur, int hauteur) {
    for (int x = 0; x < largeur; ++x) {
        const auto c = static_cast<std::uint8_t>(arrondiPair(200.0 - x / 2.0));
        const auto clair = static_cast<std::uint8_t>(c + 50);
        trait(s, {x, 0}, {x, hauteur - 1}, {c, clair, clair});
    }
    s.rectangle(Pixel{1, 1}, Pixel{299, 428}, blanc, 1, false);
    trait(s, {1, 1}, {299, 1}, noir);
    trait(s, {1, 1}, {1, 427}, noir);
    // The framed area of the digit keys.
    s.rectangle(Pixel{82, 290}, Pixel{206, 421}, blanc, 1, false);
    s.rectangle(Pixel{81, 289}, Pixel{205, 420}, {0, 128, 128}, 1, false);
}

} // namespace vedo
