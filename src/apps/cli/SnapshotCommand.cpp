// snapshot: the main window after its start-up, as a PNG picture of its
// client area, one pixel per design pixel.

#include "cli/Command.h"
#include "mainwindow/FenetreHorsEcran.h"

namespace vedo::cli {

namespace {
int snapshot(QStringList arguments) {
    OptionsFenetre options;
    if (const auto erreurOption = lireOptionsFenetre(arguments, options)) return erreur(*erreurOption);
    const int sortie = arguments.indexOf("-o");
    if (sortie < 0 || sortie + 1 >= arguments.size())
        return erreur("Indiquer le fichier à écrire : -o FICHIER.png");
    const QString fichier = arguments.at(sortie + 1);
    arguments.remove(sortie, 2);
    if (!arguments.isEmpty()) return erreur("Option inconnue : " + arguments.first());

    SessionHorsEcran session(options);
    if (!session.configurationChargee())
        return erreur("Configuration non chargée : " + options.configuration);
    if (!session.fenetre().grab().save(fichier, "PNG"))
        return erreur("Impossible d'écrire le fichier " + fichier);
    return 0;
}

const InscriptionCommande
    inscription("snapshot", "snapshot -o FICHIER.png [--tab N] [--final] [--enlarged] [--config FICHIER.C15]",
                snapshot);
} // namespace

} // namespace vedo::cli
