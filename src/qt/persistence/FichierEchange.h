#pragma once
// The hand-over file (records/EnregistrementsEchange.h) on disk. Every
// access fails silently: a read-only directory or a locked file must not
// stop the program.

#include "records/EnregistrementsEchange.h"

#include <QString>

namespace vedo {

struct ApplicationState;

// The hand-over file of the programs installed in `repertoire`.
QString cheminFichierEchange(const QString& repertoire);

// Record 16: "OUI" when running, "NON" when stopped. False when the file
// could not be written.
bool annoncerEnMarche(const QString& chemin, bool enMarche);

// Record 31, then an empty record 31 written, the file created when absent:
// each request is served once where the file can be written. Empty when
// there is none or the file cannot be read. `retire`, when given, tells
// whether record 31 could be emptied.
QString prendreExerciceTransmis(const QString& chemin, bool* retire = nullptr);

// The same for the application's hand-over file (none when its path is
// empty). An exercise named in record 31 is handed, as a path in the
// application directory, to `ouvrirExerciceTransmis`, with `repexo` set to
// that directory; once it is opened, the correction is offered.
void annoncerEnMarche(ApplicationState& application, bool enMarche);
void recevoirExerciceTransmis(ApplicationState& application);

} // namespace vedo
