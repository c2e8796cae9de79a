#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QtTest>

using namespace vedo;

namespace {

QColor pixelGraphe(FenetreDeTest& f, int x, int y) {
    return controles(f).Picture2->pixel(QPointF(x, y));
}

QStringList ligne(FenetreDeTest& f, int r) {
    QStringList cellules;
    for (int c = 0; c < 6; ++c) {
        const QTableWidgetItem* e = controles(f).MSFlexGrid1->item(r, c);
        cellules << (e ? e->text() : QString());
    }
    return cellules;
}

void regler(FenetreDeTest& f, const QStringList& quantites) {
    for (int i = 0; i < 4; ++i)
        controles(f).Picture4->Text1[i]->setText(quantites[i]);
}

// Runs the animation tick by tick until it stops by itself.
int animerJusquAuBout(FenetreDeTest& f) {
    int ticks = 0;
    while (controles(f).Timer1->isActive() && ticks < 100000) {
        f->modele().Timer1_Timer();
        ++ticks;
    }
    return ticks;
}

} // namespace

class TestRuns : public QObject {
    Q_OBJECT
private slots:
    void finalStateDrawsTheCurvesAndFillsTheTable() {
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        controles(f).Picture3->HScroll1->setValue(1000);
        controles(f).Command3->click();
        QCOMPARE(f->modele().ymax, 2.0f);
        // B starts at the top of the axis, C and D at its foot, in their colours.
        QCOMPARE(pixelGraphe(f, 50, 10), QColor(255, 0, 255));
        QCOMPARE(pixelGraphe(f, 50, 110), QColor(0, 0, 255));
        QCOMPARE(controles(f).MSFlexGrid1->rowCount(), 51);
        const QStringList derniere = ligne(f, 50);
        QCOMPARE(derniere[0], QString("10,0"));
        for (int c = 1; c < 6; ++c)
            QVERIFY2(!derniere[c].isEmpty(), qPrintable(derniere.join('|')));
        QCOMPARE(int(f.etat.courbes.nbCourbes), 0);
        QVERIFY(controles(f).rtf1->toPlainText().contains("Réaction 1 : Acide carboxylique et alcool"));
    }

    void curvesAreDrawnInTheirColours() {
        FenetreDeTest f;
        regler(f, {"1", "1", "0", "0"});
        controles(f).Picture3->HScroll1->setValue(1000);
        controles(f).Picture3->Check5->setChecked(true);
        controles(f).Picture1->VScroll2->setValue(1); // 200 h: the equilibrium is reached
        controles(f).Command3->click();
        // At the end, A and B sit at 1/3 mol, C and D at 2/3 mol, on a 1 mol axis.
        QCOMPARE(pixelGraphe(f, 349, 143), QColor(255, 0, 255)); // B over A
        QCOMPARE(pixelGraphe(f, 349, 77), QColor(0, 192, 0));    // D over C
    }

    void rowCounts_data() {
        QTest::addColumn<int>("defilement");
        QTest::addColumn<int>("lignes");
        QTest::newRow("101 rows") << 10 << 101;
        QTest::newRow("51 rows") << 60 << 51;
        QTest::newRow("11 rows") << 100 << 11;
    }
    void rowCounts() {
        QFETCH(int, defilement);
        QFETCH(int, lignes);
        FenetreDeTest f;
        controles(f).Picture1->VScroll3->setValue(defilement);
        QCOMPARE(controles(f).Picture1->Label3->text(), QString::number(lignes));
        controles(f).Command3->click();
        QCOMPARE(controles(f).MSFlexGrid1->rowCount(), lignes);
        QCOMPARE(ligne(f, lignes - 1)[0], QString("10,0"));
        QVERIFY(!ligne(f, lignes - 1)[1].isEmpty());
    }

