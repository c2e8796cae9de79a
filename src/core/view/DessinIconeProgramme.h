#pragma once
// The program's icon, drawn at any size on a transparent square picture: a
// round-bottomed flask over the two curves of a reaction, on a blue tile.
// data/icons/vedoriruvirivi.svg is the same drawing for the desktop.

#include "drawing/Surface.h"

namespace vedo {

void dessinerIconeProgramme(Surface& surface, int taille);

} // namespace vedo
