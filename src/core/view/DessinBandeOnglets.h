#pragma once
// The picture of the tab strip: five titles whose tabs are as wide as their
// titles plus an equal gap, the active title bold and one pixel lower, a
// sunken frame around the panel area.

#include "drawing/Toile.h"

#include <array>
#include <cstdint>

namespace vedo {

// Titles of tabs 1..5.
inline constexpr std::array<const char*, 6> titresDesOnglets = {"",          "Réaction", "Conditions",
                                                                "Affichage", "Suivi",    "Historique"};

struct CouleursBande {
    Couleur encre, ombre, lumiere, fond;
};

// Where the drawing put things, in the strip's pixels.
struct DispositionOnglets {
    int hauteurTitre = 0;
    // Tab i spans from bords[i - 1] (excluded) to bords[i].
    std::array<std::int16_t, 6> bords{};
    // Around the active title, where the focus shows.
    Pixel coinTitreActif;
    int largeurTitreActif = 0;
    int hauteurTitreActif = 0;
};

// The height of a title in the toile's font, to the nearest pixel.
int hauteurTitreOnglet(const Toile& toile);

// Draws the whole strip of `largeur` x `hauteur` pixels with tab `actif`
// (1..5) in front, in Arial 8 points; the toile's back colour fills it first.
DispositionOnglets dessinerBandeOnglets(Toile& toile, int largeur, int hauteur, int actif,
                                        const CouleursBande& couleurs);

} // namespace vedo
