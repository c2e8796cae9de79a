#pragma once
// The store of kept runs: eleven slots, 0..10, each holding the conditions
// of one finished run (never its points: every redraw computes it again).
// `nbCourbes` is the slot of the most recently stored run, -1 when empty.

#include "engine/Conditions.h"

#include <array>
#include <cstdint>

namespace vedo {

inline constexpr int nombreEmplacements = 11;

struct CourbeConservee {
    std::array<double, 5> courbeQuantite{};       // 1..4: initial amounts of A..D (single precision)
    std::array<std::uint32_t, 5> courbeCouleur{}; // 1..4: curve colours, r + 256 g + 65536 b
    std::array<std::int16_t, 6>
        courbeParam{};            // reaction, temperature, class, volatile, distillation, catalyst
    std::int32_t courbeDuree = 0; // seconds

    Conditions conditions() const;
    Quantites quantites() const;
};

class KeptRuns {
public:
    std::int16_t nbCourbes = -1;
    float ymaxEnr = 0.0f;

    const CourbeConservee& emplacement(int s) const { return emplacements_.at(static_cast<std::size_t>(s)); }
    int nombre() const { return nbCourbes + 1; }

    // Counter rules around a run; `conserver` is "Conserver les courbes".
    void debutRun(bool conserver);
    void finRun(bool conserver); // moves the counter to the slot the run goes to
    void effacer() { nbCourbes = -1; }
    void retourEtatInitial(bool conserver, bool animationEnCours);

    // Stores a finished run in slot `nbCourbes` (nothing outside 0..10) and
    // remembers the scale it was drawn on.
    void enrcourbe(const CourbeConservee& courbe, float ymax);

private:
    std::array<CourbeConservee, nombreEmplacements> emplacements_{};
};

} // namespace vedo
