#pragma once
// The getting-started text shown in the exercise area while no exercise is
// open: sixteen pieces of text, each with a format code.

#include <QString>

#include <array>

class QTextDocument;
class QTextEdit;

namespace vedo {

enum class CodeFormat {
    Aucun = 0,
    Bleu = 1,
    Centre = 2,
    Indice = 3,
    Exposant = 4,
    Symbole = 5,
    Accent = 6, // blue too, kept apart for the introductions of lists
    Italique = 7,
    Souligne = 8,
    Titre = 9,
};

struct MorceauAccueil {
    QString texte; // line breaks are "\r\n"
    CodeFormat code;
};

const std::array<MorceauAccueil, 16>& morceauxAccueil();

// Applies `code` to the characters [debut, fin) of `document` and to their paragraphs.
void appliquerCodeFormat(QTextDocument& document, int debut, int fin, CodeFormat code);

// Replaces the content, every time from scratch, so it never doubles. The
// document's undo history is emptied: undoing must not bring back a closed text.
void textaccueil(QTextDocument& document);
// Same, then puts the caret at the start without selection.
void textaccueil(QTextEdit& supertext);

} // namespace vedo
