#pragma once
// The experimental conditions of a run, as read from the controls when it
// starts (and at every tick of an animated run), and as stored with a kept run.

#include "common/NumberText.h"

#include <array>
#include <cstdint>
#include <string>

namespace vedo {

struct Conditions {
    std::int16_t reaction = 0;        // 0..3
    std::int16_t classeAlcool = 0;    // 0 primary, 1 secondary, 2 tertiary
    std::int16_t temperature = 200;   // tenths of a degree Celsius, 0..1000
    std::int16_t catalyseur = 0;      // 1 with the catalyst
    std::int16_t distillation = 0;    // 1 when especeVolatile is distilled off
    std::int16_t especeVolatile = -1; // 0..3 = A..D; anything else removes nothing
};

// A temperature in tenths of a degree as the conditions panel shows it:
// "20 °C", "20,5 °C".
inline std::string legendeTemperature(int dixiemes) {
    return texteGeneral(dixiemes / 10.0) + " °C";
}

// Amounts of matter of A, B, C, D in mol.
using Quantites = std::array<double, 4>;

} // namespace vedo
