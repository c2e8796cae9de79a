#pragma once
// What fills a shape: a colour, which may let what lies under it show
// through, or a linear gradient between two points of the frame.

#include "drawing/Couleur.h"
#include "drawing/Geometrie.h"

#include <cstdint>
#include <vector>

namespace vedo {

struct Remplissage {
    // A colour at a fraction 0..1 of the way from `debut` to `fin`.
    struct Arret {
        double position;
        Couleur couleur;
    };

    Couleur couleur;
    std::uint8_t opacite = 255;
    // Without stops the plain colour fills.
    std::vector<Arret> arrets;
    Point debut, fin;

    Remplissage(Couleur c, std::uint8_t o = 255) : couleur(c), opacite(o) {}
    static Remplissage degrade(Point debut, Point fin, std::vector<Arret> arrets) {
        Remplissage r(arrets.empty() ? noir : arrets.front().couleur);
        r.arrets = std::move(arrets);
        r.debut = debut;
        r.fin = fin;
        return r;
    }
};

} // namespace vedo
