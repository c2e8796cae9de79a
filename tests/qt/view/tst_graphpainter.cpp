#include "ComparaisonImages.h"
#include "TestRegistry.h"

#include "platform/DessinQt.h"
#include "platform/SurfaceImage.h"
#include "view/GraphPainter.h"

#include <QPainter>
#include <QtTest>

using namespace vedo;

namespace {

const QColor gris(192, 192, 192);
const CouleursCourbes couleursDefaut = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 128, 0},
                                        Couleur{0, 192, 0}};

QImage imageGraphe(int k) {
    return k == 1 ? QImage(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32)
                  : QImage(largeurGrapheAgrandi, hauteurGrapheAgrandi, QImage::Format_RGB32);
}

CadreGraphe cadre(int k, float ymax = 2.0f, std::int32_t duree = 600) {
    CadreGraphe c;
    c.echelle = {k, duree, ymax};
    c.couleurs = couleursDefaut;
    c.departs = {1.0, 2.0, 0.0, 0.0};
    return c;
}

// The pixel at a picture coordinate.
QColor pixel(const QImage& image, int k, int x, int y) {
    const Pixel o = origineGraphe(k);
    return image.pixelColor(x - o.x, y - o.y);
}

QColor couleur(int espece) {
    return couleurQt(couleursDefaut[static_cast<std::size_t>(espece)]);
}

bool dessinerCadre(QImage& image, const CadreGraphe& c) {
    SurfaceImage surface(image);
    return vedo::dessinerCadre(surface, c);
}

// Part of a line of text in its own font.
struct Morceau {
    QString texte;
    QFont police;
};

constexpr int margeTexte = 10;

// A line of text alone, black on white, its top-left corner at (margeTexte, margeTexte).
QImage texteSeul(const std::vector<Morceau>& morceaux) {
    int largeur = 0, hauteur = 0;
    for (const Morceau& t : morceaux) {
        largeur += QFontMetrics(t.police).horizontalAdvance(t.texte);
        hauteur = std::max(hauteur, QFontMetrics(t.police).height());
    }
    QImage seul(largeur + 2 * margeTexte, hauteur + 2 * margeTexte, QImage::Format_RGB32);
    seul.fill(Qt::white);
    QPainter p(&seul);
    int x = margeTexte;
    for (const Morceau& t : morceaux) {
        const QFontMetrics m(t.police);
        p.setFont(t.police);
        p.drawText(QPointF(x, margeTexte + m.ascent()), t.texte);
        x += m.horizontalAdvance(t.texte);
    }
    return seul;
}

