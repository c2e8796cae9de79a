#pragma once
// The loader `chargeconfig`: a configuration file applied to the main window.

#include "records/Configuration.h"

#include <QString>

namespace vedo {

class FeuilleP;

// "Vedoriruvirivi - " and the file's path.
QString titreAvecFichier(const QString& chemin);

// Reads the file named by `fichcourant` and applies it, then forgets the
// kept runs, runs "Retour état initial" and names the file in the caption.
// A file that is not a configuration changes nothing; a read error keeps
// what was applied before it. Both are reported. True when wholly applied.
bool chargeconfig(FeuilleP& fenetre);

} // namespace vedo
