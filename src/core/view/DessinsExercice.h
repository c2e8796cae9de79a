#pragma once
// The pictures of the exercise window: the difficulty stars, the hourglass
// of the working time and the two image buttons, on transparent pictures.

#include "drawing/Surface.h"

namespace vedo {

inline constexpr Couleur couleurEtoileAllumee{255, 200, 0};
inline constexpr Couleur couleurEtoileEteinte{96, 96, 96};
inline constexpr int coteIconeFenetreExercice = 32;

// A five-pointed star filling a square of `cote` pixels.
void dessinerEtoile(Surface& surface, bool allumee, int cote);

// An hourglass filling the box from `coin`.
void dessinerSablier(Surface& surface, Point coin, double largeur, double hauteur);

// `ouvreur`: an open book with a green arrow; `Image5`: a red cross.
void dessinerOuvrirExercice(Surface& surface);
void dessinerFermerSansCharger(Surface& surface);

} // namespace vedo
