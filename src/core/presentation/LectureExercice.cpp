#include "presentation/LectureExercice.h"

namespace vedo {

std::optional<FichierExercice> lireExercice(FichiersNommes& fichiers, const std::string& chemin) {
    const auto debut = fichiers.lireDebut(chemin, enregistrementsExercice);
    if (!debut) return std::nullopt;
    return decoderExercice(debut->octets, debut->suiteIllisible);
}

} // namespace vedo
