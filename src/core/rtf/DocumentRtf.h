#pragma once
// A rich text as the RTF reader gives it and the writer takes it: paragraphs
// of runs of formatted text, which each shell turns into its own rich text.
// Texts are UTF-16, as the RTF \u escapes count them; lengths are in twips.

#include <optional>
#include <string>
#include <vector>

namespace vedo {

struct CouleurRtf {
    int rouge = 0, vert = 0, bleu = 0;
    bool operator==(const CouleurRtf&) const = default;
};

enum class PositionTexte { normale, exposant, indice };

struct FormatCaracteres {
    std::optional<std::u16string> police; // none: the document's default font
    std::optional<double> points;         // none: the document's default size
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    std::optional<CouleurRtf> couleur; // none: automatic
    std::optional<CouleurRtf> fond;    // highlight
    PositionTexte position = PositionTexte::normale;
    double decalage = 0; // raised (positive) or lowered, in percent of the font size

    bool operator==(const FormatCaracteres&) const = default;
};

struct MorceauTexte {
    std::u16string texte;
    FormatCaracteres format;
    bool operator==(const MorceauTexte&) const = default;
};

enum class Alignement { gauche, centre, droite, justifie };

struct FormatParagraphe {
    Alignement alignement = Alignement::gauche;
    int gauche = 0;
    int droite = 0;
    int premiereLigne = 0;
    int avant = 0;
    int apres = 0;
    bool operator==(const FormatParagraphe&) const = default;
};

struct ParagrapheRtf {
    FormatParagraphe format;
    FormatCaracteres caracteres; // of the paragraph itself, as an empty one shows it
    std::vector<MorceauTexte> morceaux;
    bool operator==(const ParagrapheRtf&) const = default;
};

struct DocumentRtf {
    std::vector<ParagrapheRtf> paragraphes = {ParagrapheRtf{}}; // never empty
    std::u16string policeDefaut;
    double pointsDefaut = 12.0;
};

} // namespace vedo
