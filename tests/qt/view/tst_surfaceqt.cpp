#include "TestRegistry.h"

#include "platform/DessinQt.h"
#include "platform/SurfaceImage.h"
#include "platform/SurfaceQt.h"

#include <QPainter>
#include <QtTest>

#include <functional>

using namespace vedo;

namespace {

using Dessin = std::function<void(Surface&)>;

const Couleur rouge{255, 0, 0};

QImage blanche() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The pixels of `image` in colour `c`, left to right then top to bottom.
QList<QPoint> pixelsEn(const QImage& image, Couleur c) {
    QList<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == couleurQt(c)) pixels << QPoint(x, y);
    return pixels;
}

QList<QPoint> rangee(int y, int de, int a) {
    QList<QPoint> pixels;
    for (int x = de; x <= a; ++x)
        pixels << QPoint(x, y);
    return pixels;
}

} // namespace

Q_DECLARE_METATYPE(Dessin)

class TestSurfaceQt : public QObject {
    Q_OBJECT
private slots:
    void pixelsDrawn_data() {
        QTest::addColumn<Dessin>("dessin");
        QTest::addColumn<QList<QPoint>>("rouges");
        QTest::newRow("thin line leaves out its end") << Dessin([](Surface& s) {
            s.ligne({2, 5}, {6, 5}, rouge, 1);
        }) << rangee(5, 2, 5);
        // Drawn leftwards, the flat ends of Qt's thin lines leave out the start as well.
        QTest::newRow("thin line drawn leftwards") << Dessin([](Surface& s) {
            s.ligne({6, 5}, {2, 5}, rouge, 1);
        }) << rangee(5, 3, 5);
        QTest::newRow("line of one pixel draws nothing") << Dessin([](Surface& s) {
            s.ligne({4, 4}, {4, 4}, rouge, 1);
        }) << QList<QPoint>{};
        QTest::newRow("filled rectangle") << Dessin([](Surface& s) {
            s.rectangle({3, 2}, {5, 4}, rouge, 1, true);
        }) << rangee(2, 3, 5) + rangee(3, 3, 5) + rangee(4, 3, 5);
        QTest::newRow("corners the other way round keep what lies between") << Dessin([](Surface& s) {
            s.rectangle({5, 4}, {3, 2}, rouge, 1, true);
        }) << QList<QPoint>{{4, 3}};
        QTest::newRow("thin outline") << Dessin([](Surface& s) {
            s.rectangle({1, 1}, {3, 3}, rouge, 1, false);
        }) << rangee(1, 1, 3) + QList<QPoint>{{1, 2}, {3, 2}} + rangee(3, 1, 3);
        QTest::newRow("dot of one pixel") << Dessin([](Surface& s) {
            s.point({7, 8}, 1, rouge);
        }) << QList<QPoint>{{7, 8}};
        QTest::newRow("dot of two leans right and down") << Dessin([](Surface& s) {
            s.point({7, 8}, 2, rouge);
        }) << rangee(8, 7, 8) + rangee(9, 7, 8);
        QTest::newRow("dot of three is centred") << Dessin([](Surface& s) {
            s.point({7, 8}, 3, rouge);
        }) << rangee(7, 6, 8) + rangee(8, 6, 8) + rangee(9, 6, 8);
        QTest::newRow("stroke with square ends covers both ends") << Dessin([](Surface& s) {
            s.trait({2, 5}, {6, 5}, {rouge});
        }) << rangee(5, 2, 6);
        QTest::newRow("stroke of one pixel is a dot") << Dessin([](Surface& s) {
            s.trait({4, 4}, {4, 4}, {rouge});
        }) << QList<QPoint>{{4, 4}};
        QTest::newRow("polyline through its corners") << Dessin([](Surface& s) {
            s.polyligne({{2, 2}, {6, 2}, {6, 5}}, {rouge});
        }) << rangee(2, 2, 6) + QList<QPoint>{{6, 3}, {6, 4}, {6, 5}};
    }
    void pixelsDrawn() {
        QFETCH(Dessin, dessin);
        QFETCH(QList<QPoint>, rouges);
        QImage image = blanche();
        SurfaceImage surface(image);
        dessin(surface);
        QCOMPARE(pixelsEn(image, rouge), rouges);
    }

    // A thick line covers its end, and the image and painter paths agree.
    void thickLineSameOnAnyPainter() {
        QImage parImage = blanche();
        SurfaceImage(parImage).ligne({2, 10}, {15, 10}, rouge, 3);
        QImage parPeintre = blanche();
        {
            QPainter p(&parPeintre);
            SurfaceQt(p, parPeintre.size()).ligne({2, 10}, {15, 10}, rouge, 3);
        }
        QCOMPARE(parImage, parPeintre);
        QVERIFY(pixelsEn(parImage, rouge).contains(QPoint(14, 11)));
        QVERIFY(!pixelsEn(parImage, rouge).contains(QPoint(2, 12)));
    }

    void fillsTheWholeImage() {
        QImage parImage = blanche();
        SurfaceImage(parImage).remplir(rouge);
        QImage parPeintre = blanche();
        {
            QPainter p(&parPeintre);
            SurfaceQt(p, parPeintre.size()).remplir(rouge);
        }
        QCOMPARE(pixelsEn(parImage, rouge).size(), 400);
        QCOMPARE(parPeintre, parImage);
    }

    // On a larger device, such as a printed page, the picture fills its own part.
    void fillsOnlyThePicture() {
        QImage page = blanche();
        {
            QPainter p(&page);
            p.translate(5, 5);
            SurfaceQt(p, QSize(4, 3)).remplir(rouge);
        }
        QCOMPARE(pixelsEn(page, rouge), rangee(5, 5, 8) + rangee(6, 5, 8) + rangee(7, 5, 8));
    }

