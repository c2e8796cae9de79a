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
    return mesurerTexte(texte, police);
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

} // namespace vedo
