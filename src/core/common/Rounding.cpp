#include "common/Rounding.h"

#include <cmath>
#include <limits>

namespace vedo {

std::optional<float> versSimple(double v) {
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(v);
}

} // namespace vedo
