#pragma once
// Reading and writing ".C15" configuration files.

#include "persistence/Configuration.h"

#include <QString>

namespace vedo {

enum class ErreurConfiguration {
    aucune,
    fichierNonValide,  // record 1 is not exactly "ESTER"
    lectureImpossible, // a record cannot be read, or its value does not fit its control
};

struct LectureConfiguration {
    ErreurConfiguration erreur = ErreurConfiguration::aucune;
    Configuration configuration; // start-up values where nothing was read
    // Records 2..27 read and converted before the error (27 when all were):
    // a loader applies these and stops there.
    int dernierEnregistrementLu = 1;
};

// Reads the 27 records (and nothing more of a file however large).
LectureConfiguration lireConfiguration(const QString& chemin);

// Writes the 27 records through a temporary file; false when a text is too
// long for its record or the file cannot be written.
bool ecrireConfiguration(const QString& chemin, const Configuration& c);

// French message and title of an error, as the loader shows them.
QString titreErreurConfiguration(ErreurConfiguration e);
QString messageErreurConfiguration(ErreurConfiguration e);

} // namespace vedo
