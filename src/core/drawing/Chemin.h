#pragma once
// A vector outline: figures of straight and curved pieces, rectangles and
// ellipses, in the units of the frame it is drawn in. It may also be the
// union or intersection of other outlines, worked out by the surface that
// draws it, so that the shell's own geometry gives the edges.

#include "drawing/Geometrie.h"

#include <initializer_list>
#include <vector>

namespace vedo {

class Chemin {
public:
    enum class Type { deplacer, ligne, quad, cubique, fermer, rectangle, ellipse, arc, rectangleArrondi };

    // `points` holds what the type needs: the end point last, the control
    // points before it; a rectangle's two corners; an ellipse's centre and
    // its two radii as the second point; for an arc and a rounded rectangle,
    // the top-left corner of the box and its size, then the arc's start and
    // span or the corners' radii.
    struct Element {
        Type type;
        std::vector<Point> points;

        friend bool operator==(const Element&, const Element&) = default;
    };

    enum class Operation { reunion, intersection };
    struct Combinaison;

    Chemin() = default;
    explicit Chemin(Point depart);

    Chemin& deplacer(Point p);
    Chemin& ligne(Point p);
    Chemin& quad(Point controle, Point fin);
    Chemin& cubique(Point controle1, Point controle2, Point fin);
    // Back to the start of the figure.
    Chemin& fermer();
    // A closed figure from corner to corner.
    Chemin& rectangle(Point coin1, Point coin2);
    // A closed figure through the points in turn.
    Chemin& polygone(std::initializer_list<Point> points);
    Chemin& ellipse(Point centre, double rayonX, double rayonY);
    // A line to the start of an arc of the ellipse that fills the box, then
    // the arc; degrees anticlockwise on screen from the positive x axis.
    Chemin& arc(Point coin, double largeur, double hauteur, double debut, double etendue);
    Chemin& rectangleArrondi(Point coin, double largeur, double hauteur, double rayonX, double rayonY);

    // What both cover, or either: combined in the order asked.
    Chemin unir(const Chemin& autre) const;
    Chemin croiser(const Chemin& autre) const;

    // The same outline moved once its curves are laid out.
    Chemin decale(double dx, double dy) const;

    const std::vector<Element>& elements() const { return elements_; }
    const std::vector<Combinaison>& combinaisons() const { return combinaisons_; }
    Point decalage() const { return decalage_; }

    friend bool operator==(const Chemin&, const Chemin&);

private:
    Chemin combine(Operation operation, const Chemin& autre) const;

    std::vector<Element> elements_;
    std::vector<Combinaison> combinaisons_;
    Point decalage_;
};

struct Chemin::Combinaison {
    Operation operation;
    Chemin chemin;

    friend bool operator==(const Combinaison&, const Combinaison&) = default;
};

// Here, not in the class: the list of combinations needs its element whole.
inline Chemin::Chemin(Point depart) { deplacer(depart); }

} // namespace vedo
