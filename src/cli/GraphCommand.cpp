// vedoriruvirivi-cli graph -o FILE.png: the graph picture after "État final".

#include "cli/Command.h"
#include "cli/EtatFinal.h"
#include "cli/RunOptions.h"

namespace vedo::cli {

namespace {

int commandeGraphe(const QStringList& arguments) {
    QString erreurOptions;
    auto options = lireOptionsRun(arguments, erreurOptions);
    if (!options) return erreur(erreurOptions);
    QString sortie;
    QStringList& restants = options->restants;
    const auto iSortie = restants.indexOf("-o");
    if (iSortie >= 0 && iSortie + 1 < restants.size()) {
        sortie = restants[iSortie + 1];
        restants.remove(iSortie, 2);
    }
    if (!restants.isEmpty()) return erreur("Option inconnue : " + restants.first());
    if (sortie.isEmpty())
        return erreur(QStringLiteral("Il faut donner le fichier PNG à écrire : -o FICHIER.png"));
    if (!calculerEtatFinal(options->reglages).graphe.save(sortie, "PNG"))
        return erreur("Écriture impossible : " + sortie);
    return 0;
}

const InscriptionCommande inscription("graph", "graph -o FICHIER.png " + usageOptionsRun(), commandeGraphe);

} // namespace

} // namespace vedo::cli
