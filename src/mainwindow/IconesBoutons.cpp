#include "mainwindow/IconesBoutons.h"

#include <QPainter>
#include <QPixmap>

namespace vedo {

QIcon iconeAgrandir() {
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(4, 4, 7, 7);
    const QPoint coins[4] = {{1, 1}, {14, 1}, {1, 14}, {14, 14}};
    for (const QPoint& c : coins) {
        const int dx = c.x() < 8 ? 1 : -1;
        const int dy = c.y() < 8 ? 1 : -1;
        p.drawLine(c, c + QPoint(3 * dx, 3 * dy));
        p.drawLine(c, c + QPoint(3 * dx, 0));
        p.drawLine(c, c + QPoint(0, 3 * dy));
    }
    return QIcon(image);
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
