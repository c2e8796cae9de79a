#include "view/GraphPainter.h"

#include "view/DessinGraphe.h"
#include "view/RegistresVectoriels.h"

#include <QFontMetrics>
#include <QStringList>

namespace vedo {

namespace {

const QColor grisGrille(192, 192, 192);
const QString titreQuantite = QStringLiteral("Quantité de matière (mol)");

QString uniteGraphe(std::int32_t duree) {
    return "(" + QString::fromStdString(nomUnite(uniteTemps(duree))) + ")";
}

QFont policeGraphe(bool italique = false) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(11); // 8 points on the 96-dpi grid of the layout
    police.setItalic(italique);
    return police;
}

// Picture coordinates to image pixels.
class Plan {
public:
    explicit Plan(int k) : origine_(origineGraphe(k)) {}
    QPoint operator()(double x, double y) const {
        return {qRound(x) - origine_.x(), qRound(y) - origine_.y()};
    }

private:
    QPoint origine_;
};

void tracer(QPainter& p, QPoint de, QPoint a) {
    if (de == a)
        p.drawPoint(de);
    else
        p.drawLine(de, a);
}

// Text with its top-left corner at (x, y) in image pixels.
void ecrire(QPainter& p, double x, double y, const QString& texte) {
    const QFontMetrics m(p.font());
    p.drawText(QPointF(qRound(x), qRound(y) + m.ascent()), texte);
}

} // namespace

QString decrireGraphe(std::int32_t duree, const CourbesAffichees& affichees,
                      const std::array<QString, 4>& especes, int conserves) {
    QStringList montrees;
    for (int i = 0; i < 4; ++i)
        if (affichees[i]) montrees << especes[i].toLower();
    return titreQuantite + " en fonction de t " + uniteGraphe(duree) +
           ". Courbes : " + (montrees.isEmpty() ? QStringLiteral("aucune") : montrees.join(", ")) +
           ". Expériences conservées : " + QString::number(conserves) + ".";
}

int facteurGraphe(int largeurImage) {
    return largeurImage == largeurGrapheNormal ? 1 : 2;
}

QPoint origineGraphe(int facteur) {
    return facteur == 1 ? QPoint(0, -8) : QPoint(-36, -45);
}

QColor couleurDepuisEntier(std::uint32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::uint32_t entierDepuisCouleur(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) + 256u * c.green() + 65536u * c.blue();
}

bool dessinerCadre(QImage& image, const CadreGraphe& cadre) {
    QPainter p(&image);
    return dessinerCadre(p, image.size(), cadre);
}

bool dessinerCadre(QPainter& p, QSize taille, const CadreGraphe& cadre) {
    p.fillRect(QRect(QPoint(), taille), Qt::white);
    const PlotMapping& m = cadre.echelle;
    if (!(m.ymax >= ymaxMinimal)) return false;
    p.save();
    const int k = m.k;
    const Plan plan(k);
    p.setFont(policeGraphe());
    const QFontMetrics mesure(p.font());

    p.setPen(QPen(grisGrille, 1));
    for (const auto& g : graduationsTemps(m)) {
        tracer(p, plan(g.position, 10), plan(g.position, 10 + 200 * k));
        const QString texte = QString::fromStdString(g.texte);
        const QPoint coin = plan(g.position - mesure.horizontalAdvance(texte) / 2.0, 200 * k + 11);
        p.setPen(Qt::black);
        ecrire(p, coin.x(), coin.y(), texte);
        p.setPen(QPen(grisGrille, 1));
    }
    for (const auto& g : graduationsQuantite(m)) {
        tracer(p, plan(50, g.position), plan(50 + 300 * k, g.position));
        const QString texte = QString::fromStdString(g.texte);
        const QPoint coin = plan(45 - mesure.horizontalAdvance(texte), g.position - 6);
        p.setPen(Qt::black);
        ecrire(p, coin.x(), coin.y(), texte);
        p.setPen(QPen(grisGrille, 1));
    }

    p.setPen(QPen(Qt::black, 1));
    const int bas = 10 + 200 * k;
    const int droite = 300 * k;
    tracer(p, plan(50, -6), plan(50, bas));
    tracer(p, plan(50, -6), plan(47, 0));
    tracer(p, plan(50, -6), plan(53, 0));
    tracer(p, plan(50, bas), plan(80 + droite, bas));
    tracer(p, plan(74 + droite, 7 + 200 * k), plan(80 + droite, bas));
    tracer(p, plan(74 + droite, 13 + 200 * k), plan(80 + droite, bas));

    const QPoint titre = plan(70 + droite, 200 * k - 10);
    p.setFont(policeGraphe(true));
    const QString t = QStringLiteral("t ");
    ecrire(p, titre.x(), titre.y(), t);
    const int apresT = titre.x() + QFontMetrics(p.font()).horizontalAdvance(t);
    p.setFont(policeGraphe());
    ecrire(p, apresT, titre.y(), uniteGraphe(m.duree));
    const QPoint coinQuantite = plan(55, -7 * k);
    ecrire(p, coinQuantite.x(), coinQuantite.y(), titreQuantite);

    const int largeur = cadre.gras ? 2 : 1;
    for (int i = 0; i < 4; ++i) {
        if (!cadre.affichees[i] || !cadre.departs[i]) continue;
        const auto y = m.y(*cadre.departs[i]);
        if (!y) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(cadre.couleurs[i]);
        const QPoint q = plan(50, *y);
        p.drawRect(q.x() - (largeur - 1) / 2, q.y() - (largeur - 1) / 2, largeur, largeur);
    }
    p.restore();
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
            relier(i, QPoint(x0, y0), QPoint(precedents_.x, precedents_.y[i]));
    }
}

TraceurCourbes::TraceurCourbes(QImage& image, const PlotMapping& echelle, const CourbesAffichees& affichees,
                               const CouleursCourbes& couleurs, int largeurTrait,
                               PointsPrecedents& precedents, DessinGraphe* dessin)
    : PixelsCourbes(echelle, affichees, precedents), peintre_(&image), origine_(origineGraphe(echelle.k)),
      dessin_(dessin) {
    for (int i = 0; i < 4; ++i)
        plumes_[i] = QPen(couleurs[i], largeurTrait, Qt::SolidLine, Qt::RoundCap);
    libererRegistresVectoriels(); // the run computes after the frame was drawn
}

void TraceurCourbes::relier(int espece, QPoint de, QPoint a) {
    if (espece != plume_) {
        peintre_.setPen(plumes_[espece]);
        plume_ = espece;
    }
    tracer(peintre_, de - origine_, a - origine_);
    if (dessin_) dessin_->prolonger(espece, plumes_[espece], de - origine_, a - origine_);
    libererRegistresVectoriels(); // the run goes on computing
}

void dessinerCourbesConservees(QImage& image, const PlotMapping& echelle, const CourbesAffichees& affichees,
                               int largeurTrait, const KeptRuns& conserves, DessinGraphe* dessin) {
    for (int j = 0; j <= conserves.nbCourbes && j < nombreEmplacements; ++j) {
        const CourbeConservee& c = conserves.emplacement(j);
        CouleursCourbes couleurs;
        for (int i = 0; i < 4; ++i)
            couleurs[i] = couleurDepuisEntier(c.courbeCouleur[i + 1]);
        PointsPrecedents precedents;
        TraceurCourbes traceur(image, echelle, affichees, couleurs, largeurTrait, precedents, dessin);
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
