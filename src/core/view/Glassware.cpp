#include "view/Glassware.h"

#include "view/TransparentImage.h"

#include <cmath>
#include <numbers>

namespace vedo {

namespace {

constexpr Couleur bordVerre{72, 72, 72};
constexpr Couleur interieurVerre{234, 240, 245};
constexpr Couleur verreDepoli{212, 212, 208};
constexpr Couleur hachureDepoli{182, 182, 178};
constexpr Couleur eauFroide{176, 210, 240};
constexpr Couleur reflet{255, 255, 255};
constexpr Couleur caoutchoucSombre{112, 50, 22};
constexpr Couleur caoutchouc{192, 96, 44};
constexpr Couleur caoutchoucClair{238, 156, 104};
constexpr Couleur distillat{196, 222, 238};
constexpr Couleur alcoolRouge{205, 30, 30};

Plume plume(Couleur couleur, double largeur) {
    return {couleur, largeur, Plume::Bout::rond, Plume::Angle::rond};
}

void verre(Surface& s, const Chemin& forme, Couleur fond) {
    s.tracer(forme, plume(bordVerre, 1.2), fond);
}

void trait(Surface& s, Point a, Point b, Couleur couleur, double largeur) {
    s.segment(a, b, plume(couleur, largeur));
}

Chemin rectangle(double gauche, double haut, double droite, double bas) {
    return Chemin().rectangle({gauche, haut}, {droite, bas});
}

// A glass tube following a path: dark walls, clear inside, a highlight.
void tubeCourbe(Surface& s, const Chemin& axe, double largeur) {
    s.tracer(axe, plume(bordVerre, largeur), std::nullopt);
    s.tracer(axe, plume(interieurVerre, largeur - 2.4), std::nullopt);
    s.tracer(axe.decale(-largeur / 5, -largeur / 5), plume(reflet, 1.1), std::nullopt);
}

// Ground-glass cone of a joint, wider at the top, frosted.
void rodage(Surface& s, double axe, double haut, double bas, double demiHaut, double demiBas) {
    Chemin cone;
    cone.deplacer({axe - demiHaut, haut})
        .ligne({axe + demiHaut, haut})
        .ligne({axe + demiBas, bas})
        .ligne({axe - demiBas, bas})
        .fermer();
    verre(s, cone, verreDepoli);
    s.sauver();
    s.limiter(cone);
    for (double y = haut - 2 * demiHaut; y < bas; y += 2.5)
        trait(s, {axe - demiHaut, y}, {axe + demiHaut, y + 2 * demiHaut}, hachureDepoli, 0.6);
    s.restaurer();
    s.tracer(cone, plume(bordVerre, 1.2), std::nullopt);
}

// Rubber hose pushed onto a hose barb.
void tuyau(Surface& s, const Chemin& trajet) {
    s.tracer(trajet, plume(caoutchoucSombre, 7.5), std::nullopt);
    s.tracer(trajet, plume(caoutchouc, 5.2), std::nullopt);
    s.tracer(trajet.decale(-1.1, -1.3), plume(caoutchoucClair, 1.4), std::nullopt);
}

// Hose barb along x from `debut` to `fin`, on the line y = 0 of the frame.
void olive(Surface& s, double debut, double fin) {
    verre(s, rectangle(debut, -2.6, fin, 2.6), interieurVerre);
    for (double x = fin - 6; x < fin - 1; x += 2.5)
        trait(s, {x, -3.4}, {x, 3.4}, bordVerre, 1.0);
    trait(s, {debut + 1, -1.3}, {fin - 1, -1.3}, reflet, 0.9);
}

} // namespace

// Vertical ball condenser; the flask's axis is x = 14.
void dessinerRefrigerantABoules(Surface& s) {
    constexpr double axe = 14;

    // Water barbs first, so that the jacket's wall covers their roots.
    for (const double y : {32.0, 98.0}) {
        s.sauver();
        s.translater(0, y);
        olive(s, 22, 40);
        s.restaurer();
    }

    Chemin manchon({axe - 5, 17});
    manchon.quad({axe - 12, 18}, {axe - 12, 27})
        .ligne({axe - 12, 103})
        .quad({axe - 12, 111}, {axe - 5, 112})
        .ligne({axe + 5, 112})
        .quad({axe + 12, 111}, {axe + 12, 103})
        .ligne({axe + 12, 27})
        .quad({axe + 12, 18}, {axe + 5, 17})
        .fermer();
    verre(s, manchon, eauFroide);

    Chemin boules = rectangle(axe - 3, 14, axe + 3, 116);
    for (const double y : {31.0, 46.0, 61.0, 76.0, 91.0})
        boules = boules.unir(Chemin().ellipse({axe, y}, 7.2, 7.2));
    verre(s, boules, interieurVerre);
    for (const double y : {31.0, 46.0, 61.0, 76.0, 91.0})
        s.arc({axe, y}, 5, 5, 100, 80, plume(reflet, 1.2));

    verre(s, rectangle(axe - 5, 2.5, axe + 5, 18), interieurVerre);
    verre(s, rectangle(axe - 6.5, 0.8, axe + 6.5, 4), interieurVerre);
    verre(s, rectangle(axe - 5, 111, axe + 5, 121), interieurVerre);
    rodage(s, axe, 120, 143, 7.5, 5.5);

    trait(s, {axe - 8.5, 28}, {axe - 8.5, 102}, reflet, 1.6);
    trait(s, {axe - 2.5, 5}, {axe - 2.5, 16}, reflet, 1.2);
    trait(s, {axe - 2.5, 113}, {axe - 2.5, 119}, reflet, 1.2);

    // Cold water comes in at the bottom and leaves at the top.
    tuyau(s, Chemin({37, 98}).cubique({60, 98}, {66, 138}, {126, 135}));
    tuyau(s, Chemin({37, 32}).cubique({72, 30}, {78, 70}, {126, 64}));
}

namespace {

struct Becher {
    double gauche, haut, droite, bas;
};

Chemin paroiBecher(const Becher& b) {
    Chemin paroi({b.gauche - 3, b.haut - 1}); // pouring lip
    paroi.quad({b.gauche, b.haut}, {b.gauche, b.haut + 4})
        .ligne({b.gauche, b.bas - 3})
        .quad({b.gauche, b.bas}, {b.gauche + 3, b.bas})
        .ligne({b.droite - 3, b.bas})
        .quad({b.droite, b.bas}, {b.droite, b.bas - 3})
        .ligne({b.droite, b.haut});
    return paroi;
}

void contenuBecher(Surface& s, const Becher& b, double niveau) {
    const Chemin paroi = paroiBecher(b);
    s.tracer(paroi, std::nullopt, interieurVerre);
    s.tracer(rectangle(b.gauche, niveau, b.droite, b.bas).croiser(paroi), std::nullopt, distillat);
    trait(s, {b.gauche + 0.8, niveau}, {b.droite - 0.8, niveau}, {120, 160, 190}, 1.0);
}

void verreBecher(Surface& s, const Becher& b) {
    s.tracer(paroiBecher(b), plume(bordVerre, 1.4), std::nullopt);
    for (double y = b.haut + 8; y < b.bas - 4; y += 7)
        trait(s, {b.droite - 7, y}, {b.droite - 2, y}, {110, 110, 110}, 0.9);
    trait(s, {b.gauche + 3, b.haut + 5}, {b.gauche + 3, b.bas - 5}, reflet, 1.5);
}

// Indentations of the column's walls, alternately from each side.
void pointesVigreux(Surface& s, double axe, double haut, double bas) {
    for (double y = haut; y < bas; y += 12) {
        for (const double cote : {-1.0, 1.0}) {
            const double paroi = axe + 6 * cote;
            const double decalage = cote < 0 ? 0 : 6;
            Chemin pointe({paroi, y + decalage});
            pointe.ligne({paroi - 4.2 * cote, y + decalage + 4}).ligne({paroi, y + decalage + 5}).fermer();
            s.tracer(pointe, plume(bordVerre, 0.9), Couleur{196, 204, 212});
        }
    }
}

void thermometre(Surface& s, double axe, double bulbe) {
    verre(s, rectangle(axe - 7, 11, axe + 7, 20), verreDepoli);
    s.rectangle({axe - 1.8, -2}, {axe + 1.8, bulbe - 3}, plume({90, 90, 90}, 0.9), Couleur{250, 250, 250});
    s.ellipse({axe, bulbe}, 2.6, 4, plume({90, 90, 90}, 0.9), alcoolRouge);
    trait(s, {axe, bulbe - 3}, {axe, 3}, alcoolRouge, 1.0);
    for (double y = 1; y < 11; y += 2)
        trait(s, {axe + 1.8, y}, {axe + 3.5, y}, {70, 70, 70}, 0.6);
}

// The frame of the sloping condenser: from its start, turned `degres`
// clockwise, as the surface's own frame would place it.
struct Repere {
    Point origine;
    double cosinus, sinus;

