#pragma once
// A QTextDocument as RTF, through the document model of rtf/EcrivainRtf.h.

#include "rtf/DocumentRtf.h"

#include <QByteArray>

class QTextDocument;

namespace vedo {

// The model of what the document shows, its default font made explicit.
DocumentRtf modeleDocument(const QTextDocument& document);

QByteArray ecrireRtf(const QTextDocument& document);

} // namespace vedo
