#pragma once
// Where a picture is drawn: an image that keeps what is drawn on it until it
// is filled again. Each shell implements it over its own drawing (the desktop
// over QPainter, a test over a list of the calls). Coordinates are pixels of
// the image; texts are UTF-8.

#include "drawing/Chemin.h"
#include "drawing/Couleur.h"
#include "drawing/Geometrie.h"
#include "drawing/Image.h"
#include "drawing/Plume.h"
#include "drawing/Police.h"
#include "drawing/Remplissage.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vedo {

class Surface {
public:
    virtual ~Surface() = default;

    // The whole image in one colour.
    virtual void remplir(Couleur couleur) = 0;

    // A line `epaisseur` pixels wide, its last point left out, so that joined
    // segments do not draw their shared point twice; nothing when both ends
    // are the same pixel.
    virtual void ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) = 0;

    // The rectangle from its top-left corner `coin1` to its bottom-right
    // corner `coin2`, both included (given the other way round, only what
    // lies strictly between them): its outline, `epaisseur` pixels wide
    // inwards, or filled.
    virtual void rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) = 0;

    // A square dot `cote` pixels wide, centred on `centre` (an even side
    // leans to the right and down).
    virtual void point(Pixel centre, int cote, Couleur couleur) = 0;

    // `texte` with its base line starting at (x, ligneDeBase).
    virtual void texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
                       Couleur couleur) = 0;
    virtual MesureTexte mesurer(const std::string& texte, const Police& police) const = 0;

    // A line stroked with `plume`, both ends drawn as the pen shapes them; a
    // single dot when both ends are the same pixel.
    virtual void trait(Pixel de, Pixel a, const Plume& plume) = 0;
    // One line through `points` in turn, its corners shaped by the pen: a
    // vector file keeps it as one path.
    virtual void polyligne(const std::vector<Pixel>& points, const Plume& plume) = 0;

    // What is set between the two (pen, font) does not outlast the group;
    // `police`, when given, is taken at once for the texts to come, so that a
    // vector file keeps the group's lines and texts under one font.
    virtual void ouvrirGroupe(const Police* police = nullptr) { (void)police; }
    virtual void fermerGroupe() {}

    // A blank black image of that size, drawn as this surface draws and
    // read back with `pixel`; none where the surface keeps no pixels.
    virtual std::unique_ptr<Surface> brouillon(int largeur, int hauteur) const {
        (void)largeur, (void)hauteur;
        return nullptr;
    }
    // The colour of a pixel of the image, where the surface keeps one.
    virtual std::optional<Couleur> pixel(Pixel p) const {
        (void)p;
        return std::nullopt;
    }
    // Vector drawing. Without a pen nothing is stroked, without a fill
    // colour nothing is filled.
    virtual void tracer(const Chemin& chemin, const std::optional<Plume>& plume,
                        const std::optional<Remplissage>& fond) = 0;
    virtual void segment(Point de, Point a, const Plume& plume) = 0;
    // From corner to corner, its outline stroked on the edges themselves
    // (shells draw it apart from the same rectangle as a path).
    virtual void rectangle(Point coin1, Point coin2, const std::optional<Plume>& plume,
                           const std::optional<Remplissage>& fond) = 0;
    virtual void ellipse(Point centre, double rayonX, double rayonY, const std::optional<Plume>& plume,
                         const std::optional<Remplissage>& fond) = 0;
    // A stretch of the ellipse's outline from `debut` over `etendue`, in degrees
    // anticlockwise on screen from the positive x axis (whole sixteenths).
    virtual void arc(Point centre, double rayonX, double rayonY, double debut, double etendue,
                     const Plume& plume) = 0;

    // The state that `sauver` keeps and `restaurer` gives back: the frame
    // that every call draws in (pixels of the image at first, moved by
    // `translater`, `tourner` and `echelle`), the smoothing of edges (off at first) and
    // the outline that drawing stays inside (each `limiter` narrows it).
    virtual void sauver() = 0;
    virtual void restaurer() = 0;
    virtual void translater(double dx, double dy) = 0;
    // Clockwise on screen.
    virtual void tourner(double degres) = 0;
    virtual void echelle(double fx, double fy) = 0;
    virtual void lisser(bool lisse) = 0;
    virtual void limiter(const Chemin& chemin) = 0;

    // `image` with its top-left corner at `position` of the frame, its
    // pixels blended by their opacity.
    virtual void image(Pixel position, const Image& image) = 0;
    // A picture of its own, transparent at first, drawn by `dessin` on a
    // surface of the same kind and returned as pixels.
    virtual Image calque(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) = 0;
};

} // namespace vedo
