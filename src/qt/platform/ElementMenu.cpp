#include "platform/ElementMenu.h"

namespace vedo {

ElementsMenu menuSimple(const QStringList& legendes, const QList<bool>& actifs) {
    ElementsMenu elements;
    for (qsizetype i = 0; i < legendes.size(); ++i)
        elements.push_back(elementMenu(legendes[i], static_cast<int>(i), i >= actifs.size() || actifs[i]));
    return elements;
}

} // namespace vedo
