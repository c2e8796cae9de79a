#pragma once
// Exercise files (".E39", and the getting-started activity "ESTER.PEM"):
// record files naming a statement text, its configuration, a correction text
// and its configuration, all relative to the exercise file's directory, with
// what the exercise window previews: difficulty, notions, title and working
// time.

#include <QString>

#include <array>
#include <optional>

namespace vedo {

inline const QString extensionExercice = QStringLiteral(".E39");
inline const QString nomPriseEnMain = QStringLiteral("ESTER.PEM");

struct FichierExercice {
    QString enonce;                  // 1: statement text (RTF)
    QString configuration;           // 2: statement configuration (".C15"), may be empty
    QString correction;              // 3: correction text (RTF), may be empty
    QString configurationCorrection; // 4: correction configuration, may be empty
    QString difficulte;              // 5: 0 to 3 lit stars
    std::array<QString, 4> notions;  // 7-10: appended one after the other, nothing between
    QString titre;                   // 11
    QString dureeTravail;            // 12: number of hourglasses

    // Corrected when it names a correction text or a correction configuration.
    bool corrige() const;
    // The number of lit stars, 0 to 3.
    int etoilesAllumees() const;
    // The notions as the preview shows them.
    QString texteNotions() const;
    // One "⌛" per unit of the working time.
    QString sabliers() const;

    bool operator==(const FichierExercice&) const = default;
};

// The records of an exercise file. Records 1 to 4 must be readable; a
// damaged record beyond them reads as empty. No result when the file cannot
// be opened or its first four records cannot be read.
std::optional<FichierExercice> lireFichierExercice(const QString& chemin);

// Writes the twelve records through a temporary file; false when a text is
// too long for its record or the file cannot be written.
bool ecrireFichierExercice(const QString& chemin, const FichierExercice& exercice);

} // namespace vedo
