#include "TestRegistry.h"

#include "ChienDeGarde.h"
#include "RecordingSink.h"
#include "engine/RunLoop.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace vedo;

namespace {

ParametresRun parametres(int reaction, int classe, std::int32_t duree, float ymax) {
    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = duree;
    p.conditions.reaction = std::int16_t(reaction);
    p.conditions.classeAlcool = std::int16_t(classe);
    p.ymax = ymax;
    p.remplirTableau = true;
    return p;
}

double qr(const Quantites& n) {
    return n[2] * n[3] / (n[0] * n[1]);
}

} // namespace

class TestRunLoop : public QObject {
    Q_OBJECT
private slots:
    void equilibrium_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("classe");
        QTest::addColumn<double>("depart");     // mol of A and of B at the start
        QTest::addColumn<double>("avancement"); // fraction of A consumed at equilibrium
        QTest::addColumn<double>("quotient");
        const double xTertiaire = 1.0 / (1.0 + std::sqrt(176.5));
        QTest::newRow("esterification, primary: 2/3") << 0 << 0 << 1.0 << 2.0 / 3.0 << 4.0;
        QTest::newRow("esterification, secondary: 1/2") << 0 << 1 << 1.0 << 0.5 << 1.0;
        QTest::newRow("esterification, tertiary") << 0 << 2 << 1.0 << xTertiaire << 1.0 / 176.5;
        QTest::newRow("hydrolysis, primary: mirror 1/3") << 2 << 0 << 1.0 << 1.0 / 3.0 << 0.25;
        // Only a damaged file brings amounts so far beyond the axis that a
        // thousandth of it is lost in their rounding.
        QTest::newRow("primary, 3E38 mol on a 1 mol axis") << 0 << 0 << 3e38 << 2.0 / 3.0 << 4.0;
    }
    void equilibrium() {
        QFETCH(int, reaction);
        QFETCH(int, classe);
        QFETCH(double, depart);
        QFETCH(double, avancement);
        QFETCH(double, quotient);
        const ChienDeGarde garde(std::chrono::seconds(20), QTest::currentDataTag());
        Quantites n = {depart, depart, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k;
        // 200 h at 100 degC with the catalyst: far beyond the time to equilibrium.
        auto p = parametres(reaction, classe, 720000, 1.0f);
        p.conditions.temperature = 1000;
        p.conditions.catalyseur = 1;
        speed(n, p, sink, k);
        QCOMPARE(sink.temps.back(), 720000.0);
        QVERIFY2(std::fabs(n[0] / depart - (1.0 - avancement)) < 1e-3, qPrintable(QString::number(n[0])));
        QVERIFY(std::fabs(n[2] / depart - avancement) < 1e-3);
        QVERIFY(std::fabs(qr(n) - quotient) / quotient < 1e-2);
    }

    void distillingAProductDrivesToCompletion() {
        Quantites n = {1.0, 1.0, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k;
        auto p = parametres(0, 0, 720000, 1.0f);
        p.conditions.temperature = 1000;
        p.conditions.catalyseur = 1;
        p.conditions.distillation = 1;
        p.conditions.especeVolatile = 3; // water
        speed(n, p, sink, k);
        QCOMPARE(n[3], 0.0);
        // Far beyond the 2/3 of the equilibrium: only the slowness of a
        // second-order end keeps it from 1.
        QVERIFY(n[0] < 0.005);
        QVERIFY(n[2] > 0.995);
    }

    void distillingAReactantWithoutProductChangesNothing() {
        Quantites n = {1.0, 1.0, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k;
        auto p = parametres(0, 0, 600, 1.0f);
        p.conditions.distillation = 1;
        p.conditions.especeVolatile = 0;
        p.remplirTableau = false; // row instants would add steps of their own
        speed(n, p, sink, k);
        QCOMPARE(n, (Quantites{0.0, 1.0, 0.0, 0.0}));
        // Zero rate: steps of duree / 400, so 400 steps plus the first point.
        QCOMPARE(sink.temps.size(), std::size_t(401));
        QCOMPARE(sink.temps[1], 1.5);
    }

    void tableRowsFallOnTheirInstants_data() {
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("duree");
        QTest::newRow("51 rows, 10 min") << 51 << 600;
        QTest::newRow("101 rows, 20 s") << 101 << 20;
        QTest::newRow("11 rows, 200 h") << 11 << 720000;
    }
    void tableRowsFallOnTheirInstants() {
        QFETCH(int, lignes);
        QFETCH(int, duree);
        Quantites n = {0.1, 0.1, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k;
        auto p = parametres(0, 0, duree, 0.1f);
        p.nombreLignes = lignes;
        speed(n, p, sink, k);
        QCOMPARE(int(sink.lignes.size()), lignes - 1);
        for (int r = 1; r < lignes; ++r) {
            QCOMPARE(sink.lignes[r - 1].ligne, r);
            QVERIFY(std::fabs(sink.lignes[r - 1].t - double(r) * duree / (lignes - 1)) < 1e-9 * duree);
        }
        QCOMPARE(sink.lignes.back().t, double(duree));
        QCOMPARE(sink.temps.back(), double(duree));
        QCOMPARE(sink.lignes.back().n, n);
    }

    void keptRunRedrawWritesNoRow() {
        Quantites n = {0.1, 0.1, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k;
        auto p = parametres(0, 0, 600, 0.1f);
        p.remplirTableau = false;
        speed(n, p, sink, k);
        QVERIFY(sink.lignes.empty());
        QCOMPARE(sink.premiers, 1);
    }

    void zeroDurationDoesNothing() {
        Quantites n = {0.1, 0.1, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k{1.0f, 2.0f};
        speed(n, parametres(0, 0, 0, 0.1f), sink, k);
        QVERIFY(sink.temps.empty());
        QCOMPARE(k.kDirect, 1.0f);
    }

    void amountsNeverGoNegative_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("distille");
        QTest::newRow("anhydride at 100 degC") << 1 << -1;
        QTest::newRow("saponification at 100 degC") << 3 << -1;
        QTest::newRow("esterification, water distilled") << 0 << 3;
    }
    void amountsNeverGoNegative() {
        QFETCH(int, reaction);
        QFETCH(int, distille);
        Quantites n = {0.001, 5.0, 0.0, 0.0};
        RecordingSink sink;
        ConstantesVitesse k;
        auto p = parametres(reaction, 0, 72000, 5.0f);
        p.conditions.temperature = 1000;
        p.conditions.distillation = distille >= 0 ? 1 : 0;
        p.conditions.especeVolatile = std::int16_t(distille);
        speed(n, p, sink, k);
        for (const auto& point : sink.points)
            for (double q : point)
                QVERIFY2(q >= 0.0, "negative amount on the graph");
        for (const auto& ligne : sink.lignes)
            QVERIFY(ligne.n[0] * ligne.n[1] == 0.0 ||
                    ligne.n[2] * ligne.n[3] / (ligne.n[0] * ligne.n[1]) >= 0.0);
        QCOMPARE(int(sink.lignes.size()), p.nombreLignes - 1);
        // Halved steps near the end of A leave each row on its instant, every 1440 s.
        for (const auto& ligne : sink.lignes)
            QVERIFY2(std::fabs(ligne.t - 1440.0 * ligne.ligne) < 1e-6, qPrintable(QString::number(ligne.t)));
    }

    void animatedRunFillsTheSameRows_data() {
        QTest::addColumn<int>("vitesse");
        QTest::addColumn<int>("dureeTableau");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("ligneLaissee"); // the row counter as the run before left it
        QTest::newRow("5 s a tick") << 50 << 600 << 120 << 1;
        QTest::newRow("1 s a tick") << 10 << 600 << 600 << 1;
        // The duration chosen grew during the run: rows every 16 s, none at
        // 600 s; the last tick, from 595 s, stops at 600 s, not at 602 s.
        QTest::newRow("7 s a tick, table of a longer run") << 70 << 800 << 86 << 1;
        // A tick longer than the 12 s to row 1: the counter must be back at 1 first.
        QTest::newRow("15 s a tick, after a whole table") << 150 << 600 << 40 << 51;
    }
    void animatedRunFillsTheSameRows() {
        QFETCH(int, vitesse);
        QFETCH(int, dureeTableau);
        QFETCH(int, ticks);
        QFETCH(int, ligneLaissee);
        auto p = parametres(0, 0, 600, 0.1f);
        p.dureeTableau = dureeTableau;
        Quantites entier = {0.1, 0.1, 0.0, 0.0};
        RecordingSink complet;
        ConstantesVitesse k;
        speed(entier, p, complet, k);

        Quantites anime = {0.1, 0.1, 0.0, 0.0};
        RecordingSink parTicks;
        EtatAnimation etat;
        etat.ligneTab = std::int16_t(ligneLaissee);
        int faits = 0;
        while (timerTick(anime, etat, p, vitesse, parTicks, k) == Tick::avance)
            ++faits;
        QCOMPARE(faits, ticks);
        QCOMPARE(parTicks.temps.back(), 600.0);
        QVERIFY(std::is_sorted(parTicks.temps.begin(), parTicks.temps.end()));
        QCOMPARE(parTicks.premiers, 1);
        QCOMPARE(parTicks.lignes.size(), complet.lignes.size());
        for (std::size_t r = 0; r < complet.lignes.size(); ++r) {
            QCOMPARE(parTicks.lignes[r].ligne, complet.lignes[r].ligne);
            QVERIFY(std::fabs(parTicks.lignes[r].t - complet.lignes[r].t) < 1e-9);
            for (int i = 0; i < 4; ++i) {
                const double attendu = complet.lignes[r].n[i];
                QVERIFY(std::fabs(parTicks.lignes[r].n[i] - attendu) <= 0.01 * std::fabs(attendu) + 1e-12);
            }
        }
    }

    void speedZeroStandsStill() {
        const auto p = parametres(0, 0, 600, 0.1f);
        Quantites n = {0.1, 0.1, 0.0, 0.0};
        RecordingSink sink;
        EtatAnimation etat;
        ConstantesVitesse k;
        for (int i = 0; i < 5; ++i)
            QCOMPARE(timerTick(n, etat, p, 0, sink, k), Tick::avance);
        QCOMPARE(etat.tempsEcoule, 0);
        QCOMPARE(n, (Quantites{0.1, 0.1, 0.0, 0.0}));
        QVERIFY(sink.lignes.empty());
        // Moving the speed resumes the run.
        QCOMPARE(timerTick(n, etat, p, 50, sink, k), Tick::avance);
        QCOMPARE(etat.tempsEcoule, 50);
        QVERIFY(n[2] > 0.0);
    }

    void elapsedTimeDoesNotOverflow_data() {
        QTest::addColumn<int>("vitesse");
        QTest::addColumn<int>("apres");
        QTest::newRow("up to the largest 32-bit value") << 47 << 2147483647;
        QTest::newRow("one tenth beyond it: unchanged") << 48 << 2147483600;
    }
    void elapsedTimeDoesNotOverflow() {
        QFETCH(int, vitesse);
        QFETCH(int, apres);
        const auto p = parametres(0, 0, 600, 0.1f);
        Quantites n = {0.1, 0.1, 0.0, 0.0};
        RecordingSink sink;
        EtatAnimation etat;
        etat.tempsEcoule = 2147483600;
        ConstantesVitesse k;
        QCOMPARE(timerTick(n, etat, p, vitesse, sink, k), Tick::terminee);
        QCOMPARE(etat.tempsEcoule, apres);
    }
};

VEDO_TEST(TestRunLoop);
#include "tst_runloop.moc"
