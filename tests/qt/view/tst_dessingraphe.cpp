#include "TestRegistry.h"

#include "platform/SurfaceImage.h"
#include "platform/SurfaceQt.h"
#include "view/DessinGraphe.h"

#include <QPainter>
#include <QtTest>

using namespace vedo;

namespace {

const CouleursCourbes couleurs = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 128, 0},
                                  Couleur{0, 192, 0}};

// Draws it all again through `peintre`, as the exports do.
void dessinerSur(QPainter& peintre, const DessinGraphe& dessin) {
    SurfaceQt surface(peintre, QSize(dessin.largeur(), dessin.hauteur()));
    dessin.dessiner(surface);
}

} // namespace

class TestDessinGraphe : public QObject {
    Q_OBJECT
private slots:
    // Drawn again through a painter that holds another pen and brush: the
    // screen's picture, and the painter left as it was.
    void redrawnAsOnTheScreen_data() {
        QTest::addColumn<bool>("cadre");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<bool>("cadreRefait"); // then a new frame and one more move
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("croisees"); // A and C cross on their way, drawn in small steps
        QTest::newRow("nothing drawn yet: white") << false << 1 << false << 1 << false;
        QTest::newRow("frame and bent curves") << true << 1 << false << 1 << false;
        QTest::newRow("bold curves") << true << 2 << false << 1 << false;
        QTest::newRow("bold curves that cross") << true << 2 << false << 1 << true;
        QTest::newRow("a new frame wipes the curves") << true << 1 << true << 1 << false;
        QTest::newRow("enlarged picture") << true << 1 << false << 2 << false;
    }
    void redrawnAsOnTheScreen() {
        QFETCH(bool, cadre);
        QFETCH(int, largeur);
        QFETCH(bool, cadreRefait);
        QFETCH(int, k);
        QFETCH(bool, croisees);
        DessinGraphe dessin;
        QImage ecran = k == 1 ? QImage(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32)
                              : QImage(largeurGrapheAgrandi, hauteurGrapheAgrandi, QImage::Format_RGB32);
        ecran.fill(Qt::white);
        SurfaceImage surface(ecran);
        if (cadre) {
            CadreGraphe c;
            c.echelle = {k, 600, 2.0f};
            c.couleurs = couleurs;
            c.departs = {1.0, 2.0, 0.0, 0.0};
            QVERIFY(dessin.dessinerCadre(surface, ecran.width(), ecran.height(), c));
            PointsPrecedents precedents;
            {
                TraceurCourbes traceur(surface, c.echelle, c.affichees, couleurs, largeur, precedents, &dessin);
                traceur.premierPoint({1.0, 2.0, 0.0, 0.0});
                if (croisees) {
                    for (int t = 2; t <= 600; t += 2) // a pixel a step
                        traceur.point(t, {1.0 - t / 750.0, 2.0 - t / 600.0, t / 750.0, t / 1000.0});
                } else {
                    traceur.point(120.0, {0.5, 1.5, 0.5, 0.5});
                    traceur.point(600.0, {0.4, 1.4, 0.6, 0.6});
                }
            }
            if (cadreRefait) {
                QVERIFY(dessin.dessinerCadre(surface, ecran.width(), ecran.height(), c));
                TraceurCourbes traceur(surface, c.echelle, c.affichees, couleurs, largeur, precedents, &dessin);
                traceur.point(300.0, {1.0, 1.0, 1.0, 1.0});
            }
        }
        QImage encore(ecran.size(), QImage::Format_RGB32);
        encore.fill(Qt::gray);
        QPainter p(&encore);
        p.setPen(Qt::red);
        p.setBrush(Qt::red);
        dessinerSur(p, dessin);
        QCOMPARE(p.pen().color(), QColor(Qt::red));
        QCOMPARE(p.brush().color(), QColor(Qt::red));
        p.end();
        int ecarts = 0;
        for (int y = 0; y < ecran.height(); ++y)
            for (int x = 0; x < ecran.width(); ++x)
                ecarts += encore.pixel(x, y) != ecran.pixel(x, y);
        QCOMPARE(ecarts, 0);
    }

    // A vector file may be shown enlarged: the frame's lines, one pixel wide
    // on the screen, grow with it (no hairlines). Twice as large, the time
    // axis (image row 218), a time line (x = 80) and an amount line (row 178)
    // are two pixels thick.
    void linesGrowWithTheDevice() {
        DessinGraphe dessin;
        QImage ecran(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32);
        SurfaceImage surface(ecran);
        CadreGraphe c;
        c.echelle = {1, 600, 2.0f};
        QVERIFY(dessin.dessinerCadre(surface, ecran.width(), ecran.height(), c));
        QImage grande(2 * ecran.size(), QImage::Format_RGB32);
        QPainter p(&grande);
        p.scale(2, 2);
        dessinerSur(p, dessin);
        p.end();
        const auto epaisseur = [&](QPoint depuis, QPoint pas, QRgb couleur) {
            int n = 0;
            for (QPoint q = depuis; q != depuis + 12 * pas; q += pas)
                n += grande.pixel(q) == couleur;
            return n;
        };
        QCOMPARE(epaisseur({200, 430}, {0, 1}, qRgb(0, 0, 0)), 2);
        QCOMPARE(epaisseur({154, 200}, {1, 0}, qRgb(192, 192, 192)), 2);
        QCOMPARE(epaisseur({200, 350}, {0, 1}, qRgb(192, 192, 192)), 2);
    }
};

VEDO_TEST(TestDessinGraphe);
#include "tst_dessingraphe.moc"
