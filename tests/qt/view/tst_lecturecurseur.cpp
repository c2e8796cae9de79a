#include "TestRegistry.h"

#include "view/LectureCurseur.h"

#include <QtTest>

using namespace vedo;

class TestLectureCurseur : public QObject {
    Q_OBJECT
private slots:
    void corners_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<double>("t");
        QTest::addColumn<float>("n");
        QTest::addColumn<QString>("texte");
        QTest::newRow("top left") << 1 << 50.0f << 10.0f << 0.0 << 2.0f << "t = 0 s ; n = 2 mol";
        QTest::newRow("bottom right")
            << 1 << 350.0f << 210.0f << 600.0 << 0.0f << "t = 10 min 0 s ; n = 0 mol";
        QTest::newRow("middle") << 1 << 200.0f << 110.0f << 300.0 << 1.0f << "t = 5 min 0 s ; n = 1 mol";
        QTest::newRow("enlarged top right")
            << 2 << 650.0f << 10.0f << 600.0 << 2.0f << "t = 10 min 0 s ; n = 2 mol";
        QTest::newRow("enlarged bottom left") << 2 << 50.0f << 410.0f << 0.0 << 0.0f << "t = 0 s ; n = 0 mol";
        QTest::newRow("a fraction of a mole")
            << 1 << 65.0f << 135.0f << 30.0 << 0.75f << "t = 30 s ; n = 0,75 mol";
    }
    void corners() {
        QFETCH(int, k);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(double, t);
        QFETCH(float, n);
        QFETCH(QString, texte);
        const auto l = lireCurseur(x, y, k, 600, 2.0f);
        QVERIFY(l.has_value());
        QCOMPARE(l->t, t);
        QCOMPARE(l->n, n);
        QCOMPARE(QString::fromStdString(l->texte), texte);
    }

    void outsideThePlotArea_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("left of the amount axis") << 1 << 49.9f << 100.0f;
        QTest::newRow("right of the plot") << 1 << 350.1f << 100.0f;
        QTest::newRow("above") << 1 << 100.0f << 9.9f;
        QTest::newRow("under the time axis") << 1 << 100.0f << 210.1f;
        QTest::newRow("enlarged, right of the plot") << 2 << 650.5f << 100.0f;
        QTest::newRow("enlarged, under the time axis") << 2 << 100.0f << 411.0f;
        QTest::newRow("in the normal plot, right of the enlarged one") << 1 << 400.0f << 100.0f;
    }
    void outsideThePlotArea() {
        QFETCH(int, k);
        QFETCH(float, x);
        QFETCH(float, y);
        QVERIFY(!dansZoneTrace(x, y, k));
        QVERIFY(!lireCurseur(x, y, k, 600, 2.0f).has_value());
    }

    // 600 s over 300 pixels: two seconds a pixel.
    void cursorTimeRoundsHalvesToEven_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("tempsCurseur");
        QTest::newRow("0.5 s down to 0") << 50.25f << 0;
        QTest::newRow("1.5 s up to 2") << 50.75f << 2;
        QTest::newRow("2.5 s down to 2") << 51.25f << 2;
        QTest::newRow("0.7 s up to 1") << 50.35f << 1;
    }
    void cursorTimeRoundsHalvesToEven() {
        QFETCH(float, x);
        QFETCH(int, tempsCurseur);
        QCOMPARE(lireCurseur(x, 100.0f, 1, 600, 2.0f)->tempsCurseur, tempsCurseur);
    }

    void readoutText_data() {
        QTest::addColumn<double>("t");
        QTest::addColumn<float>("n");
        QTest::addColumn<QString>("texte");
        QTest::newRow("45 s") << 45.0 << 1.5f << "t = 45 s ; n = 1,5 mol";
        QTest::newRow("59.6 s reads 60 s, no minute") << 59.6 << 1.5f << "t = 60 s ; n = 1,5 mol";
        QTest::newRow("60 s is a minute") << 60.0 << 1.5f << "t = 1 min 0 s ; n = 1,5 mol";
        QTest::newRow("3600 s is an hour") << 3600.0 << 1.0f << "t = 1 h 0 s ; n = 1 mol";
        QTest::newRow("3725 s") << 3725.0 << 0.25f << "t = 1 h 2 min 5 s ; n = 0,25 mol";
        QTest::newRow("just under the hour") << 3599.6 << 1.0f << "t = 59 min 60 s ; n = 1 mol";
        QTest::newRow("whole hours") << 7200.0 << 1.0f << "t = 2 h 0 s ; n = 1 mol";
        QTest::newRow("200 h") << 720000.0 << 10.0f << "t = 200 h 0 s ; n = 10 mol";
        QTest::newRow("seven digits") << 10.0 << 1.234567f << "t = 10 s ; n = 1,234567 mol";
        QTest::newRow("tiny amount in exponent form") << 10.0 << 0.00001f << "t = 10 s ; n = 1E-05 mol";
    }
    void readoutText() {
        QFETCH(double, t);
        QFETCH(float, n);
        QFETCH(QString, texte);
        QCOMPARE(QString::fromStdString(texteLecture(t, n)), texte);
    }
};

VEDO_TEST(TestLectureCurseur);
#include "tst_lecturecurseur.moc"
