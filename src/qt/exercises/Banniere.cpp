#include "exercises/Banniere.h"

#include "common/Rounding.h"
#include "platform/PictureBox.h"

#include <QPainter>

namespace vedo {

namespace {
const QColor fondBanniere(0, 0, 128);
}

Banniere::Banniere(const QString& texte, QWidget* parent) : QWidget(parent), texte_(texte) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor Banniere::couleurLettre(int position, int longueur) {
    const int bleu = static_cast<int>(arrondiPair(static_cast<double>(position) / longueur * 100.0 + 155.0));
    return QColor(255, 255, bleu);
}

void Banniere::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), fondBanniere);
    const QFont police = policeArial(24, true);
    peintre.setFont(police);
    const QFontMetricsF mesures(police);
    const double haut = (height() - mesures.height()) / 2.0 - 2.0;
    double x = marge;
    for (int i = 0; i < texte_.size(); ++i) {
        peintre.setPen(couleurLettre(i + 1, static_cast<int>(texte_.size())));
        peintre.drawText(QPointF(x, haut + mesures.ascent()), texte_.at(i));
        x += mesures.horizontalAdvance(texte_.at(i));
    }
}

} // namespace vedo
