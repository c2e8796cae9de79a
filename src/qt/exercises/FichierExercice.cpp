#include "exercises/FichierExercice.h"

#include "exercises/FichiersNommesQt.h"
#include "persistence/FichierEntier.h"
#include "presentation/LectureExercice.h"

namespace vedo {

std::optional<FichierExercice> lireFichierExercice(const QString& chemin) {
    FichiersNommesQt disque;
    return lireExercice(disque, chemin.toStdString());
}

bool ecrireFichierExercice(const QString& chemin, const FichierExercice& e) {
    const auto octets = coderExercice(e);
    return octets && ecrireFichierEntier(chemin, QByteArray::fromStdString(*octets));
}

} // namespace vedo
