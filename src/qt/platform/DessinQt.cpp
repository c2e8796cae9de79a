#include "platform/DessinQt.h"

#include <QLinearGradient>

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

QPen plumeQt(const Plume& plume) {
    static constexpr Qt::PenCapStyle bouts[] = {Qt::FlatCap, Qt::SquareCap, Qt::RoundCap};
    static constexpr Qt::PenJoinStyle angles[] = {Qt::BevelJoin, Qt::MiterJoin, Qt::RoundJoin};
    return QPen(couleurQt(plume.couleur), plume.largeur, plume.pointille ? Qt::DotLine : Qt::SolidLine,
                bouts[static_cast<int>(plume.bout)], angles[static_cast<int>(plume.angle)]);
}

QBrush brosseQt(const Remplissage& r) {
    if (r.arrets.empty()) return QColor(r.couleur.r, r.couleur.g, r.couleur.b, r.opacite);
    QLinearGradient degrade(pointQt(r.debut), pointQt(r.fin));
    for (const Remplissage::Arret& a : r.arrets)
        degrade.setColorAt(a.position, couleurQt(a.couleur));
    return degrade;
}

QPainterPath cheminQt(const Chemin& chemin) {
    QPainterPath q;
    for (const Chemin::Element& e : chemin.elements()) {
        const auto& p = e.points;
        switch (e.type) {
        case Chemin::Type::deplacer:
            q.moveTo(pointQt(p[0]));
            break;
        case Chemin::Type::ligne:
            q.lineTo(pointQt(p[0]));
            break;
        case Chemin::Type::quad:
            q.quadTo(pointQt(p[0]), pointQt(p[1]));
            break;
        case Chemin::Type::cubique:
            q.cubicTo(pointQt(p[0]), pointQt(p[1]), pointQt(p[2]));
            break;
        case Chemin::Type::fermer:
            q.closeSubpath();
            break;
        case Chemin::Type::rectangle:
            q.addRect(QRectF(pointQt(p[0]), pointQt(p[1])));
            break;
        case Chemin::Type::ellipse:
            q.addEllipse(pointQt(p[0]), p[1].x, p[1].y);
            break;
        case Chemin::Type::arc:
            q.arcTo(QRectF(p[0].x, p[0].y, p[1].x, p[1].y), p[2].x, p[2].y);
            break;
        case Chemin::Type::rectangleArrondi:
            q.addRoundedRect(QRectF(p[0].x, p[0].y, p[1].x, p[1].y), p[2].x, p[2].y);
            break;
        }
    }
    for (const Chemin::Combinaison& c : chemin.combinaisons())
        q = c.operation == Chemin::Operation::reunion ? q.united(cheminQt(c.chemin))
                                                      : q.intersected(cheminQt(c.chemin));
    if (chemin.decalage() != Point{}) q.translate(chemin.decalage().x, chemin.decalage().y);
    return q;
}

QImage imageQt(const Image& image) {
    QImage q(image.largeur, image.hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < image.hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(q.scanLine(y));
        for (int x = 0; x < image.largeur; ++x)
            ligne[x] = image.pixel(x, y);
    }
    return q;
}

Image imageDe(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Image resultat(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            resultat.pixel(x, y) = ligne[x];
    }
    return resultat;
}

} // namespace vedo
