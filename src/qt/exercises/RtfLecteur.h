#pragma once
// RTF into a QTextDocument, through the document model of rtf/LecteurRtf.h.

#include "rtf/DocumentRtf.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace vedo {

// Replaces the content of `document` with the model, in one undoable step.
void remplirDocument(QTextDocument& document, const DocumentRtf& modele);

// Returns false, with a French message in `erreur` and the document left as it
// was, when the bytes are not RTF at all. A damaged RTF text (cut short,
// unbalanced braces) is read up to the damage: the function returns true and
// `erreur` receives a French warning; it is emptied after a clean read.
bool lireRtf(const QByteArray& rtf, QTextDocument& document, QString* erreur = nullptr);

} // namespace vedo