    Repere(Point o, double degres)
        : origine(o), cosinus(std::cos(degres * (std::numbers::pi / 180))),
          sinus(std::sin(degres * (std::numbers::pi / 180))) {}

    Point vers(Point p) const {
        return {cosinus * p.x + -sinus * p.y + origine.x, sinus * p.x + cosinus * p.y + origine.y};
    }
};

} // namespace

// Fractionating column with its thermometer, sloping condenser, receiving
// beaker; the flask's axis is x = 12.
void dessinerDistillation(Surface& s) {
    constexpr double axe = 12;
    constexpr double pente = 27; // degrees below the horizontal
    const Repere repere({axe + 3, 30}, pente);

    // Condenser, drawn along x in its own frame.
    s.sauver();
    s.translater(repere.origine.x, repere.origine.y);
    s.tourner(pente);
    for (const double x : {30.0, 96.0}) {
        s.sauver();
        s.translater(x, -8);
        s.tourner(-90);
        olive(s, 0, 12);
        s.restaurer();
    }
    Chemin manchon({20, -3});
    manchon.quad({22, -9}, {28, -9})
        .ligne({98, -9})
        .quad({104, -9}, {106, -3})
        .ligne({106, 3})
        .quad({104, 9}, {98, 9})
        .ligne({28, 9})
        .quad({22, 9}, {20, 3})
        .fermer();
    verre(s, manchon, eauFroide);
    verre(s, rectangle(-2, -3, 132, 3), interieurVerre);
    trait(s, {26, -6.5}, {100, -6.5}, reflet, 1.5);
    trait(s, {2, -1.4}, {130, -1.4}, reflet, 0.9);
    s.restaurer();

    const Becher becher{118, 104, 160, 146};
    contenuBecher(s, becher, 128);
    const Point bout = repere.vers({128, 0});
    tubeCourbe(s, Chemin(bout).cubique({bout.x + 7, bout.y + 3.5}, {140, 98}, {140, 120}), 7);
    verreBecher(s, becher);

    verre(s, rectangle(axe - 6, 18, axe + 6, 121), interieurVerre);
    pointesVigreux(s, axe, 48, 110);
    trait(s, {axe - 3.5, 22}, {axe - 3.5, 116}, reflet, 1.3);
    rodage(s, axe, 120, 143, 7.5, 5.5);
    thermometre(s, axe, 33);

    // Cold water comes in at the lower end and leaves at the upper end.
    const Point sortieEau = repere.vers({30, -19});
    tuyau(s, Chemin(sortieEau).cubique({sortieEau.x + 3, 10}, {80, 6}, {195, 7}));
    const Point entreeEau = repere.vers({96, -19});
    tuyau(s, Chemin(entreeEau).cubique({entreeEau.x + 5, entreeEau.y - 12}, {150, 42}, {195, 44}));
}

namespace {

Image dessinLisse(Surface& surface, int largeur, int hauteur, void (*dessin)(Surface&)) {
    return aplatir(surface.calque(largeur, hauteur, [dessin](Surface& s) {
        s.lisser(true);
        dessin(s);
    }));
}

} // namespace

Image aplatir(const Image& calque) {
    Image rgb = calque;
    for (std::uint32_t& pixel : rgb.pixels)
        pixel = (pixel >> 24) >= 128 ? (pixel | 0xFF000000u) : magentaTransparent;
    return rgb;
}

const Image& imageRefrigerantABoules(Surface& surface) {
    static const Image image = dessinLisse(surface, 120, 148, dessinerRefrigerantABoules);
    return image;
}

const Image& imageDistillation(Surface& surface) {
    static const Image image = dessinLisse(surface, 191, 148, dessinerDistillation);
    return image;
}

} // namespace vedo
