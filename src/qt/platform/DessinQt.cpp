#include "platform/DessinQt.h"

namespace vedo {

QFont policeQt(const Police& police) {
    QFont f(QString::fromStdString(police.nom));
    f.setPixelSize(qRound(police.points * 96.0 / 72.0));
    f.setBold(police.gras);
    f.setItalic(police.italique);
    return f;
}

Police policeDe(const QFont& police) {
    return {police.family().toStdString(), police.pixelSize() * 72.0 / 96.0, police.bold(), police.italic()};
}

QPen plumeQt(const Plume& plume) {
    static const Qt::PenCapStyle bouts[] = {Qt::FlatCap, Qt::SquareCap, Qt::RoundCap};
    static const Qt::PenJoinStyle angles[] = {Qt::BevelJoin, Qt::MiterJoin, Qt::RoundJoin};
    return QPen(couleurQt(plume.couleur), plume.largeur, plume.pointille ? Qt::DotLine : Qt::SolidLine,
                bouts[static_cast<int>(plume.bout)], angles[static_cast<int>(plume.angle)]);
}

} // namespace vedo
