#pragma once
// "Co&pier"'s pop-up menu `menucop`: the apparatus picture, the graph, the
// table's cells as text or a picture of the table on the clipboard, or the
// graph or the table saved to a file.

#include "platform/ElementMenu.h"

#include <string_view>

namespace vedo {

// The items of `menucop` that do something, as the menu returns them.
enum ChoixCopie { cop001, Cop002, cop0031, cop0032, copEnregistrerGraphe, copEnregistrerTableau };

// The copy confirmation `info` shows once the menu closes.
inline constexpr std::string_view messageCopie =
    "L'image est copiée : vous pouvez la retrouver depuis toute application Windows (coller)";

// What the window has to copy or save: an item is enabled when its thing is there.
struct CopiesPossibles {
    bool animation = false;
    bool graphe = false;
    bool tableau = false;
    bool dessinGraphe = false;
    bool tableauCsv = false;
};

// "Copier le tableau" opens a sub-menu of its two items; a separator stands
// before the two saves.
ElementsMenu menucop(const CopiesPossibles& possibles);

} // namespace vedo
