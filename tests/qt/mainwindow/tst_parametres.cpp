#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "engine/Reaction.h"
#include "mainwindow/PanneauConditions.h"
#include "mainwindow/TailleFenetre.h"
#include "records/Configuration.h"

#include <QtTest>

using namespace vedo;

namespace {

struct GesteReglage {
    const char* nom;
    int numero;
    void (*faire)(FeuilleP&);
    const char* texte;
};

const std::vector<GesteReglage>& gestesReglages() {
    static const std::vector<GesteReglage> gestes = {
        {"an amount typed", 3, [](FeuilleP& w) { QTest::keyClicks(controles(w).Picture4->Text1[1], "5"); }, "0,15"},
        {"an amount replaced", 5, [](FeuilleP& w) { controles(w).Picture4->Text1[3]->setText("2"); }, "2"},
        {"the reaction chosen", 6, [](FeuilleP& w) { controles(w).Picture4->Combo1->setCurrentIndex(2); }, " 2"},
        {"the class chosen", 7, [](FeuilleP& w) { controles(w).Picture4->Combo2->setCurrentIndex(1); }, " 1"},
        {"the volatile species chosen", 8, [](FeuilleP& w) { controles(w).Picture3->Combo3->setCurrentIndex(3); }, " 3"},
        {"a curve colour", 11,
         [](FeuilleP& w) { controles(w).Picture1->setCouleurCourbe(2, QColor(1, 2, 3)); }, " 197121"},
        {"the duration moved", 13, [](FeuilleP& w) { controles(w).Picture1->VScroll2->setValue(3); }, " 3"},
        {"the number of lines", 14, [](FeuilleP& w) { controles(w).Picture1->VScroll3->setValue(100); }, " 100"},
        {"the temperature dragged", 15,
         [](FeuilleP& w) { controles(w).Picture3->HScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd); }, " 210"},
        {"the speed of the animation", 16, [](FeuilleP& w) { controles(w).frame2->HScroll2->setValue(0); }, " 0"},
        {"the table of values chosen", 17, [](FeuilleP& w) { controles(w).Picture1->Option1[1]->click(); }, "0"},
        {"the graph chosen again", 18,
         [](FeuilleP& w) {
             controles(w).Picture1->Option1[1]->click();
             controles(w).Picture1->Option1[0]->click();
         },
         "0"},
        {"a curve hidden", 21, [](FeuilleP& w) { controles(w).Picture1->option2[2]->click(); }, "0"},
        {"bold lines", 23, [](FeuilleP& w) { controles(w).frame2->Check1->click(); }, "1"},
        {"kept runs", 24, [](FeuilleP& w) { controles(w).frame2->Check2->click(); }, "1"},
        {"Qr hidden", 25, [](FeuilleP& w) { controles(w).frame2->Check3->click(); }, "0"},
        {"distillation", 26, [](FeuilleP& w) { controles(w).Picture3->Check4->click(); }, "1"},
        {"the catalyst", 27, [](FeuilleP& w) { controles(w).Picture3->Check5->click(); }, "1"},
    };
    return gestes;
}

} // namespace

