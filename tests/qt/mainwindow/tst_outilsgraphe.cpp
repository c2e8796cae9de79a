#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "platform/DessinQt.h"
#include "mainwindow/FenetreHorsEcran.h"
#include "mainwindow/IconesBoutons.h"
#include "view/Tangente.h"

#include <QMouseEvent>
#include <QtTest>

using namespace vedo;

namespace {

const QColor bleu(0, 0, 255);
const QColor orange(255, 128, 0);
const QColor rouge(255, 0, 0);

void regler(FenetreDeTest& f, const QStringList& quantites) {
    for (int i = 0; i < 4; ++i)
        controles(f).Picture4->Text1[i]->setText(quantites[i]);
}

// 100 degC with the catalyst: the curves bend well within ten minutes.
void chaufferAvecCatalyseur(FenetreDeTest& f) {
    controles(f).Picture3->HScroll1->setValue(1000);
    controles(f).Picture3->Check5->setChecked(true);
}

void montrerSeulement(FenetreDeTest& f, int espece) {
    for (int i = 0; i < 4; ++i)
        controles(f).Picture1->option2[i]->setChecked(i == espece);
    f->modele().option2_Click();
}

// The mouse at a point of the picture, in its user units.
void survoler(FenetreDeTest& f, double x, double y) {
    const QPointF local = QPointF(x, y) - controles(f).Picture2->origine();
    QMouseEvent deplacement(QEvent::MouseMove, local, controles(f).Picture2->mapToGlobal(local), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(controles(f).Picture2, &deplacement);
}

void cliquer(FenetreDeTest& f, double x, double y) {
    survoler(f, x, y);
    const QPointF local = QPointF(x, y) - controles(f).Picture2->origine();
    const QPointF global = controles(f).Picture2->mapToGlobal(local);
    QMouseEvent appui(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(controles(f).Picture2, &appui);
    QMouseEvent relache(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(controles(f).Picture2, &relache);
}

int nombreMenus(FenetreDeTest& f) {
    int menus = 0;
    for (const auto& q : f.prompteur.questions)
        menus += q.genre == "menu" ? 1 : 0;
    return menus;
}

// Rows of the graph, in its user units, where column x has colour c.
QList<int> lignesDeCouleur(const PictureBox* graphe, int x, const QColor& c, int haut = -8, int bas = 460) {
    QList<int> lignes;
    for (int y = haut; y <= bas; ++y)
        if (graphe->pixel(QPointF(x, y)) == c) lignes << y;
    return lignes;
}
QList<int> lignesDeCouleur(FenetreDeTest& f, int x, const QColor& c, int haut = -8, int bas = 460) {
    return lignesDeCouleur(controles(f).Picture2, x, c, haut, bas);
}

bool colonneSansCourbe(FenetreDeTest& f, int x, int k) {
    for (const QColor& c : {QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 128, 0), QColor(0, 192, 0)})
        if (!lignesDeCouleur(f, x, c, 10, 10 + 200 * k).isEmpty()) return false;
    return true;
}

// Every pixel of `a` has its colour in `b` at most one pixel away.
bool aUnPixelPres(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    const QRect cadre = b.rect();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool trouve = false;
            for (int dy = -1; dy <= 1 && !trouve; ++dy)
                for (int dx = -1; dx <= 1 && !trouve; ++dx)
                    trouve = cadre.contains(x + dx, y + dy) && b.pixel(x + dx, y + dy) == a.pixel(x, y);
            if (!trouve) return false;
        }
    return true;
}

bool rougeAutour(FenetreDeTest& f, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (controles(f).Picture2->pixel(QPointF(x + dx, y + dy)) == rouge) return true;
    return false;
}

} // namespace

class TestOutilsGraphe : public QObject {
    Q_OBJECT
private slots:
    void readoutAtThePlotCorners_data() {
        QTest::addColumn<bool>("agrandi");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("tempsCurseur");
        QTest::addColumn<QString>("lecture");
        QTest::newRow("t = 0 at the top") << false << 50.0 << 10.0 << 0 << "t = 0 s ; n = 2 mol";
        QTest::newRow("t = duree on the time axis")
            << false << 350.0 << 210.0 << 600 << "t = 10 min 0 s ; n = 0 mol";
        QTest::newRow("59.6 s read as 60 s") << false << 79.8 << 110.0 << 60 << "t = 60 s ; n = 1 mol";
        QTest::newRow("enlarged, t = duree at the top")
            << true << 650.0 << 10.0 << 600 << "t = 10 min 0 s ; n = 2 mol";
        QTest::newRow("enlarged, t = 0 on the time axis")
            << true << 50.0 << 410.0 << 0 << "t = 0 s ; n = 0 mol";
    }
    void readoutAtThePlotCorners() {
        QFETCH(bool, agrandi);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, tempsCurseur);
        QFETCH(QString, lecture);
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        controles(f).Command9->click();
        if (agrandi) controles(f).Command12->click();
        f->modele().tempsCurseur = -1;
        survoler(f, x, y);
        QCOMPARE(controles(f).Picture2->toolTip(), lecture);
        QCOMPARE(controles(f).Picture2->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(f->modele().tempsCurseur, tempsCurseur);
        QCOMPARE(controles(f).info->text(),
                 QString("Vous pouvez lire les coordonnées d'un point et tracer la tangente à une courbe"));
    }

