#include "presentation/ModeleFeuilleP.h"

#include "engine/Durations.h"
#include "engine/Reaction.h"

namespace vedo {

void ModeleFeuilleP::Combo1_Click() {
    const auto& noms = nomsEspeces(reglages.reaction);
    for (std::size_t i = 1; i <= 4; ++i)
        nomEspece[i] = noms[i - 1];
}

Conditions ModeleFeuilleP::conditions() const {
    Conditions c;
    c.reaction = reglages.reaction;
    c.classeAlcool = reglages.classeAlcool;
    c.temperature = reglages.temperature;
    c.catalyseur = reglages.catalyseur ? 1 : 0;
    c.distillation = reglages.distiller ? 1 : 0;
    c.especeVolatile = reglages.especeVolatile;
    return c;
}

CouleursCourbes ModeleFeuilleP::couleurs() const {
    CouleursCourbes c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = couleurDepuisEntier(static_cast<std::uint32_t>(reglages.couleurs[i]));
    return c;
}

void ModeleFeuilleP::dureeChangee() {
    tagDuree = dureePosition(reglages.positionDuree);
}

CourbeConservee ModeleFeuilleP::courbeTerminee() const {
    CourbeConservee c;
    const CouleursCourbes teintes = couleurs();
    for (std::size_t i = 1; i <= 4; ++i) {
        c.courbeQuantite[i] = n0[i - 1];
        c.courbeCouleur[i] = entierDepuisCouleur(teintes[i - 1]);
    }
    const Conditions k = conditions();
    c.courbeParam = {k.reaction, k.temperature, k.classeAlcool, k.especeVolatile, k.distillation, k.catalyseur};
    c.courbeDuree = dureeSelectionnee();
    return c;
}

} // namespace vedo
