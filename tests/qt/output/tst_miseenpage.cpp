#include "FeuillesImages.h"
#include "GrilleEssai.h"
#include "TestRegistry.h"

#include "output/MiseEnPage.h"
#include "platform/PictureBox.h"

#include <QtTest>

#include <set>

using namespace vedo;

namespace {
// A printable area of about A4, in twips: 733 x 1040 pixels at screen scale.
const QSizeF page(11000, 15600);
const QColor rouge(255, 0, 0);
const QColor bleu(0, 0, 255);

QImage uni(int largeur, int hauteur, const QColor& couleur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    return image;
}

Impression impression(int exemplaires, bool animation, bool graphe, int lignesTableau) {
    Impression i;
    i.titre = QStringLiteral("Talvenore - Vedoriruvirivi");
    i.exemplaires = exemplaires;
    if (animation) i.animation = uni(361, 235, rouge);
    if (graphe) i.graphe = uni(413, 235, bleu);
    if (lignesTableau > 0) i.tableau = imageGrille(*grilleEssai(lignesTableau, 3));
    return i;
}

bool sombre(QRgb p) {
    return qGray(p) < 128;
}

// First and last rows of a column holding a colour; -1 when absent.
std::pair<int, int> rangees(const QImage& image, int x, const QColor& couleur) {
    int premiere = -1, derniere = -1;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == couleur) {
            if (premiere < 0) premiere = y;
            derniere = y;
        }
    return {premiere, derniere};
}
} // namespace

class TestMiseEnPage : public QObject {
    Q_OBJECT
private slots:
    void pageCount_data() {
        QTest::addColumn<int>("exemplaires");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("graphe");
        QTest::addColumn<int>("lignesTableau");
        QTest::addColumn<int>("pages");
        // Copies and a table moved to the next page are counted on real PDF files
        // through the print dialog; these are the layouts of the page itself.
        QTest::newRow("short table stays below the pictures") << 1 << true << true << 5 << 1;
        QTest::newRow("long table alone fits below the title") << 1 << false << false << 50 << 1;
        QTest::newRow("table taller than a page goes on") << 1 << true << true << 80 << 3;
        QTest::newRow("each copy of a split table starts a page") << 3 << true << true << 80 << 9;
    }
    void pageCount() {
        QFETCH(int, exemplaires);
        QFETCH(bool, animation);
        QFETCH(bool, graphe);
        QFETCH(int, lignesTableau);
        QFETCH(int, pages);
        FeuillesImages feuilles(page);
        imprimerCopies(feuilles, impression(exemplaires, animation, graphe, lignesTableau));
        QCOMPARE(static_cast<int>(feuilles.pages().size()), pages);
    }

    void titleAloneAtTopLeft() {
        FeuillesImages feuilles(page);
        imprimerCopies(feuilles, impression(1, false, false, 0));
        const QImage& feuille = feuilles.pages().front();
        QRect encre;
        for (int y = 0; y < feuille.height(); ++y)
            for (int x = 0; x < feuille.width(); ++x)
                if (sombre(feuille.pixel(x, y))) encre |= QRect(x, y, 1, 1);
        QVERIFY(!encre.isEmpty());
        QVERIFY2(encre.left() <= 2 && encre.top() <= 6, qPrintable(QString::number(encre.left())));
        // Arial 12 bold: one line of about 16 pixels, nothing else below.
        QVERIFY(encre.bottom() < 24);
        QVERIFY(encre.width() > 100);
    }

    void picturesCentredAtScreenSize() {
        FeuillesImages feuilles(page);
        imprimerCopies(feuilles, impression(1, true, true, 0));
        const QImage& feuille = feuilles.pages().front();
        const int milieu = feuille.width() / 2;

        // The apparatus picture starts at a twentieth of the page height.
        const auto [hautRouge, basRouge] = rangees(feuille, milieu, rouge);
        QCOMPARE(hautRouge, qRound(page.height() / 20 / twipsParPixel));
        QCOMPARE(basRouge - hautRouge + 1, 235);
        int gauche = 0;
        while (feuille.pixelColor(gauche, hautRouge + 10) != rouge)
            ++gauche;
        int droite = feuille.width() - 1;
        while (feuille.pixelColor(droite, hautRouge + 10) != rouge)
            --droite;
        QCOMPARE(droite - gauche + 1, 361);
        QVERIFY(qAbs((gauche + droite + 1) / 2 - milieu) <= 1);

        // The graph comes two empty lines of 10 points below it.
        const auto [hautBleu, basBleu] = rangees(feuille, milieu, bleu);
        QCOMPARE(basBleu - hautBleu + 1, 235);
        QVERIFY2(hautBleu - basRouge > 20 && hautBleu - basRouge < 40, qPrintable(QString::number(hautBleu)));
    }

