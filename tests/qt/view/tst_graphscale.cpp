#include "TestRegistry.h"

#include "view/GraphScale.h"

#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(vedo::PlotMapping)

namespace {
QStringList textes(const std::vector<Graduation>& g) {
    QStringList l;
    for (const auto& x : g)
        l << QString::fromStdString(x.texte);
    return l;
}
} // namespace

class TestGraphScale : public QObject {
    Q_OBJECT
private slots:
    void rounding_data() {
        QTest::addColumn<float>("brut");
        QTest::addColumn<float>("arrondi");
        QTest::newRow("3.54 up to 3.6") << 3.54f << 3.6f;
        QTest::newRow("3.5 stays") << 3.5f << 3.5f;
        QTest::newRow("3.46 up to 3.5") << 3.46f << 3.5f;
        QTest::newRow("9.96 up to 10") << 9.96f << 10.0f;
        QTest::newRow("0.1 stays") << 0.1f << 0.1f;
        QTest::newRow("0.0354 up to 0.036") << 0.0354f << 0.036f;
        QTest::newRow("2 stays") << 2.0f << 2.0f;
        QTest::newRow("20 stays") << 20.0f << 20.0f;
        QTest::newRow("0.001 stays") << 0.001f << 0.001f;
    }
    void rounding() {
        QFETCH(float, brut);
        QFETCH(float, arrondi);
        QCOMPARE(arrondirYmax(brut), arrondi);
    }

    void reachableMaximum_data() {
        QTest::addColumn<Quantites>("initiales");
        QTest::addColumn<QList<bool>>("affichees");
        QTest::addColumn<float>("ymax");
        const QList<bool> toutes{true, true, true, true};
        QTest::newRow("1, 2, 0, 0 all shown: B reaches 2") << Quantites{1, 2, 0, 0} << toutes << 2.0f;
        QTest::newRow("only A shown")
            << Quantites{0.0354, 1, 0, 0} << QList<bool>{true, false, false, false} << float(0.0354);
        QTest::newRow("products fed back to reactants")
            << Quantites{0.1, 0.1, 0.5, 0.3} << QList<bool>{true, false, false, false} << 0.4f;
        QTest::newRow("only D shown: its own amount, not C's")
            << Quantites{0.1, 0.1, 0.5, 0.3} << QList<bool>{false, false, false, true} << 0.4f;
        QTest::newRow("only B shown: fed back by the products")
            << Quantites{0.1, 0.1, 0.5, 0.3} << QList<bool>{false, true, false, false} << 0.4f;
        QTest::newRow("only C shown: its own amount, not D's")
            << Quantites{0.1, 0.1, 0.5, 0.3} << QList<bool>{false, false, true, false} << 0.6f;
        QTest::newRow("nothing shown")
            << Quantites{1, 1, 0, 0} << QList<bool>{false, false, false, false} << 0.0f;
    }
    void reachableMaximum() {
        QFETCH(Quantites, initiales);
        QFETCH(QList<bool>, affichees);
        QFETCH(float, ymax);
        const CourbesAffichees a = {affichees[0], affichees[1], affichees[2], affichees[3]};
        QCOMPARE(ymaxBrut(initiales, a, nullptr), ymax);
    }

    void keptRunsRaiseTheScale() {
        KeptRuns store;
        store.nbCourbes = 0;
        CourbeConservee grande;
        grande.courbeQuantite = {0, 3, 3, 0, 0};
        store.enrcourbe(grande, 0.5f);
        const CourbesAffichees toutes = {true, true, true, true};
        QCOMPARE(ymaxBrut({0.1, 0.1, 0, 0}, toutes, &store), 3.0f);
        store.ymaxEnr = 5.0f;
        QCOMPARE(ymaxBrut({0.1, 0.1, 0, 0}, toutes, &store), 5.0f);
        store.nbCourbes = -1;
        QCOMPARE(ymaxBrut({0.1, 0.1, 0, 0}, toutes, &store), 0.1f);
    }

    void timeUnits_data() {
        QTest::addColumn<int>("duree");
        QTest::addColumn<int>("unite");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("599 s in seconds")
            << 599 << 1 << QStringList{"0",     "59,9",  "119,8", "179,7", "239,6", "299,5",
                                       "359,4", "419,3", "479,2", "539,1", "599"};
        QTest::newRow("600 s in minutes")
            << 600 << 60 << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        QTest::newRow("18000 s in hours")
            << 18000 << 3600 << QStringList{"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5", "4", "4,5", "5"};
        QTest::newRow("20 s") << 20 << 1
                              << QStringList{"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"};
        QTest::newRow("no duration: no graduation") << 0 << 1 << QStringList{};
    }
    void timeUnits() {
        QFETCH(int, duree);
        QFETCH(int, unite);
        QFETCH(QStringList, labels);
        QCOMPARE(int(uniteTemps(duree)), unite);
        const auto g = graduationsTemps({1, duree, 1.0f});
        if (labels.isEmpty()) {
            QVERIFY(g.empty());
            return;
        }
        QCOMPARE(textes(g).mid(0, 1), labels.mid(0, 1));
        QCOMPARE(textes(g).last(), labels.last());
        if (duree % 10 == 0) QCOMPARE(textes(g), labels);
        QCOMPARE(g.front().position, 50.0);
    }

