#pragma once
// Drawing on a surface the way a picture box draws: in the picture's own
// units, whose origin is the picture point shown at the image's top-left
// corner; with a back colour, an ink, a line width and a font that stay until
// changed; and text printed at a current position that moves like a printed
// line.

#include "drawing/Surface.h"

#include <string>

namespace vedo {

class Toile {
public:
    explicit Toile(Surface& surface) : surface_(surface) {}

    Surface& surface() const { return surface_; }

    // Back colour: the colour `effacer` fills with.
    Couleur fond() const { return fond_; }
    void setFond(Couleur couleur) { fond_ = couleur; }

    // The picture point shown at the image's top-left corner.
    Point origine() const { return origine_; }
    void setOrigine(Point origine) { origine_ = origine; }

    // Fills the image with the back colour; the current position returns to
    // the origin.
    void effacer();

    Couleur encre() const { return encre_; }
    void setEncre(Couleur couleur) { encre_ = couleur; }
    int epaisseur() const { return epaisseur_; }
    void setEpaisseur(int pixels) { epaisseur_ = pixels < 1 ? 1 : pixels; }

    const Police& police() const { return police_; }
    void setPolice(const Police& police) { police_ = police; }
    void setGras(bool gras) { police_.gras = gras; }
    void setItalique(bool italique) { police_.italique = italique; }

    // Lines leave out their last point (see Surface::ligne); the current
    // position moves to the end unless the line is a single pixel.
    void ligne(Point de, Point a, Couleur couleur);
    void ligne(Point de, Point a) { ligne(de, a, encre_); }
    // Outline or filled rectangle between two corners (see Surface::rectangle).
    void rectangle(Point coin1, Point coin2, Couleur couleur, bool plein = false);
    // A dot as wide as the lines.
    void point(Point p, Couleur couleur);

    Point courant() const { return courant_; }
    void placer(double x, double y) { courant_ = {x, y}; }
    void setCourantX(double x) { courant_.x = x; }
    void setCourantY(double y) { courant_.y = y; }

    // Prints at the current position in the ink colour. Ending the line
    // returns to the left margin one text height lower; otherwise the
    // position moves just after the text.
    void imprimer(const std::string& texte, bool finLigne = true);
    double largeurTexte(const std::string& texte) const;
    // The height of a printed line, whatever its characters.
    double hauteurTexte() const;

    Pixel versImage(Point p) const;

private:
    Surface& surface_;
    Couleur fond_ = blanc;
    Couleur encre_ = noir;
    Point origine_;
    Point courant_;
    Police police_;
    int epaisseur_ = 1;
};

} // namespace vedo
