#pragma once
// The banner of the exercise window: its title written letter by letter,
// from pale yellow to white, on a dark band.

#include "drawing/Surface.h"

#include <string>

namespace vedo {

// Left edge of the first letter.
inline constexpr int margeBanniere = 30;

// The colour of the letter at `position` (from 1) of a text of `longueur` letters.
Couleur couleurLettreBanniere(int position, int longueur);

// The whole band, `hauteur` pixels high, with `texte` (UTF-8) on it.
void dessinerBanniere(Surface& surface, int hauteur, const std::string& texte);

} // namespace vedo
