#include "TestRegistry.h"

#include "view/Tangente.h"

#include <QtTest>

#include <cmath>

using namespace vedo;

Q_DECLARE_METATYPE(Quantites)
Q_DECLARE_METATYPE(Conditions)

namespace {

Conditions conditions(std::int16_t reaction, std::int16_t temperature, std::int16_t catalyseur,
                      std::int16_t volatile_ = -1) {
    Conditions c;
    c.reaction = reaction;
    c.temperature = temperature;
    c.catalyseur = catalyseur;
    c.especeVolatile = volatile_;
    c.distillation = volatile_ >= 0 ? 1 : 0;
    return c;
}

// The amounts of the model at time t from its closed form. With x the
// advancement, dx/dt = (kD (a - x)(b - x) - kI (c + x)(d + x)) / S is a
// Riccati equation: with r1, r2 the roots of its right side,
// (x - r2) / (x - r1) = (r2 / r1) exp((kD - kI)(r2 - r1) t / S).
Quantites exactes(const Quantites& depart, const Conditions& conditions, double t) {
    const ConstantesVitesse k = constantesVitesse(conditions);
    const double kD = k.kDirect, kI = k.kInverse;
    const auto [a, b, c, d] = depart;
    const double qa = kD - kI, qb = -(kD * (a + b) + kI * (c + d)), qc = kD * a * b - kI * c * d;
    double x = 0.0; // a null rate at the start stays null
    if (qc != 0.0) {
        const double racine = std::sqrt(qb * qb - 4 * qa * qc);
        const double r1 = (-qb - racine) / (2 * qa), r2 = (-qb + racine) / (2 * qa);
        const double q = r2 / r1 * std::exp(qa * (r2 - r1) * t / (a + b + c + d));
        x = (r2 - q * r1) / (1 - q);
    }
    return {a - x, b - x, c + x, d + x};
}

CourbeConservee courbe(const Quantites& q, const Conditions& c) {
    CourbeConservee r;
    for (int i = 0; i < 4; ++i)
        r.courbeQuantite[i + 1] = q[i];
    r.courbeParam = {c.reaction,       c.temperature,  c.classeAlcool,
                     c.especeVolatile, c.distillation, c.catalyseur};
    r.courbeDuree = 600;
    return r;
}

} // namespace