    void amountGraduations_data() {
        QTest::addColumn<float>("ymax");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("0 to 2 by 0,4") << 2.0f << QStringList{"0", "0,4", "0,8", "1,2", "1,6", "2"};
        QTest::newRow("0 to 3,6") << 3.6f << QStringList{"0", "0,72", "1,44", "2,16", "2,88", "3,6"};
        // In singles five steps of 1,18 add up a little above 5,9: the top line is kept.
        QTest::newRow("0 to 5,9") << 5.9f << QStringList{"0", "1,18", "2,36", "3,54", "4,72", "5,9"};
        QTest::newRow("small scale") << 0.036f
                                     << QStringList{"0", "0,0072", "0,0144", "0,0216", "0,0288", "0,036"};
    }
    void amountGraduations() {
        QFETCH(float, ymax);
        QFETCH(QStringList, labels);
        const auto g = graduationsQuantite({1, 600, ymax});
        QCOMPARE(textes(g), labels);
        QCOMPARE(g.front().position, 210.0);
        QVERIFY(std::abs(g.back().position - 10.0) < 1e-4);
    }

    void plotCorners_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("xDebut");
        QTest::addColumn<int>("yZero");
        QTest::addColumn<int>("xFin");
        QTest::newRow("normal size: corner (50, 210)") << 1 << 50 << 210 << 350;
        QTest::newRow("enlarged: corner (50, 410)") << 2 << 50 << 410 << 650;
    }
    void plotCorners() {
        QFETCH(int, k);
        QFETCH(int, xDebut);
        QFETCH(int, yZero);
        QFETCH(int, xFin);
        const PlotMapping m{k, 600, 2.0f};
        QCOMPARE(int(*m.x(0)), xDebut);
        QCOMPARE(int(*m.y(0)), yZero);
        QCOMPARE(int(*m.x(600)), xFin);
        QCOMPARE(int(*m.y(2.0)), 10);
    }

    void halvesToEvenAndOverflowSkipped() {
        const PlotMapping m{1, 600, 2.0f};
        QCOMPARE(int(*m.x(1.0)), 50); // 50.5 -> 50
        QCOMPARE(int(*m.x(3.0)), 52); // 51.5 -> 52
        QVERIFY(!m.y(1000.0));        // far above the picture: no 16-bit value
        const PlotMapping vide{1, 600, 0.0f};
        QVERIFY(!vide.y(1.0));
    }

    // A run's values in order, on one axis, through one kept pixel: the
    // pixels rounded by hand, halves to even included, then a dense sweep
    // that must round as the mapping does without a kept pixel.
    void keptPixels_data() {
        QTest::addColumn<bool>("temps");
        QTest::addColumn<PlotMapping>("echelle");
        QTest::addColumn<QList<double>>("valeurs");
        QTest::addColumn<QList<int>>("pixels");
        QTest::newRow("time across halves: X = 50 + t/2")
            << true << PlotMapping{1, 600, 2.0f} << QList<double>{0, 0.9, 1.0, 1.1, 2.9, 3.0, 3.0, 2.0}
            << QList<int>{50, 50, 50, 51, 51, 52, 52, 51};
        QTest::newRow("time leaping 25 pixels") << true << PlotMapping{1, 600, 2.0f} << QList<double>{0, 50}
                                                << QList<int>{50, 75};
        QTest::newRow("time back from the right edge to the start")
            << true << PlotMapping{1, 600, 2.0f} << QList<double>{600, 1.0 / 600} << QList<int>{350, 50};
        QTest::newRow("amount falling: Y = 210 - 100 n")
            << false << PlotMapping{1, 600, 2.0f} << QList<double>{0, 0.004, 0.005, 0.006, 0.0149, 0.015}
            << QList<int>{210, 210, 210, 209, 209, 208};
        QTest::newRow("enlarged amount: Y = 410 - 400 n")
            << false << PlotMapping{2, 600, 1.0f} << QList<double>{0, 0.00125, 0.0013, 0.00375, 0.0037}
            << QList<int>{410, 410, 409, 408, 409};
        QTest::newRow("amount going down: 200, then 5 pixels lower")
            << false << PlotMapping{1, 600, 2.0f} << QList<double>{0.1, 0.05} << QList<int>{200, 205};
        QTest::newRow("off the scale keeps the pixel")
            << false << PlotMapping{1, 600, 1e-6f} << QList<double>{0, 1.0, 1e-9, 5e-9, 1.0}
            << QList<int>{210, 210, 210, 209, 209};
    }
    void keptPixels() {
        QFETCH(bool, temps);
        QFETCH(PlotMapping, echelle);
        QFETCH(QList<double>, valeurs);
        QFETCH(QList<int>, pixels);
        const auto placer = [&](double v, PixelRetenu& r, std::int16_t& p) {
            temps ? echelle.placerX(v, r, p) : echelle.placerY(v, r, p);
        };
        PixelRetenu retenu;
        std::int16_t pixel = -1;
        for (int i = 0; i < valeurs.size(); ++i) {
            placer(valeurs[i], retenu, pixel);
            QCOMPARE(int(pixel), pixels[i]);
        }
        const auto [bas, haut] = std::minmax_element(valeurs.begin(), valeurs.end());
        PixelRetenu suivi;
        std::int16_t continu = -1;
        for (int i = 0; i <= 20000; ++i) {
            const double v = *bas + (*haut - *bas) * i / 20000.0;
            const std::int16_t attendu = (temps ? echelle.x(v) : echelle.y(v)).value_or(continu);
            placer(v, suivi, continu);
            QCOMPARE(continu, attendu);
        }
    }
};

VEDO_TEST(TestGraphScale);
#include "tst_graphscale.moc"
