#pragma once
// The kinetic model: A + B <=> C + D with the net rate of advancement
//   r = (kDirect nA nB - kInverse nC nD) / S      (mol/s, S = nA + nB + nC + nD)
// integrated with an explicit trapezoidal predictor-corrector whose step
// advances the reaction by about a thousandth of the amount axis.

#include "engine/Conditions.h"

#include <cstdint>

namespace vedo {

struct ConstantesVitesse {
    float kDirect = 0.0f;  // per second, A + B -> C + D
    float kInverse = 0.0f; // per second, C + D -> A + B
};

// ((theta + 200) / 200)^2 with theta in tenths of a degree: 1 at 0 degC,
// 4 at 20 degC, 36 at 100 degC; tripled by the catalyst.
double facteurTemperature(std::int16_t temperature, std::int16_t catalyseur);

// The constants of a reaction, each rounded to single precision. Their ratio
// is the equilibrium constant: 4, 1, 1/176.5 for the esterification with a
// primary, secondary, tertiary alcohol; the inverse for the hydrolysis;
// 100000 for the anhydride and the saponification.
ConstantesVitesse constantesVitesse(const Conditions& c);

// kDirect nA nB - kInverse nC nD (the rate before division by S).
double vitesseBrute(const Quantites& n, ConstantesVitesse k);

// Time step in seconds: 0.001 ymax |S| / R, or duree / 400 when the rate is
// zero, or 0.01 s when that gives zero.
double pasTemps(const Quantites& n, ConstantesVitesse k, float ymax, std::int32_t duree);

// What a run starting from `n` sizes its steps on: the amount axis `ymax`,
// but no less than the run's own scale, the larger of min(nA, nB) and
// min(nC, nD), below which no shown species' axis can fall. For a run the
// axis shows this is `ymax`; a run the axis does not cover (amounts far
// beyond the axis) steps as on an axis of its own scale instead of in steps
// lost to rounding. With no axis at all (every curve hidden) the steps keep
// their fixed hundredth of a second, which the duration bounds.
float echellePas(float ymax, const Quantites& n);

// Empties the distilled species, if any (especeVolatile 0..3 with distillation on).
void distiller(Quantites& n, const Conditions& c);

struct EtapeFaite {
    double dt = 0.0;         // the step actually taken
    bool raccourcie = false; // halved so that no amount went below zero
    double x1 = 0.0;         // advancement of the predictor stage of the step taken
    double x2 = 0.0;         // advancement of the corrector stage
};

// One integration step of length dt, then distillation. While the step would
// take an amount below zero (none being below zero before it), dt is halved,
// at most 100 times: a nearly used-up reactant never shows a negative amount.
EtapeFaite etapeIntegration(Quantites& n, ConstantesVitesse k, double dt, const Conditions& c);

} // namespace vedo
