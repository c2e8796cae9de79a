#include "view/GraphPainter.h"

#include "view/DessinGraphe.h"
#include "view/RegistresVectoriels.h"

namespace vedo {

namespace {

constexpr Couleur grisGrille{192, 192, 192};
const std::string titreQuantite = "Quantité de matière (mol)";

std::string uniteGraphe(std::int32_t duree) {
    std::string unite = "(";
    unite += nomUnite(uniteTemps(duree));
    return unite + ")";
}

// 8 points: 11 pixels on the 96-dpi grid of the layout.
Police policeGraphe(bool italique = false) {
    Police police;
    police.italique = italique;
    return police;
}

// Picture coordinates to image pixels.
class Plan {
public:
    explicit Plan(int k) : origine_(origineGraphe(k)) {}
    Pixel operator()(double x, double y) const {
        return {arrondiPixel(x) - origine_.x, arrondiPixel(y) - origine_.y};
    }

private:
    Pixel origine_;
};

// Text with its top-left corner at pixel `coin`, on whole pixels.
void ecrire(Surface& s, Pixel coin, const std::string& texte, const Police& police) {
    s.texte(coin.x, coin.y + arrondiPixel(s.mesurer(texte, police).ascent), texte, police, noir);
}

int largeur(const Surface& s, const std::string& texte, const Police& police) {
    return arrondiPixel(s.mesurer(texte, police).largeur);
}

// Lower case for the letters of French names: ASCII, and the accented
// capitals of Latin-1 (two bytes in UTF-8).
std::string minuscules(std::string texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(texte[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 32);
        } else if (c == 0xC3 && i + 1 < texte.size()) {
            auto& suite = reinterpret_cast<unsigned char&>(texte[++i]);
            if (suite >= 0x80 && suite <= 0x9E && suite != 0x97) suite = static_cast<unsigned char>(suite + 32);
        }
    }
    return texte;
}

} // namespace

std::string decrireGraphe(std::int32_t duree, const CourbesAffichees& affichees,
                          const std::array<std::string, 4>& especes, int conserves) {
    std::string montrees;
    for (int i = 0; i < 4; ++i)
        if (affichees[i]) montrees += (montrees.empty() ? "" : ", ") + minuscules(especes[i]);
    return titreQuantite + " en fonction de t " + uniteGraphe(duree) +
           ". Courbes : " + (montrees.empty() ? "aucune" : montrees) +
           ". Expériences conservées : " + std::to_string(conserves) + ".";
}

int facteurGraphe(int largeurImage) {
    return largeurImage == largeurGrapheNormal ? 1 : 2;
}

Pixel origineGraphe(int facteur) {
    return facteur == 1 ? Pixel{0, -8} : Pixel{-36, -45};
}

Couleur couleurDepuisEntier(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
            static_cast<std::uint8_t>((rgb >> 16) & 0xFF)};
}

std::uint32_t entierDepuisCouleur(Couleur c) {
    return static_cast<std::uint32_t>(c.r) + 256u * c.g + 65536u * c.b;
}

Plume plumeCourbe(Couleur couleur, int largeurTrait) {
    Plume plume;
    plume.couleur = couleur;
    plume.largeur = largeurTrait;
    plume.bout = Plume::Bout::rond;
    return plume;
}

bool dessinerCadre(Surface& s, const CadreGraphe& cadre) {
    s.remplir(blanc);
    const PlotMapping& m = cadre.echelle;
    if (!(m.ymax >= ymaxMinimal)) return false;
    const int k = m.k;
    const Plan plan(k);
    const Police police = policeGraphe();
    s.ouvrirGroupe(&police);

    Plume grille;
    grille.couleur = grisGrille;
    for (const auto& g : graduationsTemps(m)) {
        s.trait(plan(g.position, 10), plan(g.position, 10 + 200 * k), grille);
        ecrire(s, plan(g.position - largeur(s, g.texte, police) / 2.0, 200 * k + 11), g.texte, police);
    }
    for (const auto& g : graduationsQuantite(m)) {
        s.trait(plan(50, g.position), plan(50 + 300 * k, g.position), grille);
        ecrire(s, plan(45 - largeur(s, g.texte, police), g.position - 6), g.texte, police);
    }

    const Plume axe;
    const int bas = 10 + 200 * k;
    const int droite = 300 * k;
    s.trait(plan(50, -6), plan(50, bas), axe);
    s.trait(plan(50, -6), plan(47, 0), axe);
    s.trait(plan(50, -6), plan(53, 0), axe);
    s.trait(plan(50, bas), plan(80 + droite, bas), axe);
    s.trait(plan(74 + droite, 7 + 200 * k), plan(80 + droite, bas), axe);
    s.trait(plan(74 + droite, 13 + 200 * k), plan(80 + droite, bas), axe);

    const Pixel titre = plan(70 + droite, 200 * k - 10);
    const Police italique = policeGraphe(true);
    const std::string t = "t ";
    ecrire(s, titre, t, italique);
    ecrire(s, {titre.x + largeur(s, t, italique), titre.y}, uniteGraphe(m.duree), police);
    ecrire(s, plan(55, -7 * k), titreQuantite, police);

    const int cote = cadre.gras ? 2 : 1;
    for (int i = 0; i < 4; ++i) {
        if (!cadre.affichees[i] || !cadre.departs[i]) continue;
        if (const auto y = m.y(*cadre.departs[i])) s.point(plan(50, *y), cote, cadre.couleurs[i]);
    }
    s.fermerGroupe();
    return true;
}

