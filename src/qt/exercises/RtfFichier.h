#pragma once
// RTF files on disk. Saving writes a temporary file and renames it over the
// old one, so a failed save never destroys the previous file.

#include <QString>

class QTextDocument;

namespace vedo {

// Same contract as lireRtf; an unreadable or oversized file leaves the document as it was.
bool chargerRtf(const QString& chemin, QTextDocument& document, QString* erreur = nullptr);

bool enregistrerRtf(const QString& chemin, const QTextDocument& document, QString* erreur = nullptr);

} // namespace vedo
