#include "TestRegistry.h"

#include "mainwindow/BandeOnglets.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace vedo;

class TestBandeOnglets : public QObject {
    Q_OBJECT
    std::unique_ptr<BandeOnglets> bande;
    std::array<QWidget*, 5> panneaux{};

private slots:
    void init() {
        bande = std::make_unique<BandeOnglets>();
        bande->resize(413, 221);
        for (auto& p : panneaux)
            p = new QWidget(bande.get());
        bande->setPanneaux(panneaux);
        bande->show();
        QVERIFY(QTest::qWaitForWindowExposed(bande.get()));
    }

    void premierDessinMontreReaction() {
        QCOMPARE(bande->ongletActif, 1);
        QVERIFY(panneaux[0]->isVisible());
        QCOMPARE(bande->titresOnglets[5], QString("Historique"));
        QCOMPARE(bande->bordsOnglets[0], -1);
        QCOMPARE(bande->bordsOnglets[5], 413);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(bande->bordsOnglets[i] > bande->bordsOnglets[i - 1]);
    }

    // Each tab is its title's width, the active one measured in bold, plus a
    // tenth of the strip's free width on either side; its title starts after
    // that gap, the active one bold and a pixel lower.
    void bordsEtTitres_data() {
        QTest::addColumn<int>("actif");
        QTest::newRow("first tab active") << 1;
        QTest::newRow("middle tab active") << 3;
        QTest::newRow("last tab active") << 5;
    }
    void bordsEtTitres() {
        QFETCH(int, actif);
        std::array<double, 6> largeur{};
        int total = 0;
        for (int i = 1; i <= 5; ++i) {
            largeur[i] = QFontMetricsF(policeArial(8, i == actif)).horizontalAdvance(titreOnglet(i));
            total = int(std::nearbyint(total + largeur[i]));
        }
        const float ecart = float(413 - total) / 10.0f;
        std::array<int, 6> bords{-1, 0, 0, 0, 0, 413};
        for (int i = 1; i <= 4; ++i)
            bords[i] = int(std::nearbyint(bords[i - 1] + largeur[i] + 2.0 * ecart));
        bande->choisir(actif);
        for (int i = 0; i <= 5; ++i)
            QCOMPARE(int(bande->bordsOnglets[i]), bords[i]);

        // The ink of every title: where it starts, its top row, how much of it.
        struct Encre {
            int gauche = 9999, haut = 9999, pixels = 0;
        };
        const auto encre = [&](int i) {
            Encre e;
            const QImage& image = bande->image();
            for (int y = 1; y <= bande->hauteurTitre(); ++y)
                for (int x = bande->bordsOnglets[i - 1] + 1; x < bande->bordsOnglets[i] - 1; ++x)
                    if (qGray(image.pixel(x, y)) < 128) {
                        e.gauche = std::min(e.gauche, x);
                        e.haut = std::min(e.haut, y);
                        ++e.pixels;
                    }
            return e;
        };
        for (int i = 1; i <= 5; ++i) {
            const double debut = bords[i - 1] + ecart;
            QVERIFY2(encre(i).gauche >= debut - 1 && encre(i).gauche <= debut + 2, qPrintable(titreOnglet(i)));
        }
        const int autre = actif == 1 ? 2 : 1;
        const Encre actifGras = encre(actif);
        const Encre autreMaigre = encre(autre);
        bande->choisir(autre);
        QCOMPARE(encre(actif).haut, actifGras.haut - 1);
        QVERIFY(encre(actif).pixels < actifGras.pixels);
        QCOMPARE(encre(autre).haut, autreMaigre.haut + 1);
    }

