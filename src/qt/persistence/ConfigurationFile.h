#pragma once
// Reading and writing ".C15" configuration files on disk.

#include "records/Configuration.h"

#include <QString>

namespace vedo {

// Reads the 27 records (and nothing more of a file however large).
LectureConfiguration lireConfiguration(const QString& chemin);

// Writes the 27 records through a temporary file; false when a text is too
// long for its record or the file cannot be written.
bool ecrireConfiguration(const QString& chemin, const Configuration& c);

} // namespace vedo
