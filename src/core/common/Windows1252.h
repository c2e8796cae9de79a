#pragma once
// Windows-1252, the encoding of every text stored in the record files. The
// table is written out here because Qt 6 has no codec for it everywhere.

#include <string>
#include <string_view>

namespace vedo {

// Each byte becomes its character, in UTF-8. The five bytes that the code
// page leaves undefined map to the C1 control of the same number, as Windows
// itself does, so that every file reads and writes back unchanged.
std::string cp1252VersUtf8(std::string_view octets);

// Characters outside the code page, and invalid UTF-8, become '?'.
std::string utf8VersCp1252(std::string_view texte);

} // namespace vedo
