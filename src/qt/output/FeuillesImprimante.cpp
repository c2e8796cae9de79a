#include "output/FeuillesImprimante.h"

#include <QPrinter>

namespace vedo {

namespace {
constexpr double twipsParPouce = 1440;
}

FeuillesImprimante::FeuillesImprimante(QPrinter& imprimante) : imprimante_(imprimante) {
    const QRectF zone = imprimante.pageLayout().paintRect(QPageLayout::Inch);
    taille_ = zone.size() * twipsParPouce;
    if (!crayon_.begin(&imprimante)) return;
    crayon_.scale(imprimante.resolution() / twipsParPouce, imprimante.resolution() / twipsParPouce);
}

void FeuillesImprimante::nouvellePage() {
    imprimante_.newPage();
}

} // namespace vedo
