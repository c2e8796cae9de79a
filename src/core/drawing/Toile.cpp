#include "drawing/Toile.h"

namespace vedo {

void Toile::effacer() {
    surface_.remplir(fond_);
    courant_ = origine_;
}

Pixel Toile::versImage(Point p) const {
    return {arrondiPixel(p.x - origine_.x), arrondiPixel(p.y - origine_.y)};
}

void Toile::ligne(Point de, Point a, Couleur couleur) {
    const Pixel p1 = versImage(de);
    const Pixel p2 = versImage(a);
    if (p1 == p2) return;
    surface_.ligne(p1, p2, couleur, epaisseur_);
    courant_ = a;
}

void Toile::rectangle(Point coin1, Point coin2, Couleur couleur, bool plein) {
    surface_.rectangle(versImage(coin1), versImage(coin2), couleur, epaisseur_, plein);
    courant_ = coin2;
}

void Toile::point(Point p, Couleur couleur) {
    surface_.point(versImage(p), epaisseur_, couleur);
    courant_ = p;
}

void Toile::imprimer(const std::string& texte, bool finLigne) {
    const MesureTexte mesure = surface_.mesurer(texte, police_);
    const Pixel p = versImage(courant_);
    surface_.texte(p.x, p.y + mesure.ascent, texte, police_, encre_);
    if (finLigne)
        courant_ = {origine_.x, courant_.y + mesure.hauteur};
    else
        courant_.x += mesure.largeur;
}

double Toile::largeurTexte(const std::string& texte) const {
    return surface_.mesurer(texte, police_).largeur;
}

double Toile::hauteurTexte() const {
    return surface_.mesurer("W", police_).hauteur;
}

} // namespace vedo
