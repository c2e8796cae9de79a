#include "view/DessinGraphe.h"

#include <QPainter>
#include <QPainterPath>

namespace vedo {

bool DessinGraphe::dessinerCadre(QImage& image, const CadreGraphe& cadre) {
    cadre_ = cadre;
    taille_ = image.size();
    traces_.clear();
    courbes_.fill(-1);
    return vedo::dessinerCadre(image, cadre);
}

namespace {

// Whether `p` lies on the segment from `a` to `b`.
bool surSegment(QPoint p, QPoint a, QPoint b) {
    const QPoint ab = b - a;
    const QPoint ap = p - a;
    return ab.x() * ap.y() == ab.y() * ap.x() && QPoint::dotProduct(ap, ab) >= 0 &&
           QPoint::dotProduct(ap, ab) <= QPoint::dotProduct(ab, ab);
}

} // namespace

void DessinGraphe::prolonger(int espece, const QPen& plume, QPoint de, QPoint a) {
    int& courbe = courbes_.at(static_cast<std::size_t>(espece));
    if (courbe >= 0) {
        Trace& t = traces_[static_cast<std::size_t>(courbe)];
        if (t.plume == plume && t.position == de) {
            const QPolygon& p = t.points;
            if (!surSegment(a, p[p.size() - 2], p.last())) {
                // Back along the last segment to where the curve stands, then on.
                if (p.last() != de) ajouter(t, de);
                ajouter(t, a);
            }
            t.position = a;
            return;
        }
    }
    courbe = static_cast<int>(traces_.size());
    trait(plume, de, a);
}

void DessinGraphe::trait(const QPen& plume, QPoint de, QPoint a) {
    if (de == a) return; // the screen draws nothing either
    traces_.push_back({plume, QPolygon{de, a}, a});
}

void DessinGraphe::ajouter(Trace& trace, QPoint a) {
    QPolygon& p = trace.points;
    const QPoint avant = p.last() - p[p.size() - 2];
    const QPoint apres = a - p.last();
    // Going on straight ahead only moves the end of the last segment.
    if (avant.x() * apres.y() == avant.y() * apres.x() && QPoint::dotProduct(avant, apres) > 0)
        p.last() = a;
    else
        p << a;
}

void DessinGraphe::dessiner(QPainter& peintre) const {
    if (!cadre_) {
        peintre.fillRect(QRect(QPoint(), taille_), Qt::white);
        return;
    }
    vedo::dessinerCadre(peintre, taille_, *cadre_);
    peintre.save();
    peintre.setBrush(Qt::NoBrush);
    for (const Trace& t : traces_) {
        QPen plume = t.plume;
        plume.setJoinStyle(Qt::RoundJoin);
        peintre.setPen(plume);
        QPainterPath chemin;
        chemin.addPolygon(t.points);
        peintre.drawPath(chemin);
    }
    peintre.restore();
}

} // namespace vedo
