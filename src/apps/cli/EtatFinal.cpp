#include "cli/EtatFinal.h"

#include "engine/AmountRules.h"
#include "engine/Durations.h"

namespace vedo::cli {

namespace {

Conditions conditionsDe(const Configuration& c) {
    Conditions k;
    k.reaction = c.reaction;
    k.classeAlcool = c.classeAlcool;
    k.temperature = c.temperature;
    k.catalyseur = c.catalyseur ? 1 : 0;
    k.distillation = c.distiller ? 1 : 0;
    k.especeVolatile = c.especeVolatile;
    return k;
}

} // namespace

DepartEtatFinal departEtatFinal(const Configuration& c) {
    DepartEtatFinal d;
    std::array<std::string, 4> textes;
    for (int i = 0; i < 4; ++i) {
        textes[i] = c.quantites[i];
        if (const auto q = quantiteSaisie(textes[i])) {
            d.n[i] = *q;
            d.departs[i] = *q;
        }
        d.affichees[i] = c.courbes[i];
    }
    const std::int32_t duree = dureePosition(c.positionDuree);
    const Conditions conditions = conditionsDe(c);
    d.echelle = {1, duree, ymaxGraphe(d.n, d.affichees, nullptr)};
    d.tableau.prepatab(duree, c.defilementLignes, textes, conditions);
    d.run.duree = duree;
    d.run.dureeTableau = duree;
    d.run.conditions = conditions;
    d.run.remplirTableau = true;
    d.run.nombreLignes = d.tableau.nombreLignes();
    d.run.ymax = d.echelle.ymax;
    return d;
}

TableauValeurs tableauEtatFinal(const Configuration& c) {
    DepartEtatFinal d = departEtatFinal(c);
    RemplisseurTableau remplisseur(d.tableau);
    ConstantesVitesse k;
    speed(d.n, d.run, remplisseur, k);
    return d.tableau;
}

} // namespace vedo::cli
