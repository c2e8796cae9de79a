#include "platform/ElementMenu.h"

namespace vedo {

ElementsMenu menuSimple(const std::vector<std::string>& legendes, const std::vector<bool>& actifs) {
    ElementsMenu elements;
    for (std::size_t i = 0; i < legendes.size(); ++i)
        elements.push_back(elementMenu(legendes[i], static_cast<int>(i), i >= actifs.size() || actifs[i]));
    return elements;
}

bool choixPossible(const ElementsMenu& elements, int choix) {
    for (const ElementMenu& e : elements) {
        if (e.legende.empty() || !e.actif) continue;
        if (e.sousMenu.empty() ? e.choix == choix : choixPossible(e.sousMenu, choix)) return true;
    }
    return false;
}

} // namespace vedo
