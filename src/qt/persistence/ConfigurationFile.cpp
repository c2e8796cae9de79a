#include "persistence/ConfigurationFile.h"

#include "persistence/FichierEntier.h"
#include "persistence/RecordFile.h"

namespace vedo {

LectureConfiguration lireConfiguration(const QString& chemin) {
    const auto debut = lireDebutFichier(chemin, enregistrementsConfiguration);
    if (!debut) {
        LectureConfiguration r;
        r.erreur = ErreurConfiguration::lectureImpossible;
        return r;
    }
    return decoderConfiguration(debut->octets, debut->suiteIllisible);
}

bool ecrireConfiguration(const QString& chemin, const Configuration& c) {
    const auto octets = coderConfiguration(c);
    return octets && ecrireFichierEntier(chemin, QByteArray::fromStdString(*octets));
}

QString titreErreurConfiguration(ErreurConfiguration e) {
    switch (e) {
    case ErreurConfiguration::fichierNonValide:
        return QStringLiteral("Fichier non valide");
    case ErreurConfiguration::lectureImpossible:
        return QStringLiteral("Erreur lors du chargement du fichier");
    case ErreurConfiguration::aucune:
        break;
    }
    return {};
}

QString messageErreurConfiguration(ErreurConfiguration e) {
    switch (e) {
    case ErreurConfiguration::fichierNonValide:
        return QStringLiteral("Ce fichier ne correspond pas à cette application");
    case ErreurConfiguration::lectureImpossible:
        return QStringLiteral("Lecture impossible sur disque");
    case ErreurConfiguration::aucune:
        break;
    }
    return {};
}

} // namespace vedo
