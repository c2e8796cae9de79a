#pragma once
// The sixteen positions of the duration selector: position 1 (top) is the
// longest run, 200 h; position 16 the shortest, 20 s.

#include <cstdint>
#include <string>

namespace vedo {

inline constexpr int premierePositionDuree = 1;
inline constexpr int dernierePositionDuree = 16;
inline constexpr int positionDureeDemarrage = 11; // 600 s

// Seconds of a position 1..16; 0 outside.
std::int32_t dureePosition(int position);

// "200 h", "30 min", "20 s": seconds below 60, minutes below 3600, hours above.
std::string legendeDuree(std::int32_t secondes);

} // namespace vedo
