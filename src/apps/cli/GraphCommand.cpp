// vedoriruvirivi-cli graph -o FILE: the graph picture after "État final", as
// a vector drawing (.svg, .pdf) or as the picture (.png).

#include "cli/Command.h"
#include "cli/EtatFinal.h"
#include "cli/RunOptions.h"
#include "output/Exportation.h"
#include "persistence/FichierEntier.h"
#include "platform/SurfaceImage.h"
#include "view/DessinGraphe.h"

namespace vedo::cli {

namespace {

// The graph picture after "État final", 413 x 235 as the window shows it,
// and its drawing in `dessin`.
QImage grapheEtatFinal(const Configuration& c, DessinGraphe& dessin) {
    DepartEtatFinal d = departEtatFinal(c);
    CadreGraphe cadre;
    cadre.echelle = d.echelle;
    cadre.affichees = d.affichees;
    cadre.departs = d.departs;
    cadre.gras = c.traceGras;
    for (int i = 0; i < 4; ++i)
        cadre.couleurs[i] = couleurDepuisEntier(static_cast<std::uint32_t>(c.couleurs[i]));
    QImage image(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32);
    SurfaceImage surface(image);
    if (!dessin.dessinerCadre(surface, image.width(), image.height(), cadre)) return image;
    PointsPrecedents precedents;
    TraceurCourbes traceur(surface, cadre.echelle, cadre.affichees, cadre.couleurs, c.traceGras ? 2 : 1,
                           precedents, &dessin);
    ConstantesVitesse k;
    speed(d.n, d.run, traceur, k);
    return image;
}

int commandeGraphe(const QStringList& arguments) {
    QString erreurOptions;
    auto options = lireOptionsRun(arguments, erreurOptions);
    if (!options) return erreur(erreurOptions);
    const QString sortie = prendreOption(options->restants, "-o").value_or(QString());
    if (!options->restants.isEmpty()) return erreur("Option inconnue : " + options->restants.first());
    if (sortie.isEmpty())
        return erreur(QStringLiteral("Il faut donner le fichier à écrire : -o FICHIER.svg, .pdf ou .png"));
    const auto format = formatGraphe(sortie);
    if (!format) return erreur(texteFormatInconnu());
    DessinGraphe dessin;
    const QImage image = grapheEtatFinal(options->reglages, dessin);
    if (!ecrireFichierEntier(sortie, fichierGraphe(*format, dessin, image)))
        return erreur(QStringLiteral("%1 : %2").arg(texteEchecEcriture, sortie));
    return 0;
}

const InscriptionCommande inscription("graph", "graph -o FICHIER.svg|.pdf|.png " + usageOptionsRun(),
                                      commandeGraphe);

} // namespace

} // namespace vedo::cli
