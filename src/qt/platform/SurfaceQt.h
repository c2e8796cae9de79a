#pragma once
// The surface over a QPainter, on whatever device it paints (an image, an SVG
// or PDF file, a printer), so that every output shares one painting path.
// Each call sets the pen, brush and font it needs.

#include "drawing/Surface.h"

#include <QSize>

class QPainter;

namespace vedo {

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
    void texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
               Couleur couleur) override;
    MesureTexte mesurer(const std::string& texte, const Police& police) const override;

private:
    QPainter& peintre_;
    QSize taille_;
};

// The metrics of the font itself, whatever device it is drawn on.
MesureTexte mesurerTexte(const std::string& texte, const Police& police);

} // namespace vedo
