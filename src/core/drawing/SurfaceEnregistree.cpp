#include "drawing/SurfaceEnregistree.h"

#include <cstdio>
#include <sstream>

namespace vedo {

namespace {

std::string texteNombre(double v) {
    std::ostringstream o;
    o << v;
    return o.str();
}

std::string textePixel(Pixel p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

double taillePixels(const Police& police) {
    return police.points * 96.0 / 72.0;
}

// The characters of UTF-8 text: every byte but the continuation ones.
std::size_t caracteres(const std::string& texte) {
    std::size_t n = 0;
    for (const char c : texte)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string textePolice(const Police& police) {
    return police.nom + " " + texteNombre(police.points) + (police.gras ? " gras" : "") +
           (police.italique ? " italique" : "");
}

std::string textePlume(const Plume& plume) {
    static const char* const bouts[] = {"plat", "carre", "rond"};
    static const char* const angles[] = {"biseau", "onglet", "rond"};
    return texteCouleur(plume.couleur) + " " + texteNombre(plume.largeur) + " " +
           bouts[static_cast<int>(plume.bout)] + " " + angles[static_cast<int>(plume.angle)] +
           (plume.pointille ? " pointille" : "");
}

} // namespace

std::string texteCouleur(Couleur couleur) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", couleur.r, couleur.g, couleur.b);
    return texte;
}

void SurfaceEnregistree::remplir(Couleur couleur) {
    appels_.push_back("remplir " + texteCouleur(couleur));
}

void SurfaceEnregistree::ligne(Pixel de, Pixel a, Couleur couleur, int epaisseur) {
    appels_.push_back("ligne " + textePixel(de) + " " + textePixel(a) + " " + texteCouleur(couleur) + " " +
                      std::to_string(epaisseur));
}

void SurfaceEnregistree::rectangle(Pixel coin1, Pixel coin2, Couleur couleur, int epaisseur, bool plein) {
    appels_.push_back("rectangle " + textePixel(coin1) + " " + textePixel(coin2) + " " +
                      texteCouleur(couleur) + " " + std::to_string(epaisseur) +
                      (plein ? " plein" : " contour"));
}

void SurfaceEnregistree::point(Pixel centre, int cote, Couleur couleur) {
    appels_.push_back("point " + textePixel(centre) + " " + std::to_string(cote) + " " +
                      texteCouleur(couleur));
}

void SurfaceEnregistree::texte(double x, double ligneDeBase, const std::string& texte, const Police& police,
                               Couleur couleur) {
    appels_.push_back("texte " + texteNombre(x) + "," + texteNombre(ligneDeBase) + " \"" + texte + "\" " +
                      textePolice(police) + " " + texteCouleur(couleur));
}

MesureTexte SurfaceEnregistree::mesurer(const std::string& texte, const Police& police) const {
    const double taille = taillePixels(police);
    return {static_cast<double>(caracteres(texte)) * taille / 2, taille * 1.25, taille};
}

void SurfaceEnregistree::trait(Pixel de, Pixel a, const Plume& plume) {
    appels_.push_back("trait " + textePixel(de) + " " + textePixel(a) + " " + textePlume(plume));
}

void SurfaceEnregistree::polyligne(const std::vector<Pixel>& points, const Plume& plume) {
    std::string appel = "polyligne";
    for (const Pixel p : points)
        appel += " " + textePixel(p);
    appels_.push_back(appel + " " + textePlume(plume));
}

void SurfaceEnregistree::ouvrirGroupe(const Police* police) {
    appels_.push_back(police ? "groupe " + textePolice(*police) : "groupe");
}

void SurfaceEnregistree::fermerGroupe() {
    appels_.push_back("fin groupe");
}

} // namespace vedo
