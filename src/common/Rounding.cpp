#include "common/Rounding.h"

#include <cmath>
#include <limits>

namespace vedo {

// The default floating-point rounding mode is to nearest, halves to even,
// and nothing in the program changes it.
double arrondiPair(double v) { return std::nearbyint(v); }

namespace {
template <typename Entier> std::optional<Entier> versEntier(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = arrondiPair(v);
    if (r < static_cast<double>(std::numeric_limits<Entier>::min()) ||
        r > static_cast<double>(std::numeric_limits<Entier>::max()))
        return std::nullopt;
    return static_cast<Entier>(r);
}
} // namespace

std::optional<std::int16_t> versEntier16(double v) {
    return versEntier<std::int16_t>(v);
}
std::optional<std::int32_t> versEntier32(double v) {
    return versEntier<std::int32_t>(v);
}

std::optional<float> versSimple(double v) {
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(v);
}

} // namespace vedo
