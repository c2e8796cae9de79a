#include "mainwindow/ChargementConfiguration.h"

#include "mainwindow/FeuilleP.h"
#include "persistence/ConfigurationFile.h"

#include <QDir>

namespace vedo {

QString titreAvecFichier(const QString& chemin) {
    return "Vedoriruvirivi - " + chemin;
}

bool chargeconfig(FeuilleP& f) {
    const QString& chemin = f.application.fichcourant;
    if (!f.modele().chargeconfig(lireConfiguration(QDir::fromNativeSeparators(chemin)))) return false;
    f.setWindowTitle(titreAvecFichier(chemin));
    return true;
}

} // namespace vedo
