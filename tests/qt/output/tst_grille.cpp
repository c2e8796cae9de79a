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

// A word's ink, drawn alone with nothing to cut it.
QRect boiteMot(const QString& mot, const QFont& police) {
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(police);
    p.drawText(QRect(20, 10, 360, 40), Qt::AlignLeft | Qt::AlignTop, mot);
    p.end();
    return boiteEncre(image, image.rect());
}

enum Largeurs { fenetre, justes, etroites };

QStringList mots(const QString& legende) {
    return legende.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}
} // namespace

class TestGrille : public QObject {
    Q_OBJECT
private slots:
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
        QTest::addColumn<int>("largeurs");
        const QStringList esterification{"\r\nt (min)", "Acide carboxylique", "Alcool", "Ester", "Eau", "\r\nQr"};
        QTest::newRow("esterification at the window's widths") << esterification << int(fenetre);
        QTest::newRow("saponification at the window's widths")
            << QStringList{"\r\nt (s)", "Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool", "\r\nQr"}
            << int(fenetre);
        QTest::newRow("anhydride at the window's widths")
            << QStringList{"\r\nt (h)", "Anhydride d'acide", "Alcool", "Ester", "Acide carboxylique", "\r\nQr"}
            << int(fenetre);
        QTest::newRow("columns a grid line each side wider than their longest word") << esterification << int(justes);
        QTest::newRow("species narrower than their names, as with a wider font")
            << QStringList{"\r\nt (min)", "Anhydride", "Hydroxyde", "Carboxylate", "Alcool", "\r\nQr"}
            << int(etroites);
    }
    void headerWhole() {
        QFETCH(QStringList, legendes);
        QFETCH(int, largeurs);
        const QString titre = QStringLiteral("Quantités de matière (mol)");
        auto grille = grilleEssai(3, 6, 16, 68);
        const QFont police = policeArial();
        const QFontMetrics mesure(police);
        grille->setFont(police);
        for (int c = 0; c < 6; ++c) {
            int mot = 0;
            for (const QString& m : mots(legendes[c]))
                mot = std::max(mot, mesure.horizontalAdvance(m));
            const bool espece = c >= 1 && c <= 4;
            // The window's widths, with room for every word at this machine's font, or tighter.
            grille->setColumnWidth(c, largeurs == justes                ? mot + 2
                                      : largeurs == etroites && espece ? mot * 2 / 3
                                                                       : std::max(c == 0 ? 48 : 68, mot + 2));
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
        QVERIFY(!bandeau.isEmpty());
        if (largeurs != etroites) QVERIFY(bandeau.width() >= boiteMot(titre, police).width() - 1);

        int gauche = 0;
        for (int c = 0; c < 6; ++c) {
            const int large = grille->columnWidth(c);
            const bool sousTitre = c >= 1 && c <= 4;
            const QRect zone(gauche + 1, sousTitre ? basTitre + 1 : 1, large - 1,
                             picture.hauteurEnTete - (sousTitre ? basTitre + 1 : 1));
            const QRect legende = boiteEncre(image, zone);
            gauche += large;
            const QByteArray quoi = QStringLiteral("%1: %2 x %3 pixels")
                                        .arg(legendes[c].trimmed())
                                        .arg(legende.width())
                                        .arg(legende.height())
                                        .toUtf8();
            QVERIFY2(!legende.isEmpty(), quoi);
            const bool tropLarge = mots(legendes[c]).size() == 1 && mesure.horizontalAdvance(legendes[c].trimmed()) > large - 2;
            if (tropLarge) {
                // Too wide for its column: smaller, and as wide as that size makes it.
                const QRect pleine = boiteMot(legendes[c].trimmed(), police);
                QVERIFY2(legende.height() < pleine.height(), quoi);
                QVERIFY2(legende.width() >= pleine.width() * legende.height() / pleine.height() - 4, quoi);
                continue;
            }
            // Cut, a caption is no wider than its place; whole, as wide as its longest word at least.
            for (const QString& mot : mots(legendes[c]))
                QVERIFY2(legende.width() >= boiteMot(mot, police).width() - 1, quoi);
            if (mesure.horizontalAdvance(legendes[c].trimmed()) > large - 2)
                QVERIFY2(legende.height() > mesure.height(), quoi);
            else if (legendes[c].startsWith('\r'))
                // Its first line is empty, as on the window.
                QVERIFY2(legende.top() > picture.hauteurEnTete / 2 - 2, quoi);
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
