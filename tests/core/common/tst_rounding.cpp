#include "TestRegistry.h"

#include "common/Rounding.h"

#include <QtTest>

#include <limits>

using namespace vedo;

class TestRounding : public QObject {
    Q_OBJECT
private slots:
    void halvesToEven_data() {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<double>("arrondi");
        QTest::newRow("2.5 down to even") << 2.5 << 2.0;
        QTest::newRow("3.5 up to even") << 3.5 << 4.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("-3.5") << -3.5 << -4.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("above half") << 2.500001 << 3.0;
        QTest::newRow("below half") << 2.499999 << 2.0;
    }
    void halvesToEven() {
        QFETCH(double, valeur);
        QFETCH(double, arrondi);
        QCOMPARE(arrondiPair(valeur), arrondi);
    }

    void checked16_data() {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<bool>("tient");
        QTest::addColumn<int>("entier");
        QTest::newRow("max") << 32767.0 << true << 32767;
        QTest::newRow("min") << -32768.0 << true << -32768;
        QTest::newRow("rounds to max") << 32767.4 << true << 32767;
        QTest::newRow("rounds above max") << 32767.5 << false << 0;
        QTest::newRow("below min") << -32769.0 << false << 0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0;
    }
    void checked16() {
        QFETCH(double, valeur);
        QFETCH(bool, tient);
        QFETCH(int, entier);
        const auto r = versEntier16(valeur);
        QCOMPARE(r.has_value(), tient);
        if (tient) QCOMPARE(int(*r), entier);
    }

    void checked32() {
        QCOMPARE(*versEntier32(2147483647.0), 2147483647);
        QVERIFY(!versEntier32(2147483648.0));
        QCOMPARE(*versEntier32(720000.5), 720000);
    }

    void single() {
        QCOMPARE(*versSimple(0.1), 0.1f);
        QVERIFY(!versSimple(1e39));
        QVERIFY(!versSimple(-1e39));
        QVERIFY(!versSimple(std::numeric_limits<double>::quiet_NaN()));
    }
};

VEDO_TEST(TestRounding);
#include "tst_rounding.moc"
