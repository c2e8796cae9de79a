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

} // namespace vedo
