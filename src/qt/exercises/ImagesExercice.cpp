#include "exercises/ImagesExercice.h"

#include "platform/DessinQt.h"
#include "platform/SurfaceQt.h"

#include <QPainter>

namespace vedo {

namespace {
QPixmap image(int cote, const std::function<void(Surface&)>& dessin) {
    return QPixmap::fromImage(imageCalqueQt(cote, cote, dessin));
}
} // namespace

QPixmap imageEtoile(bool allumee, int cote) {
    return image(cote, [=](Surface& s) { dessinerEtoile(s, allumee, cote); });
}

void dessinerSablier(QPainter& peintre, const QRectF& cadre) {
    SurfaceQt surface(peintre, cadre.size().toSize());
    dessinerSablier(surface, pointDe(cadre.topLeft()), cadre.width(), cadre.height());
}

QIcon iconeOuvrirExercice() {
    return QIcon(image(coteIconeFenetreExercice, dessinerOuvrirExercice));
}

QIcon iconeFermerSansCharger() {
    return QIcon(image(coteIconeFenetreExercice, dessinerFermerSansCharger));
}

} // namespace vedo
