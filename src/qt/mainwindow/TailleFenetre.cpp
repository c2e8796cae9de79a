#include "mainwindow/TailleFenetre.h"

namespace vedo {

std::optional<QRect> cadreFeuilleP(QSize ecran) {
    constexpr int largeurMinimale = 850;
    if (ecran.width() <= largeurMinimale) return std::nullopt;
    return QRect((ecran.width() - tailleFeuilleP.width()) / 2, (ecran.height() - tailleFeuilleP.height()) / 2,
                 tailleFeuilleP.width(), tailleFeuilleP.height());
}

} // namespace vedo