    // Row 0 is the instant 0: after a run, a rebuilt table shows there the
    // Qr of the amounts it shows, not the run's last one.
    void firstRowAfterARun_data() {
        QTest::addColumn<QStringList>("quantites");
        QTest::addColumn<bool>("distiller");
        QTest::addColumn<QString>("reconstruction");
        QTest::addColumn<QString>("qr");
        QTest::newRow("row count changed") << QStringList{"1", "1", "0", "0"} << false << "lignes" << "0";
        QTest::newRow("amount left") << QStringList{"1", "1", "0", "0"} << false << "quantite" << "0";
        QTest::newRow("products at the start") << QStringList{"1", "1", "0,5", "0,5"} << false << "lignes"
                                               << "0,25";
        QTest::newRow("distilled species at 0") << QStringList{"1", "1", "0,5", "0,5"} << true << "quantite"
                                                << "0";
    }
    void firstRowAfterARun() {
        QFETCH(QStringList, quantites);
        QFETCH(bool, distiller);
        QFETCH(QString, reconstruction);
        QFETCH(QString, qr);
        FenetreDeTest f;
        regler(f, quantites);
        controles(f).Picture3->HScroll1->setValue(1000);
        controles(f).Picture3->Check5->setChecked(true);
        controles(f).Picture3->Check4->setChecked(distiller);
        controles(f).Picture3->Combo3->setCurrentIndex(2);
        controles(f).Command3->click();
        if (!distiller) QVERIFY(ligne(f, 50)[5] != qr); // the run did move the mixture
        if (reconstruction == "lignes")
            controles(f).Picture1->VScroll3->setValue(50);
        else
            f->modele().Text1_LostFocus(0);
        QCOMPARE(ligne(f, 0).mid(1, 4), quantites.mid(0, 2) << (distiller ? "0" : quantites[2]) << quantites[3]);
        QCOMPARE(ligne(f, 0)[5], qr);
    }

    void qrColumnColour() {
        FenetreDeTest f;
        controles(f).Command3->click();
        QCOMPARE(controles(f).MSFlexGrid1->item(10, 5)->foreground().color(), QColor(Qt::black));
        controles(f).frame2->Check3->click();
        QCOMPARE(controles(f).MSFlexGrid1->item(10, 5)->foreground().color(), QColor(Qt::white));
        // A new run keeps the column hidden while the box is unticked.
        controles(f).Command3->click();
        QCOMPARE(controles(f).MSFlexGrid1->item(10, 5)->foreground().color(), QColor(Qt::white));
        controles(f).frame2->Check3->click();
        QCOMPARE(controles(f).MSFlexGrid1->item(10, 5)->foreground().color(), QColor(Qt::black));
    }

    void keptRunsCounter() {
        FenetreDeTest f;
        controles(f).frame2->Check2->click();
        for (int run = 1; run <= 12; ++run) {
            controles(f).Picture3->HScroll1->setValue(run * 50);
            controles(f).Command3->click();
        }
        QCOMPARE(int(f.etat.courbes.nbCourbes), 10);
        QCOMPARE(int(f.etat.courbes.emplacement(10).courbeParam[1]), 600);
        QVERIFY(controles(f).Command6->isVisible());
        QCOMPARE(controles(f).rtf1->toPlainText().count(QString::fromUtf8("\u2022")), 11);
        // "Retour état initial" right after a run forgets that run.
        controles(f).Command9->click();
        QCOMPARE(int(f.etat.courbes.nbCourbes), 9);
        controles(f).Command6->click();
        QCOMPARE(int(f.etat.courbes.nbCourbes), -1);
        QVERIFY(!controles(f).Command6->isVisible());
        QVERIFY(controles(f).rtf1->toPlainText().isEmpty());
    }

