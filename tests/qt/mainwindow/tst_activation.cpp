#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "platform/DessinQt.h"
#include "mainwindow/MenuExercice.h"

#include <QtTest>

#include <functional>

using namespace vedo;

using Geste = std::function<void(FenetreDeTest&)>;
Q_DECLARE_METATYPE(Geste)

class TestActivation : public QObject {
    Q_OBJECT
private slots:
    void firstShowActivatesOnce() {
        ScriptedPrompter prompteur;
        ApplicationState etat(prompteur);
        FeuilleP fenetre(etat);
        QApplication::processEvents();
        QCOMPARE(fenetre.nombreActivations(), 0);
        fenetre.show();
        QApplication::processEvents();
        QCOMPARE(fenetre.nombreActivations(), 1);
        fenetre.hide();
        fenetre.show();
        QApplication::processEvents();
        QCOMPARE(fenetre.nombreActivations(), 1);
    }

    // With three runs kept, only the close of one of the program's own
    // windows makes the main window active again and forgets them.
    void activeAgainOnlyAfterTheProgramsOwnWindows_data() {
        QTest::addColumn<Geste>("geste");
        QTest::addColumn<QString>("demande"); // what the prompter was asked; empty: nothing
        QTest::addColumn<bool>("activee");
        auto menuExercice = [](int element) {
            return [element](FenetreDeTest& f) {
                f.prompteur.reponsesMenus.push_back(element);
                controles(f).btexo->click();
            };
        };
        QTest::newRow("open dialog closes")
            << Geste([](FenetreDeTest& f) { controles(f).Command2->click(); }) << "dialogue" << true;
        QTest::newRow("save dialog closes")
            << Geste([](FenetreDeTest& f) { controles(f).Command11->click(); }) << "dialogue" << true;
        QTest::newRow("exercise window closes")
            << Geste(menuExercice(ModeleMenuExercice::openexo)) << "dialogue" << true;
        QTest::newRow("calculator closes")
            << Geste([](FenetreDeTest& f) { controles(f).Command8->click(); }) << "dialogue" << true;
        QTest::newRow("print dialog closes")
            << Geste([](FenetreDeTest& f) { controles(f).Command10->click(); }) << "dialogue" << true;

        QTest::newRow("back from another program") << Geste([](FenetreDeTest& f) {
            QEvent active(QEvent::WindowActivate);
            QApplication::sendEvent(f.fenetre.get(), &active);
        }) << "" << false;
        QTest::newRow("amount message answered") << Geste([](FenetreDeTest& f) {
            controles(f).Picture4->Text1[0]->setText("20");
            f->modele().Text1_LostFocus(0);
        }) << "message" << false;
        QTest::newRow("close question cancelled") << Geste([](FenetreDeTest& f) {
            f.prompteur.reponsesMessages.push_back(Bouton::annuler);
            f->close();
        }) << "message" << false;
        QTest::newRow("colour chosen on a swatch") << Geste([](FenetreDeTest& f) {
            f.prompteur.reponsesCouleurs.push_back(couleurDe(QColor(Qt::magenta)));
            f->modele().Label4_Click(2);
        }) << "couleur" << false;
        QTest::newRow("text reopened through the platform's file dialog") << Geste([=](FenetreDeTest& f) {
            f.prompteur.reponsesFichiers.push_back(std::nullopt);
            menuExercice(ModeleMenuExercice::opentexte)(f);
        }) << "ouvrir" << false;
        QTest::newRow("printer set-up for the exercise text") << Geste([=](FenetreDeTest& f) {
            f.prompteur.reponsesImprimante.push_back(false);
            menuExercice(ModeleMenuExercice::imprimetexte)(f);
        }) << "imprimante" << false;
        QTest::newRow("copy menu dismissed") << Geste([](FenetreDeTest& f) {
            f.prompteur.reponsesMenus.push_back(-1);
            controles(f).Command4->click();
        }) << "menu" << false;
        QTest::newRow("help window opened")
            << Geste([](FenetreDeTest& f) { controles(f).Command7->click(); }) << "" << false;
    }
    void activeAgainOnlyAfterTheProgramsOwnWindows() {
        QFETCH(Geste, geste);
        QFETCH(QString, demande);
        QFETCH(bool, activee);
        FenetreDeTest f;
        controles(f).frame2->Check2->click();
        for (int temperature : {200, 500, 800}) {
            controles(f).Picture3->HScroll1->setValue(temperature);
            controles(f).Command3->click();
        }
        QCOMPARE(int(f.etat.courbes.nbCourbes), 2);
        const int avant = f->nombreActivations();

        geste(f);
        QApplication::processEvents();

        if (!demande.isEmpty()) QCOMPARE(QString::fromStdString(f.prompteur.questions.back().genre), demande);
        QCOMPARE(f->nombreActivations() - avant, activee ? 1 : 0);
        QCOMPARE(int(f.etat.courbes.nbCourbes), activee ? -1 : 2);
        // The next run draws what the store holds: the kept runs and itself.
        controles(f).Command3->click();
        QCOMPARE(controles(f).rtf1->toPlainText().count(QString::fromUtf8("\u2022")), activee ? 1 : 4);
    }
};

VEDO_TEST(TestActivation);
#include "tst_activation.moc"
