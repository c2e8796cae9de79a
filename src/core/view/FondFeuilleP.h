#pragma once
// The main window's background: from white at the top to a pale khaki grey
// at the bottom, row by row, and the shadow the exercise area casts.

#include "drawing/Surface.h"

namespace vedo {

// The colour of row `y` of a background `hauteur` rows high.
Couleur couleurFondFeuilleP(int y, int hauteur);

// Rows 0 to `hauteur` across `largeur` + 1 pixels, then the exercise area's
// shadow: the area from `coin1` to `coin2` (both included) moved 3 pixels
// right and down.
void dessinerFondFeuilleP(Surface& surface, int largeur, int hauteur, Pixel coin1, Pixel coin2);

} // namespace vedo
