// vedoriruvirivi-cli graph -o FILE.png: the graph picture after "État final".

#include "cli/Command.h"
#include "cli/EtatFinal.h"
#include "cli/RunOptions.h"
#include "view/GraphPainter.h"

namespace vedo::cli {

namespace {

// The graph picture after "État final", 413 x 235 as the window shows it.
QImage grapheEtatFinal(const Configuration& c) {
    DepartEtatFinal d = departEtatFinal(c);
    CadreGraphe cadre;
    cadre.echelle = d.echelle;
    cadre.affichees = d.affichees;
    cadre.departs = d.departs;
    cadre.gras = c.traceGras;
    for (int i = 0; i < 4; ++i)
        cadre.couleurs[i] = couleurDepuisEntier(static_cast<std::uint32_t>(c.couleurs[i]));
    QImage image(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32);
    if (!dessinerCadre(image, cadre)) return image;
    PointsPrecedents precedents;
    TraceurCourbes traceur(image, cadre.echelle, cadre.affichees, cadre.couleurs, c.traceGras ? 2 : 1,
                           precedents);
    ConstantesVitesse k;
    speed(d.n, d.run, traceur, k);
    return image;
}

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
    if (!grapheEtatFinal(options->reglages).save(sortie, "PNG"))
        return erreur("Écriture impossible : " + sortie);
    return 0;
}

const InscriptionCommande inscription("graph", "graph -o FICHIER.png " + usageOptionsRun(), commandeGraphe);

} // namespace

} // namespace vedo::cli
