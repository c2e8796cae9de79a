#pragma once
// The keys of the calculator window: name, caption, tool tip, place in the
// 302 x 431 window and what each does to the entry.

#include "evaluator/Calculatrice.h"

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace vedo {

enum class FamilleTouche { chiffre, fonction, prefixe, operateur, memoire, effacement, calcul };

struct ToucheMachine {
    const char* nom; // object name, as the keys were called at design time
    QString legende;
    QString infoBulle;
    QRect place;
    FamilleTouche famille;
    // Empty for "EXE", which the window runs itself around the waiting message.
    std::function<void(Calculatrice&)> action;
};

const std::vector<ToucheMachine>& touchesMachine();

} // namespace vedo
