#pragma once
// The items of a pop-up menu, as a tree: a sub-menu is an item holding items.

#include <string>
#include <vector>

namespace vedo {

// A separator (`ElementMenu{}`), an item to choose, or an item that opens a
// sub-menu.
struct ElementMenu {
    std::string legende; // empty: a separator
    int choix = -1;      // what the menu returns when this item is chosen
    bool actif = true;
    std::vector<ElementMenu> sousMenu; // not empty: the item opens this sub-menu
};
using ElementsMenu = std::vector<ElementMenu>;

inline ElementMenu elementMenu(std::string legende, int choix, bool actif = true) {
    return {std::move(legende), choix, actif, {}};
}
inline ElementMenu sousMenu(std::string legende, ElementsMenu elements, bool actif = true) {
    return {std::move(legende), -1, actif, std::move(elements)};
}

// Plain items whose choices are their indices; a separator is an empty
// caption. Without `actifs`, every item is enabled.
ElementsMenu menuSimple(const std::vector<std::string>& legendes, const std::vector<bool>& actifs = {});

// Whether a person could choose the item `choix`: enabled, and reached
// through enabled sub-menus.
bool choixPossible(const ElementsMenu& elements, int choix);

} // namespace vedo
