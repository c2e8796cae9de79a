#include "platform/SurfaceQt.h"

#include "platform/DessinQt.h"
#include "platform/SurfaceImage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace vedo {

MesureTexte mesurerTexte(const std::string& texte, const Police& police) {
    const QFontMetricsF mesure(policeQt(police));
    return {mesure.horizontalAdvance(QString::fromStdString(texte)), mesure.height(), mesure.ascent()};
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
    return mesurerTexte(texte, police);
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

} // namespace vedo
