// The calculator's evaluator over any text, in both angle modes.

#include "evaluator/Evaluateur.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string saisie(reinterpret_cast<const char*>(donnees), taille);
    for (const auto mode : {vedo::ModeAngle::degres, vedo::ModeAngle::radians}) {
        std::string expression = saisie;
        vedo::evaluer(expression, mode);
    }
    return 0;
}
