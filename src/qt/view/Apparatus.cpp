#include "view/Apparatus.h"

#include "common/Rounding.h"
#include "view/Glassware.h"
#include "view/TransparentImage.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vedo {

namespace {

const QColor grisFonce(128, 128, 128);
const QColor grisClair(192, 192, 192);
const QColor blanc(255, 255, 255);
const QColor noir(0, 0, 0);
const QColor couleurChauffage(200, 180, 160);
const QColor couleurGlace(250, 250, 250);

int entierProche(double v) {
    return static_cast<int>(arrondiPair(v));
}

// A uniform number in [0, 1) from exactly one draw, so that the sequence of
// ice pieces does not depend on the standard library's distributions.
double uniforme(std::mt19937& alea) {
    return alea() / 4294967296.0;
}

void ligne(QPainter& p, double x1, double y1, double x2, double y2, const QColor& couleur) {
    p.setPen(couleur);
    const QPoint de(entierProche(x1), entierProche(y1));
    const QPoint a(entierProche(x2), entierProche(y2));
    // The gradients are rows: filled, a row is a memset and gives the same
    // pixels as the line, which the stroker draws pixel by pixel.
    if (de.y() == a.y())
        p.fillRect(QRect(QPoint(std::min(de.x(), a.x()), de.y()), QPoint(std::max(de.x(), a.x()), de.y())),
                   couleur);
    else
        p.drawLine(de, a);
}

QRect carre(int cx, int cy, int r) {
    return {cx - r, cy - r, 2 * r, 2 * r};
}

void cercle(QPainter& p, int cx, int cy, int r, const QColor& couleur) {
    p.setPen(couleur);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(carre(cx, cy, r));
}

// Angles in radians, anticlockwise on screen from the positive x axis.
void arc(QPainter& p, int cx, int cy, int r, double debut, double fin, const QColor& couleur) {
    constexpr double seiziemesDeDegre = 180.0 / 3.14159265358979 * 16.0;
    p.setPen(couleur);
    p.setBrush(Qt::NoBrush);
    p.drawArc(carre(cx, cy, r), entierProche(debut * seiziemesDeDegre),
              entierProche((fin - debut) * seiziemesDeDegre));
}

// Peach at the top fading to white at the bottom.
void degrade(QPainter& p, int largeur, int hauteur) {
    const int h = entierProche(hauteur);
    if (h == 0) return;
    for (int i = 0; i <= h; ++i) {
        const QColor couleur(255, entierProche(200 + 55.0 * i / h), entierProche(155 + 100.0 * i / h));
        const double y = hauteur - h + i;
        ligne(p, 0, y, largeur, y, couleur);
    }
}

void titre(QPainter& p) {
    QFont police("Arial");
    police.setPixelSize(11); // 8 points on a 96 dpi screen
    police.setBold(true);
    p.setFont(police);
    p.setPen(noir);
    p.drawText(QRect(18, 54, 200, 30), Qt::AlignLeft | Qt::AlignTop, "Montage");
}

void chauffage(QPainter& p, const Montage& m) {
    const double r = m.rayon;
    const QRect plaque(QPoint(entierProche(m.cx - 1.4 * r), entierProche(m.cy - 0.1 * r)),
                       QPoint(entierProche(m.cx + 1.4 * r), entierProche(m.cy + 1.2 * r)));
    p.fillRect(plaque, couleurChauffage);
    p.setPen(noir);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plaque.adjusted(0, 0, -1, -1));
}

void corpsDuBallon(QPainter& p, const Montage& m) {
    cercle(p, m.cx, m.cy, m.rayon - 1, grisFonce);
    arc(p, m.cx, m.cy, m.rayon - 1, 0.785, 3.93, blanc);
}

// Dark at the surface, lighter towards the bottom of the flask.
void liquide(QPainter& p, const Montage& m) {
    const double r = m.rayon;
    for (int y = m.cy; y <= m.cy + m.rayon; ++y) {
        const double u = (y - m.cy) / r;
        const int teinte = entierProche(100 + 155 * u);
        const double a = 1 - u * u > 0 ? std::atan(u / std::sqrt(1 - u * u)) : 1.57;
        const double w = r * std::cos(a);
        ligne(p, m.cx - w, y, m.cx + w, y, QColor(teinte, teinte, teinte));
    }
}

void contour(QPainter& p, const Montage& m) {
    cercle(p, m.cx, m.cy, m.rayon, noir);
    arc(p, m.cx, m.cy, m.rayon, 1.27, 1.87, blanc); // where the neck joins
    ligne(p, m.cx - m.rayon, m.cy, m.cx + m.rayon, m.cy, noir);
}

void col(QPainter& p, const Montage& m) {
    const double r = m.rayon;
    const double bas = m.cy - r + 2;
    const double haut = m.cy - 1.75 * r;
    const double gauche = m.cx - 0.3 * r;
    const double droite = m.cx + 0.3 * r;
    ligne(p, droite - 1, bas, droite - 1, haut, grisFonce);
    ligne(p, droite - 2, bas, droite - 2, haut, grisClair);
    ligne(p, gauche + 1, bas, gauche + 1, haut, blanc);
    ligne(p, gauche, haut + 1, droite, haut + 1, blanc);
    ligne(p, gauche, haut, droite, haut, noir);
    ligne(p, gauche, bas, gauche, haut, noir);
    ligne(p, droite, bas, droite, haut, noir);
}

void verrerie(QPainter& p, const Montage& m) {
    switch (m.verrerie) {
    case Verrerie::refrigerantABoules:
        dessinerImageTransparente(p, {m.cx - 14, m.cy - 176}, imageRefrigerantABoules());
        break;
    case Verrerie::distillation:
        dessinerImageTransparente(p, {m.cx - 12, m.cy - 180}, imageDistillation());
        break;
    case Verrerie::aucune:
        break;
    }
}

// Dark blue in the middle, lighter at the sides, with ice floating on top.
void bainDeGlace(QPainter& p, const Montage& m, std::mt19937& alea) {
    const double r = m.rayon;
    for (double x = 0; x <= 1.5 * r; x += 2) {
        const int s = entierProche(155 * x / (1.5 * r));
        const QColor eau(s, s + 50, s + 100);
        ligne(p, m.cx - x, m.cy - 0.1 * r, m.cx - x, m.cy + 1.4 * r, eau);
        if (x != 0) ligne(p, m.cx + x, m.cy - 0.1 * r, m.cx + x, m.cy + 1.4 * r, eau);
    }
    p.setPen(grisClair);
    p.setBrush(couleurGlace);
    for (const Glacon& g : tirerGlacons(alea, m))
        p.drawEllipse(carre(g.x, g.y, g.rayon));
    p.setBrush(Qt::NoBrush);
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

QString decrireMontage(const Montage& m) {
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

ConsigneFondi fondi(QImage& animpic, int temperature, bool distillation, std::mt19937& alea) {
    ConsigneFondi consigne;
    if (distillation) {
        consigne.temperatureImposee = temperatureMaximale;
        temperature = temperatureMaximale;
    }
    if (animpic.isNull()) return consigne;
    const Montage m = choisirMontage(temperature, distillation);

    animpic.fill(blanc);
    QPainter p(&animpic);
    degrade(p, animpic.width(), animpic.height());
    titre(p);
    if (m.chauffage) chauffage(p, m);
    corpsDuBallon(p, m);
    liquide(p, m);
    contour(p, m);
    col(p, m);
    verrerie(p, m);
    if (m.bainDeGlace) bainDeGlace(p, m, alea);
    return consigne;
}

} // namespace vedo
