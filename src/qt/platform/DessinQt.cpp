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

} // namespace vedo