class TestParametres : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    void demarrage() {
        FeuilleP& w = *f->fenetre;
        QCOMPARE(w.windowTitle(), QString("Vedoriruvirivi"));
        QCOMPARE(controles(w).Picture4->Combo1->currentIndex(), 0);
        QCOMPARE(controles(w).Picture4->Combo2->currentText(), QString("Alcool primaire"));
        QCOMPARE(controles(w).Picture1->VScroll2->value(), 11);
        QCOMPARE(w.modele().tagDuree, 600);
        QCOMPARE(w.modele().duree, 600);
        QCOMPARE(controles(w).Picture1->Label3->text(), QString("51"));
        QCOMPARE(controles(w).MSFlexGrid1->rowCount(), 51);
        QCOMPARE(controles(w).Picture3->HScroll1->value(), 200);
        QCOMPARE(controles(w).frame2->HScroll2->value(), 50);
        QCOMPARE(controles(w).Picture3->Combo3->currentIndex(), -1);
        QCOMPARE(w.application.courbes.nbCourbes, -1);
        QVERIFY(!controles(w).Timer1->isActive());
        QVERIFY(!controles(w).Command6->isVisible());
        QVERIFY(f->prompteur.questions.empty());
    }

    // The window's controls are built in the window's font; the dialogs and
    // menus opened later keep the application's.
    // Each control writes its change into the window's settings before the
    // handlers of that change run, whichever way it is changed.
    void reglageSuitSonControle_data() {
        QTest::addColumn<int>("geste");
        for (int i = 0; i < static_cast<int>(gestesReglages().size()); ++i)
            QTest::newRow(gestesReglages()[static_cast<std::size_t>(i)].nom) << i;
    }
    void reglageSuitSonControle() {
        QFETCH(int, geste);
        const GesteReglage& g = gestesReglages()[static_cast<std::size_t>(geste)];
        FeuilleP& w = *f->fenetre;
        g.faire(w);
        QCOMPARE(QString::fromStdString(tableConfiguration()[static_cast<std::size_t>(g.numero - 2)].ecrire(
                     w.modele().reglages)),
                 QString(g.texte));
    }

    // A handler that runs on the change already finds the new setting.
    void gestionnaireVoitLeNouveauReglage() {
        FeuilleP& w = *f->fenetre;
        controles(w).Picture4->Combo1->setCurrentIndex(3);
        QCOMPARE(controles(w).Label1[1]->text(), QString::fromStdString(nomsEspeces(3)[0]));
        QVERIFY(!controles(w).Picture3->Check5->isEnabled());
        QVERIFY(!w.modele().reglages.catalyseur);
        controles(w).Picture1->VScroll2->setValue(16);
        QCOMPARE(w.modele().duree, 20);
    }

    void policeDeLApplicationRendue() {
        const QFont avant = QGuiApplication::font();
        QFont temoin("DejaVu Serif");
        temoin.setPixelSize(17);
        QGuiApplication::setFont(temoin);
        {
            const FenetreDeTest autre;
            QCOMPARE(QGuiApplication::font(), temoin);
            for (const QWidget* zone : std::initializer_list<const QWidget*>{
                     controles(autre.fenetre).fich, controles(autre.fenetre).Picture4->Text1[0], controles(autre.fenetre).supertext})
                QCOMPARE(zone->font(), autre.fenetre->font());
            QCOMPARE(controles(autre.fenetre).rtf1->document()->defaultFont(), autre.fenetre->font());
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
        controles(*f).Picture1->VScroll2->setValue(position);
        QCOMPARE(controles(*f).Picture1->Label2->text(), legende);
        QCOMPARE(QString::number((*f)->modele().tagDuree), tag);
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
        controles(*f).Picture3->HScroll1->setValue(valeur);
        QCOMPARE(controles(*f).Picture3->Label6->text(), legende);
        QCOMPARE(QString::fromStdString(legendeTemperature(valeur)), legende);
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
        controles(w).Picture4->Combo1->setCurrentIndex(reaction);
        QCOMPARE(controles(w).Picture4->Combo2->isVisible(), classe);
        QCOMPARE(controles(w).Picture3->Combo3->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(controles(w).Picture3->Combo3->itemText(i), especes[i]);
            QCOMPARE(QString::fromStdString(w.modele().nomEspece[i + 1]), especes[i]);
            QCOMPARE(controles(w).Label1[i + 1]->text(), especes[i]);
        }
        QCOMPARE(controles(w).Picture3->Combo3->currentIndex(), -1);
        f->choisirOnglet(4);
        QCOMPARE(controles(w).Picture1->option2[1]->text(), courbeB);
    }

    void catalyseurEtReaction3() {
        FeuilleP& w = *f->fenetre;
        QCheckBox* catalyseur = controles(w).Picture3->Check5;
        catalyseur->setChecked(true);
        controles(w).Picture4->Combo1->setCurrentIndex(3);
        QVERIFY(!catalyseur->isChecked());
        QVERIFY(!catalyseur->isEnabled());
        controles(w).Picture4->Combo1->setCurrentIndex(0);
        QVERIFY(catalyseur->isEnabled());
        QVERIFY(!catalyseur->isChecked());
        catalyseur->setChecked(true);
        controles(w).Picture4->Combo1->setCurrentIndex(2);
        QVERIFY(catalyseur->isChecked());
    }

    void distillationChauffeAuMaximum() {
        controles(*f).Picture3->Check4->click();
        QCOMPARE(controles(*f).Picture3->HScroll1->value(), 1000);
        QCOMPARE(controles(*f).Picture3->Label6->text(), QString("100 °C"));
    }

    void historiqueDansLOngletCinq() {
        FeuilleP& w = *f->fenetre;
        w.application.courbes.nbCourbes = 0;
        w.application.courbes.enrcourbe(CourbeConservee{}, 1.0f);
        w.modele().makehisto();
        const QString texte = controles(w).rtf1->toPlainText();
        QVERIFY2(texte.startsWith(" \u2022 \nRéaction 1 : Acide carboxylique et alcool\n"),
                 qPrintable(texte));
        w.application.courbes.nbCourbes = -1;
        w.modele().makehisto();
        QVERIFY(controles(w).rtf1->toPlainText().isEmpty());
    }

    void especeVolatileChoisieAuPremierDessin() {
        f->choisirOnglet(2);
        QCOMPARE(controles(*f).Picture3->Combo3->currentIndex(), 0);
    }

    void grapheOuTableau() {
        FeuilleP& w = *f->fenetre;
        controles(w).Picture1->Option1[1]->setChecked(true);
        QVERIFY(controles(w).Frame3->isVisible());
        for (QCheckBox* c : controles(w).Picture1->option2)
            QVERIFY(!c->isEnabled());
        controles(w).Picture1->Option1[0]->setChecked(true);
        QVERIFY(!controles(w).Frame3->isVisible());
        for (QCheckBox* c : controles(w).Picture1->option2)
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
        controles(w).Picture1->VScroll2->setValue(position);
        controles(w).Picture1->VScroll3->setValue(lignes);
        w.modele().prepatab();
        QCOMPARE(controles(w).MSFlexGrid1->rowCount(), 111 - lignes);
        QCOMPARE(controles(w).Label1[0]->text(), entete);
        QCOMPARE(controles(w).MSFlexGrid1->item(0, 0)->text(), QString("0,0"));
        QCOMPARE(controles(w).MSFlexGrid1->item(controles(w).MSFlexGrid1->rowCount() - 1, 0)->text(), derniere);
        QCOMPARE(controles(w).MSFlexGrid1->item(0, 1)->text(), controles(w).Picture4->Text1[0]->text());
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
