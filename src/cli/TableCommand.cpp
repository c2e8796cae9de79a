// vedoriruvirivi-cli table: the table of values that "État final" computes.

#include "cli/Command.h"
#include "cli/RunOptions.h"
#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "view/GraphScale.h"
#include "view/TableauValeurs.h"

#include <cstdio>

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

int commandeTable(const QStringList& arguments) {
    QString erreurOptions;
    const auto options = lireOptionsRun(arguments, erreurOptions);
    if (!options) return erreur(erreurOptions);
    if (!options->restants.isEmpty()) return erreur("Option inconnue : " + options->restants.first());
    const Configuration& c = options->reglages;

    std::array<std::string, 4> textes;
    Quantites n{};
    for (int i = 0; i < 4; ++i) {
        textes[i] = c.quantites[i].toStdString();
        if (const auto q = quantiteSaisie(textes[i])) n[i] = *q;
    }
    const auto affichees = CourbesAffichees{c.courbes[0], c.courbes[1], c.courbes[2], c.courbes[3]};
    const std::int32_t duree = dureePosition(c.positionDuree);
    const Conditions conditions = conditionsDe(c);

    TableauValeurs tableau;
    tableau.prepatab(duree, c.defilementLignes, textes, conditions, n);

    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = duree;
    p.conditions = conditions;
    p.remplirTableau = true;
    p.nombreLignes = tableau.nombreLignes();
    p.ymax = ymaxGraphe(n, affichees, nullptr);
    RemplisseurTableau remplisseur(tableau);
    ConstantesVitesse k;
    speed(n, p, remplisseur, k);

    QStringList enTete;
    for (const auto& t : tableau.enTetes(c.reaction))
        enTete << QString::fromStdString(t).remove("\r\n");
    std::printf("%s\n", qPrintable(enTete.join('\t')));
    for (int r = 0; r < tableau.nombreLignes(); ++r) {
        QStringList cellules;
        for (const auto& cellule : tableau.ligne(r))
            cellules << QString::fromStdString(cellule);
        std::printf("%s\n", qPrintable(cellules.join('\t')));
    }
    return 0;
}

const InscriptionCommande inscription("table", "table " + usageOptionsRun(), commandeTable);

} // namespace

} // namespace vedo::cli
