#include "mainwindow/IconesBoutons.h"

#include <QPainter>
#include <QPixmap>

namespace vedo {

namespace {
// A frame and four diagonal arrows in the corners, pointing out of it or into it.
QIcon cadreEtFleches(const QRect& cadre, bool sortantes) {
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(cadre);
    const QPoint coins[4] = {{1, 1}, {14, 1}, {1, 14}, {14, 14}};
    for (const QPoint& c : coins) {
        const QPoint versCentre(c.x() < 8 ? 1 : -1, c.y() < 8 ? 1 : -1);
        const QPoint bout = c + 3 * versCentre;
        p.drawLine(c, bout);
        const QPoint pointe = sortantes ? c : bout;
        const QPoint recul = sortantes ? versCentre : -versCentre;
        p.drawLine(pointe, pointe + QPoint(3 * recul.x(), 0));
        p.drawLine(pointe, pointe + QPoint(0, 3 * recul.y()));
    }
    return QIcon(image);
}
} // namespace

QIcon iconeAgrandir() {
    return cadreEtFleches(QRect(4, 4, 7, 7), true);
}

QIcon iconeRestaurer() {
    return cadreEtFleches(QRect(6, 6, 3, 3), false);
}

QIcon iconeExercice() {
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(3, 2, 14, 19);
    p.setPen(QColor(0, 0, 160));
    for (int y = 6; y <= 17; y += 3)
        p.drawLine(6, y, 14, y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 80, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(21, 6, 13, 17);
    return QIcon(image);
}

} // namespace vedo
