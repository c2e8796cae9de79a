#pragma once
// Positions on a picture: `Point` in the picture's own units, which may be
// shifted from the image and fall between pixels; `Pixel` a pixel of the image,
// (0, 0) at its top-left corner.

#include <cmath>

namespace vedo {

struct Point {
    double x = 0, y = 0;

    friend constexpr bool operator==(Point, Point) = default;
};

struct Pixel {
    int x = 0, y = 0;

    friend constexpr bool operator==(Pixel, Pixel) = default;
};

// The nearest whole number, halves away from zero: the rounding the pictures
// were laid out with.
inline int arrondiPixel(double v) {
    return static_cast<int>(std::round(v));
}

} // namespace vedo
