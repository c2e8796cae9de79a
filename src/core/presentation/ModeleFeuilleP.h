#pragma once
// The main window's state as plain data: the settings its panels show, kept
// as the configuration they make, and the run in progress. The shell writes
// each control's change into it before any handler of the change runs; the
// rules read the settings from here, never from a control.

#include "engine/KeptRuns.h"
#include "engine/RunLoop.h"
#include "records/Configuration.h"
#include "view/GraphPainter.h"
#include "view/TableauValeurs.h"

#include <cstdint>

namespace vedo {

struct ModeleFeuilleP {
    Configuration reglages;
    // Names of A..D of the current reaction, indices 1..4, as the last
    // change of reaction left them.
    std::array<std::string, 5> nomEspece;

    // Run state: `nA`..`nD` and `nA0`..`nD0` in mol.
    Quantites n{};
    Quantites n0{};
    float kDirect = 0, kInverse = 0;
    std::int32_t duree = 0;      // seconds
    EtatAnimation animation;     // `tempsEcoule` (tenths of a second) and `ligneTab`
    PointsPrecedents precedents; // `xPrec`, `yPrecA`..`yPrecD`

    // The graph's scale, rebuilt by every `echgraphe`.
    std::int16_t facteurGraphe = 1;
    std::int16_t uniteTemps = 1;
    float ymax = 0.0f;

    // The table of values shown by `MSFlexGrid1`.
    TableauValeurs tableau;

    // Whole seconds under the cursor at its last move inside the plot area:
    // the instant the tangents touch.
    std::int32_t tempsCurseur = 0;

    // The reaction changed: its species take their names.
    void Combo1_Click();
    // Reaction 4 takes no catalyst.
    bool catalyseurPermis() const { return reglages.reaction != 3; }
    // Only the esterification and the hydrolysis depend on the alcohol's class.
    bool classeAlcoolVisible() const { return reglages.reaction == 0 || reglages.reaction == 2; }
    // "Effacer" shows while runs are kept and kept runs are asked for.
    bool effacerVisible(const KeptRuns& courbes) const { return reglages.conserverCourbes && courbes.nbCourbes >= 0; }

    Conditions conditions() const;
    CouleursCourbes couleurs() const;
    CourbesAffichees courbesAffichees() const { return reglages.courbes; }
    // The duration selector's tag: the seconds of its position, written at
    // each change of the selector, and none before the first.
    std::int32_t tagDuree = 0;
    void dureeChangee();
    std::int32_t dureeSelectionnee() const { return tagDuree; }
    int nombreLignesTableau() const { return vedo::nombreLignesTableau(reglages.defilementLignes); }
    // The run that has just finished, as a kept run stores it: the amounts it
    // started from and the settings it ran with.
    CourbeConservee courbeTerminee() const;
};

} // namespace vedo
