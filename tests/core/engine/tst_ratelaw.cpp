#include "TestRegistry.h"

#include "engine/RateLaw.h"

#include <QtTest>

#include <cmath>

using namespace vedo;

Q_DECLARE_METATYPE(vedo::Quantites)

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
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("catalyseur");
        QTest::addColumn<float>("kDirect");
        QTest::addColumn<float>("kInverse");
        // At 20 degC the temperature factor is 4: 4 x 1e-5, 4 x 0.05, 4 x 1e-4, 4 x 0.003.
        QTest::newRow("esterification, primary") << 0 << 0 << 200 << 0 << 4e-5f << 1e-5f;
        QTest::newRow("esterification, secondary") << 0 << 1 << 200 << 0 << 2e-5f << 2e-5f;
        QTest::newRow("esterification, tertiary") << 0 << 2 << 200 << 0 << 4e-6f << 7.06e-4f;
        QTest::newRow("anhydride, any class") << 1 << 2 << 200 << 0 << 0.2f << 2e-6f;
        QTest::newRow("hydrolysis, primary") << 2 << 0 << 200 << 0 << 1e-4f << 4e-4f;
        QTest::newRow("hydrolysis, secondary") << 2 << 1 << 200 << 0 << 4e-4f << 4e-4f;
        QTest::newRow("hydrolysis, tertiary") << 2 << 2 << 200 << 0 << 0.0706f << 4e-4f;
        QTest::newRow("saponification") << 3 << 0 << 200 << 0 << 0.012f << 1.2e-7f;
        // 36 at 100 degC, tripled by the catalyst: 108.
        QTest::newRow("esterification, primary, 100 degC, catalyst") << 0 << 0 << 1000 << 1 << 1.08e-3f << 2.7e-4f;
    }
    void constants() {
        QFETCH(int, reaction);
        QFETCH(int, classe);
        QFETCH(int, temperature);
        QFETCH(int, catalyseur);
        QFETCH(float, kDirect);
        QFETCH(float, kInverse);
        Conditions c;
        c.reaction = std::int16_t(reaction);
        c.classeAlcool = std::int16_t(classe);
        c.temperature = std::int16_t(temperature);
        c.catalyseur = std::int16_t(catalyseur);
        const auto k = constantesVitesse(c);
        // QCOMPARE takes singles below 1e-5 for zero: compare to the value itself.
        QVERIFY2(std::fabs(k.kDirect / kDirect - 1.0f) < 1e-6f, qPrintable(QString::number(k.kDirect)));
        QVERIFY2(std::fabs(k.kInverse / kInverse - 1.0f) < 1e-6f, qPrintable(QString::number(k.kInverse)));
    }

    void timeStep_data() {
        QTest::addColumn<double>("nA");
        QTest::addColumn<double>("nC");
        QTest::addColumn<float>("ymax");
        QTest::addColumn<double>("pas");
        // 1 mol of acid and alcohol at 20 degC: R = 4e-5 mol/s, S = 2 mol.
        QTest::newRow("thousandth of the axis: 0.001 x 1 x 2 / 4e-5") << 1.0 << 0.0 << 1.0f << 50.0;
        QTest::newRow("twice the axis, twice the step") << 1.0 << 0.0 << 2.0f << 100.0;
        // 2 mol of acid: R = 8e-5 mol/s, S = 3 mol.
        QTest::newRow("unequal reactants: 0.001 x 1 x 3 / 8e-5") << 2.0 << 0.0 << 1.0f << 37.5;
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
        // The constants are singles: 4e-5 is known to about 1e-7 of itself.
        QVERIFY(std::fabs(pasTemps(n, constantesVitesse(c), ymax, 600) - pas) <= 1e-6 * pas);
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

    // Forward constant 1/s, from 1 mol of A and B (S = 2 mol): x1 = dt / 2,
    // x2 = dt (1 - x1)^2 / 2, and the amounts move by (x1 + x2) / 2; each
    // other row says what it changes.
    void step_data() {
        QTest::addColumn<float>("kDirect");
        QTest::addColumn<float>("kInverse");
        QTest::addColumn<Quantites>("depart");
        QTest::addColumn<double>("dt");
        QTest::addColumn<int>("distille");
        QTest::addColumn<double>("pris");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<Quantites>("arrivee");
        QTest::newRow("1 s: x1 0.5, x2 0.125")
            << 1.0f << 0.0f << Quantites{1, 1, 0, 0} << 1.0 << -1 << 1.0 << 0.5 << 0.125
            << Quantites{0.6875, 0.6875, 0.3125, 0.3125};
        QTest::newRow("reverse only, from the products")
            << 0.0f << 1.0f << Quantites{0, 0, 1, 1} << 1.0 << -1 << 1.0 << -0.5 << -0.125
            << Quantites{0.3125, 0.3125, 0.6875, 0.6875};
        // S = 2, R = -1.5 x 0.5: x1 = -0.375; predicted C 1.125, D 0.125: x2 = -0.140625 / 2.
        QTest::newRow("reverse only, unequal products")
            << 0.0f << 1.0f << Quantites{0, 0, 1.5, 0.5} << 1.0 << -1 << 1.0 << -0.375 << -0.0703125
            << Quantites{0.22265625, 0.22265625, 1.27734375, 0.27734375};
        // 4 s would leave -1 mol of A; 2 s uses up A exactly in the predictor.
        QTest::newRow("4 s halved once to 2 s")
            << 1.0f << 0.0f << Quantites{1, 1, 0, 0} << 4.0 << -1 << 2.0 << 1.0 << 0.0
            << Quantites{0.5, 0.5, 0.5, 0.5};
        QTest::newRow("8 s halved twice to 2 s")
            << 1.0f << 0.0f << Quantites{1, 1, 0, 0} << 8.0 << -1 << 2.0 << 1.0 << 0.0
            << Quantites{0.5, 0.5, 0.5, 0.5};
        // S = 1: x1 = 0.25, x2 = 0.25^2, x = 0.15625.
        QTest::newRow("half a mole each, S = 1")
            << 1.0f << 0.0f << Quantites{0.5, 0.5, 0, 0} << 1.0 << -1 << 1.0 << 0.25 << 0.0625
            << Quantites{0.34375, 0.34375, 0.15625, 0.15625};
        QTest::newRow("no matter at all: nothing moves")
            << 1.0f << 0.0f << Quantites{0, 0, 0, 0} << 1.0 << -1 << 1.0 << 0.0 << 0.0 << Quantites{0, 0, 0, 0};
        QTest::newRow("water distilled after the step")
            << 1.0f << 0.0f << Quantites{1, 1, 0, 0} << 1.0 << 3 << 1.0 << 0.5 << 0.125
            << Quantites{0.6875, 0.6875, 0.3125, 0.0};
    }
    void step() {
        QFETCH(float, kDirect);
        QFETCH(float, kInverse);
        QFETCH(Quantites, depart);
        QFETCH(double, dt);
        QFETCH(int, distille);
        QFETCH(double, pris);
        QFETCH(double, x1);
        QFETCH(double, x2);
        QFETCH(Quantites, arrivee);
        Conditions c;
        c.distillation = distille >= 0 ? 1 : 0;
        c.especeVolatile = std::int16_t(distille);
        Quantites n = depart;
        const auto faite = etapeIntegration(n, {kDirect, kInverse}, dt, c);
        QCOMPARE(faite.dt, pris);
        QCOMPARE(faite.raccourcie, pris != dt);
        QCOMPARE(faite.x1, x1);
        QCOMPARE(faite.x2, x2);
        QCOMPARE(n, arrivee);
    }

    void distillationEmptiesTheChosenSpeciesOnly_data() {
        QTest::addColumn<int>("distillation");
        QTest::addColumn<int>("espece");
        QTest::addColumn<int>("videe");
        QTest::newRow("water distilled") << 1 << 3 << 3;
        QTest::newRow("acid distilled") << 1 << 0 << 0;
        QTest::newRow("nothing chosen") << 1 << -1 << -1;
        QTest::newRow("first index beyond the list") << 1 << 4 << -1;
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
