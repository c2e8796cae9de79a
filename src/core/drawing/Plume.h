#pragma once
// How a line is stroked: its colour and width, the shape of its two ends and
// of its corners, and whether it is dotted.

#include "drawing/Couleur.h"

namespace vedo {

struct Plume {
    // `plat` stops at the end point; `carre` and `rond` reach half the width
    // beyond it.
    enum class Bout { plat, carre, rond };
    enum class Angle { biseau, onglet, rond };

    Couleur couleur = noir;
    double largeur = 1;
    Bout bout = Bout::carre;
    Angle angle = Angle::biseau;
    bool pointille = false;

    friend constexpr bool operator==(const Plume&, const Plume&) = default;
};

} // namespace vedo
