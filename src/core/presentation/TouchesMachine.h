#pragma once
// The keys of the calculator window: name, caption, tool tip, place in the
// 302 x 431 window and what each does to the entry.

#include "evaluator/Calculatrice.h"
#include "presentation/EtatControle.h"

#include <functional>
#include <string>
#include <vector>

namespace vedo {

enum class FamilleTouche { chiffre, fonction, prefixe, operateur, memoire, effacement, calcul };

// The family's name, as the shells style it ("chiffre", "operateur"...).
const char* nomFamille(FamilleTouche famille);

struct ToucheMachine {
    const char* nom; // object name, as the keys were called at design time
    std::string legende;
    std::string infoBulle;
    Place place;
    FamilleTouche famille;
    // Empty for "EXE", which the window runs itself around the waiting message.
    std::function<void(Calculatrice&)> action;
};

const std::vector<ToucheMachine>& touchesMachine();

} // namespace vedo
