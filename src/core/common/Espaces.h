#pragma once
// The blanks around a UTF-8 text, as the desktop's text boxes take them:
// controls 9 to 13, U+0085 and Unicode's space, line and paragraph
// separators. Invalid UTF-8 is never blank.

#include <string_view>

namespace vedo {

std::string_view sansEspacesAutour(std::string_view texte);

inline bool toutEspaces(std::string_view texte) {
    return sansEspacesAutour(texte).empty();
}

} // namespace vedo
