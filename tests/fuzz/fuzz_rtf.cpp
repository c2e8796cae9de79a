// The RTF reader over any bytes, then the writer over what it read.

#include "rtf/EcrivainRtf.h"
#include "rtf/LecteurRtf.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const auto lecture = vedo::lireDocumentRtf(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    if (lecture.lu) vedo::ecrireDocumentRtf(lecture.document);
    return 0;
}
