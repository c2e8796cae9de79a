#pragma once
// The surface over a QPainter, on whatever device it paints (an image, an SVG
// or PDF file, a printer), so that every output shares one painting path.
// Each call sets the pen and brush it needs, and the font unless the painter
// holds it already: while the surface lives, the painter's font is its own.

#include "drawing/Surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QSize>

#include <optional>
#include <vector>

class QPainter;

namespace vedo {

// What texts measure in the metrics of their font itself, whatever device
// it is drawn on. The last font's metrics are kept: a picture measures many
// texts in a few fonts, and making the metrics costs more than using them.
class MesureurTexte {
public:
    MesureTexte mesurer(const std::string& texte, const Police& police);

private:
    Police police_;
    std::optional<QFontMetricsF> metriques_;
};

class SurfaceQt : public Surface {
public:
    // A picture of `taille` pixels, its top-left corner at the painter's origin.
    SurfaceQt(QPainter& peintre, QSize taille) : peintre_(peintre), taille_(taille) {}

    // Fills the picture, not the rest of the device.
    void remplir(Couleur couleur) override;
    // Flat ends, which leave the last point out of thin lines on any device
    // but an image; `SurfaceImage` makes sure of it there.
    void ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) override;
    void rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) override;
    void point(Pixel centre, int cote, Couleur couleur) override;
    // Leaves the pen as it found it, for the lines around the text.
    void texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
               Couleur couleur) override;
    MesureTexte mesurer(const std::string& texte, const Police& police) const override;
    void trait(Pixel de, Pixel a, const Plume& plume) override;
    void polyligne(const std::vector<Pixel>& points, const Plume& plume) override;
    // The painter's own save and restore.
    void ouvrirGroupe(const Police* police) override;
    void fermerGroupe() override;
    // An image, whatever the device: what the screen would show.
    std::unique_ptr<Surface> brouillon(int largeur, int hauteur) const override;

private:
    // Sets the font unless the painter holds it already: each change opens
    // a group of its own in a vector file.
    void prendrePolice(const Police& police);
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
    // Intersected with the painter's limit, if any.
    void limiter(const Chemin& chemin) override;
    void image(Pixel position, const Image& image) override;
    Image calque(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) override;

private:
    void crayons(const std::optional<Plume>& plume, const std::optional<Remplissage>& fond);

    QPainter& peintre_;
    QSize taille_;
    std::optional<Police> police_; // the font this surface last gave the painter
    std::vector<std::optional<Police>> groupes_;
    mutable MesureurTexte mesureur_;
};


// A transparent picture drawn by `dessin` through a SurfaceQt on an image:
// premultiplied as painted, or as the core's pixels.
QImage imageCalqueQt(int largeur, int hauteur, const std::function<void(Surface&)>& dessin);
Image calqueQt(int largeur, int hauteur, const std::function<void(Surface&)>& dessin);

} // namespace vedo
