#include "TestRegistry.h"

#include "view/TableauCsv.h"
#include "view/TableauValeurs.h"

#include <QtTest>

using namespace vedo;

namespace {
const std::array<std::string, 4> defauts = {"0,1", "0,1", "0", "0"};
QString cellule(const TableauValeurs& t, int r, int c) {
    return QString::fromStdString(t.ligne(r)[static_cast<std::size_t>(c)]);
}
} // namespace

class TestTableauValeurs : public QObject {
    Q_OBJECT
private slots:
    void rowCountsAndTimes_data() {
        QTest::addColumn<int>("defilement");
        QTest::addColumn<int>("duree");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("deuxieme");
        QTest::addColumn<QString>("derniere");
        QTest::addColumn<QString>("enTete");
        QTest::newRow("start-up: 51 rows of 10 min") << 60 << 600 << 51 << "0,2"
                                                     << "10,0"
                                                     << "\r\nt (min)";
        QTest::newRow("101 rows") << 10 << 600 << 101 << "0,1"
                                  << "10,0"
                                  << "\r\nt (min)";
        QTest::newRow("11 rows") << 100 << 600 << 11 << "1,0"
                                 << "10,0"
                                 << "\r\nt (min)";
        QTest::newRow("hours") << 60 << 18000 << 51 << "0,1"
                               << "5,0"
                               << "\r\nt (h)";
        QTest::newRow("seconds") << 60 << 20 << 51 << "0,4"
                                 << "20,0"
                                 << "\r\nt (s)";
    }
    void rowCountsAndTimes() {
        QFETCH(int, defilement);
        QFETCH(int, duree);
        QFETCH(int, lignes);
        QFETCH(QString, deuxieme);
        QFETCH(QString, derniere);
        QFETCH(QString, enTete);
        TableauValeurs t;
        t.prepatab(duree, defilement, defauts, Conditions{});
        QCOMPARE(t.nombreLignes(), lignes);
        QCOMPARE(t.ligne(0).size(), std::size_t(6)); // t, A, B, C, D, Qr
        QCOMPARE(cellule(t, 0, 0), QString("0,0"));
        QCOMPARE(cellule(t, 1, 0), deuxieme);
        QCOMPARE(cellule(t, lignes - 1, 0), derniere);
        QCOMPARE(QString::fromStdString(t.enTetes(0)[0]), enTete);
        QVERIFY(cellule(t, 1, 1).isEmpty());
    }

    void firstRow_data() {
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<int>("distillation");
        QTest::addColumn<int>("espece");
        QTest::addColumn<QStringList>("ligne");
        QTest::newRow("texts as typed, Qr 0")
            << QStringList{"1", "1,0", "0", "0"} << 0 << 0 << QStringList{"1", "1,0", "0", "0", "0"};
        QTest::newRow("no reactant: no Qr")
            << QStringList{"0", "1", "1", "1"} << 0 << 0 << QStringList{"0", "1", "1", "1", ""};
        QTest::newRow("distilled species shows 0 whatever its text")
            << QStringList{"1", "1", "0,5", "0,5"} << 1 << 2 << QStringList{"1", "1", "0", "0,5", "0"};
        QTest::newRow("distilled A shows 0, no Qr left")
            << QStringList{"1", "1", "0,5", "0,5"} << 1 << 0 << QStringList{"0", "1", "0,5", "0,5", ""};
        QTest::newRow("distilled D shows 0 too")
            << QStringList{"1", "1", "0,5", "0,5"} << 1 << 3 << QStringList{"1", "1", "0,5", "0", "0"};
        QTest::newRow("products of unequal amounts: 0,5 x 0,2 / (1 x 2)")
            << QStringList{"1", "2", "0,5", "0,2"} << 0 << 0 << QStringList{"1", "2", "0,5", "0,2", "0,05"};
        QTest::newRow("distillation off keeps the text")
            << QStringList{"1", "1", "0,5", "0,5"} << 0 << 2 << QStringList{"1", "1", "0,5", "0,5", "0,25"};
    }
    void firstRow() {
        QFETCH(QStringList, boites);
        QFETCH(int, distillation);
        QFETCH(int, espece);
        QFETCH(QStringList, ligne);
        std::array<std::string, 4> textes;
        for (int i = 0; i < 4; ++i)
            textes[i] = boites[i].toStdString();
        Conditions c;
        c.distillation = std::int16_t(distillation);
        c.especeVolatile = std::int16_t(espece);
        TableauValeurs t;
        t.prepatab(600, 60, textes, c);
        QStringList obtenue;
        for (int col = 1; col < 6; ++col)
            obtenue << cellule(t, 0, col);
        QCOMPARE(obtenue, ligne);
    }

