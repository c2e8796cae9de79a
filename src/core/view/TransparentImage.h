#pragma once
// Pictures kept as plain RGB images in which one colour stands for "nothing
// here", the way image lists hand them to picture boxes.

#include "drawing/Surface.h"

#include <cstdint>

namespace vedo {

inline constexpr std::uint32_t magentaTransparent = 0xFFFF00FF; // RGB(255, 0, 255)

// Draws `image` with its top-left corner at `position`, leaving whatever lies
// under the pixels of colour `transparente` untouched.
void dessinerImageTransparente(Surface& surface, Pixel position, const Image& image,
                               std::uint32_t transparente = magentaTransparent);

} // namespace vedo
