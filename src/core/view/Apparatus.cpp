#include "view/Apparatus.h"

#include "common/Rounding.h"
#include "view/Glassware.h"
#include "view/TransparentImage.h"

#include <algorithm>
#include <cmath>

namespace vedo {

namespace {

constexpr Couleur grisFonce{128, 128, 128};
constexpr Couleur grisClair{192, 192, 192};
constexpr Couleur couleurChauffage{200, 180, 160};
constexpr Couleur couleurGlace{250, 250, 250};

int entierProche(double v) {
    return static_cast<int>(arrondiPair(v));
}

// A uniform number in [0, 1) from exactly one draw, so that the sequence of
// ice pieces does not depend on the standard library's distributions.
double uniforme(std::mt19937& alea) {
    return alea() / 4294967296.0;
}

// One pixel wide, both ends drawn.
Plume trait(Couleur couleur) {
    return {couleur, 1, Plume::Bout::carre, Plume::Angle::biseau};
}

void ligne(Surface& s, double x1, double y1, double x2, double y2, Couleur couleur) {
    const Pixel de{entierProche(x1), entierProche(y1)};
    const Pixel a{entierProche(x2), entierProche(y2)};
    // The gradients are rows: filled, a row is a memset and gives the same
    // pixels as the line, which the stroker draws pixel by pixel.
    if (de.y == a.y)
        s.rectangle({std::min(de.x, a.x), de.y}, {std::max(de.x, a.x), de.y}, couleur, 1, true);
    else
        s.segment({double(de.x), double(de.y)}, {double(a.x), double(a.y)}, trait(couleur));
}

void cercle(Surface& s, int cx, int cy, int r, Couleur couleur) {
    s.ellipse({double(cx), double(cy)}, r, r, trait(couleur), std::nullopt);
}

// Angles in radians, anticlockwise on screen from the positive x axis.
void arc(Surface& s, int cx, int cy, int r, double debut, double fin, Couleur couleur) {
    constexpr double seiziemesDeDegre = 180.0 / 3.14159265358979 * 16.0;
    s.arc({double(cx), double(cy)}, r, r, entierProche(debut * seiziemesDeDegre) / 16.0,
          entierProche((fin - debut) * seiziemesDeDegre) / 16.0, trait(couleur));
}

// Peach at the top fading to white at the bottom.
void degrade(Surface& s, int largeur, int hauteur) {
    const int h = entierProche(hauteur);
    if (h == 0) return;
    for (int i = 0; i <= h; ++i) {
        const Couleur couleur{255, static_cast<std::uint8_t>(entierProche(200 + 55.0 * i / h)),
                              static_cast<std::uint8_t>(entierProche(155 + 100.0 * i / h))};
        const double y = hauteur - h + i;
        ligne(s, 0, y, largeur, y, couleur);
    }
}

void titre(Surface& s) {
    const Police police{"Arial", 8, true, false};
    s.texte(18, 54 + s.mesurer("Montage", police).ascent, "Montage", police, noir);
}

void chauffage(Surface& s, const Montage& m) {
    const double r = m.rayon;
    const Pixel coin1{entierProche(m.cx - 1.4 * r), entierProche(m.cy - 0.1 * r)};
    const Pixel coin2{entierProche(m.cx + 1.4 * r), entierProche(m.cy + 1.2 * r)};
    s.rectangle(coin1, coin2, couleurChauffage, 1, true);
    s.rectangle(coin1, coin2, noir, 1, false);
}

void corpsDuBallon(Surface& s, const Montage& m) {
    cercle(s, m.cx, m.cy, m.rayon - 1, grisFonce);
    arc(s, m.cx, m.cy, m.rayon - 1, 0.785, 3.93, blanc);
}

// Dark at the surface, lighter towards the bottom of the flask.
void liquide(Surface& s, const Montage& m) {
    const double r = m.rayon;
    for (int y = m.cy; y <= m.cy + m.rayon; ++y) {
        const double u = (y - m.cy) / r;
        const auto teinte = static_cast<std::uint8_t>(entierProche(100 + 155 * u));
        const double a = 1 - u * u > 0 ? std::atan(u / std::sqrt(1 - u * u)) : 1.57;
        const double w = r * std::cos(a);
        ligne(s, m.cx - w, y, m.cx + w, y, {teinte, teinte, teinte});
    }
}

void contour(Surface& s, const Montage& m) {
    cercle(s, m.cx, m.cy, m.rayon, noir);
    arc(s, m.cx, m.cy, m.rayon, 1.27, 1.87, blanc); // where the neck joins
    ligne(s, m.cx - m.rayon, m.cy, m.cx + m.rayon, m.cy, noir);
}

void col(Surface& s, const Montage& m) {
    const double r = m.rayon;
    const double bas = m.cy - r + 2;
    const double haut = m.cy - 1.75 * r;
    const double gauche = m.cx - 0.3 * r;
    const double droite = m.cx + 0.3 * r;
    ligne(s, droite - 1, bas, droite - 1, haut, grisFonce);
    ligne(s, droite - 2, bas, droite - 2, haut, grisClair);
    ligne(s, gauche + 1, bas, gauche + 1, haut, blanc);
    ligne(s, gauche, haut + 1, droite, haut + 1, blanc);
    ligne(s, gauche, haut, droite, haut, noir);
    ligne(s, gauche, bas, gauche, haut, noir);
    ligne(s, droite, bas, droite, haut, noir);
}

void verrerie(Surface& s, const Montage& m) {
    switch (m.verrerie) {
    case Verrerie::refrigerantABoules:
        dessinerImageTransparente(s, {m.cx - 14, m.cy - 176}, imageRefrigerantABoules(s));
        break;
    case Verrerie::distillation:
        dessinerImageTransparente(s, {m.cx - 12, m.cy - 180}, imageDistillation(s));
        break;
    case Verrerie::aucune:
        break;
    }
}

// Dark blue in the middle, lighter at the sides, with ice floating on top.
void bainDeGlace(Surface& s, const Montage& m, std::mt19937& alea) {
    const double r = m.rayon;
    for (double x = 0; x <= 1.5 * r; x += 2) {
        const auto t = static_cast<std::uint8_t>(entierProche(155 * x / (1.5 * r)));
        const Couleur eau{t, static_cast<std::uint8_t>(t + 50), static_cast<std::uint8_t>(t + 100)};
        ligne(s, m.cx - x, m.cy - 0.1 * r, m.cx - x, m.cy + 1.4 * r, eau);
        if (x != 0) ligne(s, m.cx + x, m.cy - 0.1 * r, m.cx + x, m.cy + 1.4 * r, eau);
    }
    for (const Glacon& g : tirerGlacons(alea, m))
        s.ellipse({double(g.x), double(g.y)}, g.rayon, g.rayon, trait(grisClair), couleurGlace);
}

} // namespace

Montage choisirMontage(int temperature, bool distillation) {
    Montage m;
    if (distillation) {
        m = {210, 190, 30, true, false, Verrerie::distillation};
    } else if (temperature >= 250) {
        m = {253, 190, 30, true, false, Verrerie::refrigerantABoules};
    } else {
        m = {260, 150, 55, false, false, Verrerie::aucune};
    }
    // Distillation runs at the maximum temperature, never in ice.
    m.bainDeGlace = !distillation && temperature < 200;
    return m;
}

std::string decrireMontage(const Montage& m) {
    switch (m.verrerie) {
    case Verrerie::distillation:
        return "distillation : ballon chauffé, colonne avec thermomètre, réfrigérant et bécher";
    case Verrerie::refrigerantABoules:
        return "chauffage à reflux : ballon chauffé sous un réfrigérant à boules";
    case Verrerie::aucune:
        break;
    }
    return m.bainDeGlace ? "ballon dans un bain de glace" : "ballon sans chauffage";
}

std::vector<Glacon> tirerGlacons(std::mt19937& alea, const Montage& m) {
    const double r = m.rayon;
    std::vector<Glacon> glacons(nombreGlacons);
    for (Glacon& g : glacons) {
        const double r1 = uniforme(alea);
        const double r2 = uniforme(alea);
        const double r3 = uniforme(alea);
        g.x = entierProche(m.cx - 1.4 * r + 2.8 * r * r1);
        g.y = entierProche(m.cy + 0.1 * r * (3 * r2 - 2));
        g.rayon = entierProche(r * (r3 / 20 + 0.05));
    }
    return glacons;
}

ConsigneFondi fondi(Surface& animpic, int largeur, int hauteur, int temperature, bool distillation,
                    std::mt19937& alea) {
    ConsigneFondi consigne;
    if (distillation) {
        consigne.temperatureImposee = temperatureMaximale;
        temperature = temperatureMaximale;
    }
    if (largeur <= 0 || hauteur <= 0) return consigne;
    const Montage m = choisirMontage(temperature, distillation);

    animpic.remplir(blanc);
    degrade(animpic, largeur, hauteur);
    titre(animpic);
    if (m.chauffage) chauffage(animpic, m);
    corpsDuBallon(animpic, m);
    liquide(animpic, m);
    contour(animpic, m);
    col(animpic, m);
    verrerie(animpic, m);
    if (m.bainDeGlace) bainDeGlace(animpic, m, alea);
    return consigne;
}

} // namespace vedo
