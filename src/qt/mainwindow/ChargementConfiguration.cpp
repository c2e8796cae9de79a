#include "mainwindow/ChargementConfiguration.h"

#include "mainwindow/FeuilleP.h"
#include "persistence/ConfigurationFile.h"

#include <QDir>

namespace vedo {

QString titreAvecFichier(const QString& chemin) {
    return "Vedoriruvirivi - " + chemin;
}

bool chargeconfig(FeuilleP& f) {
    ApplicationState& application = f.application;
    const LectureConfiguration lecture =
        lireConfiguration(QDir::fromNativeSeparators(application.fichcourant));
    if (lecture.erreur != ErreurConfiguration::fichierNonValide)
        f.appliquerReglages(lecture.configuration, lecture.dernierEnregistrementLu);
    if (lecture.erreur != ErreurConfiguration::aucune) {
        application.prompteur.message(&f, QMessageBox::Critical, titreErreurConfiguration(lecture.erreur),
                                      messageErreurConfiguration(lecture.erreur), QMessageBox::Ok);
        return false;
    }
    application.courbes.nbCourbes = -1;
    f.modele().Command9_Click();
    f.setWindowTitle(titreAvecFichier(application.fichcourant));
    return true;
}

} // namespace vedo
