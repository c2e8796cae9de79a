#include "exercises/FichiersNommesQt.h"

#include "exercises/ZoneExercice.h"
#include "persistence/NomConfiguration.h"
#include "persistence/RecordFile.h"

#include <QDir>
#include <QFileInfo>

namespace vedo {

namespace {
QString qt(const std::string& nom) {
    return QString::fromStdString(nom);
}
} // namespace

std::optional<DebutFichier> FichiersNommesQt::lireDebut(const std::string& nom, int nombre) {
    return lireDebutFichier(qt(nom), nombre);
}

std::string FichiersNommesQt::dossier(const std::string& nom) const {
    return avecSeparateur(QFileInfo(qt(nom)).absolutePath()).toStdString();
}

void FichiersNommesQt::changerDossierCourant(const std::string& dossier) {
    QDir::setCurrent(qt(dossier));
}

std::string FichiersNommesQt::dossierCourant() const {
    return QDir::currentPath().toStdString();
}

bool FichiersNommesQt::existe(const std::string& nom) const {
    return QFileInfo::exists(qt(nom));
}

bool FichiersNommesQt::estDossier(const std::string& nom) const {
    return QFileInfo(qt(nom)).isDir();
}

std::string FichiersNommesQt::nomSurDisque(const std::string& nom) const {
    return fichierRemplace(qt(nom)).toStdString();
}

std::string FichiersNommesQt::natif(const std::string& nom) const {
    return QDir::toNativeSeparators(qt(nom)).toStdString();
}

} // namespace vedo
