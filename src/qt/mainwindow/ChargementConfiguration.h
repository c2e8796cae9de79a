#pragma once
// A configuration and the main window's controls: the settings read from the
// controls for a save, and the loader `chargeconfig` setting the controls one
// by one, in record order, so that each control's own handler runs as if the
// student had made the change.

#include "records/Configuration.h"

#include <QString>

namespace vedo {

class FeuilleP;

// "Vedoriruvirivi - " and the file's path.
QString titreAvecFichier(const QString& chemin);

// The settings the controls hold now.
Configuration configurationFenetre(const FeuilleP& fenetre);

// Sets the controls of records 2 to `dernierEnregistrement`, in that order.
void appliquerConfiguration(FeuilleP& fenetre, const Configuration& c, int dernierEnregistrement);

// Reads the file named by `fichcourant` and applies it, then forgets the
// kept runs, runs "Retour état initial" and names the file in the caption.
// A file that is not a configuration changes nothing; a read error keeps
// what was applied before it. Both are reported. True when wholly applied.
bool chargeconfig(FeuilleP& fenetre);

} // namespace vedo