class TestTangente : public QObject {
    Q_OBJECT
private slots:
    // The tangent point lies on the curve of the model, whose steps of a
    // thousandth of the axis keep within 2e-5 mol of the closed form (5e-6
    // after an hour at 100 degC with the catalyst, the steps then being long).
    void amountsAtTheCursorTime_data() {
        QTest::addColumn<Quantites>("depart");
        QTest::addColumn<Conditions>("conditions");
        QTest::addColumn<int>("t0");
        QTest::newRow("esterification at 20 degC, 300 s")
            << Quantites{1, 1, 0, 0} << conditions(0, 200, 0) << 300;
        QTest::newRow("hot catalysed esterification, 1 h")
            << Quantites{1, 2, 0, 0} << conditions(0, 1000, 1) << 3600;
        QTest::newRow("fast saponification, 7 s") << Quantites{0.5, 1, 0, 0} << conditions(3, 1000, 0) << 7;
        QTest::newRow("ester hydrolysed back, 10 min")
            << Quantites{0.2, 0.2, 1, 1} << conditions(0, 1000, 1) << 600;
        QTest::newRow("hydrolysis with water distilled")
            << Quantites{0, 0, 1, 1} << conditions(2, 800, 1, 3) << 1200;
        QTest::newRow("nothing reacts") << Quantites{0, 1, 0, 1} << conditions(0, 200, 0) << 500;
    }
    void amountsAtTheCursorTime() {
        QFETCH(Quantites, depart);
        QFETCH(Conditions, conditions);
        QFETCH(int, t0);
        const EtatAuTemps etat = integrerJusqua(depart, conditions, t0, 2.0f);
        distiller(depart, conditions); // the distilled species is gone from the start
        const Quantites attendu = exactes(depart, conditions, t0);
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(etat.n[i] - attendu[i]) < 2e-5,
                     qPrintable(QString("%1: %2 vs %3").arg(i).arg(etat.n[i]).arg(attendu[i])));
    }

    void slope_data() {
        QTest::addColumn<Quantites>("depart");
        QTest::addColumn<Conditions>("conditions");
        QTest::addColumn<int>("t0");
        QTest::addColumn<bool>("equilibre");
        QTest::newRow("reactants being used up")
            << Quantites{1, 1, 0, 0} << conditions(0, 1000, 1) << 300 << false;
        QTest::newRow("ester being hydrolysed")
            << Quantites{0, 0, 1, 1} << conditions(0, 1000, 1) << 300 << false;
        QTest::newRow("at the start") << Quantites{1, 1, 0, 0} << conditions(0, 200, 0) << 0 << false;
        QTest::newRow("equilibrium after 200 h")
            << Quantites{1, 1, 0, 0} << conditions(0, 1000, 1) << 720000 << true;
        QTest::newRow("no product and no alcohol")
            << Quantites{1, 0, 0, 0} << conditions(0, 200, 0) << 100 << false;
    }
    // The slope of A is minus the rate of the model at the closed-form amounts.
    void slope() {
        QFETCH(Quantites, depart);
        QFETCH(Conditions, conditions);
        QFETCH(int, t0);
        QFETCH(bool, equilibre);
        const EtatAuTemps etat = integrerJusqua(depart, conditions, t0, 2.0f);
        QCOMPARE(etat.equilibre, equilibre);
        const ConstantesVitesse k = constantesVitesse(conditions);
        const auto [a, b, c, d] = exactes(depart, conditions, t0);
        const double pente = equilibre ? 0.0 : -(k.kDirect * a * b - k.kInverse * c * d) / (a + b + c + d);
        QVERIFY2(std::fabs(etat.pente - pente) <= 1e-5 * std::fabs(pente),
                 qPrintable(QString("%1 vs %2").arg(etat.pente).arg(pente)));
    }

    // Graph of 600 s, amount axis 2 mol unless said: plot area (50, 10)..(350, 210).
    void segment_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("pente");
        QTest::addColumn<int>("t0");
        QTest::addColumn<float>("ymax");
        QTest::addColumn<QLine>("attendu"); // null: no segment
        QTest::newRow("horizontal") << 1 << 1.0 << 0.0 << 300 << 2.0f << QLine(50, 110, 350, 110);
        QTest::newRow("horizontal, enlarged") << 2 << 1.0 << 0.0 << 300 << 2.0f << QLine(50, 210, 650, 210);
        QTest::newRow("down to the right edge")
            << 1 << 1.0 << -1.0 / 1200 << 300 << 2.0f << QLine(50, 85, 350, 135);
        QTest::newRow("down to the time axis")
            << 1 << 0.5 << -1.0 / 300 << 300 << 2.0f << QLine(50, 60, 275, 210);
        QTest::newRow("up to the top of the plot area")
            << 1 << 1.5 << 1.0 / 300 << 300 << 2.0f << QLine(50, 160, 275, 10);
        QTest::newRow("up to the top, enlarged")
            << 2 << 1.5 << 1.0 / 300 << 300 << 2.0f << QLine(50, 310, 500, 10);
        QTest::newRow("down to the time axis, enlarged")
            << 2 << 0.5 << -1.0 / 300 << 300 << 2.0f << QLine(50, 110, 500, 410);
        QTest::newRow("starting above the plot area")
            << 1 << 1.0 << -1.0 / 150 << 300 << 2.0f << QLine(50, -90, 275, 210);
        QTest::newRow("horizontal on the top of the plot area")
            << 1 << 2.0 << 0.0 << 300 << 2.0f << QLine(50, 10, 350, 10);
        QTest::newRow("horizontal above the amount axis: nothing")
            << 1 << 3.0 << 0.0 << 300 << 2.0f << QLine();
        QTest::newRow("horizontal below zero: nothing") << 1 << -0.5 << 0.0 << 300 << 2.0f << QLine();
        QTest::newRow("x on the time axis rounds halves to even")
            << 1 << 0.5 << -1.0 / 300 << 301 << 2.0f << QLine(50, 60, 276, 210);
        QTest::newRow("up to the top of an axis of 0,5 mol: X = 50 + 300 x 0,3 / 0,4")
            << 1 << 0.4 << 1.0 / 1500 << 300 << 0.5f << QLine(50, 130, 275, 10);
    }
    void segment() {
        QFETCH(int, k);
        QFETCH(double, n);
        QFETCH(double, pente);
        QFETCH(int, t0);
        QFETCH(float, ymax);
        QFETCH(QLine, attendu);
        const auto s = segmentTangente(n, pente, t0, {k, 600, ymax});
        QCOMPARE(s.has_value(), !attendu.isNull());
        if (s) QCOMPARE(QLine(s->x1, s->y1, s->x2, s->y2), attendu);
    }

    void noSegmentWithoutAScale_data() {
        QTest::addColumn<int>("duree");
        QTest::addColumn<float>("ymax");
        QTest::newRow("no duration") << 0 << 2.0f;
        QTest::newRow("empty amount axis") << 600 << 0.0f;
    }
    void noSegmentWithoutAScale() {
        QFETCH(int, duree);
        QFETCH(float, ymax);
        QVERIFY(!segmentTangente(1.0, -0.001, 100, {1, duree, ymax}).has_value());
    }

    // Products grow as the reactants go: their lines lean the other way.
    void oneLinePerShownSpecies() {
        const CourbeConservee c = courbe({1, 2, 0, 0}, conditions(0, 1000, 1));
        const Tangentes t = tangentes(c, 120, {1, 600, 2.0f}, {true, false, true, true});
        QVERIFY(t.segments[0].has_value());
        QVERIFY(!t.segments[1].has_value());
        QVERIFY(t.segments[0]->y2 > t.segments[0]->y1);
        QVERIFY(t.segments[2]->y2 < t.segments[2]->y1);
        QCOMPARE(t.segments[2]->y1, t.segments[3]->y1);
        QCOMPARE(t.k.kDirect, 1.08e-3f); // 1e-5 x 36 at 100 degC x 3 with the catalyst
    }

    // Around the cursor's time the line follows the curve to within a pixel.
    void lineTouchesTheCurve_data() {
        QTest::addColumn<int>("espece");
        QTest::addColumn<int>("t0");
        QTest::newRow("A early") << 0 << 60;
        QTest::newRow("B late") << 1 << 540;
        QTest::newRow("C early") << 2 << 60;
        QTest::newRow("D half way") << 3 << 300;
    }
    void lineTouchesTheCurve() {
        QFETCH(int, espece);
        QFETCH(int, t0);
        const PlotMapping m{1, 600, 2.0f};
        const CourbeConservee c = courbe({1, 2, 0, 0}, conditions(0, 1000, 1));
        const Tangentes t = tangentes(c, t0, m, {true, true, true, true});
        const auto& s = *t.segments[espece];
        for (int ecart : {-20, 0, 20}) {
            const double x = m.X(t0 + ecart);
            const double yLigne = s.y1 + (s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
            const double yCourbe =
                m.Y(integrerJusqua(c.quantites(), c.conditions(), t0 + ecart, m.ymax).n[espece]);
            QVERIFY2(std::abs(yLigne - yCourbe) <= 1.0,
                     qPrintable(QString("%1 s: %2 vs %3").arg(ecart).arg(yLigne).arg(yCourbe)));
        }
    }
};

VEDO_TEST(TestTangente);
#include "tst_tangente.moc"
