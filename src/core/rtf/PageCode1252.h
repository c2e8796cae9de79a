#pragma once
// Single characters of the Windows-1252 code page, for the RTF \'hh escapes.

namespace vedo {

char16_t caractereDeOctet1252(unsigned char octet);
// -1 when the character has no byte in the code page.
int octet1252DeCaractere(char16_t c);

} // namespace vedo
