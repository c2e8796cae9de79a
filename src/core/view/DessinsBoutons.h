#pragma once
// The pictures of the picture buttons, on a transparent picture of their
// size.

#include "drawing/Surface.h"

namespace vedo {

inline constexpr int coteIconeCadre = 16;
inline constexpr int coteIconeExercice = 24;

void dessinerAgrandir(Surface& surface);  // four arrows pointing outwards
void dessinerRestaurer(Surface& surface); // four arrows pointing inwards
void dessinerExercice(Surface& surface);  // a written sheet and a pencil

} // namespace vedo
