#pragma once
// Record files on a device or on disk, through the format of
// records/FichierEnregistrements.h: a record is read or written in place, so
// that a file however large costs one record.

#include "platform/FichiersNommes.h"
#include "records/FichierEnregistrements.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace vedo {

// The text of record `numero` of an open device. A record past the end reads
// as empty; a length above 126, a record cut short or a device error gives
// no result. Reads only that record, whatever the size of the file.
std::optional<QString> lireEnregistrement(QIODevice& fichier, int numero);

// The 128 bytes of a record holding `texte`; no result when the text takes
// more than 126 bytes in Windows-1252.
std::optional<QByteArray> octetsEnregistrement(const QString& texte);

// Writes record `numero` in place, extending the file when needed; every
// other byte stays as it was. False on a text too long or a write error.
bool ecrireEnregistrement(QIODevice& fichier, int numero, const QString& texte);

// Writes a whole file of records through a temporary file renamed over the
// old one, so that a failed save leaves the previous file intact.
bool ecrireFichierEnregistrements(const QString& chemin, const QStringList& textes);

// The first `nombre` records of a file; no result when it cannot be opened.
std::optional<DebutFichier> lireDebutFichier(const QString& chemin, int nombre);

} // namespace vedo
