#pragma once
// Exercise files (".E39", and the getting-started activity "ESTER.PEM"):
// record files naming a statement text, its configuration, a correction text
// and its configuration, all relative to the exercise file's directory, with
// what the exercise window previews: difficulty, notions, title and working
// time. Texts are UTF-8.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vedo {

inline constexpr char extensionExercice[] = ".E39";
inline constexpr char nomPriseEnMain[] = "ESTER.PEM";
// Records 1 to 12: a reader needs no byte past them.
inline constexpr int enregistrementsExercice = 12;

struct FichierExercice {
    std::string enonce;                  // 1: statement text (RTF)
    std::string configuration;           // 2: statement configuration (".C15"), may be empty
    std::string correction;              // 3: correction text (RTF), may be empty
    std::string configurationCorrection; // 4: correction configuration, may be empty
    std::string difficulte;              // 5: 0 to 3 lit stars
    std::array<std::string, 4> notions;  // 7-10: appended one after the other, nothing between
    std::string titre;                   // 11
    std::string dureeTravail;            // 12: number of hourglasses

    // Corrected when it names a correction text or a correction configuration.
    bool corrige() const;
    // The number of lit stars, 0 to 3.
    int etoilesAllumees() const;
    // The notions as the preview shows them.
    std::string texteNotions() const;
    // One "⌛" per unit of the working time.
    std::string sabliers() const;

    bool operator==(const FichierExercice&) const = default;
};

// The records of an exercise file from its first bytes (see
// texteEnregistrement for `suiteIllisible`). Records 1 to 4 must be
// readable; a damaged record beyond them reads as empty.
std::optional<FichierExercice> decoderExercice(std::string_view fichier, bool suiteIllisible = false);

// The bytes of the twelve records; no result when a text is too long for its record.
std::optional<std::string> coderExercice(const FichierExercice& exercice);

} // namespace vedo
