#include "mainwindow/IconeProgramme.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace vedo {

namespace {

// Watches the window for its first paint, then leaves.
class GuetPremiereImage : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* fenetre, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        fenetre->removeEventFilter(this);
        // Queued: the paint under way and its flush come first.
        QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(iconeProgramme()); });
        deleteLater();
        return false;
    }
};

} // namespace

QImage imageIconeProgramme(int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 64.0, taille / 64.0); // drawn on a 64 x 64 grid

    QLinearGradient fond(0, 0, 0, 64);
    fond.setColorAt(0, QColor(70, 130, 200));
    fond.setColorAt(1, QColor(30, 70, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The two curves: a reactant used up, a product formed.
    p.setBrush(Qt::NoBrush);
    QPainterPath reactif(QPointF(9, 14));
    reactif.cubicTo(QPointF(16, 34), QPointF(30, 40), QPointF(56, 41));
    QPainterPath produit(QPointF(9, 52));
    produit.cubicTo(QPointF(16, 32), QPointF(30, 26), QPointF(56, 25));
    p.setPen(QPen(QColor(255, 170, 60), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(reactif);
    p.setPen(QPen(QColor(120, 230, 120), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(produit);

    // The flask: neck, round body, liquid.
    QPainterPath ballon;
    ballon.moveTo(27, 10);
    ballon.lineTo(27, 27);
    ballon.arcTo(QRectF(14, 24, 36, 36), 110, 320);
    ballon.lineTo(37, 10);
    ballon.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(ballon);
    QPainterPath liquide;
    liquide.addEllipse(QRectF(14, 24, 36, 36));
    QPainterPath niveau;
    niveau.addRect(QRectF(10, 43, 44, 20));
    p.setBrush(QColor(90, 200, 255, 200));
    p.drawPath(liquide.intersected(niveau));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ballon);
    p.drawLine(QPointF(25, 10), QPointF(39, 10));
    return image;
}

QIcon iconeProgramme() {
    QIcon icone;
    for (int taille : {16, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(QPixmap::fromImage(imageIconeProgramme(taille)));
    return icone;
}

void poserIconeApresPremiereImage(QWidget& fenetre) {
    fenetre.installEventFilter(new GuetPremiereImage(&fenetre));
}

} // namespace vedo
