#include "engine/Durations.h"

#include <array>

namespace vedo {

std::int32_t dureePosition(int position) {
    static constexpr std::array<std::int32_t, 16> secondes = {
        720000, 360000, 180000, 72000, 36000, 18000, 7200, 3600, 1800, 1200, 600, 300, 120, 60, 30, 20};
    if (position < premierePositionDuree || position > dernierePositionDuree) return 0;
    return secondes[position - 1];
}

std::string legendeDuree(std::int32_t secondes) {
    if (secondes < 60) return std::to_string(secondes) + " s";
    if (secondes < 3600) return std::to_string(secondes / 60) + " min";
    return std::to_string(secondes / 3600) + " h";
}

} // namespace vedo
