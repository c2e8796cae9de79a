#include "TestRegistry.h"

#include "engine/History.h"
#include "engine/KeptRuns.h"

#include <QtTest>

using namespace vedo;

namespace {

CourbeConservee courbe(int reaction, int temperature, int classe = 0, int distillation = 0,
                       int catalyseur = 0) {
    CourbeConservee c;
    c.courbeParam = {std::int16_t(reaction),     std::int16_t(temperature), std::int16_t(classe), 0,
                     std::int16_t(distillation), std::int16_t(catalyseur)};
    c.courbeDuree = 600;
    return c;
}

// Runs to its end and stores a run as "État final" does.
void terminerRun(KeptRuns& store, bool conserver, int marque) {
    store.debutRun(conserver);
    store.finRun(conserver);
    store.enrcourbe(courbe(0, marque), 1.0f);
}

QString texte(const std::vector<MorceauHistorique>& morceaux) {
    QString s;
    for (const auto& m : morceaux)
        s += QString::fromStdString(m.texte);
    return s;
}

} // namespace

class TestKeptRuns : public QObject {
    Q_OBJECT
private slots:
    void twelveRunsKeepElevenSlots() {
        KeptRuns store;
        for (int run = 1; run <= 12; ++run)
            terminerRun(store, true, run);
        QCOMPARE(int(store.nbCourbes), 10);
        QCOMPARE(store.nombre(), 11);
        for (int s = 0; s <= 9; ++s)
            QCOMPARE(int(store.emplacement(s).courbeParam[1]), s + 1);
        QCOMPARE(int(store.emplacement(10).courbeParam[1]), 12);
        const auto histoire = texte(makehisto(store));
        QCOMPARE(histoire.count(QString::fromUtf8("\u2022")), 11);
        QVERIFY(histoire.contains("Réaction 11 : "));
        QVERIFY(!histoire.contains("Réaction 12 : "));
    }

    void withoutKeepingEachRunReplacesSlotZero() {
        KeptRuns store;
        terminerRun(store, false, 1);
        store.debutRun(false);
        QCOMPARE(int(store.nbCourbes), -1); // empty while the next run goes
        terminerRun(store, false, 2);
        QCOMPARE(int(store.nbCourbes), 0);
        QCOMPARE(int(store.emplacement(0).courbeParam[1]), 2);
    }

    void resetCounterRules_data() {
        QTest::addColumn<bool>("conserver");
        QTest::addColumn<int>("avant");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<int>("apres");
        QTest::newRow("kept, idle: the run just stored is forgotten") << true << 3 << false << 2;
        QTest::newRow("kept, animated: unchanged") << true << 3 << true << 3;
        QTest::newRow("kept, animated, one run kept: still slot 0") << true << 0 << true << 0;
        QTest::newRow("kept, empty store") << true << -1 << false << -1;
        QTest::newRow("not kept") << false << 3 << false << -1;
    }
    void resetCounterRules() {
        QFETCH(bool, conserver);
        QFETCH(int, avant);
        QFETCH(bool, animation);
        QFETCH(int, apres);
        KeptRuns store;
        store.nbCourbes = std::int16_t(avant);
        store.retourEtatInitial(conserver, animation);
        QCOMPARE(int(store.nbCourbes), apres);
    }

    // A counter outside the slots stores nothing, neither a slot nor the
    // scale; inside, exactly its own slot changes.
    void storeOnlyInItsSlot_data() {
        QTest::addColumn<int>("compteur");
        QTest::addColumn<int>("emplacement");
        QTest::newRow("empty store") << -1 << -1;
        QTest::newRow("past the last slot") << 11 << -1;
        QTest::newRow("first slot") << 0 << 0;
        QTest::newRow("last slot") << 10 << 10;
    }
    void storeOnlyInItsSlot() {
        QFETCH(int, compteur);
        QFETCH(int, emplacement);
        KeptRuns store;
        for (int j = 0; j < nombreEmplacements; ++j) {
            store.nbCourbes = std::int16_t(j);
            store.enrcourbe(courbe(0, 100 + j), 1.0f);
        }
        store.nbCourbes = std::int16_t(compteur);
        store.enrcourbe(courbe(1, 500), 3.0f);
        QCOMPARE(store.ymaxEnr, emplacement < 0 ? 1.0f : 3.0f);
        for (int j = 0; j < nombreEmplacements; ++j)
            QCOMPARE(int(store.emplacement(j).courbeParam[1]), j == emplacement ? 500 : 100 + j);
    }