    void tableAtATenthWithItsLeftLine() {
        FeuillesImages feuilles(page);
        imprimerCopies(feuilles, impression(1, false, false, 10));
        const QImage& feuille = feuilles.pages().front();
        const int x = qFloor(page.width() / 10 / twipsParPixel);
        int noirs = 0;
        for (int y = 0; y < feuille.height(); ++y)
            noirs += feuille.pixelColor(x, y) == Qt::black;
        // Ten rows of 16 pixels and the closing line.
        QVERIFY2(qAbs(noirs - 161) <= 2, qPrintable(QString::number(noirs)));
        QVERIFY(feuille.pixelColor(x - 3, 200) == Qt::white);
    }

    // The header, title over the species included, counts in whether the
    // table fits below what is printed already.
    void tableFitsWithItsHeader_data() {
        QTest::addColumn<int>("manque");
        QTest::addColumn<bool>("deplace");
        QTest::newRow("two pixels to spare: stays below the title") << -2 << false;
        QTest::newRow("short by less than its header: moves to the next page") << 8 << true;
    }
    void tableFitsWithItsHeader() {
        QFETCH(int, manque);
        QFETCH(bool, deplace);
        auto grille = grilleEssai(40, 6, 16, 68);
        grille->setFont(policeArial());
        Impression i = impression(1, false, false, 0);
        i.titre.clear();
        i.tableau = imageGrille(*grille, {{"\r\nt (min)", "Acide carboxylique", "Alcool", "Ester", "Eau", "\r\nQr"},
                                          QStringLiteral("Quantités de matière (mol)"), 1, 4});
        const int x = qFloor(page.width() / 10 / twipsParPixel);
        // Where the table starts below the empty title line.
        FeuillesImages essai(page);
        imprimerCopies(essai, i);
        const int haut = rangees(essai.pages().front(), x, Qt::black).first;
        QVERIFY(haut > 0);

        const QSizeF juste(page.width(), (haut + i.tableau->image.height() - manque) * double(twipsParPixel));
        FeuillesImages feuilles(juste);
        imprimerCopies(feuilles, i);
        QCOMPARE(rangees(feuilles.pages().front(), x, Qt::black).first < 0, deplace);
        QCOMPARE(feuilles.pages().size() > 1, deplace);
    }

    void splitTableKeepsEveryRowOnce() {
        auto grille = grilleEssai(80, 3);
        for (int r = 0; r < 80; ++r)
            for (int c = 0; c < 3; ++c)
                grille->item(r, c)->setBackground(QColor(100 + r, 150, 250 - r));
        Impression i = impression(1, true, true, 0);
        i.tableau = imageGrille(*grille, {{"t", "A", "B"}});
        FeuillesImages feuilles(page);
        imprimerCopies(feuilles, i);
        const auto& pages = feuilles.pages();
        QCOMPARE(static_cast<int>(pages.size()), 3);

        // Sample the first column away from its text.
        const int x = qFloor(page.width() / 10 / twipsParPixel) + 50;
        std::multiset<QRgb> rangeesVues;
        for (const QImage& feuille : pages) {
            QRgb precedente = 0;
            for (int y = 0; y < feuille.height(); ++y) {
                const QColor c = feuille.pixelColor(x, y);
                const bool ligne = c.green() == 150 && c.red() + c.blue() == 350;
                if (ligne && c.rgb() != precedente) rangeesVues.insert(c.rgb());
                precedente = c.rgb();
            }
        }
        QCOMPARE(static_cast<int>(rangeesVues.size()), 80);
        QCOMPARE(static_cast<int>(std::set<QRgb>(rangeesVues.begin(), rangeesVues.end()).size()), 80);

        // The header row heads the continued table too.
        const int haut = qCeil(page.height() / 20 / twipsParPixel);
        QCOMPARE(pages[2].pixelColor(x, haut + 3), QColor(240, 235, 230));
    }
};

VEDO_TEST(TestMiseEnPage);
#include "tst_miseenpage.moc"
