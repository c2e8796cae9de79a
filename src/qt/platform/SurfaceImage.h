#pragma once
// The surface over a persistent QImage: each call paints on the image as it
// is at that moment, with a painter of its own that ends with the call, so
// that the image can be read, resized or replaced between calls.

#include "drawing/Surface.h"
#include "platform/SurfaceQt.h"

#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <functional>
#include <utility>
#include <vector>

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
    void tracer(const Chemin& chemin, const std::optional<Plume>& plume,
                const std::optional<Remplissage>& fond) override;
    void segment(Point de, Point a, const Plume& plume) override;
    void rectangle(Point coin1, Point coin2, const std::optional<Plume>& plume,
                   const std::optional<Remplissage>& fond) override;
    void ellipse(Point centre, double rayonX, double rayonY, const std::optional<Plume>& plume,
                 const std::optional<Remplissage>& fond) override;
    void arc(Point centre, double rayonX, double rayonY, double debut, double etendue,
             const Plume& plume) override;
    void sauver() override;
    void restaurer() override;
    void translater(double dx, double dy) override;
    void tourner(double degres) override;
    void echelle(double fx, double fy) override;
    void lisser(bool lisse) override;
    void limiter(const Chemin& chemin) override;
    void image(Pixel position, const Image& image) override;
    Image calque(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) override;

private:
    // What a painter of one call is given back: its frame, smoothing and
    // limits, each limit in the frame it was set in.
    struct Etat {
        QTransform repere;
        bool lisse = false;
        std::vector<std::pair<QTransform, QPainterPath>> limites;
    };

    // Paints with `dessin` on the image through a SurfaceQt.
    void peindre(const std::function<void(Surface&)>& dessin);

    std::function<QImage&()> image_;
    std::function<void()> apres_;
    Etat etat_;
    std::vector<Etat> etatsSauves_;
    mutable MesureurTexte mesureur_;
};

// A surface over an image of its own, black to start with.
class ImageBrouillon : public SurfaceImage {
public:
    ImageBrouillon(int largeur, int hauteur);

private:
    QImage propre_;
};

} // namespace vedo
