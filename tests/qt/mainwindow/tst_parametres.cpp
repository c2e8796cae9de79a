#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "mainwindow/PanneauConditions.h"
#include "mainwindow/TailleFenetre.h"

#include <QtTest>

using namespace vedo;

class TestParametres : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    void demarrage() {
        FeuilleP& w = *f->fenetre;
        QCOMPARE(w.windowTitle(), QString("Vedoriruvirivi"));
        QCOMPARE(w.Picture4->Combo1->currentIndex(), 0);
        QCOMPARE(w.Picture4->Combo2->currentText(), QString("Alcool primaire"));
        QCOMPARE(w.Picture1->VScroll2->value(), 11);
        QCOMPARE(w.Picture1->tagDuree(), QString("600"));
        QCOMPARE(w.duree, 600);
        QCOMPARE(w.Picture1->Label3->text(), QString("51"));
        QCOMPARE(w.MSFlexGrid1->rowCount(), 51);
        QCOMPARE(w.Picture3->HScroll1->value(), 200);
        QCOMPARE(w.frame2->HScroll2->value(), 50);
        QCOMPARE(w.Picture3->Combo3->currentIndex(), -1);
        QCOMPARE(w.application.courbes.nbCourbes, -1);
        QVERIFY(!w.Timer1->isActive());
        QVERIFY(!w.Command6->isVisible());
        QCOMPARE(
            w.messageCopie,
            QString(
                "L'image est copiée : vous pouvez la retrouver depuis toute application Windows (coller)"));
        QVERIFY(f->prompteur.questions.empty());
    }

    // The window's controls are built in the window's font; the dialogs and
    // menus opened later keep the application's.
    void policeDeLApplicationRendue() {
        const QFont avant = QGuiApplication::font();
        QFont temoin("DejaVu Serif");
        temoin.setPixelSize(17);
        QGuiApplication::setFont(temoin);
        {
            const FenetreDeTest autre;
            QCOMPARE(QGuiApplication::font(), temoin);
            for (const QWidget* zone : std::initializer_list<const QWidget*>{
                     autre.fenetre->fich, autre.fenetre->Picture4->Text1[0], autre.fenetre->supertext})
                QCOMPARE(zone->font(), autre.fenetre->font());
            QCOMPARE(autre.fenetre->rtf1->document()->defaultFont(), autre.fenetre->font());
        }
        QGuiApplication::setFont(avant);
    }

    void duree_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QString>("tag");
        QTest::newRow("top is 200 h") << 1 << "200 h"
                                      << "720000";
        QTest::newRow("one hour") << 8 << "1 h"
                                  << "3600";
        QTest::newRow("thirty minutes") << 9 << "30 min"
                                        << "1800";
        QTest::newRow("one minute") << 14 << "1 min"
                                    << "60";
        QTest::newRow("bottom is 20 s") << 16 << "20 s"
                                        << "20";
    }
    void duree() {
        QFETCH(int, position);
        QFETCH(QString, legende);
        QFETCH(QString, tag);
        (*f)->Picture1->VScroll2->setValue(position);
        QCOMPARE((*f)->Picture1->Label2->text(), legende);
        QCOMPARE((*f)->Picture1->tagDuree(), tag);
    }

    void temperature_data() {
        QTest::addColumn<int>("valeur");
        QTest::addColumn<QString>("legende");
        QTest::newRow("left end") << 0 << "0 °C";
        QTest::newRow("right end") << 1000 << "100 °C";
        QTest::newRow("tenths with a comma") << 205 << "20,5 °C";
    }
    void temperature() {
        QFETCH(int, valeur);
        QFETCH(QString, legende);
        (*f)->Picture3->HScroll1->setValue(valeur);
        QCOMPARE((*f)->Picture3->Label6->text(), legende);
        QCOMPARE(legendeTemperature(valeur), legende);
    }

    void reaction_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<bool>("classe");
        QTest::addColumn<QStringList>("especes");
        QTest::addColumn<QString>("courbeB");
        QTest::newRow("esterification asks the class")
            << 0 << true << QStringList{"Acide carboxylique", "Alcool", "Ester", "Eau"}
            << "Quantité de matière d'alcool";
        QTest::newRow("anhydride has no class")
            << 1 << false << QStringList{"Anhydride d'acide", "Alcool", "Ester", "Acide carboxylique"}
            << "Quantité de matière d'alcool";
        QTest::newRow("hydrolysis asks the class")
            << 2 << true << QStringList{"Ester", "Eau", "Acide carboxylique", "Alcool"}
            << "Quantité de matière d'eau";
        QTest::newRow("saponification has no class")
            << 3 << false << QStringList{"Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool"}
            << "Quantité de matière d'ion hydroxyde";
    }
    void reaction() {
        QFETCH(int, reaction);
        QFETCH(bool, classe);
        QFETCH(QStringList, especes);
        QFETCH(QString, courbeB);
        FeuilleP& w = *f->fenetre;
        w.Picture4->Combo1->setCurrentIndex(reaction);
        QCOMPARE(w.Picture4->Combo2->isVisible(), classe);
        QCOMPARE(w.Picture3->Combo3->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(w.Picture3->Combo3->itemText(i), especes[i]);
            QCOMPARE(w.nomEspece[i + 1], especes[i]);
            QCOMPARE(w.Label1[i + 1]->text(), especes[i]);
        }
        QCOMPARE(w.Picture3->Combo3->currentIndex(), -1);
        f->choisirOnglet(4);
        QCOMPARE(w.Picture1->option2[1]->text(), courbeB);
    }

    void catalyseurEtReaction3() {
        FeuilleP& w = *f->fenetre;
        QCheckBox* catalyseur = w.Picture3->Check5;
        catalyseur->setChecked(true);
        w.Picture4->Combo1->setCurrentIndex(3);
        QVERIFY(!catalyseur->isChecked());
        QVERIFY(!catalyseur->isEnabled());
        w.Picture4->Combo1->setCurrentIndex(0);
        QVERIFY(catalyseur->isEnabled());
        QVERIFY(!catalyseur->isChecked());
        catalyseur->setChecked(true);
        w.Picture4->Combo1->setCurrentIndex(2);
        QVERIFY(catalyseur->isChecked());
    }

    void distillationChauffeAuMaximum() {
        (*f)->Picture3->Check4->click();
        QCOMPARE((*f)->Picture3->HScroll1->value(), 1000);
        QCOMPARE((*f)->Picture3->Label6->text(), QString("100 °C"));
    }

    void historiqueDansLOngletCinq() {
        FeuilleP& w = *f->fenetre;
        w.application.courbes.nbCourbes = 0;
        w.application.courbes.enrcourbe(CourbeConservee{}, 1.0f);
        w.makehisto();
        const QString texte = w.rtf1->toPlainText();
        QVERIFY2(texte.startsWith(" \u2022 \nRéaction 1 : Acide carboxylique et alcool\n"),
                 qPrintable(texte));
        w.application.courbes.nbCourbes = -1;
        w.makehisto();
        QVERIFY(w.rtf1->toPlainText().isEmpty());
    }

    void especeVolatileChoisieAuPremierDessin() {
        f->choisirOnglet(2);
        QCOMPARE((*f)->Picture3->Combo3->currentIndex(), 0);
    }

    void grapheOuTableau() {
        FeuilleP& w = *f->fenetre;
        w.Picture1->Option1[1]->setChecked(true);
        QVERIFY(w.Frame3->isVisible());
        for (QCheckBox* c : w.Picture1->option2)
            QVERIFY(!c->isEnabled());
        w.Picture1->Option1[0]->setChecked(true);
        QVERIFY(!w.Frame3->isVisible());
        for (QCheckBox* c : w.Picture1->option2)
            QVERIFY(c->isEnabled());
    }

    void tableau_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("derniere");
        QTest::newRow("ten minutes in minutes") << 11 << 60 << "\nt (min)"
                                                << "10,0";
        QTest::newRow("five hours in hours") << 6 << 60 << "\nt (h)"
                                             << "5,0";
        QTest::newRow("thirty seconds, 101 rows") << 15 << 10 << "\nt (s)"
                                                  << "30,0";
        QTest::newRow("twenty minutes, 11 rows") << 10 << 100 << "\nt (min)"
                                                 << "20,0";
    }
    void tableau() {
        QFETCH(int, position);
        QFETCH(int, lignes);
        QFETCH(QString, entete);
        QFETCH(QString, derniere);
        FeuilleP& w = *f->fenetre;
        w.Picture1->VScroll2->setValue(position);
        w.Picture1->VScroll3->setValue(lignes);
        w.prepatab();
        QCOMPARE(w.MSFlexGrid1->rowCount(), 111 - lignes);
        QCOMPARE(w.Label1[0]->text(), entete);
        QCOMPARE(w.MSFlexGrid1->item(0, 0)->text(), QString("0,0"));
        QCOMPARE(w.MSFlexGrid1->item(w.MSFlexGrid1->rowCount() - 1, 0)->text(), derniere);
        QCOMPARE(w.MSFlexGrid1->item(0, 1)->text(), w.Picture4->Text1[0]->text());
    }

    void taille_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<bool>("appliquee");
        QTest::addColumn<QRect>("cadre");
        QTest::newRow("850 wide is left alone") << QSize(850, 700) << false << QRect();
        QTest::newRow("800 wide is left alone") << QSize(800, 600) << false << QRect();
        QTest::newRow("851 wide is centred") << QSize(851, 700) << true << QRect(25, 50, 800, 600);
        QTest::newRow("full HD") << QSize(1920, 1080) << true << QRect(560, 240, 800, 600);
    }
    void taille() {
        QFETCH(QSize, ecran);
        QFETCH(bool, appliquee);
        QFETCH(QRect, cadre);
        const auto r = cadreFeuilleP(ecran);
        QCOMPARE(r.has_value(), appliquee);
        if (appliquee) QCOMPARE(*r, cadre);
    }
};

VEDO_TEST(TestParametres);
#include "tst_parametres.moc"
