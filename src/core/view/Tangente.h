#pragma once
// The tangent tool: a kept run computed again from its conditions up to the
// instant under the cursor, with the step function of the runs, and the
// tangent to the curve of each shown species at that instant as a segment of
// the graph.

#include "engine/KeptRuns.h"
#include "engine/RateLaw.h"
#include "view/GraphScale.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vedo {

struct EtatAuTemps {
    Quantites n{};          // amounts at t0
    ConstantesVitesse k;    // the run's constants
    bool equilibre = false; // a corrector stage once outweighed its predictor
    double pente = 0.0;     // dnA/dt = dnB/dt at t0 in mol/s; 0 at equilibrium
};

// Integrates from `depart` up to t0 seconds, steps sized on the graph's
// `ymax`, the last one shortened to land on t0; a null rate steps t0 / 400.
EtatAuTemps integrerJusqua(Quantites depart, const Conditions& conditions, std::int32_t t0, float ymax);

struct SegmentTangente {
    std::int32_t x1 = 0, y1 = 0; // on the amount axis, even above the plot area
    std::int32_t x2 = 0, y2 = 0; // on the right edge, the time axis or the top of the plot area
};

// The line of slope `pente` (mol/s) through the amount n at t0 on the graph.
// A horizontal line spans the plot area's width at its amount, if that
// amount lies on the amount axis. No segment when the graph has no scale or
// a point does not fit 32 bits or single precision.
std::optional<SegmentTangente> segmentTangente(double n, double pente, std::int32_t t0,
                                               const PlotMapping& echelle);

struct Tangentes {
    ConstantesVitesse k;
    std::array<std::optional<SegmentTangente>, 4> segments; // A..D, none for a hidden species
};

// The tangents at t0 to the curves of kept run `courbe`, on the graph's scale.
Tangentes tangentes(const CourbeConservee& courbe, std::int32_t t0, const PlotMapping& echelle,
                    const CourbesAffichees& affichees);

} // namespace vedo
