#include "exercises/ImagesExercice.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace vedo {

QPixmap imageEtoile(bool allumee, int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(cote / 2.0, cote / 2.0 + cote * 0.04);
    const double grand = cote * 0.48, petit = grand * 0.4;
    QPolygonF pointes;
    for (int k = 0; k < 10; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? grand : petit;
        pointes << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    const QColor fond = allumee ? couleurEtoileAllumee : couleurEtoileEteinte;
    peintre.setPen(QPen(fond.darker(160), 1));
    peintre.setBrush(fond);
    peintre.drawPolygon(pointes);
    return image;
}

void dessinerSablier(QPainter& peintre, const QRectF& cadre) {
    peintre.save();
    peintre.setRenderHint(QPainter::Antialiasing);
    const double l = cadre.width(), h = cadre.height();
    const double plateau = h * 0.1;
    const QRectF verre = cadre.adjusted(l * 0.15, plateau, -l * 0.15, -plateau);
    QPainterPath ampoules;
    ampoules.moveTo(verre.topLeft());
    ampoules.lineTo(verre.topRight());
    ampoules.lineTo(verre.center() + QPointF(l * 0.06, 0));
    ampoules.lineTo(verre.bottomRight());
    ampoules.lineTo(verre.bottomLeft());
    ampoules.lineTo(verre.center() - QPointF(l * 0.06, 0));
    ampoules.closeSubpath();
    peintre.setPen(QPen(QColor(60, 60, 60), 1));
    peintre.setBrush(QColor(220, 235, 250));
    peintre.drawPath(ampoules);
    // Sand: a heap at the bottom and what is left at the top.
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(220, 170, 60));
    const QPointF bas = verre.bottomLeft(), basDroit = verre.bottomRight();
    peintre.drawPolygon(
        QPolygonF{bas, basDroit, QPointF(verre.center().x(), verre.bottom() - verre.height() * 0.3)});
    const double y = verre.top() + verre.height() * 0.28;
    const double demi = verre.width() / 2 * (1 - 0.28 * 2) * 0.9;
    peintre.drawPolygon(QPolygonF{QPointF(verre.center().x() - demi, y),
                                  QPointF(verre.center().x() + demi, y), verre.center()});
    peintre.setBrush(QColor(120, 70, 30));
    peintre.drawRect(QRectF(cadre.left(), cadre.top(), l, plateau));
    peintre.drawRect(QRectF(cadre.left(), cadre.bottom() - plateau, l, plateau));
    peintre.restore();
}

namespace {

QPixmap toile() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QIcon iconeOuvrirExercice() {
    QPixmap image = toile();
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    // An open book...
    peintre.setPen(QPen(QColor(40, 40, 90), 1.2));
    peintre.setBrush(Qt::white);
    peintre.drawPolygon(QPolygonF{{2, 8}, {15, 11}, {15, 29}, {2, 26}});
    peintre.drawPolygon(QPolygonF{{30, 8}, {17, 11}, {17, 29}, {30, 26}});
    for (int y = 14; y <= 24; y += 4) {
        peintre.drawLine(QPointF(5, y), QPointF(12, y + 1));
        peintre.drawLine(QPointF(20, y + 1), QPointF(27, y));
    }
    // ...and the arrow that opens it.
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(0, 150, 0));
    peintre.drawPolygon(QPolygonF{{12, 1}, {20, 1}, {20, 5}, {24, 5}, {16, 11}, {8, 5}, {12, 5}});
    return QIcon(image);
}

QIcon iconeFermerSansCharger() {
    QPixmap image = toile();
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(QColor(200, 0, 0), 5, Qt::SolidLine, Qt::RoundCap));
    peintre.drawLine(QPointF(7, 7), QPointF(25, 25));
    peintre.drawLine(QPointF(25, 7), QPointF(7, 25));
    return QIcon(image);
}

} // namespace vedo