    void textMetrics_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("gras");
        QTest::addColumn<bool>("italique");
        QTest::newRow("graph's eight points")
            << QStringLiteral("Quantité de matière (mol)") << 8.0 << false << false;
        QTest::newRow("bold nine points") << QStringLiteral("Durée") << 9.0 << true << false;
        QTest::newRow("italic") << QStringLiteral("t ") << 8.0 << false << true;
        QTest::newRow("empty text") << QString() << 10.0 << false << false;
    }
    void textMetrics() {
        QFETCH(QString, texte);
        QFETCH(double, points);
        QFETCH(bool, gras);
        QFETCH(bool, italique);
        const Police police{"Arial", points, gras, italique};
        const QFontMetricsF attendu(policeQt(police));
        QImage image = blanche();
        const MesureTexte m = SurfaceImage(image).mesurer(texte.toStdString(), police);
        QCOMPARE(m.largeur, attendu.horizontalAdvance(texte));
        QCOMPARE(m.hauteur, attendu.height());
        QCOMPARE(m.ascent, attendu.ascent());
        QCOMPARE(policeQt(police).pixelSize(), qRound(points * 4 / 3));
        QCOMPARE(policeQt(policeDe(policeQt(police))), policeQt(police));
    }

    // Text lies on its base line: ink above it, none below for letters without
    // descenders.
    // A scratch image starts black and reads back what is drawn on it,
    // whichever surface gives it; outside it nothing is read.
    void scratchImageReadBack_data() {
        QTest::addColumn<bool>("surPeintre");
        QTest::newRow("from an image") << false;
        QTest::newRow("from a painter") << true;
    }
    void scratchImageReadBack() {
        QFETCH(bool, surPeintre);
        QImage image = blanche();
        QPainter p(&image);
        SurfaceQt parPeintre(p, image.size());
        SurfaceImage parImage(image);
        const auto brouillon = surPeintre ? parPeintre.brouillon(8, 6) : parImage.brouillon(8, 6);
        QVERIFY(brouillon);
        brouillon->trait({1, 1}, {3, 1}, {rouge});
        QCOMPARE(brouillon->pixel({0, 0}), std::optional<Couleur>(noir));
        QCOMPARE(brouillon->pixel({3, 1}), std::optional<Couleur>(rouge));
        QCOMPARE(brouillon->pixel({7, 5}), std::optional<Couleur>(noir));
        QCOMPARE(brouillon->pixel({8, 5}), std::optional<Couleur>());
        QCOMPARE(parImage.pixel({0, 0}), std::optional<Couleur>(blanc));
        QCOMPARE(parPeintre.pixel({0, 0}), std::optional<Couleur>());
    }

    // What the painter holds after each call: texts leave the pen as they
    // found it, a group gives back the pen and font it started with.
    void painterStateLeft_data() {
        QTest::addColumn<Dessin>("dessin");
        QTest::addColumn<QColor>("stylo");
        QTest::addColumn<bool>("policeGraphe");
        QTest::newRow("a text keeps the pen") << Dessin([](Surface& s) {
            s.trait({1, 1}, {2, 2}, {rouge});
            s.texte(1, 10, "a", Police{}, noir);
        }) << QColor(Qt::red) << true;
        QTest::newRow("a group gives back pen and font") << Dessin([](Surface& s) {
            const Police p;
            s.ouvrirGroupe(&p);
            s.trait({1, 1}, {2, 2}, {rouge});
            s.fermerGroupe();
        }) << QColor(Qt::blue) << false;
        QTest::newRow("a group with a font takes it at once") << Dessin([](Surface& s) {
            const Police p;
            s.ouvrirGroupe(&p);
        }) << QColor(Qt::blue) << true;
        QTest::newRow("a text after a group sets its font again") << Dessin([](Surface& s) {
            const Police p;
            s.ouvrirGroupe(&p);
            s.fermerGroupe();
            s.texte(1, 10, "a", p, noir);
        }) << QColor(Qt::blue) << true;
    }
    void painterStateLeft() {
        QFETCH(Dessin, dessin);
        QFETCH(QColor, stylo);
        QFETCH(bool, policeGraphe);
        QImage image = blanche();
        QPainter p(&image);
        p.setPen(Qt::blue);
        const QFont avant = p.font();
        SurfaceQt surface(p, image.size());
        dessin(surface);
        QCOMPARE(p.pen().color(), stylo);
        QCOMPARE(p.font() == policeQt(Police{}), policeGraphe);
        if (!policeGraphe) QCOMPARE(p.font(), avant);
    }

    void textOnItsBaseLine() {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        SurfaceImage(image).texte(5, 20, "HH", {"Arial", 10, false, false}, noir);
        QImage seul(60, 30, QImage::Format_RGB32);
        seul.fill(Qt::white);
        {
            QPainter p(&seul);
            p.setFont(policeQt({"Arial", 10, false, false}));
            p.drawText(QPointF(5, 20), QStringLiteral("HH"));
        }
        QCOMPARE(image, seul);
        const QList<QPoint> blancs = pixelsEn(image, blanc);
        QVERIFY(blancs.size() < 60 * 30);
        for (int y = 20; y < 30; ++y)
            for (int x = 0; x < 60; ++x)
                QVERIFY(blancs.contains(QPoint(x, y)));
    }
};

VEDO_TEST(TestSurfaceQt);
#include "tst_surfaceqt.moc"
