#pragma once
// Conversions of computed values to the integer and single-precision types
// that the controls and stored conditions use. Every conversion is checked:
// a value that does not fit gives no result, and the caller skips the
// statement that needed it instead of storing a wrapped or undefined value.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vedo {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4): the
// default floating-point rounding mode, which nothing in the program changes.
inline double arrondiPair(double v) {
    return std::rint(v);
}

template <typename Entier> std::optional<Entier> versEntier(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = arrondiPair(v);
    if (r < static_cast<double>(std::numeric_limits<Entier>::min()) ||
        r > static_cast<double>(std::numeric_limits<Entier>::max()))
        return std::nullopt;
    return static_cast<Entier>(r);
}

// Inline: the graph converts every point of runs of a million steps.
inline std::optional<std::int16_t> versEntier16(double v) {
    return versEntier<std::int16_t>(v);
}
inline std::optional<std::int32_t> versEntier32(double v) {
    return versEntier<std::int32_t>(v);
}

// Rounds to single precision; NaN and values beyond the single range fail.
std::optional<float> versSimple(double v);

} // namespace vedo
