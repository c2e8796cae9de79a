#include "GrilleEssai.h"
#include "TestRegistry.h"

#include "output/Grille.h"
#include "platform/PictureBox.h"

#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

using namespace vedo;

namespace {
bool encre(QRgb p) {
    return qGray(p) < 128;
}

// The box of the dark pixels of a part of an image.
QRect boiteEncre(const QImage& image, const QRect& zone) {
    QRect boite;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (encre(image.pixel(x, y))) boite |= QRect(x, y, 1, 1);
    return boite;
}

// How wide a word's ink is, drawn alone with nothing to cut it.
int largeurEncre(const QString& mot, const QFont& police) {
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(police);
    p.drawText(QRect(20, 10, 360, 40), Qt::AlignLeft | Qt::AlignTop, mot);
    p.end();
    return boiteEncre(image, image.rect()).width();
}

QStringList mots(const QString& legende) {
    return legende.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}
} // namespace

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
        QTest::newRow("a carriage return and line feed inside a cell keep their length")
            << QList<QStringList>{{"t\r\n(min)", "x"}} << "t\n\n(min)\tx";
        QTest::newRow("carriage returns in a row, a cell's end and the last cell")
            << QList<QStringList>{{"\r\r\n", "y\r"}, {"z", "\r"}} << "\n\n\n\ty\n\nz\t\n";
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
        const ImageGrille image = imageGrille(*grille, {enTetes});
        QCOMPARE(image.hauteurEnTete > 0, avecEnTete);
        QCOMPARE(image.image.width(), 40 + 60 + 60 + 1);
        QCOMPARE(image.image.height(), image.hauteurEnTete + 4 * 16 + 1);
        const int h = image.hauteurEnTete;
        QCOMPARE(image.finsLignes, (QList<int>{h + 16, h + 32, h + 48, h + 64}));
    }

    // The header of the table's picture reads as the window's labels: the
    // title over the species, each caption whole, "t" and "Qr" on their
    // second line.
    void headerWhole_data() {
        QTest::addColumn<QStringList>("legendes");
        QTest::addColumn<bool>("auPlusJuste");
        const QStringList esterification{"\r\nt (min)", "Acide carboxylique", "Alcool", "Ester", "Eau", "\r\nQr"};
        QTest::newRow("esterification at the window's widths") << esterification << false;
        QTest::newRow("saponification at the window's widths")
            << QStringList{"\r\nt (s)", "Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool", "\r\nQr"} << false;
        QTest::newRow("anhydride at the window's widths")
            << QStringList{"\r\nt (h)", "Anhydride d'acide", "Alcool", "Ester", "Acide carboxylique", "\r\nQr"}
            << false;
        QTest::newRow("columns a grid line each side wider than their longest word") << esterification << true;
    }
    void headerWhole() {
        QFETCH(QStringList, legendes);
        QFETCH(bool, auPlusJuste);
        const QString titre = QStringLiteral("Quantités de matière (mol)");
        auto grille = grilleEssai(3, 6, 16, 68);
        const QFont police = policeArial();
        grille->setFont(police);
        for (int c = 0; c < 6; ++c) {
            int mot = 0;
            for (const QString& m : mots(legendes[c]))
                mot = std::max(mot, QFontMetrics(police).horizontalAdvance(m));
            // The window's widths, or as narrow as a whole word allows.
            grille->setColumnWidth(c, auPlusJuste ? mot + 2 : std::max(c == 0 ? 48 : 68, mot + 2));
        }
        const ImageGrille picture = imageGrille(*grille, {legendes, titre, 1, 4});
        const QImage& image = picture.image;
        QVERIFY(picture.hauteurEnTete > 0);

        // The title's band ends at the first grid line below it.
        const int gaucheTitre = grille->columnWidth(0);
        int basTitre = 1;
        while (basTitre < picture.hauteurEnTete && qGray(image.pixel(gaucheTitre + 1, basTitre)) > 200)
            ++basTitre;
        QVERIFY(basTitre < picture.hauteurEnTete);
        int droiteTitre = gaucheTitre;
        for (int c = 1; c <= 4; ++c)
            droiteTitre += grille->columnWidth(c);
        const QRect bandeau = boiteEncre(image, QRect(gaucheTitre + 1, 1, droiteTitre - gaucheTitre - 1, basTitre - 1));
        QVERIFY2(bandeau.width() >= largeurEncre(titre, police) - 1, qPrintable(QString::number(bandeau.width())));

        int gauche = 0;
        for (int c = 0; c < 6; ++c) {
            const int large = grille->columnWidth(c);
            const bool sousTitre = c >= 1 && c <= 4;
            const QRect zone(gauche + 1, sousTitre ? basTitre + 1 : 1, large - 1,
                             picture.hauteurEnTete - (sousTitre ? basTitre + 1 : 1));
            const QRect legende = boiteEncre(image, zone);
            gauche += large;
            QVERIFY2(!legende.isEmpty(), qPrintable(legendes[c]));
            // Cut, a caption is no wider than its place; whole, as wide as its longest word at least.
            for (const QString& mot : mots(legendes[c]))
                QVERIFY2(legende.width() >= largeurEncre(mot, police) - 1,
                         qPrintable(QStringLiteral("%1: %2 pixels").arg(legendes[c]).arg(legende.width())));
            const int ligne = QFontMetrics(police).height();
            const bool uneLigne = QFontMetrics(police).horizontalAdvance(legendes[c].trimmed()) <= large - 2;
            if (!uneLigne)
                QVERIFY2(legende.height() > ligne, qPrintable(legendes[c]));
            else if (legendes[c].startsWith('\r'))
                // Its first line is empty, as on the window.
                QVERIFY2(legende.top() > picture.hauteurEnTete / 2 - 2, qPrintable(legendes[c]));
        }
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
