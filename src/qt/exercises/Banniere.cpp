#include "exercises/Banniere.h"

#include "platform/SurfaceQt.h"
#include "view/DessinBanniere.h"

#include <QPainter>

namespace vedo {

Banniere::Banniere(const QString& texte, QWidget* parent) : QWidget(parent), texte_(texte) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Banniere::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    SurfaceQt surface(peintre, size());
    dessinerBanniere(surface, height(), texte_.toStdString());
}

} // namespace vedo
