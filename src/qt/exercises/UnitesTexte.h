#pragma once
// Rich texts measure indents and spacing in twips; QTextDocument in pixels of
// a 96 dpi screen.

namespace vedo {

inline constexpr double twipsParPixel = 15.0;

inline constexpr double twipsVersPixels(int twips) {
    return twips / twipsParPixel;
}

} // namespace vedo
