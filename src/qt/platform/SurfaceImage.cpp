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

} // namespace vedo
