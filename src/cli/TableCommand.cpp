// vedoriruvirivi-cli table: the table of values that "État final" computes.

#include "cli/Command.h"
#include "cli/EtatFinal.h"
#include "cli/RunOptions.h"

#include <cstdio>

namespace vedo::cli {

namespace {

int commandeTable(const QStringList& arguments) {
    QString erreurOptions;
    const auto options = lireOptionsRun(arguments, erreurOptions);
    if (!options) return erreur(erreurOptions);
    if (!options->restants.isEmpty()) return erreur("Option inconnue : " + options->restants.first());
    const Configuration& c = options->reglages;
    const TableauValeurs tableau = tableauEtatFinal(c);

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
