#include "platform/SurfaceQt.h"

#include "platform/DessinQt.h"
#include "platform/SurfaceImage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace vedo {

MesureTexte MesureurTexte::mesurer(const std::string& texte, const Police& police) {
    if (!metriques_ || !(police == police_)) {
        metriques_.emplace(policeQt(police));
        police_ = police;
    }
    return {metriques_->horizontalAdvance(QString::fromStdString(texte)), metriques_->height(), metriques_->ascent()};
}

void SurfaceQt::remplir(Couleur couleur) {
    peintre_.fillRect(QRect(QPoint(), taille_), couleurQt(couleur));
}

void SurfaceQt::ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) {
    if (de == a) return;
    peintre_.setPen(QPen(couleurQt(couleur), epaisseur, Qt::SolidLine, Qt::FlatCap));
    peintre_.drawLine(pixelQt(de), pixelQt(a));
}

void SurfaceQt::rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) {
    const QRect r = QRect(pixelQt(coin1), pixelQt(coin2)).normalized();
    const QColor c = couleurQt(couleur);
    if (plein) {
        peintre_.fillRect(r, c);
    } else if (epaisseur == 1) {
        // A thin outline is the rectangle's edge rows and columns: filling
        // them costs a fraction of stroking them.
        peintre_.fillRect(r.x(), r.y(), r.width(), 1, c);
        peintre_.fillRect(r.x(), r.bottom(), r.width(), 1, c);
        peintre_.fillRect(r.x(), r.y(), 1, r.height(), c);
        peintre_.fillRect(r.right(), r.y(), 1, r.height(), c);
    } else {
        peintre_.setPen(QPen(c, epaisseur, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        peintre_.setBrush(Qt::NoBrush);
        peintre_.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
    }
}

void SurfaceQt::point(Pixel centre, int cote, Couleur couleur) {
    peintre_.setPen(Qt::NoPen);
    peintre_.setBrush(couleurQt(couleur));
    peintre_.drawRect(centre.x - (cote - 1) / 2, centre.y - (cote - 1) / 2, cote, cote);
}

void SurfaceQt::texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
                      Couleur couleur) {
    prendrePolice(police);
    const QPen avant = peintre_.pen();
    peintre_.setPen(couleurQt(couleur));
    peintre_.drawText(QPointF(x, ligneDeBase), QString::fromStdString(texte));
    peintre_.setPen(avant);
}

MesureTexte SurfaceQt::mesurer(const std::string& texte, const Police& police) const {
    return mesureur_.mesurer(texte, police);
}

void SurfaceQt::prendrePolice(const Police& police) {
    if (police_ == police) return;
    peintre_.setFont(policeQt(police));
    police_ = police;
}

void SurfaceQt::trait(Pixel de, Pixel a, const Plume& plume) {
    peintre_.setPen(plumeQt(plume));
    if (de == a)
        peintre_.drawPoint(pixelQt(de));
    else
        peintre_.drawLine(pixelQt(de), pixelQt(a));
}

void SurfaceQt::polyligne(const std::vector<Pixel>& points, const Plume& plume) {
    peintre_.setBrush(Qt::NoBrush);
    peintre_.setPen(plumeQt(plume));
    QPolygon polygone;
    for (const Pixel p : points)
        polygone << pixelQt(p);
    QPainterPath chemin;
    chemin.addPolygon(polygone);
    peintre_.drawPath(chemin);
}

void SurfaceQt::ouvrirGroupe(const Police* police) {
    peintre_.save();
    groupes_.push_back(police_);
    if (police) prendrePolice(*police);
}

void SurfaceQt::fermerGroupe() {
    peintre_.restore();
    police_ = groupes_.back();
    groupes_.pop_back();
}

std::unique_ptr<Surface> SurfaceQt::brouillon(int largeur, int hauteur) const {
    return std::make_unique<ImageBrouillon>(largeur, hauteur);
}

void SurfaceQt::crayons(const std::optional<Plume>& plume, const std::optional<Remplissage>& fond) {
    peintre_.setPen(plume ? plumeQt(*plume) : QPen(Qt::NoPen));
    peintre_.setBrush(fond ? brosseQt(*fond) : QBrush(Qt::NoBrush));
}

void SurfaceQt::tracer(const Chemin& chemin, const std::optional<Plume>& plume,
                       const std::optional<Remplissage>& fond) {
    crayons(plume, fond);
    peintre_.drawPath(cheminQt(chemin));
}

void SurfaceQt::segment(Point de, Point a, const Plume& plume) {
    peintre_.setPen(plumeQt(plume));
    peintre_.drawLine(pointQt(de), pointQt(a));
}

void SurfaceQt::rectangle(Point coin1, Point coin2, const std::optional<Plume>& plume,
                          const std::optional<Remplissage>& fond) {
    crayons(plume, fond);
    peintre_.drawRect(QRectF(pointQt(coin1), pointQt(coin2)));
}

void SurfaceQt::ellipse(Point centre, double rayonX, double rayonY, const std::optional<Plume>& plume,
                        const std::optional<Remplissage>& fond) {
    crayons(plume, fond);
    peintre_.drawEllipse(pointQt(centre), rayonX, rayonY);
}

void SurfaceQt::arc(Point centre, double rayonX, double rayonY, double debut, double etendue,
                    const Plume& plume) {
    crayons(plume, std::nullopt);
    peintre_.drawArc(QRectF(centre.x - rayonX, centre.y - rayonY, 2 * rayonX, 2 * rayonY), qRound(debut * 16),
                     qRound(etendue * 16));
}

void SurfaceQt::sauver() {
    peintre_.save();
}

void SurfaceQt::restaurer() {
    peintre_.restore();
}

void SurfaceQt::translater(double dx, double dy) {
    peintre_.translate(dx, dy);
}

void SurfaceQt::tourner(double degres) {
    peintre_.rotate(degres);
}

void SurfaceQt::echelle(double fx, double fy) {
    peintre_.scale(fx, fy);
}

void SurfaceQt::lisser(bool lisse) {
    peintre_.setRenderHint(QPainter::Antialiasing, lisse);
}

void SurfaceQt::limiter(const Chemin& chemin) {
    peintre_.setClipPath(cheminQt(chemin), Qt::IntersectClip);
}

void SurfaceQt::image(Pixel position, const Image& image) {
    peintre_.drawImage(pixelQt(position), imageQt(image));
}

Image SurfaceQt::calque(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) {
    return calqueQt(largeur, hauteur, dessin);
}

QImage imageCalqueQt(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) {
    QImage calque(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    {
        QPainter peintre(&calque);
        SurfaceQt surface(peintre, calque.size());
        dessin(surface);
    }
    return calque;
}

Image calqueQt(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) {
    return imageDe(imageCalqueQt(largeur, hauteur, dessin));
}

} // namespace vedo
