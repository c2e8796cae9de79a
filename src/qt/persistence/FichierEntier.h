#pragma once
// Saves of whole files: the content goes to a temporary file beside the
// target, renamed over it once wholly written, so that a failed save (folder
// that cannot be written, full disk) leaves the previous file as it was.
// Where no temporary file can be made but the file itself may be changed,
// it is rewritten in place; a write that fails there puts the previous
// bytes back, and only a failure of that too (or a crash while writing)
// leaves a damaged file.

#include <QByteArray>
#include <QString>

namespace vedo {

bool ecrireFichierEntier(const QString& chemin, const QByteArray& contenu);

// What every save says when the file cannot be written.
inline constexpr char titreEchecEnregistrement[] = "Enregistrement impossible";
inline constexpr char texteEchecEcriture[] = "Ecriture impossible sur disque";

} // namespace vedo
