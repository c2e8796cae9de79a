#include "evaluator/NombreCalcul.h"

#include "evaluator/EchecCalcul.h"
#include "common/NumberText.h"

#include <cmath>

namespace vedo {

std::string texteNombreCalcul(double v) {
    if (!std::isfinite(v)) throw EchecCalcul();
    return texteGeneral(v, '.');
}

double lireNombreCalcul(std::string_view texte) {
    const double v = valeurEnTete(texte);
    if (!std::isfinite(v)) throw EchecCalcul();
    return v;
}

} // namespace vedo
