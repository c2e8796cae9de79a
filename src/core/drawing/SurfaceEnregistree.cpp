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

std::string textePoint(Point p) {
    return texteNombre(p.x) + "," + texteNombre(p.y);
}

std::string texteChemin(const Chemin& chemin) {
    static constexpr const char* lettres[] = {"M", "L", "Q", "C", "Z", "R", "E", "A", "RA"};
    std::string texte;
    for (const Chemin::Element& e : chemin.elements()) {
        texte += (texte.empty() ? "" : " ") + std::string(lettres[static_cast<int>(e.type)]);
        for (const Point p : e.points)
            texte += " " + textePoint(p);
    }
    for (const Chemin::Combinaison& c : chemin.combinaisons())
        texte += std::string(c.operation == Chemin::Operation::reunion ? " +(" : " *(") +
                 texteChemin(c.chemin) + ")";
    if (chemin.decalage() != Point{}) texte += " >" + textePoint(chemin.decalage());
    return texte;
}

std::string textePlume(const std::optional<Plume>& plume) {
    if (!plume) return "-";
    static constexpr const char* bouts[] = {"plat", "carre", "rond"};
    static constexpr const char* angles[] = {"biseau", "onglet", "rond"};
    return texteCouleur(plume->couleur) + " " + texteNombre(plume->largeur) + " " +
           bouts[static_cast<int>(plume->bout)] + " " + angles[static_cast<int>(plume->angle)] +
           (plume->pointille ? " pointille" : "");
}

std::string texteFond(const std::optional<Remplissage>& fond) {
    if (!fond) return "-";
    if (fond->arrets.empty())
        return texteCouleur(fond->couleur) +
               (fond->opacite == 255 ? "" : "/" + std::to_string(fond->opacite));
    std::string texte = "degrade " + textePoint(fond->debut) + " " + textePoint(fond->fin);
    for (const Remplissage::Arret& a : fond->arrets)
        texte += " " + texteNombre(a.position) + ":" + texteCouleur(a.couleur);
    return texte;
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

void SurfaceEnregistree::tracer(const Chemin& chemin, const std::optional<Plume>& plume,
                                const std::optional<Remplissage>& fond) {
    appels_.push_back("tracer " + texteChemin(chemin) + " " + textePlume(plume) + " | " + texteFond(fond));
}

void SurfaceEnregistree::segment(Point de, Point a, const Plume& plume) {
    appels_.push_back("segment " + textePoint(de) + " " + textePoint(a) + " " + textePlume(plume));
}

void SurfaceEnregistree::rectangle(Point coin1, Point coin2, const std::optional<Plume>& plume,
                                   const std::optional<Remplissage>& fond) {
    appels_.push_back("rectangle " + textePoint(coin1) + " " + textePoint(coin2) + " " + textePlume(plume) +
                      " | " + texteFond(fond));
}

void SurfaceEnregistree::ellipse(Point centre, double rayonX, double rayonY,
                                 const std::optional<Plume>& plume, const std::optional<Remplissage>& fond) {
    appels_.push_back("ellipse " + textePoint(centre) + " " + textePoint({rayonX, rayonY}) + " " +
                      textePlume(plume) + " | " + texteFond(fond));
}

void SurfaceEnregistree::arc(Point centre, double rayonX, double rayonY, double debut, double etendue,
                             const Plume& plume) {
    appels_.push_back("arc " + textePoint(centre) + " " + textePoint({rayonX, rayonY}) + " " +
                      texteNombre(debut) + " " + texteNombre(etendue) + " " + textePlume(plume));
}

void SurfaceEnregistree::sauver() {
    appels_.push_back("sauver");
}

void SurfaceEnregistree::restaurer() {
    appels_.push_back("restaurer");
}

void SurfaceEnregistree::translater(double dx, double dy) {
    appels_.push_back("translater " + textePoint({dx, dy}));
}

void SurfaceEnregistree::tourner(double degres) {
    appels_.push_back("tourner " + texteNombre(degres));
}

void SurfaceEnregistree::echelle(double fx, double fy) {
    appels_.push_back("echelle " + textePoint({fx, fy}));
}

void SurfaceEnregistree::lisser(bool lisse) {
    appels_.push_back(lisse ? "lisser oui" : "lisser non");
}

void SurfaceEnregistree::limiter(const Chemin& chemin) {
    appels_.push_back("limiter " + texteChemin(chemin));
}

void SurfaceEnregistree::image(Pixel position, const Image& image) {
    appels_.push_back("image " + textePixel(position) + " " + std::to_string(image.largeur) + "x" +
                      std::to_string(image.hauteur));
}

Image SurfaceEnregistree::calque(int largeur, int hauteur, const std::function<void(Surface&)>& dessin) {
    appels_.push_back("calque " + std::to_string(largeur) + "x" + std::to_string(hauteur));
    dessin(*this);
    appels_.push_back("fin calque");
    return Image(largeur, hauteur);
}

} // namespace vedo