    void historyTexts_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("classe");
        QTest::addColumn<int>("distillation");
        QTest::addColumn<int>("catalyseur");
        QTest::addColumn<QString>("arial");
        QTest::newRow("esterification with its class line")
            << 0 << 200 << 0 << 0 << 0
            << "Réaction 1 : Acide carboxylique et alcool\r\nTempérature : 20 °C\r\n\r\nAlcool primaire";
        QTest::newRow("half degree with a comma")
            << 2 << 205 << 2 << 0 << 0
            << "Réaction 1 : Ester et eau\r\nTempérature : 20,5 °C\r\n\r\nAlcool tertiaire";
        QTest::newRow("anhydride has no class line")
            << 1 << 1000 << 1 << 0 << 0
            << "Réaction 1 : Anhydride d'acide et alcool\r\nTempérature : 100 °C\r\n";
        QTest::newRow("saponification, distillation and catalyst")
            << 3 << 0 << 0 << 1 << 1
            << "Réaction 1 : Ester et hydroxyde de sodium\r\nTempérature : 0 "
               "°C\r\n\r\nDistillation\r\nCatalyseur";
        QTest::newRow("distillation alone")
            << 1 << 200 << 0 << 1 << 0
            << "Réaction 1 : Anhydride d'acide et alcool\r\nTempérature : 20 °C\r\n\r\nDistillation";
        QTest::newRow("catalyst alone")
            << 3 << 200 << 0 << 0 << 1
            << "Réaction 1 : Ester et hydroxyde de sodium\r\nTempérature : 20 °C\r\n\r\nCatalyseur";
        // Only a damaged store holds these: the name outside its list is left empty.
        QTest::newRow("reaction just beyond the list")
            << 4 << 200 << 0 << 0 << 0 << "Réaction 1 : \r\nTempérature : 20 °C\r\n";
        QTest::newRow("class just below the list")
            << 0 << 200 << -1 << 0 << 0
            << "Réaction 1 : Acide carboxylique et alcool\r\nTempérature : 20 °C\r\n\r\n";
    }
    void historyTexts() {
        QFETCH(int, reaction);
        QFETCH(int, temperature);
        QFETCH(int, classe);
        QFETCH(int, distillation);
        QFETCH(int, catalyseur);
        QFETCH(QString, arial);
        KeptRuns store;
        store.nbCourbes = 0;
        store.enrcourbe(courbe(reaction, temperature, classe, distillation, catalyseur), 1.0f);
        const auto morceaux = makehisto(store);
        QCOMPARE(morceaux.size(), std::size_t(2));
        QCOMPARE(morceaux[0].police, MorceauHistorique::Police::symbole);
        QCOMPARE(QString::fromStdString(morceaux[0].texte), QString::fromUtf8(" \u2022 \r\n"));
        QCOMPARE(morceaux[1].police, MorceauHistorique::Police::arial);
        QCOMPARE(QString::fromStdString(morceaux[1].texte), arial);
    }

    // Each stored value goes back to its own condition, none of them the
    // default one; the two switches each on in turn.
    void storedRunReadsBackItsConditions_data() {
        QTest::addColumn<int>("distillation");
        QTest::addColumn<int>("catalyseur");
        QTest::newRow("distilled without the catalyst") << 1 << 0;
        QTest::newRow("the catalyst without distilling") << 0 << 1;
    }
    void storedRunReadsBackItsConditions() {
        QFETCH(int, distillation);
        QFETCH(int, catalyseur);
        CourbeConservee c;
        c.courbeQuantite = {9, 1, 2, 3, 4};
        c.courbeParam = {3, 650, 2, 1, std::int16_t(distillation), std::int16_t(catalyseur)};
        const Conditions k = c.conditions();
        QCOMPARE(int(k.reaction), 3);
        QCOMPARE(int(k.temperature), 650);
        QCOMPARE(int(k.classeAlcool), 2);
        QCOMPARE(int(k.especeVolatile), 1);
        QCOMPARE(int(k.distillation), distillation);
        QCOMPARE(int(k.catalyseur), catalyseur);
        QCOMPARE(c.quantites(), (Quantites{1, 2, 3, 4}));
    }

    void emptyStoreGivesEmptyHistory() {
        KeptRuns store;
        QCOMPARE(store.nombre(), 0);
        QVERIFY(makehisto(store).empty());
    }
};

VEDO_TEST(TestKeptRuns);
#include "tst_keptruns.moc"