    // A box that holds no number leaves the amount the run had read: the kept
    // run stores what its run started from, to be drawn again the same.
    void keptRunStoresWhatItsRunStartedFrom() {
        FenetreDeTest f;
        controles(f).frame2->Check2->click();
        regler(f, {"1", "1", "0,5", "0"});
        controles(f).Command3->click();
        controles(f).Picture4->Text1[2]->setText("");
        controles(f).Command3->click();
        const CourbeConservee& c = f.etat.courbes.emplacement(1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(c.courbeQuantite[i + 1], f->modele().n0[i]);
        QVERIFY(c.courbeQuantite[3] > 0.5);
    }

    void untickingKeepForgetsTheRuns() {
        FenetreDeTest f;
        controles(f).frame2->Check2->click();
        controles(f).Command3->click();
        controles(f).Command3->click();
        QCOMPARE(int(f.etat.courbes.nbCourbes), 1);
        controles(f).frame2->Check2->click();
        QCOMPARE(int(f.etat.courbes.nbCourbes), -1);
    }

    void animatedRunFillsTheSameRows() {
        FenetreDeTest f;
        regler(f, {"1", "1", "0", "0"});
        controles(f).Picture3->HScroll1->setValue(800);
        controles(f).Command3->click();
        QList<QStringList> complet;
        for (int r = 0; r < 51; ++r)
            complet << ligne(f, r);

        controles(f).Command5->click();
        QVERIFY(controles(f).Timer1->isActive());
        const int ticks = animerJusquAuBout(f);
        QCOMPARE(ticks, 600 * 10 / 50 + 1); // the last tick finds the end
        for (int r = 1; r < 51; ++r) {
            const QStringList anime = ligne(f, r);
            for (int c = 1; c < 5; ++c) {
                const double attendu = complet[r][c].replace(',', '.').toDouble();
                const double obtenu = QString(anime[c]).replace(',', '.').toDouble();
                QVERIFY2(
                    std::abs(obtenu - attendu) <= 0.01 * std::abs(attendu) + 1e-9,
                    qPrintable(QString("row %1 col %2: %3 vs %4").arg(r).arg(c).arg(obtenu).arg(attendu)));
            }
        }
        QVERIFY(controles(f).Command5->isEnabled());
        QCOMPARE(int(f.etat.courbes.nbCourbes), 0);
    }

    void speedZeroStandsStill() {
        FenetreDeTest f;
        controles(f).frame2->HScroll2->setValue(0);
        controles(f).Command5->click();
        for (int i = 0; i < 20; ++i)
            f->modele().Timer1_Timer();
        QVERIFY(controles(f).Timer1->isActive());
        QCOMPARE(f->modele().animation.tempsEcoule, 0);
        QVERIFY(ligne(f, 1)[1].isEmpty());
        controles(f).frame2->HScroll2->setValue(1000);
        f->modele().Timer1_Timer();
        QCOMPARE(f->modele().animation.tempsEcoule, 1000);
        QVERIFY(!ligne(f, 1)[1].isEmpty());
    }

    void boldStopsTheAnimationAndDrawsTheWholeRun() {
        FenetreDeTest f;
        controles(f).Command5->click();
        f->modele().Timer1_Timer();
        controles(f).frame2->Check1->click();
        QVERIFY(!controles(f).Timer1->isActive());
        QCOMPARE(controles(f).Picture2->epaisseur(), 2);
        QVERIFY(!ligne(f, 50)[1].isEmpty());
    }

    void durationChangeDuringAnimationRunsTheFinalState() {
        FenetreDeTest f;
        controles(f).Command5->click();
        f->modele().Timer1_Timer();
        controles(f).Picture1->VScroll2->setValue(12); // 5 min
        QVERIFY(!controles(f).Timer1->isActive());
        QCOMPARE(ligne(f, 50)[0], QString("300,0")); // below 10 min the table is in seconds
        QVERIFY(!ligne(f, 50)[1].isEmpty());
    }

    // A negative amount, which only a file can bring, runs as none: its
    // starting dot sits on the time axis, where its curve starts.
    void negativeAmountStartsOnTheTimeAxis() {
        FenetreDeTest f;
        regler(f, {"-1", "1", "0,5", "0,5"});
        controles(f).Command9->click();
        QCOMPARE(f->modele().ymax, 1.5f);
        QCOMPARE(pixelGraphe(f, 50, 210), QColor(0, 0, 255));
        QCOMPARE(pixelGraphe(f, 50, 143), QColor(0, 192, 0)); // D over C at 0,5 mol
    }

    // No species shown can reach 1E-9 mol: no axis, and no run draws on the
    // empty picture, nor in what its files are drawn from.
    void emptyScaleDrawsNothing_data() {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("run");
        QTest::newRow("whole run") << "" << "final";
        QTest::newRow("animated run") << "" << "anime";
        QTest::newRow("whole run after one that drew") << "final" << "final";
        QTest::newRow("animated run after one that drew") << "final" << "anime";
        QTest::newRow("runs kept") << "garder" << "final";
    }
    void emptyScaleDrawsNothing() {
        QFETCH(QString, avant);
        QFETCH(QString, run);
        FenetreDeTest f;
        if (avant == "garder") controles(f).frame2->Check2->click();
        if (!avant.isEmpty()) controles(f).Command3->click();
        regler(f, {"0", "1", "0", "0"});
        for (int i = 1; i < 4; ++i)
            controles(f).Picture1->option2[i]->click();
        controles(f).Command9->click();
        if (run == "final") {
            controles(f).Command3->click();
            controles(f).Command3->click();
        } else {
            controles(f).Command5->click();
            animerJusquAuBout(f);
        }
        QVERIFY(f->modele().ymax < 1e-9f);
        QImage blanche(controles(f).Picture2->image().size(), controles(f).Picture2->image().format());
        blanche.fill(Qt::white);
        QVERIFY(controles(f).Picture2->image() == blanche);
        QVERIFY(f->modele().dessinGraphe.traces().empty());
    }

    void hiddenCurvesLowerTheScale() {
        FenetreDeTest f;
        regler(f, {"1", "2", "0", "0"});
        controles(f).Picture1->option2[1]->click();
        QCOMPARE(f->modele().ymax, 1.0f);
        controles(f).Picture1->option2[1]->click();
        QCOMPARE(f->modele().ymax, 2.0f);
    }
};

VEDO_TEST(TestRuns);
#include "tst_runs.moc"
