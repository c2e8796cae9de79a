#include "exercises/FichierExercice.h"

#include "persistence/FichierEntier.h"
#include "persistence/RecordFile.h"

namespace vedo {

std::optional<FichierExercice> lireFichierExercice(const QString& chemin) {
    const auto debut = lireDebutFichier(chemin, enregistrementsExercice);
    if (!debut) return std::nullopt;
    return decoderExercice(debut->octets, debut->suiteIllisible);
}

bool ecrireFichierExercice(const QString& chemin, const FichierExercice& e) {
    const auto octets = coderExercice(e);
    return octets && ecrireFichierEntier(chemin, QByteArray::fromStdString(*octets));
}

} // namespace vedo
