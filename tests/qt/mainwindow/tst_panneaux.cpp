#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QtTest>

using namespace vedo;

class TestPanneaux : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

    PictureBox* panneau(int onglet) {
        f->choisirOnglet(onglet);
        const std::array<PictureBox*, 4> panneaux = {controles(*f).Picture4, controles(*f).Picture3, controles(*f).frame2,
                                                     controles(*f).Picture1};
        return panneaux[onglet - 1];
    }

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    void pixels_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        const QColor fond(240, 235, 230);
        QTest::newRow("reaction panel background") << 1 << QPoint(5, 5) << fond;
        QTest::newRow("conditions panel background") << 2 << QPoint(5, 190) << fond;
        QTest::newRow("display panel background") << 3 << QPoint(5, 190) << fond;
        QTest::newRow("follow-up panel background") << 4 << QPoint(5, 190) << fond;
        QTest::newRow("scale cold end") << 2 << QPoint(52, 40) << QColor(0, 128, 255);
        QTest::newRow("scale hot end") << 2 << QPoint(352, 40) << QColor(255, 0, 0);
        QTest::newRow("scale middle") << 2 << QPoint(202, 72) << QColor(128, 64, 127);
        QTest::newRow("first white mark") << 2 << QPoint(91, 41) << QColor(255, 255, 255);
        QTest::newRow("last white mark") << 2 << QPoint(311, 41) << QColor(255, 255, 255);
        QTest::newRow("no mark past the last") << 2 << QPoint(333, 41) << QColor(239, 8, 16);
        QTest::newRow("scale stops 8 pixels below the bar") << 2 << QPoint(52, 74) << fond;
    }
    void pixels() {
        QFETCH(int, onglet);
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        QCOMPARE(panneau(onglet)->pixel(point), couleur);
    }

    void fondDeLaFenetre_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        QTest::newRow("white at the top") << QPoint(4, 44) << QColor(251, 251, 250);
        QTest::newRow("halfway") << QPoint(4, 300) << QColor(228, 228, 218);
        QTest::newRow("bottom") << QPoint(4, 599) << QColor(200, 200, 180);
        QTest::newRow("shadow right of the exercise area") << QPoint(794, 400) << QColor(128, 128, 128);
        QTest::newRow("shadow below the exercise area") << QPoint(600, 520) << QColor(128, 128, 128);
        QTest::newRow("no shadow above its top + 3") << QPoint(794, 290) << QColor(228, 228, 219);
    }
    void fondDeLaFenetre() {
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        const QImage image = f->fenetre->grab().toImage();
        QCOMPARE(image.pixelColor(point), couleur);
    }

    void classeCacheeLigneGardee_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<bool>("classe");
        QTest::newRow("esterification") << 0 << true;
        QTest::newRow("anhydride") << 1 << false;
        QTest::newRow("hydrolysis") << 2 << true;
        QTest::newRow("saponification") << 3 << false;
    }
    void classeCacheeLigneGardee() {
        QFETCH(int, reaction);
        QFETCH(bool, classe);
        PictureBox* p = panneau(1);
        controles(*f).Picture4->Combo1->setCurrentIndex(reaction);
        QCOMPARE(controles(*f).Picture4->Combo2->isVisible(), classe);
        // "État initial" stays on the same line: its first letter has ink there.
        const double y = 36 + 4 * p->hauteurTexte() + 8;
        bool encre = false;
        for (int x = 18; x < 30 && !encre; ++x)
            for (int dy = 2; dy < 10; ++dy)
                if (p->pixel(QPointF(x, y + dy)).lightness() < 128) encre = true;
        QVERIFY(encre);
        // The class caption is drawn only when asked.
        bool legende = false;
        for (int x = 18; x < 120; ++x)
            for (int dy = 2; dy < 10; ++dy)
                if (p->pixel(QPointF(x, 36 + 2 * p->hauteurTexte() + 4 + dy)).lightness() < 128)
                    legende = true;
        QCOMPARE(legende, classe);
    }

    void especesDansLeurCouleur() {
        PictureBox* p = panneau(1);
        controles(*f).Picture4->Combo1->setCurrentIndex(2); // "Eau" over B, in the colour of B
        const QRect boite = controles(*f).Picture4->Text1[1]->geometry();
        bool magenta = false;
        for (int x = boite.left(); x < boite.right(); ++x)
            for (int y = boite.top() - 21; y < boite.top() - 8; ++y)
                if (const QColor c = p->pixel(QPointF(x, y));
                    c.red() > 150 && c.blue() > 150 && c.green() < 120)
                    magenta = true;
        QVERIFY(magenta);
    }

    // Controls that must keep their own colour whatever the style or the
    // desktop's theme paints behind them.
    void fondsDesControles_data() {
        QTest::addColumn<bool>("themeSombre");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        QTest::newRow("inside of the curve frame, under the swatches")
            << false << "Frame1" << QPoint(5, 70) << QColor(240, 235, 230);
        QTest::newRow("inside of the curve frame, right of the choices")
            << false << "Frame1" << QPoint(293, 36) << QColor(240, 235, 230);
        QTest::newRow("exercise title box") << false << "fich" << QPoint(350, 10) << QColor(Qt::white);
        QTest::newRow("exercise title box on a dark theme")
            << true << "fich" << QPoint(350, 10) << QColor(Qt::white);
    }
    void fondsDesControles() {
        QFETCH(bool, themeSombre);
        QFETCH(QString, controle);
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        const QPalette avant = QApplication::palette();
        if (themeSombre) {
            QPalette sombre = avant;
            sombre.setColor(QPalette::Base, QColor(30, 30, 30));
            sombre.setColor(QPalette::Window, QColor(40, 40, 40));
            QApplication::setPalette(sombre);
            f = std::make_unique<FenetreDeTest>();
        }
        panneau(4);
        auto* widget = (*f)->findChild<QWidget*>(controle);
        QVERIFY(widget);
        const QColor obtenue = widget->grab().toImage().pixelColor(point);
        QApplication::setPalette(avant);
        QCOMPARE(obtenue, couleur);
    }

    void etiquettesQuiSuiventLeTexte() {
        panneau(4);
        PanneauSuivi* s = controles(*f).Picture1;
        s->setGras(true);
        // The caption's own width in the panel's bold font, measured apart
        // from the panel.
        const double largeur =
            QFontMetricsF(policeArial(8, true)).horizontalAdvance("Durée de l'enregistrement : ");
        QCOMPARE(s->Label2->x(), qRound(18 + largeur));
        QCOMPARE(s->VScroll2->x(), s->Label2->x() + s->Label2->width());
        QCOMPARE(s->VScroll2->y(), s->Label2->y());
        QCOMPARE(s->Label3->y(), s->Option1[1]->y() + 20 - 2);
    }
};

VEDO_TEST(TestPanneaux);
#include "tst_panneaux.moc"
