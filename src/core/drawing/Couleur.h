#pragma once
// An opaque colour of 8 bits a channel, as every picture of the program uses.

#include <cstdint>

namespace vedo {

struct Couleur {
    std::uint8_t r = 0, g = 0, b = 0;

    friend constexpr bool operator==(Couleur, Couleur) = default;
};

inline constexpr Couleur blanc{255, 255, 255};
inline constexpr Couleur noir{0, 0, 0};

} // namespace vedo
