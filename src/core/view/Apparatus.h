#pragma once
// The picture of the laboratory set-up beside the graph: a round-bottomed
// flask half full of liquid, in an ice bath when cold, on a heater under a
// reflux condenser when heated, or fitted for distillation.

#include "drawing/Surface.h"

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vedo {

inline constexpr int largeurAnimation = 361;
inline constexpr int hauteurAnimation = 235;
inline constexpr int temperatureMaximale = 1000; // tenths of a degree Celsius

inline constexpr char texteAideAnimation[] = "Utiliser l'onglet Conditions pour modifier les paramètres";

enum class Verrerie { aucune, refrigerantABoules, distillation };

// What the picture shows for given conditions: the flask's centre and radius
// in pixels, and what surrounds it.
struct Montage {
    int cx = 0;
    int cy = 0;
    int rayon = 0;
    bool chauffage = false;
    bool bainDeGlace = false;
    Verrerie verrerie = Verrerie::aucune;
};

// temperature in tenths of a degree Celsius.
Montage choisirMontage(int temperature, bool distillation);

// The set-up drawn, in words for assistive technologies.
std::string decrireMontage(const Montage& montage);

inline constexpr int nombreGlacons = 200;

struct Glacon {
    int x = 0;
    int y = 0;
    int rayon = 0;
};

// Scatters the ice pieces over the surface of the bath; three draws of the
// generator per piece.
std::vector<Glacon> tirerGlacons(std::mt19937& alea, const Montage& montage);

struct ConsigneFondi {
    // Set when the temperature scroll bar must move to this value: the
    // distillation runs at the maximum temperature. Moving the scroll bar
    // redraws the picture once more through its own handler.
    std::optional<int> temperatureImposee;
};

// Redraws the whole picture `animpic` (361 x 235; nothing when it has no
// pixel) from the temperature (tenths of a degree Celsius, 0..1000) and the
// distillation box. `alea` places the ice pieces; the caller seeds it from
// the clock each time the main window is activated.
ConsigneFondi fondi(Surface& animpic, int largeur, int hauteur, int temperature, bool distillation,
                    std::mt19937& alea);

} // namespace vedo