// The smallest rectangle holding every pixel of `zone` that is not white.
QRect encre(const QImage& image, QRect zone) {
    QRect r;
    zone &= image.rect();
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TestGraphPainter : public QObject {
    Q_OBJECT
private slots:
    // Each picture size is recognised as its own and holds its whole frame,
    // from the amount title to the lowest time label and the widest unit, with
    // a pixel to spare on every side.
    void frameFitsItsPicture_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("duree");
        QTest::addColumn<float>("ymax");
        for (int k : {1, 2}) {
            const QByteArray t = k == 1 ? "normal, " : "enlarged, ";
            QTest::newRow(t + "minutes, 2 mol") << k << 600 << 2.0f;
            QTest::newRow(t + "hours, 0,036 mol") << k << 18000 << 0.0354f;
        }
    }
    void frameFitsItsPicture() {
        QFETCH(int, k);
        QFETCH(int, duree);
        QFETCH(float, ymax);
        QImage image = imageGraphe(k);
        QVERIFY(dessinerCadre(image, cadre(k, ymax, duree)));
        QRect encre;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) encre |= QRect(x, y, 1, 1);
        QVERIFY2(image.rect().adjusted(1, 1, -1, -1).contains(encre),
                 qPrintable(QString("ink from (%1, %2) to (%3, %4)").arg(encre.left()).arg(encre.top())
                                .arg(encre.right()).arg(encre.bottom())));
    }

    void framePixels_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QColor>("couleur");
        for (int k : {1, 2}) {
            const QByteArray t = k == 1 ? "normal: " : "enlarged: ";
            const int bas = 10 + 200 * k;
            QTest::newRow(t + "time axis near the corner") << k << 60 << bas << QColor(Qt::black);
            QTest::newRow(t + "amount axis top") << k << 50 << -6 << QColor(Qt::black);
            QTest::newRow(t + "amount axis half-way up") << k << 50 << 10 + 50 * k << QColor(Qt::black);
            QTest::newRow(t + "above the amount axis") << k << 50 << -7 << QColor(Qt::white);
            QTest::newRow(t + "beside the amount axis top") << k << 51 << -6 << QColor(Qt::white);
            QTest::newRow(t + "left of the amount axis, high") << k << 49 << 20 << QColor(Qt::white);
            QTest::newRow(t + "left of the amount axis, low") << k << 49 << bas - 10 << QColor(Qt::white);
            QTest::newRow(t + "left of the corner") << k << 49 << bas << QColor(Qt::white);
            QTest::newRow(t + "left of the amount axis, on a grid line")
                << k << 49 << 10 + 160 * k << QColor(Qt::white);
            QTest::newRow(t + "amount arrowhead left") << k << 47 << 0 << QColor(Qt::black);
            QTest::newRow(t + "under the left arrowhead") << k << 47 << 1 << QColor(Qt::white);
            QTest::newRow(t + "amount arrowhead left, from the tip") << k << 49 << -5 << QColor(Qt::black);
            QTest::newRow(t + "amount arrowhead right") << k << 53 << 0 << QColor(Qt::black);
            QTest::newRow(t + "under the right arrowhead") << k << 53 << 1 << QColor(Qt::white);
            QTest::newRow(t + "amount arrowhead right, from the tip") << k << 51 << -4 << QColor(Qt::black);
            QTest::newRow(t + "time axis end") << k << 80 + 300 * k << bas << QColor(Qt::black);
            QTest::newRow(t + "past the time axis end") << k << 81 + 300 * k << bas << QColor(Qt::white);
            QTest::newRow(t + "time arrowhead upper")
                << k << 74 + 300 * k << 7 + 200 * k << QColor(Qt::black);
            QTest::newRow(t + "time arrowhead lower")
                << k << 74 + 300 * k << 13 + 200 * k << QColor(Qt::black);
            QTest::newRow(t + "before the upper arrowhead")
                << k << 73 + 300 * k << 7 + 200 * k << QColor(Qt::white);
            QTest::newRow(t + "before the lower arrowhead")
                << k << 73 + 300 * k << 13 + 200 * k << QColor(Qt::white);
            QTest::newRow(t + "time arrowhead upper, half-way")
                << k << 77 + 300 * k << 8 + 200 * k << QColor(Qt::black);
            QTest::newRow(t + "time arrowhead lower, half-way")
                << k << 78 + 300 * k << 11 + 200 * k << QColor(Qt::black);
            QTest::newRow(t + "last vertical grid line") << k << 50 + 300 * k << 100 << gris;
            QTest::newRow(t + "middle vertical grid line") << k << 50 + 150 * k << 100 << gris;
            QTest::newRow(t + "middle vertical grid line, down to the axis")
                << k << 50 + 150 * k << 9 + 200 * k << gris;
            QTest::newRow(t + "above the plot area") << k << 50 + 150 * k << 9 << QColor(Qt::white);
            QTest::newRow(t + "top horizontal grid line") << k << 100 << 10 << gris;
            QTest::newRow(t + "top horizontal grid line, right") << k << 40 + 300 * k << 10 << gris;
            QTest::newRow(t + "top grid line ends at the last vertical") << k << 51 + 300 * k << 10
                                                                          << QColor(Qt::white);
            QTest::newRow(t + "inside a grid cell") << k << 60 << 20 << QColor(Qt::white);
            QTest::newRow(t + "starting dot of A at 1 mol") << k << 50 << 10 + 100 * k << couleur(0);
            QTest::newRow(t + "starting dot of B at 2 mol") << k << 50 << 10 << couleur(1);
            QTest::newRow(t + "starting dot of D at 0 mol, over C's") << k << 50 << bas << couleur(3);
        }
    }
    void framePixels() {
        QFETCH(int, k);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QColor, couleur);
        QImage image = imageGraphe(k);
        QVERIFY(dessinerCadre(image, cadre(k)));
        QCOMPARE(pixel(image, k, x, y), couleur);
    }

    // Each text found by its ink where the frame shows it: its top-left
    // corner, measured from the ink of the same text drawn alone, is the one
    // of its place, and its ink is that text's in that font. Time labels are
    // centred on their line, top at 200k + 11; amount labels end at x = 45,
    // top 6 above their line; "t " in italics then the unit from
    // (70 + 300k, 200k - 10); the amount title from (55, -7k).
    void textsAtTheirPlaces_data() {
        QTest::addColumn<int>("k");
        QTest::newRow("normal") << 1;
        QTest::newRow("enlarged") << 2;
    }
    void textsAtTheirPlaces() {
        QFETCH(int, k);
        QImage image = imageGraphe(k);
        QVERIFY(dessinerCadre(image, cadre(k)));
        QFont police(QStringLiteral("Arial"));
        police.setPixelSize(11);
        QFont italique = police;
        italique.setItalic(true);
        const QFontMetrics m(police);
        struct Texte {
            std::vector<Morceau> morceaux;
            QPointF coin;  // picture coordinates
            QRect ouCherche; // only this text's ink lies there
        };
        const auto autour = [&](double x, double y, const std::vector<Morceau>& morceaux) {
            int largeur = 0;
            for (const Morceau& t : morceaux) largeur += QFontMetrics(t.police).horizontalAdvance(t.texte);
            return QRect(qRound(x) - 1, qRound(y) - 1, largeur + 2, m.height() + 2);
        };
        std::vector<Texte> textes;
        for (int i = 0; i <= 10; ++i) {
            const std::vector<Morceau> t{{QString::number(i), police}};
            const QPointF coin(50 + 30.0 * k * i - m.horizontalAdvance(t[0].texte) / 2.0, 200.0 * k + 11);
            textes.push_back({t, coin, autour(coin.x(), coin.y(), t).adjusted(0, 1, 0, 0)}); // under the axis
        }
        const QStringList quantites = {"0", "0,4", "0,8", "1,2", "1,6", "2"};
        for (int j = 0; j < 6; ++j) {
            const std::vector<Morceau> t{{quantites[j], police}};
            const QPointF coin(45.0 - m.horizontalAdvance(quantites[j]), 10 + 200.0 * k - 40.0 * k * j - 6);
            textes.push_back({t, coin, autour(coin.x(), coin.y(), t)});
        }
        const std::vector<Morceau> unite{{"t ", italique}, {"(min)", police}};
        textes.push_back({unite, {70.0 + 300 * k, 200.0 * k - 10}, autour(70.0 + 300 * k, 200.0 * k - 10, unite)});
        const std::vector<Morceau> titre{{"Quantité de matière (mol)", police}};
        textes.push_back({titre, {55, -7.0 * k}, autour(55, -7.0 * k, titre)});

        const QPoint o = pixelQt(origineGraphe(k));
        for (const Texte& t : textes) {
            const QString nom = t.morceaux.back().texte;
            const QImage seul = texteSeul(t.morceaux);
            const QRect encreSeul = encre(seul, seul.rect());
            const QRect trouvee = encre(image, t.ouCherche.translated(-o));
            QVERIFY2(!trouvee.isEmpty(), qPrintable(nom + ": no ink"));
            const QPoint coin = trouvee.topLeft() - encreSeul.topLeft() + QPoint(margeTexte, margeTexte) + o;
            QVERIFY2(coin == t.coin.toPoint(), qPrintable(QString("%1 from (%2, %3) instead of (%4, %5)")
                                                              .arg(nom).arg(coin.x()).arg(coin.y())
                                                              .arg(t.coin.toPoint().x()).arg(t.coin.toPoint().y())));
            const QString ecart = ecartImages(image.copy(trouvee), seul.copy(encreSeul), dessinLisse(4));
            QVERIFY2(ecart.isEmpty(), qPrintable(nom + ": " + ecart));
        }
    }

    void boldLinesAreTwoPixelsWide() {
        QImage image = imageGraphe(1);
        auto c = cadre(1);
        c.gras = true;
        QVERIFY(dessinerCadre(image, c));
        QCOMPARE(pixel(image, 1, 51, 111), couleur(0)); // A's starting dot, 2 x 2 from (50, 110)
        QCOMPARE(pixel(image, 1, 49, 109), QColor(Qt::white));
        PointsPrecedents precedents;
        SurfaceImage surface(image);
        TraceurCourbes traceur(surface, c.echelle, c.affichees, c.couleurs, 2, precedents);
        traceur.premierPoint({1.0, 1.0, 1.0, 1.0});
        traceur.point(600.0, {1.0, 1.0, 1.0, 1.0}); // a horizontal line at y = 110
        const QColor d = pixel(image, 1, 205, 110);
        const QColor voisin = pixel(image, 1, 205, 111) == QColor(Qt::white) ? pixel(image, 1, 205, 109)
                                                                             : pixel(image, 1, 205, 111);
        QCOMPARE(d, couleur(3));
        QCOMPARE(voisin, couleur(3));
    }

    void curvesFollowTheMapping() {
        QImage image = imageGraphe(1);
        auto c = cadre(1);
        c.affichees = {true, false, false, false};
        QVERIFY(dessinerCadre(image, c));
        PointsPrecedents precedents;
        SurfaceImage surface(image);
        TraceurCourbes traceur(surface, c.echelle, c.affichees, c.couleurs, 1, precedents);
        traceur.premierPoint({2.0, 0, 0, 0});
        traceur.point(300.0, {1.0, 0, 0, 0});
        QCOMPARE(pixel(image, 1, 200, 110), couleur(0));
        QCOMPARE(pixel(image, 1, 125, 60), couleur(0)); // half way along the segment
        traceur.point(300.0, {0.5, 0, 0, 0}); // down the same column: a vertical segment
        QCOMPARE(pixel(image, 1, 200, 135), couleur(0));
    }

    void keptRunsDrawnInTheirColours() {
        KeptRuns store;
        store.nbCourbes = 0;
        CourbeConservee run;
        run.courbeQuantite = {0, 1, 0.5, 0, 0};
        const std::array<QColor, 4> couleurs = {Qt::red, Qt::darkYellow, Qt::cyan, Qt::darkGreen};
        for (int i = 0; i < 4; ++i)
            run.courbeCouleur[i + 1] = entierDepuisCouleur(couleurDe(couleurs[i]));
        run.courbeParam = {0, 1000, 0, -1, 0, 1};
        run.courbeDuree = 600;
        store.enrcourbe(run, 1.0f);
        QImage image = imageGraphe(1);
        auto c = cadre(1, 1.0f);
        QVERIFY(dessinerCadre(image, c));
        SurfaceImage surface(image);
        dessinerCourbesConservees(surface, c.echelle, c.affichees, 1, store);
        QCOMPARE(pixel(image, 1, 50, 10), couleurs[0]); // A starts at the top
        // ... and ends, computed again at its own 100 degC with the catalyst, at 0,838 mol (the closed form
        // of the rate law with kD = 1,08E-3, K = 4): y = 10 + 200 x 0,162.
        QCOMPARE(pixel(image, 1, 350, 42), couleurs[0]);
        // Each species in its own colour; C and D share their curve, D drawn last.
        for (int i : {0, 1, 3}) {
            int n = 0;
            for (int x = 51; x < 350; ++x)
                for (int y = 10; y <= 210; ++y)
                    n += pixel(image, 1, x, y) == couleurs[i];
            QVERIFY2(n > 100, qPrintable(QString("%1: %2").arg(i).arg(n)));
        }
    }

};

VEDO_TEST(TestGraphPainter);
#include "tst_graphpainter.moc"
