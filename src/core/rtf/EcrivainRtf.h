#pragma once
// Writes a document model as RTF that word processors open with the same
// look: fonts, sizes, bold, italic, underline, strike-out, colours,
// highlight, alignment, indents, spacing, sub- and superscript. The bytes are
// pure ASCII: characters of Windows-1252 are written \'hh, the others \uN
// with '?' for readers that do not know Unicode.

#include "rtf/DocumentRtf.h"

#include <string>

namespace vedo {

std::string ecrireDocumentRtf(const DocumentRtf& document);

} // namespace vedo
