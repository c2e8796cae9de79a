#pragma once
// Reads RTF into a document model: fonts, sizes, bold, italic, underline,
// strike-out, colours, highlight, alignment, indents, spacing, sub- and
// superscript, Windows-1252 and Unicode characters.

#include "rtf/DocumentRtf.h"

#include <string>
#include <string_view>

namespace vedo {

struct LectureRtf {
    // False, with a French message in `erreur`, when the bytes are not RTF at
    // all. A damaged RTF text (cut short, unbalanced braces) is read up to
    // the damage: `lu` and a French warning in `erreur`, empty after a clean read.
    bool lu = false;
    std::string erreur;
    DocumentRtf document;
};

LectureRtf lireDocumentRtf(std::string_view rtf);

} // namespace vedo
