#include "view/DessinGraphe.h"

#include <QPainter>
#include <QPainterPath>

namespace vedo {

bool DessinGraphe::dessinerCadre(QImage& image, const CadreGraphe& cadre) {
    cadre_ = cadre;
    taille_ = image.size();
    traces_.clear();
    segments_.clear();
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
            segments_.push_back({de, a, static_cast<std::size_t>(courbe)});
            return;
        }
    }
    courbe = static_cast<int>(traces_.size());
    trait(plume, de, a);
}

void DessinGraphe::trait(const QPen& plume, QPoint de, QPoint a) {
    if (de == a) return; // the screen draws nothing either
    segments_.push_back({de, a, traces_.size()});
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
    for (const std::size_t i : pardessus()) {
        const Segment& s = segments_[i];
        peintre.setPen(traces_[s.trace].plume);
        peintre.drawLine(s.de, s.a);
    }
    peintre.restore();
}

namespace {

// The number of the line a pixel shows, drawn in the colour of its number; 0 for none.
std::size_t numero(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

QPen plumeNumero(QPen plume, std::size_t n) {
    plume.setColor(QColor::fromRgb(static_cast<QRgb>(n)));
    return plume;
}

} // namespace

// The segments to draw again over the curves, in their order: each that the
// screen shows on a pixel where a curve drawn after its own lies, then each
// that the screen shows where one of those passes. Found by drawing, as the
// screen does, each segment and each curve in a colour of its own.
std::vector<std::size_t> DessinGraphe::pardessus() const {
    QImage dernier(taille_, QImage::Format_RGB32), dessus(taille_, QImage::Format_RGB32);
    dernier.fill(0);
    dessus.fill(0);
    {
        QPainter p(&dernier);
        for (std::size_t i = 0; i < segments_.size(); ++i) {
            p.setPen(plumeNumero(traces_[segments_[i].trace].plume, i + 1));
            p.drawLine(segments_[i].de, segments_[i].a);
        }
        QPainter q(&dessus);
        for (std::size_t t = 0; t < traces_.size(); ++t) {
            QPen plume = plumeNumero(traces_[t].plume, t + 1);
            plume.setJoinStyle(Qt::RoundJoin);
            q.setPen(plume);
            QPainterPath chemin;
            chemin.addPolygon(traces_[t].points);
            q.drawPath(chemin);
        }
    }
    std::vector<bool> garde(segments_.size() + 1, false);
    bool ajoute = false;
    for (int y = 0; y < taille_.height(); ++y)
        for (int x = 0; x < taille_.width(); ++x)
            if (const std::size_t s = numero(dernier, x, y); s && segments_[s - 1].trace + 1 != numero(dessus, x, y))
                ajoute = garde[s] = true;
    while (ajoute) {
        ajoute = false;
        QImage gardes(taille_, QImage::Format_RGB32);
        gardes.fill(0);
        QPainter p(&gardes);
        for (std::size_t s = 1; s < garde.size(); ++s)
            if (garde[s]) {
                p.setPen(plumeNumero(traces_[segments_[s - 1].trace].plume, 1));
                p.drawLine(segments_[s - 1].de, segments_[s - 1].a);
            }
        p.end();
        for (int y = 0; y < taille_.height(); ++y)
            for (int x = 0; x < taille_.width(); ++x)
                if (const std::size_t s = numero(dernier, x, y); s && numero(gardes, x, y) && !garde[s])
                    ajoute = garde[s] = true;
    }
    std::vector<std::size_t> segments;
    for (std::size_t s = 1; s < garde.size(); ++s)
        if (garde[s]) segments.push_back(s - 1);
    return segments;
}

} // namespace vedo
