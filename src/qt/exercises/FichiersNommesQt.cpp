#include "exercises/FichiersNommesQt.h"

#include "exercises/ZoneExercice.h"
#include "persistence/RecordFile.h"

#include <QDir>
#include <QFileInfo>

namespace vedo {

std::optional<DebutFichier> FichiersNommesQt::lireDebut(const std::string& nom, int nombre) {
    return lireDebutFichier(QString::fromStdString(nom), nombre);
}

std::string FichiersNommesQt::dossier(const std::string& nom) const {
    return avecSeparateur(QFileInfo(QString::fromStdString(nom)).absolutePath()).toStdString();
}

void FichiersNommesQt::changerDossierCourant(const std::string& dossier) {
    QDir::setCurrent(QString::fromStdString(dossier));
}

} // namespace vedo
