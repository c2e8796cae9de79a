#pragma once
// The face of the calculator "Machine à calculer": a teal shading from left
// to right, a raised border and the sunken frame of the digit keys.

#include "drawing/Surface.h"

namespace vedo {

void dessinerFaceMachine(Surface& surface, int largeur, int hauteur);

} // namespace vedo
