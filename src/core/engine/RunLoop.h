#pragma once
// The two ways of running: `speed` computes a whole run at once, `direct`
// advances an animated run by one timer tick. Both step with the same
// function, so they give the same amounts for the same steps, and report to
// a sink: the graph draws the points, the table writes the rows.

#include "engine/Conditions.h"
#include "engine/RateLaw.h"

#include <cstdint>

namespace vedo {

class RunSink {
public:
    virtual ~RunSink() = default;
    // The starting point of the curves, at t = 0.
    virtual void premierPoint(const Quantites& n) = 0;
    // The amounts reached at time t (seconds) after a step.
    virtual void point(double t, const Quantites& n) = 0;
    // Row `ligneTab` of the table of values falls on this step.
    virtual void ligne(int ligneTab, const Quantites& n) = 0;
};

struct ParametresRun {
    std::int32_t duree = 0;        // length of the run drawn, seconds
    std::int32_t dureeTableau = 0; // duration the table rows divide, seconds
    Conditions conditions;
    bool remplirTableau = false;
    int nombreLignes = 51; // rows of the table, row 0 included
    float ymax = 0.0f;     // top of the amount axis; sets the step
};

// Integrates the whole run on `n` in place and leaves the rate constants it
// used in `k`. Does nothing when the duration is 0.
void speed(Quantites& n, const ParametresRun& p, RunSink& sink, ConstantesVitesse& k);

// What an animated run carries from one tick to the next.
struct EtatAnimation {
    std::int32_t tempsEcoule = 0; // tenths of a second already simulated
    std::int16_t ligneTab = 1;    // next row of the table
};

enum class Tick {
    rien,     // no duration set
    avance,   // the tick advanced (perhaps by nothing, at speed 0)
    terminee, // the run had already reached its end: the caller stops it
};

// One tick of `vitesse` tenths of a second; the table is always filled.
// The caller adds `vitesse` to `tempsEcoule` afterwards (timerTick does both).
Tick direct(Quantites& n, EtatAnimation& etat, const ParametresRun& p, std::int32_t vitesse, RunSink& sink,
            ConstantesVitesse& k);

// The timer's handler: one `direct`, then the elapsed time moves on by
// `vitesse` unless that overflows 32 bits.
Tick timerTick(Quantites& n, EtatAnimation& etat, const ParametresRun& p, std::int32_t vitesse, RunSink& sink,
               ConstantesVitesse& k);

} // namespace vedo
