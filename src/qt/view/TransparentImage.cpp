#include "view/TransparentImage.h"

namespace vedo {

void dessinerImageTransparente(QPainter& p, QPoint position, const QImage& image, QRgb transparente) {
    QImage masquee = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb cle = qRgb(qRed(transparente), qGreen(transparente), qBlue(transparente));
    for (int y = 0; y < masquee.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(masquee.scanLine(y));
        for (int x = 0; x < masquee.width(); ++x)
            if (qRgb(qRed(ligne[x]), qGreen(ligne[x]), qBlue(ligne[x])) == cle) ligne[x] = qRgba(0, 0, 0, 0);
    }
    p.drawImage(position, masquee);
}

} // namespace vedo
