#include "platform/MenuSimpleQt.h"

namespace vedo {

ElementsMenu menuSimple(const QStringList& legendes, const QList<bool>& actifs) {
    std::vector<std::string> l;
    for (const QString& legende : legendes)
        l.push_back(legende.toStdString());
    return menuSimple(l, std::vector<bool>(actifs.begin(), actifs.end()));
}

} // namespace vedo
