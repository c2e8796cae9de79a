#pragma once
// Saves of whole files: the content goes to a temporary file beside the
// target, renamed over it once wholly written, so that a failed save (folder
// that cannot be written, full disk) leaves the previous file as it was.

#include <QByteArray>
#include <QString>

namespace vedo {

bool ecrireFichierEntier(const QString& chemin, const QByteArray& contenu);

// What every save says when the file cannot be written.
inline constexpr char titreEchecEnregistrement[] = "Enregistrement impossible";
inline constexpr char texteEchecEcriture[] = "Ecriture impossible sur disque";

} // namespace vedo