PixelsCourbes::PixelsCourbes(const PlotMapping& echelle, const CourbesAffichees& affichees,
                             PointsPrecedents& precedents)
    : echelle_(echelle), affichees_(affichees), precedents_(precedents) {}

void PixelsCourbes::premierPoint(const Quantites& n) {
    echelle_.placerX(0.0, x_, precedents_.x);
    for (int i = 0; i < 4; ++i)
        if (affichees_[i]) echelle_.placerY(n[i], y_[i], precedents_.y[i]);
}

void PixelsCourbes::point(double t, const Quantites& n) {
    // On a scale too small for any axis the picture stays empty, whichever
    // run draws on it.
    if (!(echelle_.ymax >= ymaxMinimal)) return;
    const std::int16_t x0 = precedents_.x;
    echelle_.placerX(t, x_, precedents_.x);
    for (int i = 0; i < 4; ++i) {
        if (!affichees_[i]) continue;
        const std::int16_t y0 = precedents_.y[i];
        echelle_.placerY(n[i], y_[i], precedents_.y[i]);
        if (precedents_.x != x0 || precedents_.y[i] != y0)
            relier(i, {x0, y0}, {precedents_.x, precedents_.y[i]});
    }
}

TraceurCourbes::TraceurCourbes(Surface& surface, const PlotMapping& echelle, const CourbesAffichees& affichees,
                               const CouleursCourbes& couleurs, int largeurTrait,
                               PointsPrecedents& precedents, DessinGraphe* dessin)
    : PixelsCourbes(echelle, affichees, precedents), surface_(surface), origine_(origineGraphe(echelle.k)),
      dessin_(dessin) {
    for (int i = 0; i < 4; ++i)
        plumes_[i] = plumeCourbe(couleurs[i], largeurTrait);
    libererRegistresVectoriels(); // the run computes after the frame was drawn
}

void TraceurCourbes::relier(int espece, Pixel de, Pixel a) {
    const Pixel p1{de.x - origine_.x, de.y - origine_.y};
    const Pixel p2{a.x - origine_.x, a.y - origine_.y};
    surface_.trait(p1, p2, plumes_[espece]);
    if (dessin_) dessin_->prolonger(espece, plumes_[espece], p1, p2);
    libererRegistresVectoriels(); // the run goes on computing
}

void dessinerCourbesConservees(Surface& surface, const PlotMapping& echelle, const CourbesAffichees& affichees,
                               int largeurTrait, const KeptRuns& conserves, DessinGraphe* dessin) {
    for (int j = 0; j <= conserves.nbCourbes && j < nombreEmplacements; ++j) {
        const CourbeConservee& c = conserves.emplacement(j);
        CouleursCourbes couleurs;
        for (int i = 0; i < 4; ++i)
            couleurs[i] = couleurDepuisEntier(c.courbeCouleur[i + 1]);
        PointsPrecedents precedents;
        TraceurCourbes traceur(surface, echelle, affichees, couleurs, largeurTrait, precedents, dessin);
        ParametresRun p;
        p.duree = echelle.duree;
        p.dureeTableau = c.courbeDuree;
        p.conditions = c.conditions();
        p.ymax = echelle.ymax;
        Quantites n = c.quantites();
        ConstantesVitesse k;
        speed(n, p, traceur, k);
    }
}

} // namespace vedo
