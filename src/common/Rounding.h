#pragma once
// Conversions of computed values to the integer and single-precision types
// that the controls and stored conditions use. Every conversion is checked:
// a value that does not fit gives no result, and the caller skips the
// statement that needed it instead of storing a wrapped or undefined value.

#include <cstdint>
#include <optional>

namespace vedo {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double arrondiPair(double v);

std::optional<std::int16_t> versEntier16(double v);
std::optional<std::int32_t> versEntier32(double v);

// Rounds to single precision; NaN and values beyond the single range fail.
std::optional<float> versSimple(double v);

} // namespace vedo
