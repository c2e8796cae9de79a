#include "engine/KeptRuns.h"

namespace vedo {

Conditions CourbeConservee::conditions() const {
    Conditions c;
    c.reaction = courbeParam[0];
    c.temperature = courbeParam[1];
    c.classeAlcool = courbeParam[2];
    c.especeVolatile = courbeParam[3];
    c.distillation = courbeParam[4];
    c.catalyseur = courbeParam[5];
    return c;
}

Quantites CourbeConservee::quantites() const {
    return {courbeQuantite[1], courbeQuantite[2], courbeQuantite[3], courbeQuantite[4]};
}

void KeptRuns::debutRun(bool conserver) {
    if (!conserver) nbCourbes = -1;
}

void KeptRuns::finRun(bool conserver) {
    if (!conserver) {
        nbCourbes = 0;
    } else if (nbCourbes < nombreEmplacements - 1) {
        ++nbCourbes;
    }
}

void KeptRuns::retourEtatInitial(bool conserver, bool animationEnCours) {
    if (conserver && nbCourbes >= 0) {
        if (!animationEnCours) --nbCourbes;
    } else {
        nbCourbes = -1;
    }
}

void KeptRuns::enrcourbe(const CourbeConservee& courbe, float ymax) {
    if (nbCourbes < 0 || nbCourbes >= nombreEmplacements) return;
    emplacements_[static_cast<std::size_t>(nbCourbes)] = courbe;
    ymaxEnr = ymax;
}

} // namespace vedo
