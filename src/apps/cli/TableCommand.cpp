// vedoriruvirivi-cli table: the table of values that "État final" computes,
// tab-separated, or as CSV for a French spreadsheet.

#include "cli/Command.h"
#include "cli/EtatFinal.h"
#include "cli/RunOptions.h"
#include "view/TableauCsv.h"

#include <cstdio>

namespace vedo::cli {

namespace {

void ecrireTsv(const TableauValeurs& tableau, int reaction) {
    QStringList enTete;
    for (const auto& t : tableau.enTetes(reaction))
        enTete << QString::fromStdString(t).remove("\r\n");
    std::printf("%s\n", qPrintable(enTete.join('\t')));
    for (int r = 0; r < tableau.nombreLignes(); ++r) {
        QStringList cellules;
        for (const auto& cellule : tableau.ligne(r))
            cellules << QString::fromStdString(cellule);
        std::printf("%s\n", qPrintable(cellules.join('\t')));
    }
}

int commandeTable(const QStringList& arguments) {
    QString erreurOptions;
    auto options = lireOptionsRun(arguments, erreurOptions);
    if (!options) return erreur(erreurOptions);
    const QString format = prendreOption(options->restants, "--format").value_or("tsv");
    if (!options->restants.isEmpty()) return erreur("Option inconnue : " + options->restants.first());
    if (format != "tsv" && format != "csv") return erreur("Option --format : tsv ou csv");
    const Configuration& c = options->reglages;
    const TableauValeurs tableau = tableauEtatFinal(c);
    if (format == "csv") {
        const std::string csv = tableauCsv(tableau, c.reaction);
        std::fwrite(csv.data(), 1, csv.size(), stdout);
    } else {
        ecrireTsv(tableau, c.reaction);
    }
    return 0;
}

const InscriptionCommande inscription("table", "table [--format tsv|csv] " + usageOptionsRun(),
                                      commandeTable);

} // namespace

} // namespace vedo::cli
