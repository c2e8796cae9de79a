#pragma once
// An exercise file read by its name.

#include "platform/FichiersNommes.h"
#include "records/FichierExercice.h"

namespace vedo {

// No result when the file cannot be opened or its first four records cannot be read.
std::optional<FichierExercice> lireExercice(FichiersNommes& fichiers, const std::string& chemin);

} // namespace vedo
