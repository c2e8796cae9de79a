#include "TestRegistry.h"

#include "engine/RunLoop.h"
#include "view/Tangente.h"

#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(Quantites)
Q_DECLARE_METATYPE(Conditions)

namespace {

class SansDessin : public RunSink {
public:
    void premierPoint(const Quantites&) override {}
    void point(double, const Quantites&) override {}
    void ligne(int, const Quantites&) override {}
};

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
    // The tangent point is where the whole run, stopped at that instant, is.
    void amountsAreThoseOfTheRunStoppedThere_data() {
        QTest::addColumn<Quantites>("depart");
        QTest::addColumn<Conditions>("conditions");
        QTest::addColumn<int>("t0");
        QTest::newRow("esterification at 20 degC, 300 s")
            << Quantites{1, 1, 0, 0} << conditions(0, 200, 0) << 300;
        QTest::newRow("hot catalysed esterification, 1 h")
            << Quantites{1, 2, 0, 0} << conditions(0, 1000, 1) << 3600;
        QTest::newRow("fast saponification, 7 s") << Quantites{0.5, 1, 0, 0} << conditions(3, 1000, 0) << 7;
        QTest::newRow("hydrolysis with water distilled")
            << Quantites{0, 0, 1, 1} << conditions(2, 800, 1, 3) << 1200;
        QTest::newRow("nothing reacts") << Quantites{0, 1, 0, 1} << conditions(0, 200, 0) << 500;
    }
    void amountsAreThoseOfTheRunStoppedThere() {
        QFETCH(Quantites, depart);
        QFETCH(Conditions, conditions);
        QFETCH(int, t0);
        const float ymax = 2.0f;
        Quantites attendu = depart;
        ParametresRun p;
        p.duree = t0;
        p.conditions = conditions;
        p.ymax = ymax;
        SansDessin sink;
        ConstantesVitesse k;
        speed(attendu, p, sink, k);

        const EtatAuTemps etat = integrerJusqua(depart, conditions, t0, ymax);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(etat.n[i], attendu[i]);
        QCOMPARE(etat.k.kDirect, k.kDirect);
        QCOMPARE(etat.k.kInverse, k.kInverse);
    }

    void slope_data() {
        QTest::addColumn<Quantites>("depart");
        QTest::addColumn<Conditions>("conditions");
        QTest::addColumn<int>("t0");
        QTest::addColumn<bool>("equilibre");
        QTest::addColumn<int>("signe");
        QTest::newRow("reactants being used up")
            << Quantites{1, 1, 0, 0} << conditions(0, 1000, 1) << 300 << false << -1;
        QTest::newRow("ester being hydrolysed")
            << Quantites{0, 0, 1, 1} << conditions(0, 1000, 1) << 300 << false << 1;
        QTest::newRow("at the start") << Quantites{1, 1, 0, 0} << conditions(0, 200, 0) << 0 << false << -1;
        QTest::newRow("equilibrium after 200 h")
            << Quantites{1, 1, 0, 0} << conditions(0, 1000, 1) << 720000 << true << 0;
        QTest::newRow("no product and no alcohol")
            << Quantites{1, 0, 0, 0} << conditions(0, 200, 0) << 100 << false << 0;
    }
    void slope() {
        QFETCH(Quantites, depart);
        QFETCH(Conditions, conditions);
        QFETCH(int, t0);
        QFETCH(bool, equilibre);
        QFETCH(int, signe);
        const EtatAuTemps etat = integrerJusqua(depart, conditions, t0, 2.0f);
        QCOMPARE(etat.equilibre, equilibre);
        QCOMPARE(etat.pente > 0.0 ? 1 : (etat.pente < 0.0 ? -1 : 0), signe);
        if (!equilibre) {
            const Quantites& n = etat.n;
            const double vitesse =
                double(etat.k.kDirect) * n[0] * n[1] - double(etat.k.kInverse) * n[2] * n[3];
            QCOMPARE(etat.pente, -vitesse / (n[0] + n[1] + n[2] + n[3]));
        }
    }

    // Graph of 600 s, amount axis 2 mol: plot area (50, 10)..(350, 210).
    void segment_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("pente");
        QTest::addColumn<int>("t0");
        QTest::addColumn<QLine>("attendu"); // null: no segment
        QTest::newRow("horizontal") << 1 << 1.0 << 0.0 << 300 << QLine(50, 110, 350, 110);
        QTest::newRow("horizontal, enlarged") << 2 << 1.0 << 0.0 << 300 << QLine(50, 210, 650, 210);
        QTest::newRow("down to the right edge") << 1 << 1.0 << -1.0 / 1200 << 300 << QLine(50, 85, 350, 135);
        QTest::newRow("down to the time axis") << 1 << 0.5 << -1.0 / 300 << 300 << QLine(50, 60, 275, 210);
        QTest::newRow("up to the top of the plot area")
            << 1 << 1.5 << 1.0 / 300 << 300 << QLine(50, 160, 275, 10);
        QTest::newRow("up to the top, enlarged") << 2 << 1.5 << 1.0 / 300 << 300 << QLine(50, 310, 500, 10);
        QTest::newRow("starting above the plot area")
            << 1 << 1.0 << -1.0 / 150 << 300 << QLine(50, -90, 275, 210);
        QTest::newRow("horizontal on the top of the plot area") << 1 << 2.0 << 0.0 << 300 << QLine(50, 10, 350, 10);
        QTest::newRow("horizontal above the amount axis: nothing") << 1 << 3.0 << 0.0 << 300 << QLine();
        QTest::newRow("horizontal below zero: nothing") << 1 << -0.5 << 0.0 << 300 << QLine();
        QTest::newRow("x on the time axis rounds halves to even")
            << 1 << 0.5 << -1.0 / 300 << 301 << QLine(50, 60, 276, 210);
    }
    void segment() {
        QFETCH(int, k);
        QFETCH(double, n);
        QFETCH(double, pente);
        QFETCH(int, t0);
        QFETCH(QLine, attendu);
        const auto s = segmentTangente(n, pente, t0, {k, 600, 2.0f});
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
        QCOMPARE(t.k.kDirect, constantesVitesse(c.conditions()).kDirect);
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
