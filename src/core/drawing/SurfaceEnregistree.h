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

    const std::vector<std::string>& appels() const { return appels_; }
    void oublier() { appels_.clear(); }

private:
    std::vector<std::string> appels_;
};

// "#rrggbb", as the recorded calls write colours.
std::string texteCouleur(Couleur couleur);

} // namespace vedo
