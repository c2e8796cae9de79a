#include "mainwindow/IconesBoutons.h"

#include "platform/SurfaceQt.h"
#include "view/DessinsBoutons.h"

#include <QPixmap>

namespace vedo {

namespace {
QIcon icone(int cote, void (*dessin)(Surface&)) {
    return QIcon(QPixmap::fromImage(imageCalqueQt(cote, cote, dessin)));
}
} // namespace

QIcon iconeAgrandir() {
    return icone(coteIconeCadre, dessinerAgrandir);
}

QIcon iconeRestaurer() {
    return icone(coteIconeCadre, dessinerRestaurer);
}

QIcon iconeExercice() {
    return icone(coteIconeExercice, dessinerExercice);
}

} // namespace vedo
