#pragma once
// A picture as pixels, row after row from the top-left corner, each
// 0xAARRGGBB with its colour not multiplied by its opacity.

#include "drawing/Couleur.h"

#include <cstdint>
#include <vector>

namespace vedo {

struct Image {
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int l, int h, std::uint32_t valeur = 0)
        : largeur(l), hauteur(h), pixels(static_cast<std::size_t>(l) * static_cast<std::size_t>(h), valeur) {}

    std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * largeur + x]; }
    std::uint32_t& pixel(int x, int y) { return pixels[static_cast<std::size_t>(y) * largeur + x]; }

    friend bool operator==(const Image&, const Image&) = default;
};

inline constexpr std::uint32_t opaque(Couleur c) {
    return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

} // namespace vedo
