#include "exercises/BoiteSabliers.h"

#include "exercises/ImagesExercice.h"

#include <QPainter>

namespace vedo {

BoiteSabliers::BoiteSabliers(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void BoiteSabliers::setText(const QString& texte) {
    texte_ = texte;
    setToolTip(texte.isEmpty() ? QString() : QString("Durée de travail : %1").arg(texte.size()));
    update();
}

void BoiteSabliers::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter peintre(this);
    const QRect zone = contentsRect().adjusted(3, 3, -3, -3);
    const double hauteur = zone.height(), largeur = hauteur * 0.6, pas = largeur + 3;
    for (int i = 0; i < texte_.size(); ++i) {
        const double x = zone.left() + i * pas;
        if (x + largeur > zone.right()) break;
        dessinerSablier(peintre, QRectF(x, zone.top(), largeur, hauteur));
    }
}

} // namespace vedo
