#pragma once
// Record files, shared by configurations, exercises and the hand-over file:
// records of 128 bytes, record n (from 1) at offset (n - 1) x 128, each a
// 2-byte little-endian length L followed by L bytes of Windows-1252 text
// (L <= 126) and bytes that mean nothing.

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

namespace vedo {

inline constexpr int tailleEnregistrement = 128;
inline constexpr int longueurTexteMax = 126;

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

} // namespace vedo
