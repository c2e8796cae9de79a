#include "GrilleEssai.h"
#include "TestRegistry.h"

#include "output/Grille.h"

#include <QtTest>

using namespace vedo;

class TestGrille : public QObject {
    Q_OBJECT
private slots:
    void cellsAsText_data() {
        QTest::addColumn<QList<QStringList>>("cellules");
        QTest::addColumn<QString>("texte");
        QTest::newRow("3 columns, 2 rows")
            << QList<QStringList>{{"a", "b", "c"}, {"d", "e", "f"}} << "a\tb\tc\nd\te\tf";
        QTest::newRow("empty cells keep their tabs")
            << QList<QStringList>{{"0,0", "", ""}, {"", "", "4"}} << "0,0\t\t\n\t\t4";
        QTest::newRow("a carriage return inside a cell")
            << QList<QStringList>{{"t\r\n(min)", "x"}} << "t\n(min)\tx";
        QTest::newRow("a lone carriage return") << QList<QStringList>{{"a\rb"}} << "a\nb";
        QTest::newRow("one cell") << QList<QStringList>{{"1,5"}} << "1,5";
    }
    void cellsAsText() {
        QFETCH(QList<QStringList>, cellules);
        QFETCH(QString, texte);
        QTableWidget grille(static_cast<int>(cellules.size()), static_cast<int>(cellules[0].size()));
        for (int r = 0; r < grille.rowCount(); ++r)
            for (int c = 0; c < grille.columnCount(); ++c)
                if (!cellules[r][c].isEmpty()) grille.setItem(r, c, new QTableWidgetItem(cellules[r][c]));
        const QString copie = texteGrille(grille);
        QCOMPARE(copie, texte);
        QVERIFY(!copie.contains('\r'));
    }

    void noRowsNoText() {
        QTableWidget grille(0, 6);
        QCOMPARE(texteGrille(grille), QString());
    }

    void pictureGeometry_data() {
        QTest::addColumn<QStringList>("enTetes");
        QTest::addColumn<bool>("enTeteGrille");
        QTest::addColumn<bool>("avecEnTete");
        QTest::newRow("cells only") << QStringList() << false << false;
        QTest::newRow("captions given") << QStringList{"\r\nt (min)", "Ester", "\r\nQr"} << false << true;
        QTest::newRow("the grid's own header") << QStringList() << true << true;
    }
    void pictureGeometry() {
        QFETCH(QStringList, enTetes);
        QFETCH(bool, enTeteGrille);
        QFETCH(bool, avecEnTete);
        auto grille = grilleEssai(4, 3, 16, 60);
        grille->setColumnWidth(0, 40);
        grille->horizontalHeader()->setVisible(enTeteGrille);
        const ImageGrille image = imageGrille(*grille, enTetes);
        QCOMPARE(image.hauteurEnTete > 0, avecEnTete);
        QCOMPARE(image.image.width(), 40 + 60 + 60 + 1);
        QCOMPARE(image.image.height(), image.hauteurEnTete + 4 * 16 + 1);
        const int h = image.hauteurEnTete;
        QCOMPARE(image.finsLignes, (QList<int>{h + 16, h + 32, h + 48, h + 64}));
    }

    void hiddenTextStaysHidden() {
        // Unticking "Afficher Qr " turns that column's text white.
        auto grille = grilleEssai(3, 2, 16, 60);
        for (int r = 0; r < 3; ++r)
            grille->item(r, 1)->setForeground(Qt::white);
        const QImage image = imageGrille(*grille).image;
        auto encre = [&](int gauche, int droite) {
            int n = 0;
            for (int y = 1; y < image.height() - 1; ++y)
                for (int x = gauche; x < droite; ++x)
                    n += qGray(image.pixel(x, y)) < 100;
            return n;
        };
        QVERIFY(encre(2, 58) > 0);
        QCOMPARE(encre(62, 118), 0);
    }
};

VEDO_TEST(TestGrille);
#include "tst_grille.moc"