    // x is the edge `bord` plus `decalage`; -99 as edge gives an x taken as is.
    void selection_data() {
        QTest::addColumn<int>("depart");
        QTest::addColumn<int>("bord");
        QTest::addColumn<int>("decalage");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("attendu");
        QTest::addColumn<bool>("repeint");
        QTest::newRow("lowest line of the tab row selects") << 1 << 3 << -3 << 15 << 3 << true;
        QTest::newRow("top line selects") << 1 << 3 << -3 << 0 << 3 << true;
        QTest::newRow("one pixel below the tab row does nothing") << 1 << 3 << -3 << 16 << 1 << false;
        QTest::newRow("above the strip does nothing") << 1 << 3 << -3 << -1 << 1 << false;
        QTest::newRow("on an edge selects the tab on its left") << 1 << 2 << 0 << 5 << 2 << true;
        QTest::newRow("right of an edge selects the tab on its right") << 1 << 2 << 1 << 5 << 3 << true;
        QTest::newRow("right edge of the strip is the last tab") << 1 << 5 << 0 << 5 << 5 << true;
        QTest::newRow("left of every tab gives the first after repaint") << 3 << 0 << 0 << 5 << 1 << true;
        QTest::newRow("right of every tab gives the first after repaint") << 3 << 5 << 1 << 5 << 1 << true;
        QTest::newRow("active tab does not repaint") << 4 << 4 << -2 << 5 << 4 << false;
    }
    void selection() {
        QFETCH(int, depart);
        QFETCH(int, bord);
        QFETCH(int, decalage);
        QFETCH(int, y);
        QFETCH(int, attendu);
        QFETCH(bool, repeint);
        bande->ongletActif = static_cast<std::int16_t>(depart);
        bande->dessiner();
        const int dessins = bande->nombreDessins();
        bande->relacher(bande->bordsOnglets[bord] + decalage, y);
        QCOMPARE(int(bande->ongletActif), attendu);
        QCOMPARE(bande->nombreDessins() > dessins, repeint);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(panneaux[i]->isVisible(), i == attendu - 1);
    }

    void sourisRelacheeSurLaBande() {
        const int x = (bande->bordsOnglets[3] + bande->bordsOnglets[4]) / 2;
        QTest::mouseRelease(bande.get(), Qt::LeftButton, {}, QPoint(x, 8));
        QCOMPARE(int(bande->ongletActif), 4);
    }

    void ongletActifMesureEnGras() {
        const auto bords1 = bande->bordsOnglets;
        bande->relacher(bande->bordsOnglets[5] - 2, 5);
        QVERIFY(bords1 != bande->bordsOnglets);
    }

    void panneauPlaceDansLeCadre() {
        const int h = bande->hauteurTitre();
        QCOMPARE(panneaux[0]->geometry(), QRect(4, h + 5, 413 - 8, 221 - h - 9));
    }

    void pixelsDeLaBande_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        const int h = vedo::BandeOnglets().hauteurTitre();
        QTest::newRow("background under the titles") << QPoint(200, h + 3) << QColor(210, 205, 200);
        QTest::newRow("grey outline bottom right") << QPoint(412, 220) << QColor(128, 128, 128);
        QTest::newRow("white left edge") << QPoint(0, 100) << QColor(255, 255, 255);
        QTest::newRow("sunken frame grey top") << QPoint(100, h + 4) << QColor(128, 128, 128);
        QTest::newRow("sunken frame white bottom") << QPoint(100, 217) << QColor(255, 255, 255);
        QTest::newRow("top edge of a tab") << QPoint(200, 0) << QColor(255, 255, 255);
        QTest::newRow("grey outline right column") << QPoint(412, 100) << QColor(128, 128, 128);
        QTest::newRow("sunken frame white right column") << QPoint(409, 100) << QColor(255, 255, 255);
        QTest::newRow("inside the sunken frame left unfilled") << QPoint(408, 100) << QColor(210, 205, 200);
    }
    void pixelsDeLaBande() {
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        QCOMPARE(bande->pixel(point), couleur);
    }

    void ligneDeBaseInterrompueSousOngletActif() {
        const int h = bande->hauteurTitre();
        const int milieu = (bande->bordsOnglets[0] + bande->bordsOnglets[1]) / 2;
        QCOMPARE(bande->pixel(QPoint(milieu + 20, h + 1)), QColor(210, 205, 200));
        QCOMPARE(bande->pixel(QPoint((bande->bordsOnglets[2] + bande->bordsOnglets[3]) / 2, h + 1)),
                 QColor(255, 255, 255));
    }
};

VEDO_TEST(TestBandeOnglets);
#include "tst_bandeonglets.moc"
