#pragma once
// The surface over a persistent QImage: each call paints on the image as it
// is at that moment, with a painter of its own that ends with the call, so
// that the image can be read, resized or replaced between calls.

#include "drawing/Surface.h"

#include <QImage>

#include <functional>

namespace vedo {

class SurfaceImage : public Surface {
public:
    explicit SurfaceImage(QImage& image);
    // `image` gives the image to paint on at each call (a picture box first
    // fits it to its size); `apres` runs after each painting.
    SurfaceImage(std::function<QImage&()> image, std::function<void()> apres);

    void remplir(Couleur couleur) override;
    // The end pixel of a thin line keeps its colour.
    void ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) override;
    void rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) override;
    void point(Pixel centre, int cote, Couleur couleur) override;
    void texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
               Couleur couleur) override;
    MesureTexte mesurer(const std::string& texte, const Police& police) const override;
    void trait(Pixel de, Pixel a, const Plume& plume) override;
    void polyligne(const std::vector<Pixel>& points, const Plume& plume) override;
    std::unique_ptr<Surface> brouillon(int largeur, int hauteur) const override;
    std::optional<Couleur> pixel(Pixel p) const override;

private:
    // Paints with `dessin` on the image through a SurfaceQt.
    void peindre(const std::function<void(Surface&)>& dessin);

    std::function<QImage&()> image_;
    std::function<void()> apres_;
};

// A surface over an image of its own, black to start with.
class ImageBrouillon : public SurfaceImage {
public:
    ImageBrouillon(int largeur, int hauteur);

private:
    QImage propre_;
};

} // namespace vedo
