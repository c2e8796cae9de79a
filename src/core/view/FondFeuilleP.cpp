#include "view/FondFeuilleP.h"

#include "common/Rounding.h"

namespace vedo {

namespace {
constexpr Couleur gris{128, 128, 128};
constexpr int decalageOmbre = 3;
} // namespace

Couleur couleurFondFeuilleP(int y, int hauteur) {
    const auto r = static_cast<std::uint8_t>(arrondiPair(255.0 - 55.0 * y / hauteur));
    const auto b = static_cast<std::uint8_t>(arrondiPair(255.0 - 75.0 * y / hauteur));
    return {r, r, b};
}

void dessinerFondFeuilleP(Surface& surface, int largeur, int hauteur, Pixel coin1, Pixel coin2) {
    // One row filled is a memset on the desktop; as a line, the stroker went pixel by pixel.
    for (int y = 0; y <= hauteur; ++y)
        surface.rectangle({0, y}, {largeur, y}, couleurFondFeuilleP(y, hauteur), 1, true);
    surface.rectangle({coin1.x + decalageOmbre, coin1.y + decalageOmbre},
                      {coin2.x + decalageOmbre, coin2.y + decalageOmbre}, gris, 1, true);
}

} // namespace vedo
