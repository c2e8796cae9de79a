#pragma once
// The scale of the graph: the top of the amount axis `ymax`, its rounding to
// two significant digits, the time unit, the graduations, and the plot
// mapping from (t, n) to pixels of the picture:
//   X(t) = 50 + 300 k t / T           Y(n) = 10 + 200 k - 200 k n / ymax
// k = `facteurGraphe` (1 at normal size, 2 enlarged), T = `duree` in seconds.

#include "common/Rounding.h"
#include "engine/Conditions.h"
#include "engine/KeptRuns.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vedo {

using CourbesAffichees = std::array<bool, 4>;

// The largest amount each species can reach from initial amounts a, b, c, d:
// a + min(c, d), b + min(c, d), c + min(a, b), d + min(a, b).
Quantites quantitesMaximales(const Quantites& initiales);

// The largest reachable amount of the shown species, raised by the kept runs
// and by `ymaxEnr` when `conserves` is given (runs kept and shown). A maximum
// beyond single precision is left out.
float ymaxBrut(const Quantites& initiales, const CourbesAffichees& affichees, const KeptRuns* conserves);

// Rounds up to two significant digits: 3.54 -> 3.6, 3.5 -> 3.5, 9.96 -> 10;
// unchanged when the rounded value would not fit single precision.
float arrondirYmax(float ymax);

inline constexpr float ymaxMinimal = 1e-9f; // below it nothing is drawn

// The scale the graph takes: the raw maximum, rounded unless it is below
// `ymaxMinimal` (then the graph stays empty and the value is kept as it is).
float ymaxGraphe(const Quantites& initiales, const CourbesAffichees& affichees, const KeptRuns* conserves);

// 1 (seconds), 60 (minutes from 600 s) or 3600 (hours from 18000 s).
std::int16_t uniteTemps(std::int32_t duree);
// "s", "min" or "h".
std::string nomUnite(std::int16_t unite);

// A rounded coordinate kept with the range of values that certainly round to
// it: most steps of a long run stay on the pixel already reached, and two
// comparisons then stand for a division and a rounding.
class PixelRetenu {
public:
    bool contient(double v) const { return v >= bas_ && v <= haut_; }
    std::int16_t pixel() const { return pixel_; }
    // Keeps pixel p of the map v -> origine + pente v.
    void retenir(std::int16_t p, double origine, double pente);

private:
    double bas_ = 1.0;
    double haut_ = 0.0; // empty until a pixel is kept
    std::int16_t pixel_ = 0;
};

struct PlotMapping {
    int k = 1;
    std::int32_t duree = 0;
    float ymax = 0.0f;

    double X(double t) const { return 50.0 + 300.0 * k * t / duree; }
    double Y(double n) const { return (200.0 * k + 10.0) - k * (n / static_cast<double>(ymax)) * 200.0; }
    // Rounded to the nearest integer, halves to even; no value when it does
    // not fit 16 bits (the point is skipped).
    std::optional<std::int16_t> x(double t) const { return versEntier16(X(t)); }
    std::optional<std::int16_t> y(double n) const { return versEntier16(Y(n)); }
    // Sets `pixel` to x(t) or y(n), or leaves it when there is no value; the
    // values that stay on the pixel kept in `r` cost two comparisons.
    void placerX(double t, PixelRetenu& r, std::int16_t& pixel) const {
        if (r.contient(t)) {
            pixel = r.pixel();
        } else if (const auto p = x(t)) {
            r.retenir(*p, 50.0, 300.0 * k / duree);
            pixel = *p;
        }
    }
    void placerY(double n, PixelRetenu& r, std::int16_t& pixel) const {
        if (r.contient(n)) {
            pixel = r.pixel();
        } else if (const auto p = y(n)) {
            r.retenir(*p, 200.0 * k + 10.0, -200.0 * k / static_cast<double>(ymax));
            pixel = *p;
        }
    }
};

struct Graduation {
    double position; // x of a time line or y of an amount line, in picture units
    std::string texte;
};

// Every tenth of the duration, labelled in `uniteTemps`.
std::vector<Graduation> graduationsTemps(const PlotMapping& m);
// Six lines, 0 to ymax by fifths, labelled with three significant digits.
std::vector<Graduation> graduationsQuantite(const PlotMapping& m);

} // namespace vedo
