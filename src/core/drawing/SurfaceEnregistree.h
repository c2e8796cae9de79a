#pragma once
// A surface that draws nothing and keeps a line of text for every call, with
// its arguments, in the order made: tests read what a picture draws from it.
//
//     remplir #ffffff
//     ligne 1,2 5,2 #c0c0c0 1            from, to, colour, width
//     rectangle 0,0 9,9 #000000 1 plein  corners, colour, width, "plein" or "contour"
//     point 3,4 2 #ff00ff                centre, side, colour
//     texte 10,22 "t " Arial 8 italique #000000
//                                        base line start, text, font (with "gras",
//                                        "italique" when so), colour
//     trait 1,2 5,2 #ff0000 2 rond biseau
//                                        ends, pen: colour, width, ends, corners,
//                                        and "pointille" when dotted
//     polyligne 1,2 5,2 5,9 #ff0000 2 rond rond
//                                        the points, pen
//     groupe Arial 8                     a group, with its font when given
//     fin groupe
//     tracer M 1,2 L 3,4 Q 5,6 7,8 C 1,1 2,2 3,3 Z R 0,0 9,9 E 5,5 2,3 A 0,0 4,4 90,180
//            RA 2,2 60,60 12,12 +(...) *(...) >1,2
//            #484848 1.2 rond rond | #eaf0f5
//                                        the path (move, line, quadratic, cubic, close,
//                                        rectangle, ellipse, arc, rounded rectangle;
//                                        united +, intersected *,
//                                        then moved >), pen: colour, width, ends,
//                                        corners, "pointille" when so, or "-" for none,
//                                        then fill colour (with "/opacity" when not
//                                        opaque), "degrade 0,0 0,64 0:#4682c8 1:#1e468c"
//                                        (from, to, stops) or "-"
//     segment 1,2 3,4 #000000 1 carre biseau
//     rectangle 1.5,2 3,4 <pen> | <fill>  corners (apart from the pixel rectangle by its "|")
//     ellipse 5,5 2,3 <pen> | <fill>      centre, radii
//     arc 5,5 2,3 100 80 <pen>            centre, radii, start, span
//     sauver, restaurer, translater 1,2, tourner 27, echelle 2,2, lisser oui|non, limiter <path>
//     image 10,20 120x148                top-left corner, size
//     calque 120x148 ... fin calque      the calls drawing a picture of its own, which is
//                                        left transparent
//
// Texts measure half the font's pixel size (4/3 of its points) a character,
// a line one and a quarter pixel sizes high, a quarter of it under the base line.

#include "drawing/Surface.h"

#include <string>
#include <vector>

namespace vedo {

class SurfaceEnregistree : public Surface {
public:
    void remplir(Couleur couleur) override;
    void ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) override;
    void rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) override;
    void point(Pixel centre, int cote, Couleur couleur) override;
    void texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
               Couleur couleur) override;
    MesureTexte mesurer(const std::string& texte, const Police& police) const override;
    void trait(Pixel de, Pixel a, const Plume& plume) override;
    void polyligne(const std::vector<Pixel>& points, const Plume& plume) override;
    void ouvrirGroupe(const Police* police) override;
    void fermerGroupe() override;
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

    const std::vector<std::string>& appels() const { return appels_; }
    void oublier() { appels_.clear(); }

private:
    std::vector<std::string> appels_;
};

// "#rrggbb", as the recorded calls write colours.
std::string texteCouleur(Couleur couleur);

} // namespace vedo
