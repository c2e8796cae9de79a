#pragma once
// The hourglass of the open dialog's wait notice: two glass cones, sand
// running from the upper into the lower one, between two wooden plates.

#include "drawing/Surface.h"

namespace vedo {

inline constexpr int largeurSablierAttente = 16;
inline constexpr int hauteurSablierAttente = 22;

void dessinerSablierAttente(Surface& surface);

} // namespace vedo
