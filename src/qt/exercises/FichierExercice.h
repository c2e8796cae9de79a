#pragma once
// Exercise files (records/FichierExercice.h) on disk.

#include "records/FichierExercice.h"

#include <QString>

#include <optional>

namespace vedo {

// No result when the file cannot be opened or its first four records cannot be read.
std::optional<FichierExercice> lireFichierExercice(const QString& chemin);

// Writes the twelve records through a temporary file; false when a text is
// too long for its record or the file cannot be written.
bool ecrireFichierExercice(const QString& chemin, const FichierExercice& exercice);

} // namespace vedo
