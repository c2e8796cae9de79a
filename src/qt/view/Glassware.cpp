#include "view/Glassware.h"

#include "view/TransparentImage.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace vedo {

namespace {

const QColor bordVerre(72, 72, 72);
const QColor interieurVerre(234, 240, 245);
const QColor verreDepoli(212, 212, 208);
const QColor hachureDepoli(182, 182, 178);
const QColor eauFroide(176, 210, 240);
const QColor reflet(255, 255, 255);
const QColor caoutchoucSombre(112, 50, 22);
const QColor caoutchouc(192, 96, 44);
const QColor caoutchoucClair(238, 156, 104);
const QColor distillat(196, 222, 238);
const QColor alcoolRouge(205, 30, 30);

QPen plume(const QColor& couleur, double largeur) {
    return QPen(couleur, largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Drawn smooth on a transparent canvas, then pixels at least half covered keep
// their colour and the others take the transparent colour: the picture's
// edges then carry no magenta fringe once drawn over another background.
class Toile {
public:
    Toile(int largeur, int hauteur) : dessin_(largeur, hauteur, QImage::Format_ARGB32_Premultiplied) {
        dessin_.fill(Qt::transparent);
        p_.begin(&dessin_);
        p_.setRenderHint(QPainter::Antialiasing);
    }
    QPainter& p() { return p_; }
    QImage aplatir() {
        p_.end();
        const QImage argb = dessin_.convertToFormat(QImage::Format_ARGB32);
        QImage rgb(argb.size(), QImage::Format_RGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            auto* cible = reinterpret_cast<QRgb*>(rgb.scanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                cible[x] = qAlpha(source[x]) >= 128 ? (source[x] | 0xFF000000) : magentaTransparent;
        }
        return rgb;
    }

private:
    QImage dessin_;
    QPainter p_;
};

void verre(QPainter& p, const QPainterPath& forme, const QColor& fond) {
    p.setPen(plume(bordVerre, 1.2));
    p.setBrush(fond);
    p.drawPath(forme);
}

void trait(QPainter& p, QPointF a, QPointF b, const QColor& couleur, double largeur) {
    p.setPen(plume(couleur, largeur));
    p.drawLine(a, b);
}

QPainterPath rectangle(double gauche, double haut, double droite, double bas) {
    QPainterPath chemin;
    chemin.addRect(QRectF(QPointF(gauche, haut), QPointF(droite, bas)));
    return chemin;
}

// A glass tube following a path: dark walls, clear inside, a highlight.
void tubeCourbe(QPainter& p, const QPainterPath& axe, double largeur) {
    p.setBrush(Qt::NoBrush);
    p.setPen(plume(bordVerre, largeur));
    p.drawPath(axe);
    p.setPen(plume(interieurVerre, largeur - 2.4));
    p.drawPath(axe);
    p.setPen(plume(reflet, 1.1));
    p.drawPath(axe.translated(-largeur / 5, -largeur / 5));
}

// Ground-glass cone of a joint, wider at the top, frosted.
void rodage(QPainter& p, double axe, double haut, double bas, double demiHaut, double demiBas) {
    QPainterPath cone;
    cone.moveTo(axe - demiHaut, haut);
    cone.lineTo(axe + demiHaut, haut);
    cone.lineTo(axe + demiBas, bas);
    cone.lineTo(axe - demiBas, bas);
    cone.closeSubpath();
    verre(p, cone, verreDepoli);
    p.save();
    p.setClipPath(cone);
    for (double y = haut - 2 * demiHaut; y < bas; y += 2.5)
        trait(p, {axe - demiHaut, y}, {axe + demiHaut, y + 2 * demiHaut}, hachureDepoli, 0.6);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(plume(bordVerre, 1.2));
    p.drawPath(cone);
}

// Rubber hose pushed onto a hose barb.
void tuyau(QPainter& p, const QPainterPath& trajet) {
    p.setBrush(Qt::NoBrush);
    p.setPen(plume(caoutchoucSombre, 7.5));
    p.drawPath(trajet);
    p.setPen(plume(caoutchouc, 5.2));
    p.drawPath(trajet);
    p.setPen(plume(caoutchoucClair, 1.4));
    p.drawPath(trajet.translated(-1.1, -1.3));
}

// Hose barb along x from `debut` to `fin`, on the line y = 0 of the painter.
void olive(QPainter& p, double debut, double fin) {
    verre(p, rectangle(debut, -2.6, fin, 2.6), interieurVerre);
    for (double x = fin - 6; x < fin - 1; x += 2.5)
        trait(p, {x, -3.4}, {x, 3.4}, bordVerre, 1.0);
    trait(p, {debut + 1, -1.3}, {fin - 1, -1.3}, reflet, 0.9);
}

// Vertical ball condenser; the flask's axis is x = 14.
QImage dessinerRefrigerantABoules() {
    Toile toile(120, 148);
    QPainter& p = toile.p();
    constexpr double axe = 14;

    // Water barbs first, so that the jacket's wall covers their roots.
    for (const double y : {32.0, 98.0}) {
        p.save();
        p.translate(0, y);
        olive(p, 22, 40);
        p.restore();
    }

    QPainterPath manchon;
    manchon.moveTo(axe - 5, 17);
    manchon.quadTo(axe - 12, 18, axe - 12, 27);
    manchon.lineTo(axe - 12, 103);
    manchon.quadTo(axe - 12, 111, axe - 5, 112);
    manchon.lineTo(axe + 5, 112);
    manchon.quadTo(axe + 12, 111, axe + 12, 103);
    manchon.lineTo(axe + 12, 27);
    manchon.quadTo(axe + 12, 18, axe + 5, 17);
    manchon.closeSubpath();
    verre(p, manchon, eauFroide);

    QPainterPath boules = rectangle(axe - 3, 14, axe + 3, 116);
    for (const double y : {31.0, 46.0, 61.0, 76.0, 91.0}) {
        QPainterPath boule;
        boule.addEllipse(QPointF(axe, y), 7.2, 7.2);
        boules = boules.united(boule);
    }
    verre(p, boules, interieurVerre);
    p.setBrush(Qt::NoBrush);
    for (const double y : {31.0, 46.0, 61.0, 76.0, 91.0}) {
        p.setPen(plume(reflet, 1.2));
        p.drawArc(QRectF(axe - 5, y - 5, 10, 10), 100 * 16, 80 * 16);
    }

    verre(p, rectangle(axe - 5, 2.5, axe + 5, 18), interieurVerre);
    verre(p, rectangle(axe - 6.5, 0.8, axe + 6.5, 4), interieurVerre);
    verre(p, rectangle(axe - 5, 111, axe + 5, 121), interieurVerre);
    rodage(p, axe, 120, 143, 7.5, 5.5);

    trait(p, {axe - 8.5, 28}, {axe - 8.5, 102}, reflet, 1.6);
    trait(p, {axe - 2.5, 5}, {axe - 2.5, 16}, reflet, 1.2);
    trait(p, {axe - 2.5, 113}, {axe - 2.5, 119}, reflet, 1.2);

    // Cold water comes in at the bottom and leaves at the top.
    QPainterPath entree(QPointF(37, 98));
    entree.cubicTo(60, 98, 66, 138, 126, 135);
    tuyau(p, entree);
    QPainterPath sortie(QPointF(37, 32));
    sortie.cubicTo(72, 30, 78, 70, 126, 64);
    tuyau(p, sortie);

    return toile.aplatir();
}

QPainterPath paroiBecher(const QRectF& becher) {
    const double g = becher.left(), h = becher.top(), d = becher.right(), b = becher.bottom();
    QPainterPath paroi;
    paroi.moveTo(g - 3, h - 1); // pouring lip
    paroi.quadTo(g, h, g, h + 4);
    paroi.lineTo(g, b - 3);
    paroi.quadTo(g, b, g + 3, b);
    paroi.lineTo(d - 3, b);
    paroi.quadTo(d, b, d, b - 3);
    paroi.lineTo(d, h);
    return paroi;
}

void contenuBecher(QPainter& p, const QRectF& becher, double niveau) {
    const QPainterPath paroi = paroiBecher(becher);
    p.setPen(Qt::NoPen);
    p.setBrush(interieurVerre);
    p.drawPath(paroi);
    p.setBrush(distillat);
    p.drawPath(rectangle(becher.left(), niveau, becher.right(), becher.bottom()).intersected(paroi));
    trait(p, {becher.left() + 0.8, niveau}, {becher.right() - 0.8, niveau}, QColor(120, 160, 190), 1.0);
}

void verreBecher(QPainter& p, const QRectF& becher) {
    p.setBrush(Qt::NoBrush);
    p.setPen(plume(bordVerre, 1.4));
    p.drawPath(paroiBecher(becher));
    for (double y = becher.top() + 8; y < becher.bottom() - 4; y += 7)
        trait(p, {becher.right() - 7, y}, {becher.right() - 2, y}, QColor(110, 110, 110), 0.9);
    trait(p, {becher.left() + 3, becher.top() + 5}, {becher.left() + 3, becher.bottom() - 5}, reflet, 1.5);
}

// Indentations of the column's walls, alternately from each side.
void pointesVigreux(QPainter& p, double axe, double haut, double bas) {
    p.setPen(plume(bordVerre, 0.9));
    p.setBrush(QColor(196, 204, 212));
    for (double y = haut; y < bas; y += 12) {
        for (const double cote : {-1.0, 1.0}) {
            const double paroi = axe + 6 * cote;
            const double decalage = cote < 0 ? 0 : 6;
            const QPointF pointe[] = {
                {paroi, y + decalage}, {paroi - 4.2 * cote, y + decalage + 4}, {paroi, y + decalage + 5}};
            p.drawPolygon(pointe, 3);
        }
    }
}

void thermometre(QPainter& p, double axe, double bulbe) {
    verre(p, rectangle(axe - 7, 11, axe + 7, 20), verreDepoli);
    p.setPen(plume(QColor(90, 90, 90), 0.9));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(QPointF(axe - 1.8, -2), QPointF(axe + 1.8, bulbe - 3)));
    p.setBrush(alcoolRouge);
    p.drawEllipse(QPointF(axe, bulbe), 2.6, 4);
    trait(p, {axe, bulbe - 3}, {axe, 3}, alcoolRouge, 1.0);
    for (double y = 1; y < 11; y += 2)
        trait(p, {axe + 1.8, y}, {axe + 3.5, y}, QColor(70, 70, 70), 0.6);
}

// Fractionating column with its thermometer, sloping condenser, receiving
// beaker; the flask's axis is x = 12.
QImage dessinerDistillation() {
    Toile toile(191, 148);
    QPainter& p = toile.p();
    constexpr double axe = 12;
    constexpr double pente = 27; // degrees below the horizontal
    const QPointF depart(axe + 3, 30);

    QTransform repere;
    repere.translate(depart.x(), depart.y());
    repere.rotate(pente);

    // Condenser, drawn along x in its own frame.
    p.save();
    p.setTransform(repere, true);
    for (const double x : {30.0, 96.0}) {
        p.save();
        p.translate(x, -8);
        p.rotate(-90);
        olive(p, 0, 12);
        p.restore();
    }
    QPainterPath manchon;
    manchon.moveTo(20, -3);
    manchon.quadTo(22, -9, 28, -9);
    manchon.lineTo(98, -9);
    manchon.quadTo(104, -9, 106, -3);
    manchon.lineTo(106, 3);
    manchon.quadTo(104, 9, 98, 9);
    manchon.lineTo(28, 9);
    manchon.quadTo(22, 9, 20, 3);
    manchon.closeSubpath();
    verre(p, manchon, eauFroide);
    verre(p, rectangle(-2, -3, 132, 3), interieurVerre);
    trait(p, {26, -6.5}, {100, -6.5}, reflet, 1.5);
    trait(p, {2, -1.4}, {130, -1.4}, reflet, 0.9);
    p.restore();

    const QRectF becher(QPointF(118, 104), QPointF(160, 146));
    contenuBecher(p, becher, 128);
    const QPointF bout = repere.map(QPointF(128, 0));
    QPainterPath allonge(bout);
    allonge.cubicTo(bout.x() + 7, bout.y() + 3.5, 140, 98, 140, 120);
    tubeCourbe(p, allonge, 7);
    verreBecher(p, becher);

    verre(p, rectangle(axe - 6, 18, axe + 6, 121), interieurVerre);
    pointesVigreux(p, axe, 48, 110);
    trait(p, {axe - 3.5, 22}, {axe - 3.5, 116}, reflet, 1.3);
    rodage(p, axe, 120, 143, 7.5, 5.5);
    thermometre(p, axe, 33);

    // Cold water comes in at the lower end and leaves at the upper end.
    const QPointF sortieEau = repere.map(QPointF(30, -19));
    QPainterPath sortie(sortieEau);
    sortie.cubicTo(sortieEau.x() + 3, 10, 80, 6, 195, 7);
    tuyau(p, sortie);
    const QPointF entreeEau = repere.map(QPointF(96, -19));
    QPainterPath entree(entreeEau);
    entree.cubicTo(entreeEau.x() + 5, entreeEau.y() - 12, 150, 42, 195, 44);
    tuyau(p, entree);

    return toile.aplatir();
}

} // namespace

const QImage& imageRefrigerantABoules() {
    static const QImage image = dessinerRefrigerantABoules();
    return image;
}

const QImage& imageDistillation() {
    static const QImage image = dessinerDistillation();
    return image;
}

} // namespace vedo
