#include "common/Rounding.h"

#include <cmath>
#include <limits>

namespace vedo {

double arrondiPair(double v) {
    if (!std::isfinite(v)) return v;
    const double bas = std::floor(v);
    const double ecart = v - bas;
    if (ecart > 0.5) return bas + 1.0;
    if (ecart < 0.5) return bas;
    return std::fmod(bas, 2.0) == 0.0 ? bas : bas + 1.0;
}

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
