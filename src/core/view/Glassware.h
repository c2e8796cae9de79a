#pragma once
// The two glassware pictures set above the flask's neck, drawn smooth on a
// picture of their own and kept on a magenta background that stands for
// transparency. Each is drawn once, by the first surface that asks for it:
// a shell's surfaces all draw alike.

#include "drawing/Surface.h"

namespace vedo {

// 120 x 148: vertical ball condenser with its water hoses; its joint sits on
// the flask's axis at x = 14.
const Image& imageRefrigerantABoules(Surface& surface);

// 191 x 148: column with thermometer, sloping condenser with its hoses and
// receiving beaker; its joint sits on the flask's axis at x = 12.
const Image& imageDistillation(Surface& surface);

// What the two pictures are drawn from, on a surface of their size.
void dessinerRefrigerantABoules(Surface& surface);
void dessinerDistillation(Surface& surface);

// Pixels at least half covered keep their colour, made opaque; the others
// take the transparent colour: the picture's edges then carry no magenta
// fringe once drawn over another background.
Image aplatir(const Image& calque);

} // namespace vedo
