#pragma once
// Reading the graph under the mouse: the time and the amount at a point of
// the plot area, the plot mapping inverted.

#include <cstdint>
#include <optional>
#include <string>

namespace vedo {

// The plot area, bounds included: 50..50 + 300k across, 10..10 + 200k down.
bool dansZoneTrace(double x, double y, int k);

struct LectureCurseur {
    double t = 0.0;                // seconds, unrounded
    std::int32_t tempsCurseur = 0; // t to the nearest second, halves to even
    float n = 0.0f;                // mol
    std::string texte;             // "t = 1 h 2 min 5 s ; n = 1,5 mol"
};

// The readout at picture point (x, y) on a graph of size factor k, duration
// `duree` seconds and amount axis `ymax`; none outside the plot area.
std::optional<LectureCurseur> lireCurseur(float x, float y, int k, std::int32_t duree, float ymax);

// "t = [H h ][M min ]S s ; n = N mol": hours and minutes are counted on the
// unrounded time, so that 59.6 s reads "60 s".
std::string texteLecture(double t, float n);

} // namespace vedo
