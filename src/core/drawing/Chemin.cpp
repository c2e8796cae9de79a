#include "drawing/Chemin.h"

namespace vedo {

Chemin& Chemin::deplacer(Point p) {
    elements_.push_back({Type::deplacer, {p}});
    return *this;
}

Chemin& Chemin::ligne(Point p) {
    elements_.push_back({Type::ligne, {p}});
    return *this;
}

Chemin& Chemin::quad(Point controle, Point fin) {
    elements_.push_back({Type::quad, {controle, fin}});
    return *this;
}

Chemin& Chemin::cubique(Point controle1, Point controle2, Point fin) {
    elements_.push_back({Type::cubique, {controle1, controle2, fin}});
    return *this;
}

Chemin& Chemin::fermer() {
    elements_.push_back({Type::fermer, {}});
    return *this;
}

Chemin& Chemin::polygone(std::initializer_list<Point> points) {
    bool premier = true;
    for (const Point p : points) {
        premier ? deplacer(p) : ligne(p);
        premier = false;
    }
    return fermer();
}

Chemin& Chemin::rectangle(Point coin1, Point coin2) {
    elements_.push_back({Type::rectangle, {coin1, coin2}});
    return *this;
}

Chemin& Chemin::ellipse(Point centre, double rayonX, double rayonY) {
    elements_.push_back({Type::ellipse, {centre, {rayonX, rayonY}}});
    return *this;
}

Chemin& Chemin::arc(Point coin, double largeur, double hauteur, double debut, double etendue) {
    elements_.push_back({Type::arc, {coin, {largeur, hauteur}, {debut, etendue}}});
    return *this;
}

Chemin& Chemin::rectangleArrondi(Point coin, double largeur, double hauteur, double rayonX, double rayonY) {
    elements_.push_back({Type::rectangleArrondi, {coin, {largeur, hauteur}, {rayonX, rayonY}}});
    return *this;
}

Chemin Chemin::combine(Operation operation, const Chemin& autre) const {
    Chemin c = *this;
    c.combinaisons_.push_back({operation, autre});
    return c;
}

Chemin Chemin::unir(const Chemin& autre) const {
    return combine(Operation::reunion, autre);
}

Chemin Chemin::croiser(const Chemin& autre) const {
    return combine(Operation::intersection, autre);
}

Chemin Chemin::decale(double dx, double dy) const {
    Chemin c = *this;
    c.decalage_ = {decalage_.x + dx, decalage_.y + dy};
    return c;
}

bool operator==(const Chemin& a, const Chemin& b) {
    return a.elements_ == b.elements_ && a.combinaisons_ == b.combinaisons_ && a.decalage_ == b.decalage_;
}

} // namespace vedo
