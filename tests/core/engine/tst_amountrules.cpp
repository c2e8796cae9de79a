#include "TestRegistry.h"

#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "engine/Reaction.h"

#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(DepassementQuantite)

class TestAmountRules : public QObject {
    Q_OBJECT
private slots:
    void validation_data() {
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<int>("quitte");
        QTest::addColumn<DepassementQuantite>("depassement");
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("all zero: the box left becomes 0,001")
            << QStringList{"0", "0", "0", "0"} << 0 << DepassementQuantite::inferieur
            << QStringList{"0,001", "0", "0", "0"};
        QTest::newRow("5, 5, 3, 0 leaving the third: it becomes 0")
            << QStringList{"5", "5", "3", "0"} << 2 << DepassementQuantite::superieur
            << QStringList{"5", "5", "0", "0"};
        QTest::newRow("three digits after leaving any box")
            << QStringList{"1,23456", "0,1", "0", "0"} << 3 << DepassementQuantite::aucun
            << QStringList{"1,23", "0,1", "0", "0"};
        QTest::newRow("typed point reads like a comma")
            << QStringList{"0.25", "0,1", "0", "0"} << 0 << DepassementQuantite::aucun
            << QStringList{"0,25", "0,1", "0", "0"};
        QTest::newRow("empty box counts as 0 and becomes a number")
            << QStringList{"", "0,1", "0", "0"} << 1 << DepassementQuantite::aucun
            << QStringList{"0", "0,1", "0", "0"};
        QTest::newRow("others above 10 mol: corrected box 0, never negative")
            << QStringList{"6", "6", "1", "0"} << 2 << DepassementQuantite::superieur
            << QStringList{"6", "6", "0", "0"};
        QTest::newRow("exactly 10 mol is accepted")
            << QStringList{"2,5", "2,5", "2,5", "2,5"} << 0 << DepassementQuantite::aucun
            << QStringList{"2,5", "2,5", "2,5", "2,5"};
        QTest::newRow("exactly 0,001 mol is accepted")
            << QStringList{"0,001", "0", "0", "0"} << 0 << DepassementQuantite::aucun
            << QStringList{"0,001", "0", "0", "0"};
        QTest::newRow("below 0,001 by a fraction")
            << QStringList{"0,0007", "0", "0", "0"} << 0 << DepassementQuantite::inferieur
            << QStringList{"0,001", "0", "0", "0"};
        QTest::newRow("the fourth box counts in the total")
            << QStringList{"5", "5", "0", "1"} << 0 << DepassementQuantite::superieur
            << QStringList{"4", "5", "0", "1"};
        QTest::newRow("an unreadable box counts as 0 in the total")
            << QStringList{"", "9,5", "0", "0"} << 0 << DepassementQuantite::aucun
            << QStringList{"0", "9,5", "0", "0"};
        // The single nearest 1,2349999 shows as 1,235 in seven digits, which
        // reads back as a single just above it: three digits give 1,24.
        QTest::newRow("the box left takes a single's seven digits, then three")
            << QStringList{"1,2349999", "0", "0", "0"} << 0 << DepassementQuantite::aucun
            << QStringList{"1,24", "0", "0", "0"};
        // Halfway amounts round up as they read, in the box left and in the others,
        // though the single nearest each lies just below it.
        QTest::newRow("halfway 1,005 in the box left rounds up")
            << QStringList{"1,005", "0", "0", "0"} << 0 << DepassementQuantite::aucun
            << QStringList{"1,01", "0", "0", "0"};
        QTest::newRow("halfway 2,675 in another box rounds up")
            << QStringList{"0,1", "2,675", "0", "0"} << 0 << DepassementQuantite::aucun
            << QStringList{"0,1", "2,68", "0", "0"};
        QTest::newRow("halfway 0,1235 rounds up") << QStringList{"0", "0", "0,1235", "0"} << 2
                                                 << DepassementQuantite::aucun << QStringList{"0", "0", "0,124", "0"};
        QTest::newRow("over the top by a fraction")
            << QStringList{"9,5", "0,4", "0,2", "0"} << 0 << DepassementQuantite::superieur
            << QStringList{"9,4", "0,4", "0,2", "0"};
    }
    void validation() {
        QFETCH(QStringList, saisies);
        QFETCH(int, quitte);
        QFETCH(DepassementQuantite, depassement);
        QFETCH(QStringList, textes);
        std::array<std::string, 4> boites;
        for (int i = 0; i < 4; ++i)
            boites[i] = saisies[i].toStdString();
        const auto r = validerQuantites(boites, quitte);
        QCOMPARE(r.depassement, depassement);
        QStringList obtenus;
        for (const auto& t : r.textes)
            obtenus << QString::fromStdString(t);
        QCOMPARE(obtenus, textes);
    }