    void hoursMinutesAndSecondsOnALongRun() {
        FenetreDeTest f;
        controles(f).Picture1->VScroll2->setValue(6); // 5 h
        QCOMPARE(f->modele().duree, 18000);
        survoler(f, 50 + 3725.0 / 60, 110); // 60 s a pixel
        QCOMPARE(controles(f).Picture2->toolTip().section(" ; ", 0, 0), QString("t = 1 h 2 min 5 s"));
        QCOMPARE(f->modele().tempsCurseur, 3725);
    }

    void cursorOutsideThePlotArea_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("left of the amount axis") << 49.0 << 100.0;
        QTest::newRow("right of the plot") << 351.0 << 100.0;
        QTest::newRow("above the plot") << 200.0 << 9.0;
        QTest::newRow("among the time graduations") << 200.0 << 215.0;
    }
    void cursorOutsideThePlotArea() {
        QFETCH(double, x);
        QFETCH(double, y);
        FenetreDeTest f;
        controles(f).Command3->click();
        survoler(f, 200, 100);
        QVERIFY(controles(f).Label5->isVisible());
        const std::int32_t avant = f->modele().tempsCurseur;
        survoler(f, x, y);
        QCOMPARE(controles(f).Picture2->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(controles(f).Picture2->toolTip().isEmpty());
        QVERIFY(!controles(f).Label5->isVisible());
        QCOMPARE(f->modele().tempsCurseur, avant);
    }

    void menuCaptions_data() {
        QTest::addColumn<bool>("conserver");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("elements");
        QTest::newRow("one kept run") << false << 1 << "Tangente à la courbe";
        QTest::newRow("one run replacing the last") << false << 3 << "Tangente à la courbe";
        QTest::newRow("two kept runs") << true << 2 << "Tangente à la courbe n° 1|Tangente à la courbe n° 2";
        QTest::newRow("three kept runs")
            << true << 3 << "Tangente à la courbe n° 1|Tangente à la courbe n° 2|Tangente à la courbe n° 3";
    }
    void menuCaptions() {
        QFETCH(bool, conserver);
        QFETCH(int, runs);
        QFETCH(QString, elements);
        FenetreDeTest f;
        if (conserver) controles(f).frame2->Check2->click();
        for (int i = 0; i < runs; ++i)
            controles(f).Command3->click();
        f.prompteur.reponsesMenus.push_back(-1);
        cliquer(f, 200, 100);
        QCOMPARE(nombreMenus(f), 1);
        QCOMPARE(f.prompteur.questions.back().genre, std::string("menu"));
        QCOMPARE(f.prompteur.questions.back().texte, elements.toStdString());
    }

    void noMenu_data() {
        QTest::addColumn<bool>("run");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("no kept run") << false << 200.0 << 100.0;
        QTest::newRow("outside the plot area") << true << 30.0 << 100.0;
        QTest::newRow("under the time axis") << true << 200.0 << 220.0;
    }
    void noMenu() {
        QFETCH(bool, run);
        QFETCH(double, x);
        QFETCH(double, y);
        FenetreDeTest f;
        if (run) controles(f).Command3->click();
        const QImage avant = controles(f).Picture2->image().copy();
        cliquer(f, x, y);
        QCOMPARE(nombreMenus(f), 0);
        QVERIFY(!controles(f).Label5->isVisible());
        QCOMPARE(controles(f).Picture2->image(), avant);
    }

    // The red line crosses the cursor's column where the curve does.
    void tangentTouchesTheCurve_data() {
        QTest::addColumn<int>("espece");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("agrandi");
        QTest::newRow("decreasing A, early") << 0 << 80 << false;
        QTest::newRow("decreasing A, half way") << 0 << 200 << false;
        QTest::newRow("increasing C, early") << 2 << 70 << false;
        QTest::newRow("increasing C, late") << 2 << 300 << false;
        QTest::newRow("decreasing A, enlarged") << 0 << 200 << true;
        QTest::newRow("increasing C, enlarged") << 2 << 500 << true;
    }
    void tangentTouchesTheCurve() {
        QFETCH(int, espece);
        QFETCH(int, x);
        QFETCH(bool, agrandi);
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        chaufferAvecCatalyseur(f);
        montrerSeulement(f, espece);
        controles(f).Command3->click();
        if (agrandi) controles(f).Command12->click();
        const QColor couleur = espece == 0 ? bleu : orange;
        // The curve's rows in the cursor's column and six columns either side.
        QList<QList<int>> courbe;
        for (int ecart : {-6, 0, 6})
            courbe << lignesDeCouleur(f, x + ecart, couleur);
        f.prompteur.reponsesMenus.push_back(0);
        cliquer(f, x, 12);
        for (int i = 0; i < 3; ++i) {
            const int colonne = x + 6 * (i - 1);
            const QList<int> tangente = lignesDeCouleur(f, colonne, rouge);
            QVERIFY(!courbe[i].isEmpty() && !tangente.isEmpty());
            const int marge = i == 1 ? 1 : 2;
            const bool touche = std::any_of(tangente.begin(), tangente.end(), [&](int y) {
                return y >= courbe[i].first() - marge && y <= courbe[i].last() + marge;
            });
            QVERIFY2(touche, qPrintable(QString("column %1: curve at %2..%3, tangent at %4..%5")
                                            .arg(colonne)
                                            .arg(courbe[i].first())
                                            .arg(courbe[i].last())
                                            .arg(tangente.first())
                                            .arg(tangente.last())));
        }
    }

    void horizontalTangentsAtEquilibrium() {
        FenetreDeTest f;
        regler(f, {"1", "1", "0", "0"});
        chaufferAvecCatalyseur(f);
        controles(f).Picture1->VScroll2->setValue(1); // 200 h
        controles(f).Command3->click();
        f.prompteur.reponsesMenus.push_back(0);
        cliquer(f, 300, 100);
        // A and B at 1/3 mol, C and D at 2/3 mol on a 1 mol axis.
        const QList<int> lignes = {77, 143};
        for (int x : {51, 120, 200, 348})
            QCOMPARE(lignesDeCouleur(f, x, rouge), lignes);
    }

    void tangentStartingAboveThePlotArea() {
        FenetreDeTest f;
        regler(f, {"1,5", "1", "0", "0"});
        chaufferAvecCatalyseur(f);
        controles(f).Picture1->VScroll2->setValue(8); // 1 h
        montrerSeulement(f, 0);
        controles(f).Command3->click();
        // Smaller amounts typed afterwards lower the axis under the kept curve's start.
        regler(f, {"1", "1", "0", "0"});
        f->modele().Text1_LostFocus(0);
        QCOMPARE(f->modele().ymax, 1.0f);
        f.prompteur.reponsesMenus.push_back(0);
        cliquer(f, 150, 100); // 20 min
        const auto s = tangentes(f.etat.courbes.emplacement(0), f->modele().tempsCurseur, {1, f->modele().duree, f->modele().ymax},
                                 f->modele().courbesAffichees())
                           .segments[0];
        QVERIFY(s.has_value());
        QVERIFY(s->y1 < 10);
        QVERIFY(s->y2 == 210 || s->x2 == 350);
        // Red above the plot area, where the line comes in, and near its end.
        bool rougeAuDessus = false;
        for (int x = 51; x < 350 && !rougeAuDessus; ++x)
            rougeAuDessus = !lignesDeCouleur(f, x, rouge, -8, 9).isEmpty();
        QVERIFY(rougeAuDessus);
        const int xFin = s->x1 + (s->x2 - s->x1) * 9 / 10;
        const int yFin = s->y1 + (s->y2 - s->y1) * 9 / 10;
        QVERIFY(rougeAutour(f, xFin, yFin));
    }

    void tangentLeavesTheRunsConstants() {
        FenetreDeTest f;
        controles(f).frame2->Check2->click();
        controles(f).Command3->click(); // 20 degC
        chaufferAvecCatalyseur(f);
        controles(f).Command3->click();
        QCOMPARE(f->modele().kDirect, 1.08e-3f);
        f.prompteur.reponsesMenus.push_back(0);
        cliquer(f, 200, 100);
        QCOMPARE(f->modele().kDirect, 4e-5f);
        QCOMPARE(f->modele().kInverse, 1e-5f);
    }

    void enlargedLayout() {
        FenetreDeTest f;
        const QPoint coin = controles(f).Picture2->pos();
        controles(f).Command12->click();
        QCOMPARE(controles(f).Picture2->size(), QSize(789, 503));
        QCOMPARE(controles(f).Picture2->pos(), coin);
        QCOMPARE(int(f->modele().facteurGraphe), 2);
        QCOMPARE(controles(f).Command12->toolTip(), QString("Restaurer"));
        QCOMPARE(controles(f).Command12->icon().pixmap(16, 16).toImage(), iconeRestaurer().pixmap(16, 16).toImage());
        QCOMPARE(controles(f).Command12->geometry().topRight(), QPoint(788, 0));
        QCOMPARE(controles(f).Label5->font().pixelSize(), 16);
        QCOMPARE(controles(f).Label5->pos(), QPoint(275, 18));
        // Over the panels.
        const QWidget* dessus = f->childAt(controles(f).Onglets->geometry().center());
        QVERIFY(dessus == controles(f).Picture2 || controles(f).Picture2->isAncestorOf(dessus));
        // The axes of a 600 x 400 plot area.
        QCOMPARE(controles(f).Picture2->pixel(QPointF(50, 300)), QColor(Qt::black));
        QCOMPARE(controles(f).Picture2->pixel(QPointF(600, 410)), QColor(Qt::black));
    }

    void agrandirTwiceGivesBackTheSameGraph_data() {
        QTest::addColumn<bool>("run");
        QTest::addColumn<bool>("gras");
        QTest::newRow("after a run") << true << false;
        QTest::newRow("after a run in bold") << true << true;
        QTest::newRow("before any run") << false << false;
    }
    void agrandirTwiceGivesBackTheSameGraph() {
        QFETCH(bool, run);
        QFETCH(bool, gras);
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        chaufferAvecCatalyseur(f);
        controles(f).Command9->click();
        if (gras) controles(f).frame2->Check1->click();
        if (run) controles(f).Command3->click();
        const QImage avant = controles(f).Picture2->image().copy();
        const QRect rectangle = controles(f).Picture2->geometry();
        const QPoint etiquette = controles(f).Label5->pos();
        controles(f).Command12->click();
        controles(f).Command12->click();
        QCOMPARE(controles(f).Picture2->geometry(), rectangle);
        // The table's instants no longer cut the steps: a curve may shift by a pixel.
        QVERIFY(aUnPixelPres(controles(f).Picture2->image(), avant));
        QVERIFY(aUnPixelPres(avant, controles(f).Picture2->image()));
        const QImage deuxFois = controles(f).Picture2->image().copy();
        controles(f).Command12->click();
        controles(f).Command12->click();
        QCOMPARE(controles(f).Picture2->image(), deuxFois);
        QCOMPARE(int(f->modele().facteurGraphe), 1);
        QCOMPARE(controles(f).Command12->toolTip(), QString("Agrandir"));
        QCOMPARE(controles(f).Command12->icon().pixmap(16, 16).toImage(), iconeAgrandir().pixmap(16, 16).toImage());
        QCOMPARE(controles(f).Label5->font().pixelSize(), 11);
        QCOMPARE(controles(f).Label5->pos(), etiquette);
        // The panels are within reach again.
        QVERIFY(!controles(f).Picture2->isAncestorOf(f->childAt(controles(f).Onglets->geometry().center())));
    }

    void enlargingBeforeAnyRunShowsTheEmptyGraph() {
        FenetreDeTest f;
        controles(f).Command12->click();
        for (int x = 60; x <= 640; x += 20)
            QVERIFY2(colonneSansCourbe(f, x, 2), qPrintable(QString::number(x)));
    }

    void enlargingDuringAnAnimatedRunKeepsItGoing() {
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        chaufferAvecCatalyseur(f);
        montrerSeulement(f, 0);
        controles(f).Command5->click();
        for (int i = 0; i < 40; ++i) // 200 s at 5 s a tick
            f->modele().Timer1_Timer();
        controles(f).Command12->click();
        QVERIFY(controles(f).Timer1->isActive());
        // Drawn at the new scale up to 200 s (x = 250), nothing beyond.
        QVERIFY(!lignesDeCouleur(f, 240, bleu, 10, 410).isEmpty());
        QVERIFY(colonneSansCourbe(f, 300, 2));
        for (int i = 0; i < 10 && controles(f).Timer1->isActive(); ++i)
            f->modele().Timer1_Timer();
        QVERIFY(!lignesDeCouleur(f, 300, bleu, 10, 410).isEmpty());
        while (controles(f).Timer1->isActive())
            f->modele().Timer1_Timer();
        QVERIFY(!lignesDeCouleur(f, 648, bleu, 10, 410).isEmpty());
        QCOMPARE(int(f.etat.courbes.nbCourbes), 0);
    }

    // The current run is drawn in the swatch's new colour over the kept one:
    // where they coincide, none of the old colour shows.
    void enlargingAfterTypingNewAmountsRedrawsThePreviousRun() {
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        chaufferAvecCatalyseur(f);
        montrerSeulement(f, 0);
        controles(f).Command3->click();
        const QColor sarcelle(0, 128, 128);
        f.prompteur.reponsesCouleurs.push_back(couleurDe(sarcelle));
        f->modele().Label4_Click(0);
        controles(f).Picture4->Text1[0]->setText("3");
        controles(f).Command12->click();
        QCOMPARE(f->modele().ymax, 3.0f);
        for (int x = 60; x <= 640; x += 20) {
            QVERIFY2(!lignesDeCouleur(f, x, sarcelle, 10, 410).isEmpty(), qPrintable(QString::number(x)));
            QVERIFY2(lignesDeCouleur(f, x, bleu, 10, 410).isEmpty(), qPrintable(QString::number(x)));
        }
    }

    void enlargedOptionOfTheOffscreenSession() {
        QStringList arguments = {"--final", "--enlarged", "-o", "w.png"};
        OptionsFenetre options;
        QVERIFY(!lireOptionsFenetre(arguments, options).has_value());
        QVERIFY(options.etatFinal);
        QVERIFY(options.agrandi);
        QCOMPARE(arguments, QStringList({"-o", "w.png"}));
        SessionHorsEcran session(options);
        QCOMPARE(controles(session.fenetre()).Picture2->width(), 789);
        QCOMPARE(controles(session.fenetre()).Command12->toolTip(), QString("Restaurer"));
        // The run of "État final" drawn again at the new size.
        QVERIFY(!lignesDeCouleur(controles(session.fenetre()).Picture2, 400, QColor(255, 0, 255), 10, 410).isEmpty());
    }
};

VEDO_TEST(TestOutilsGraphe);
#include "tst_outilsgraphe.moc"
