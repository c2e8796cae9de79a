#include "platform/SurfaceImage.h"

#include "platform/DessinQt.h"
#include "platform/SurfaceQt.h"

#include <QPainter>

namespace vedo {

SurfaceImage::SurfaceImage(QImage& image) : SurfaceImage([&image]() -> QImage& { return image; }, {}) {}

SurfaceImage::SurfaceImage(std::function<QImage&()> image, std::function<void()> apres)
    : image_(std::move(image)), apres_(std::move(apres)) {}

void SurfaceImage::peindre(const std::function<void(Surface&)>& dessin) {
    {
        QImage& image = image_();
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing, etat_.lisse);
        for (const auto& [repere, limite] : etat_.limites) {
            peintre.setTransform(repere);
            peintre.setClipPath(limite, Qt::IntersectClip);
        }
        peintre.setTransform(etat_.repere);
        SurfaceQt surface(peintre, image.size());
        dessin(surface);
    }
    if (apres_) apres_();
}

void SurfaceImage::remplir(Couleur couleur) {
    image_().fill(couleurQt(couleur));
    if (apres_) apres_();
}

void SurfaceImage::ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) {
    if (de == a) return;
    QImage& image = image_();
    const QPoint fin = pixelQt(a);
    const bool finDansImage = epaisseur == 1 && image.rect().contains(fin);
    const QRgb avant = finDansImage ? image.pixel(fin) : 0;
    peindre([&](Surface& s) { s.ligne(de, a, couleur, epaisseur); });
    if (finDansImage) image.setPixel(fin, avant);
}

void SurfaceImage::rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) {
    peindre([&](Surface& s) { s.rectangle(coin1, coin2, couleur, epaisseur, plein); });
}

void SurfaceImage::point(Pixel centre, int cote, Couleur couleur) {
    peindre([&](Surface& s) { s.point(centre, cote, couleur); });
}

void SurfaceImage::texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
                         Couleur couleur) {
    peindre([&](Surface& s) { s.texte(x, ligneDeBase, texte, police, couleur); });
}

MesureTexte SurfaceImage::mesurer(const std::string& texte, const Police& police) const {
    return mesureur_.mesurer(texte, police);
}

void SurfaceImage::trait(Pixel de, Pixel a, const Plume& plume) {
    peindre([&](Surface& s) { s.trait(de, a, plume); });
}

void SurfaceImage::polyligne(const std::vector<Pixel>& points, const Plume& plume) {
    peindre([&](Surface& s) { s.polyligne(points, plume); });
}

std::unique_ptr<Surface> SurfaceImage::brouillon(int largeur, int hauteur) const {
    return std::make_unique<ImageBrouillon>(largeur, hauteur);
}

std::optional<Couleur> SurfaceImage::pixel(Pixel p) const {
    const QImage& image = image_();
    if (!image.rect().contains(p.x, p.y)) return std::nullopt;
    return couleurDe(QColor(image.pixel(p.x, p.y)));
}

ImageBrouillon::ImageBrouillon(int largeur, int hauteur)
    : SurfaceImage([this]() -> QImage& { return propre_; }, {}),
      propre_(largeur, hauteur, QImage::Format_RGB32) {
    propre_.fill(0);
}

void SurfaceImage::tracer(const Chemin& chemin, const std::optional<Plume>& plume,
                          const std::optional<Remplissage>& fond) {
    peindre([&](Surface& s) { s.tracer(chemin, plume, fond); });
}

void SurfaceImage::segment(Point de, Point a, const Plume& plume) {
    peindre([&](Surface& s) { s.segment(de, a, plume); });
}

void SurfaceImage::rectangle(Point coin1, Point coin2, const std::optional<Plume>& plume,
                             const std::optional<Remplissage>& fond) {
    peindre([&](Surface& s) { s.rectangle(coin1, coin2, plume, fond); });
}

void SurfaceImage::ellipse(Point centre, double rayonX, double rayonY, const std::optional<Plume>& plume,
                           const std::optional<Remplissage>& fond) {
    peindre([&](Surface& s) { s.ellipse(centre, rayonX, rayonY, plume, fond); });
}

void SurfaceImage::arc(Point centre, double rayonX, double rayonY, double debut, double etendue,
                       const Plume& plume) {
    peindre([&](Surface& s) { s.arc(centre, rayonX, rayonY, debut, etendue, plume); });
}

void SurfaceImage::sauver() {
    etatsSauves_.push_back(etat_);
}

void SurfaceImage::restaurer() {
    if (etatsSauves_.empty()) return;
    etat_ = std::move(etatsSauves_.back());
    etatsSauves_.pop_back();
}

void SurfaceImage::translater(double dx, double dy) {
    etat_.repere.translate(dx, dy);
}

void SurfaceImage::tourner(double degres) {
    etat_.repere.rotate(degres);
}

void SurfaceImage::echelle(double fx, double fy) {
    etat_.repere.scale(fx, fy);
}

void SurfaceImage::lisser(bool lisse) {
    etat_.lisse = lisse;
}

void SurfaceImage::limiter(const Chemin& chemin) {
    etat_.limites.emplace_back(etat_.repere, cheminQt(chemin));
}

void SurfaceImage::image(Pixel position, const Image& image) {
    peindre([&](Surface& s) { s.image(position, image); });
}

Image SurfaceImage::calque(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) {
    return calqueQt(largeur, hauteur, dessin);
}

} // namespace vedo