    void typedAmountIsSinglePrecision() {
        QCOMPARE(double(*quantiteSaisie("0,1")), double(0.1f));
        QVERIFY(!quantiteSaisie("abc"));
        // Only a configuration file brings a minus sign: no negative amount reaches a run.
        QCOMPARE(double(*quantiteSaisie("-2")), 0.0);
    }

    void durations_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("secondes");
        QTest::addColumn<QString>("legende");
        QTest::newRow("top: 200 h") << 1 << 720000 << "200 h";
        QTest::newRow("100 h") << 2 << 360000 << "100 h";
        QTest::newRow("50 h") << 3 << 180000 << "50 h";
        QTest::newRow("20 h") << 4 << 72000 << "20 h";
        QTest::newRow("10 h") << 5 << 36000 << "10 h";
        QTest::newRow("5 h") << 6 << 18000 << "5 h";
        QTest::newRow("2 h") << 7 << 7200 << "2 h";
        QTest::newRow("1 h") << 8 << 3600 << "1 h";
        QTest::newRow("30 min") << 9 << 1800 << "30 min";
        QTest::newRow("20 min") << 10 << 1200 << "20 min";
        QTest::newRow("start-up: 10 min") << 11 << 600 << "10 min";
        QTest::newRow("5 min") << 12 << 300 << "5 min";
        QTest::newRow("2 min") << 13 << 120 << "2 min";
        QTest::newRow("1 min") << 14 << 60 << "1 min";
        QTest::newRow("30 s") << 15 << 30 << "30 s";
        QTest::newRow("bottom: 20 s") << 16 << 20 << "20 s";
    }
    void durations() {
        QFETCH(int, position);
        QFETCH(int, secondes);
        QFETCH(QString, legende);
        QCOMPARE(dureePosition(position), secondes);
        QCOMPARE(QString::fromStdString(legendeDuree(secondes)), legende);
    }

    void speciesNames_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<QStringList>("noms");
        QTest::newRow("esterification") << 0 << QStringList{"Acide carboxylique", "Alcool", "Ester", "Eau"};
        QTest::newRow("anhydride")
            << 1 << QStringList{"Anhydride d'acide", "Alcool", "Ester", "Acide carboxylique"};
        QTest::newRow("hydrolysis") << 2 << QStringList{"Ester", "Eau", "Acide carboxylique", "Alcool"};
        QTest::newRow("saponification")
            << 3 << QStringList{"Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool"};
        QTest::newRow("beyond the list: the first reaction's")
            << 4 << QStringList{"Acide carboxylique", "Alcool", "Ester", "Eau"};
        QTest::newRow("below the list: the first reaction's")
            << -1 << QStringList{"Acide carboxylique", "Alcool", "Ester", "Eau"};
    }
    void speciesNames() {
        QFETCH(int, reaction);
        QFETCH(QStringList, noms);
        QStringList obtenus;
        for (const auto& nom : nomsEspeces(reaction))
            obtenus << QString::fromStdString(nom);
        QCOMPARE(obtenus, noms);
    }

    void positionOutsideTheSelector() {
        QCOMPARE(dureePosition(0), 0);
        QCOMPARE(dureePosition(17), 0);
        QCOMPARE(dureePosition(positionDureeDemarrage), 600);
    }
};

VEDO_TEST(TestAmountRules);
#include "tst_amountrules.moc"