    void rowsWrittenWithThreeDigits() {
        TableauValeurs t;
        t.prepatab(600, 60, defauts, Conditions{});
        t.ecrireLigne(50, {0.0333333, 0.0444444, 0.0666667, 0.0555556});
        QCOMPARE(cellule(t, 50, 0), QString("10,0")); // the time stays
        QCOMPARE(cellule(t, 50, 1), QString("0,0333"));
        QCOMPARE(cellule(t, 50, 2), QString("0,0444"));
        QCOMPARE(cellule(t, 50, 3), QString("0,0667"));
        QCOMPARE(cellule(t, 50, 4), QString("0,0556"));
        QCOMPARE(cellule(t, 50, 5), QString("2,5")); // 0,0666667 x 0,0555556 / (0,0333333 x 0,0444444)
        // Beyond the grid, at either end: nothing written, no row added.
        t.ecrireLigne(51, {1, 1, 1, 1});
        t.ecrireLigne(-1, {1, 1, 1, 1});
        QCOMPARE(t.nombreLignes(), 51);
        QCOMPARE(cellule(t, 50, 1), QString("0,0333"));
        QCOMPARE(cellule(t, 0, 1), QString("0,1"));
        t.ecrireLigne(3, {0, 1, 1, 1});
        QCOMPARE(cellule(t, 3, 5), QString());
        RemplisseurTableau(t).ligne(4, {0.5, 0.25, 0.125, 1});
        QCOMPARE(cellule(t, 4, 5), QString("1")); // 0,125 x 1 / (0,5 x 0,25)
    }

    void zeroDurationLeavesTheGridEmpty() {
        TableauValeurs t;
        t.prepatab(600, 60, defauts, Conditions{});
        t.prepatab(0, 60, defauts, Conditions{});
        QCOMPARE(t.nombreLignes(), 51);
        QVERIFY(cellule(t, 0, 0).isEmpty());
        QVERIFY(cellule(t, 0, 1).isEmpty());
    }

    void headers() {
        TableauValeurs t;
        t.prepatab(600, 60, defauts, Conditions{});
        QStringList h;
        for (const auto& texte : t.enTetes(3))
            h << QString::fromStdString(texte);
        QCOMPARE(h, (QStringList{"\r\nt (min)", "Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool", "\r\nQr"}));
        // A reaction outside the list names the species of the first one.
        QCOMPARE(QString::fromStdString(t.enTetes(4)[1]), QString("Acide carboxylique"));
        QCOMPARE(QString::fromStdString(t.enTetes(-1)[1]), QString("Acide carboxylique"));
    }

    // The file of 11 rows: a byte-order mark, the headers on one line, then
    // row 0 as typed, a cell with ";" or a quote between quotes.
    void csv_data() {
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<QString>("premiereLigne");
        QTest::newRow("numbers stay as shown") << QStringList{"0,1", "0,1", "0", "0"} << "0,0;0,1;0,1;0;0;0";
        QTest::newRow("separator and quote quoted")
            << QStringList{"1;5", "2\"", "0", "0"} << "0,0;\"1;5\";\"2\"\"\";0;0;";
    }
    void csv() {
        QFETCH(QStringList, boites);
        QFETCH(QString, premiereLigne);
        std::array<std::string, 4> textes;
        for (int i = 0; i < 4; ++i)
            textes[i] = boites[i].toStdString();
        TableauValeurs t;
        t.prepatab(600, 100, textes, Conditions{});
        const QString csv = QString::fromStdString(tableauCsv(t, 0));
        const QStringList lignes = csv.split("\r\n");
        QCOMPARE(lignes.size(), 13); // headers, 11 rows, nothing after the last CR LF
        QCOMPARE(lignes[0], QString("\uFEFFt (min);Acide carboxylique;Alcool;Ester;Eau;Qr"));
        QCOMPARE(lignes[1], premiereLigne);
        QCOMPARE(lignes[11], QString("10,0;;;;;"));
        QCOMPARE(lignes[12], QString());
    }
};

VEDO_TEST(TestTableauValeurs);
#include "tst_tableauvaleurs.moc"
