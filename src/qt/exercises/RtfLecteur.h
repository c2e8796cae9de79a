#pragma once
// Reads RTF into a QTextDocument: fonts, sizes, bold, italic, underline,
// strike-out, colours, highlight, alignment, indents, spacing, sub- and
// superscript, Windows-1252 and Unicode characters.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace vedo {

// Replaces the content of `document` in one undoable step.
// Returns false, with a French message in `erreur` and the document left as it
// was, when the bytes are not RTF at all. A damaged RTF text (cut short,
// unbalanced braces) is read up to the damage: the function returns true and
// `erreur` receives a French warning; it is emptied after a clean read.
bool lireRtf(const QByteArray& rtf, QTextDocument& document, QString* erreur = nullptr);

} // namespace vedo
