#include "TestRegistry.h"

#include "engine/RateLaw.h"

#include <QtTest>

using namespace vedo;

class TestRateLaw : public QObject {
    Q_OBJECT
private slots:
    void temperatureFactor_data() {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("catalyseur");
        QTest::addColumn<double>("facteur");
        QTest::newRow("0 degC") << 0 << 0 << 1.0;
        QTest::newRow("20 degC") << 200 << 0 << 4.0;
        QTest::newRow("20 degC with catalyst") << 200 << 1 << 12.0;
        QTest::newRow("100 degC") << 1000 << 0 << 36.0;
        QTest::newRow("50 degC") << 500 << 0 << 12.25;
    }
    void temperatureFactor() {
        QFETCH(int, temperature);
        QFETCH(int, catalyseur);
        QFETCH(double, facteur);
        QCOMPARE(facteurTemperature(std::int16_t(temperature), std::int16_t(catalyseur)), facteur);
    }

    void constants_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("classe");
        QTest::addColumn<float>("kDirect");
        QTest::addColumn<float>("kInverse");
        // At 20 degC the temperature factor is 4.
        QTest::newRow("esterification, primary") << 0 << 0 << float(4e-5) << float(float(4e-5) / 4.0);
        QTest::newRow("esterification, secondary")
            << 0 << 1 << float(float(4e-5) / 2.0) << float(float(4e-5) / 2.0);
        QTest::newRow("esterification, tertiary")
            << 0 << 2 << float(float(4e-5) / 10.0) << float(float(float(4e-5) / 10.0) * 176.5);
        QTest::newRow("anhydride, any class") << 1 << 2 << float(0.2) << float(float(0.2) * 1e-5);
        QTest::newRow("hydrolysis, primary") << 2 << 0 << float(float(4e-4) / 4.0) << float(4e-4);
        QTest::newRow("hydrolysis, secondary") << 2 << 1 << float(4e-4) << float(4e-4);
        QTest::newRow("hydrolysis, tertiary") << 2 << 2 << float(float(4e-4) * 176.5) << float(4e-4);
        QTest::newRow("saponification") << 3 << 0 << float(0.012) << float(float(0.012) * 1e-5);
    }
    void constants() {
        QFETCH(int, reaction);
        QFETCH(int, classe);
        QFETCH(float, kDirect);
        QFETCH(float, kInverse);
        Conditions c;
        c.reaction = std::int16_t(reaction);
        c.classeAlcool = std::int16_t(classe);
        const auto k = constantesVitesse(c);
        QCOMPARE(k.kDirect, kDirect);
        QCOMPARE(k.kInverse, kInverse);
    }

    void tertiaryIsTenTimesSlower() {
        Conditions primaire, tertiaire;
        tertiaire.classeAlcool = 2;
        QCOMPARE(constantesVitesse(tertiaire).kDirect, float(constantesVitesse(primaire).kDirect / 10.0));
    }

    void timeStep_data() {
        QTest::addColumn<double>("nA");
        QTest::addColumn<double>("nC");
        QTest::addColumn<float>("ymax");
        QTest::addColumn<double>("pas");
        const double r = double(float(4e-5)); // kDirect x 1 x 1
        QTest::newRow("thousandth of the axis") << 1.0 << 0.0 << 1.0f << 0.001 * 2.0 / r;
        QTest::newRow("zero rate: duration / 400") << 0.0 << 0.0 << 1.0f << 600.0 / 400.0;
        QTest::newRow("zero axis: 0.01 s") << 1.0 << 0.0 << 0.0f << 0.01;
    }
    void timeStep() {
        QFETCH(double, nA);
        QFETCH(double, nC);
        QFETCH(float, ymax);
        QFETCH(double, pas);
        Conditions c;
        const Quantites n = {nA, 1.0, nC, 0.0};
        QCOMPARE(pasTemps(n, constantesVitesse(c), ymax, 600), pas);
    }

    void stepScale_data() {
        QTest::addColumn<Quantites>("n");
        QTest::addColumn<float>("ymax");
        QTest::addColumn<float>("echelle");
        QTest::newRow("an axis over the run is kept") << Quantites{1, 2, 0, 0} << 2.0f << 2.0f;
        QTest::newRow("an axis of exactly min(nA, nB) is kept") << Quantites{1, 2, 0, 0} << 1.0f << 1.0f;
        QTest::newRow("an axis under the run: min(nA, nB)") << Quantites{1, 2, 0, 0} << 0.5f << 1.0f;
        QTest::newRow("nothing shown: no axis, fixed steps") << Quantites{1, 2, 0, 0} << 0.0f << 0.0f;
        QTest::newRow("or min(nC, nD) when larger") << Quantites{1, 2, 3, 5} << 0.5f << 3.0f;
        QTest::newRow("amounts far beyond the axis") << Quantites{3e38, 3e38, 3e38, 3e38} << 1.0f << 3e38f;
        QTest::newRow("nothing can react: the axis") << Quantites{1, 0, 1, 0} << 0.0f << 0.0f;
    }
    void stepScale() {
        QFETCH(Quantites, n);
        QFETCH(float, ymax);
        QFETCH(float, echelle);
        QCOMPARE(echellePas(ymax, n), echelle);
    }

    void stepConservesTotalAndStaysPositive_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<double>("nA");
        QTest::addColumn<double>("dt");
        QTest::newRow("ordinary step") << 0 << 1.0 << 10.0;
        QTest::newRow("anhydride nearly used up, huge step") << 1 << 1e-6 << 1000.0;
        QTest::newRow("saponification nearly used up") << 3 << 1e-4 << 500.0;
    }
    void stepConservesTotalAndStaysPositive() {
        QFETCH(int, reaction);
        QFETCH(double, nA);
        QFETCH(double, dt);
        Conditions c;
        c.reaction = std::int16_t(reaction);
        c.temperature = 1000;
        Quantites n = {nA, 5.0, 0.5, 0.5};
        const double total = n[0] + n[1] + n[2] + n[3];
        const auto faite = etapeIntegration(n, constantesVitesse(c), dt, c);
        for (double q : n)
            QVERIFY2(q >= 0.0, "an amount went below zero");
        QVERIFY(qFuzzyCompare(n[0] + n[1] + n[2] + n[3], total));
        QVERIFY(faite.dt <= dt);
    }

    void halvedOnlyWhenNeeded() {
        Conditions c;
        Quantites n = {1.0, 1.0, 0.0, 0.0};
        const auto faite = etapeIntegration(n, constantesVitesse(c), 1.0, c);
        QVERIFY(!faite.raccourcie);
        QCOMPARE(faite.dt, 1.0);
    }

    void distillationEmptiesTheChosenSpeciesOnly_data() {
        QTest::addColumn<int>("distillation");
        QTest::addColumn<int>("espece");
        QTest::addColumn<int>("videe");
        QTest::newRow("water distilled") << 1 << 3 << 3;
        QTest::newRow("acid distilled") << 1 << 0 << 0;
        QTest::newRow("nothing chosen") << 1 << -1 << -1;
        QTest::newRow("index beyond the list") << 1 << 7 << -1;
        QTest::newRow("distillation off") << 0 << 3 << -1;
    }
    void distillationEmptiesTheChosenSpeciesOnly() {
        QFETCH(int, distillation);
        QFETCH(int, espece);
        QFETCH(int, videe);
        Conditions c;
        c.distillation = std::int16_t(distillation);
        c.especeVolatile = std::int16_t(espece);
        Quantites n = {1, 2, 3, 4};
        distiller(n, c);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(n[i], i == videe ? 0.0 : double(i + 1));
    }
};

VEDO_TEST(TestRateLaw);
#include "tst_ratelaw.moc"
