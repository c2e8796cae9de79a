#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

using namespace vedo;

namespace {
QString nomAccessible(QObject* objet, QAccessible::Text quoi = QAccessible::Name) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(objet);
    return accessible ? accessible->text(quoi) : QString();
}

// The name of the control that has the focus after `touche` on the focused one.
QString apres(int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(touche), modificateurs);
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

const QStringList rangee = {"Command2", "Command11", "Command4", "Command10",
                            "Command8", "Command7",  "Command1"};
const QStringList fin = {"Command5", "Command3", "Command9", "btexo", "fich", "supertext"};
} // namespace

class TestClavier : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

    void activer() {
        (*f)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->fenetre.get()));
    }

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    // The controls that Tab visits from the first button, in their order.
    void tabulation_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<int>("reaction");
        QTest::addColumn<bool>("tableau");
        QTest::addColumn<bool>("conserver");
        QTest::addColumn<bool>("agrandi");
        QTest::addColumn<QStringList>("ordre");
        const QStringList suivi = {"VScroll2",  "Option1(0)", "Label4(1)",  "option2(0)",
                                   "Label4(2)", "option2(1)", "Label4(3)",  "option2(2)",
                                   "Label4(4)", "option2(3)", "Option1(1)", "VScroll3"};
        const QStringList grapheEtBande = rangee + QStringList{"Command12", "Onglets"};
        QTest::newRow("reaction tab")
            << 1 << 0 << false << false << false
            << grapheEtBande +
                   QStringList{"Combo1", "Combo2", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)"} + fin;
        QTest::newRow("conditions tab")
            << 2 << 0 << false << false << false
            << grapheEtBande + QStringList{"HScroll1", "Check5", "Check4", "Combo3"} + fin;
        QTest::newRow("display tab") << 3 << 0 << false << false << false
                                     << grapheEtBande +
                                            QStringList{"HScroll2", "Check1", "Check2", "Check3"} + fin;
        QTest::newRow("follow-up tab") << 4 << 0 << false << false << false << grapheEtBande + suivi + fin;
        QTest::newRow("history tab") << 5 << 0 << false << false << false
                                     << grapheEtBande + QStringList{"rtf1"} + fin;
        QTest::newRow("reaction 3 hides the class list")
            << 1 << 3 << false << false << false
            << grapheEtBande + QStringList{"Combo1", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)"} + fin;
        QTest::newRow("reaction 3 disables the catalyst")
            << 2 << 3 << false << false << false
            << grapheEtBande + QStringList{"HScroll1", "Check4", "Combo3"} + fin;
        QTest::newRow("the table hides the graph's button and the curve choices")
            << 4 << 0 << true << false << false
            << rangee + QStringList{"MSFlexGrid1", "Onglets",   "VScroll2",  "Option1(0)", "Label4(1)",
                                    "Label4(2)",   "Label4(3)", "Label4(4)", "Option1(1)", "VScroll3"} +
                   fin;
        QTest::newRow("kept runs show Effacer before Agrandir")
            << 3 << 0 << false << true << false
            << rangee +
                   QStringList{"Command6", "Command12", "Onglets", "HScroll2", "Check1", "Check2", "Check3"} +
                   fin;
        QTest::newRow("the enlarged graph hides all below it")
            << 1 << 0 << false << false << true << rangee + QStringList{"Command12"};
    }
    void tabulation() {
        QFETCH(int, onglet);
        QFETCH(int, reaction);
        QFETCH(bool, tableau);
        QFETCH(bool, conserver);
        QFETCH(bool, agrandi);
        QFETCH(QStringList, ordre);
        (*f)->Picture4->Combo1->setCurrentIndex(reaction);
        if (conserver) {
            (*f)->frame2->Check2->click();
            (*f)->Command3->click();
        }
        if (tableau) (*f)->Picture1->Option1[1]->click();
        if (agrandi) (*f)->Command12->click();
        f->choisirOnglet(onglet);
        activer();
        (*f)->Command2->setFocus(Qt::OtherFocusReason);

        QStringList visites;
        for (int i = 0; i < ordre.size(); ++i)
            visites << apres(Qt::Key_Tab);
        QCOMPARE(visites, ordre.mid(1) + QStringList{"Command2"});
        QStringList arriere;
        for (int i = 0; i < ordre.size(); ++i)
            arriere << apres(Qt::Key_Backtab, Qt::ShiftModifier);
        std::reverse(ordre.begin(), ordre.end());
        QCOMPARE(arriere, ordre);
    }

    // Keys on the strip, and the window's keys from wherever the focus is:
    // the effects of a click on the title, and no repaint of the active tab.
    void ongletsAuClavier_data() {
        QTest::addColumn<int>("depart");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<int>("attendu");
        QTest::addColumn<QString>("focusApres");
        const int ctrl = Qt::ControlModifier;
        const int ctrlMaj = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Right on the strip") << 1 << "Onglets" << int(Qt::Key_Right) << 0 << 2 << "Onglets";
        QTest::newRow("Left on the strip") << 4 << "Onglets" << int(Qt::Key_Left) << 0 << 3 << "Onglets";
        QTest::newRow("Left on the first tab stays")
            << 1 << "Onglets" << int(Qt::Key_Left) << 0 << 1 << "Onglets";
        QTest::newRow("Right on the last tab stays")
            << 5 << "Onglets" << int(Qt::Key_Right) << 0 << 5 << "Onglets";
        QTest::newRow("Ctrl+Tab from an amount box takes the focus to the strip")
            << 1 << "Text1(2)" << int(Qt::Key_Tab) << ctrl << 2 << "Onglets";
        QTest::newRow("Ctrl+Shift+Tab from the exercise text, round to the last tab")
            << 1 << "supertext" << int(Qt::Key_Backtab) << ctrlMaj << 5 << "supertext";
        QTest::newRow("Ctrl+PgDn from a button")
            << 3 << "Command3" << int(Qt::Key_PageDown) << ctrl << 4 << "Command3";
        QTest::newRow("Ctrl+PgUp from the temperature bar")
            << 2 << "HScroll1" << int(Qt::Key_PageUp) << ctrl << 1 << "Onglets";
        QTest::newRow("Ctrl+Tab from the history, round to the first tab")
            << 5 << "rtf1" << int(Qt::Key_Tab) << ctrl << 1 << "Onglets";
        QTest::newRow("Ctrl+PgUp from the reaction list")
            << 1 << "Combo1" << int(Qt::Key_PageUp) << ctrl << 5 << "Onglets";
    }
    void ongletsAuClavier() {
        QFETCH(int, depart);
        QFETCH(QString, focus);
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(int, attendu);
        QFETCH(QString, focusApres);
        BandeOnglets* bande = (*f)->Onglets;
        f->choisirOnglet(depart);
        activer();
        (*f)->findChild<QWidget*>(focus)->setFocus(Qt::TabFocusReason);
        const int dessins = bande->nombreDessins();

        QCOMPARE(apres(touche, Qt::KeyboardModifiers(modificateurs)), focusApres);
        QCOMPARE(int(bande->ongletActif), attendu);
        QCOMPARE(bande->nombreDessins() - dessins, attendu == depart ? 0 : 1);
        const std::array<QWidget*, 5> panneaux = {(*f)->Picture4, (*f)->Picture3, (*f)->frame2,
                                                  (*f)->Picture1, (*f)->rtf1};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(panneaux[i]->isVisible(), i == attendu - 1);
        // Assistive technologies see the same tab selected.
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(bande);
        QCOMPARE(liste->role(), QAccessible::PageTabList);
        QAccessibleInterface* actif = liste->child(attendu - 1);
        QCOMPARE(actif->text(QAccessible::Name), bande->titresOnglets[attendu]);
        QVERIFY(actif->state().selected);
        QVERIFY(!liste->child(attendu % 5)->state().selected);
    }

    // Keys that click a control: the mnemonics of the button row, Space on
    // a colour swatch.
    void touchesQuiCliquent_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<QString>("question");
        const int alt = Qt::AltModifier;
        QTest::newRow("Alt+O opens") << "Command2" << int(Qt::Key_O) << alt
                                     << "dialogue: Ouvrir une configuration";
        QTest::newRow("Alt+E saves") << "Command11" << int(Qt::Key_E) << alt
                                     << "dialogue: Enregistrer les paramètres.";
        QTest::newRow("Alt+P copies") << "Command4" << int(Qt::Key_P) << alt
                                      << "menu: Copier l'animation|Copier le graphe|Copier le tableau";
        QTest::newRow("Alt+I prints") << "Command10" << int(Qt::Key_I) << alt << "dialogue: Imprimer";
        QTest::newRow("Alt+C opens the calculator")
            << "Command8" << int(Qt::Key_C) << alt << "dialogue: Machine à calculer";
        QTest::newRow("Alt+F closes") << "Command1" << int(Qt::Key_F) << alt << "message: Fermer";
        QTest::newRow("Space on a colour swatch")
            << "Label4(3)" << int(Qt::Key_Space) << 0 << "couleur: #ff8000";
        QTest::newRow("Enter on a colour swatch")
            << "Label4(1)" << int(Qt::Key_Return) << 0 << "couleur: #0000ff";
    }
    void touchesQuiCliquent() {
        QFETCH(QString, controle);
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(QString, question);
        f->prompteur.reponsesMessages.push_back(QMessageBox::Cancel);
        f->choisirOnglet(4);
        activer();
        QWidget* cible = (*f)->findChild<QWidget*>(controle);
        cible->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cible, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QTRY_COMPARE(f->prompteur.questions.size(), 1);
        const QuestionPosee& posee = f->prompteur.questions.first();
        QCOMPARE(posee.genre + ": " + (posee.titre.isEmpty() ? posee.texte : posee.titre), question);
    }

    void aideParSonMnemonique() {
        activer();
        QSignalSpy clic((*f)->Command7, &QPushButton::clicked);
        QTest::keyClick(f->fenetre.get(), Qt::Key_A, Qt::AltModifier);
        QVERIFY(clic.wait());
    }

    // Right moves a horizontal bar's thumb right; Up moves a vertical one's up.
    void barresAuClavier_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("attendu");
        QTest::newRow("temperature up a tenth of a degree") << 2 << "HScroll1" << int(Qt::Key_Right) << 201;
        QTest::newRow("temperature down a tenth of a degree") << 2 << "HScroll1" << int(Qt::Key_Left) << 199;
        QTest::newRow("temperature up a degree") << 2 << "HScroll1" << int(Qt::Key_PageUp) << 210;
        QTest::newRow("temperature to 100 °C") << 2 << "HScroll1" << int(Qt::Key_End) << 1000;
        QTest::newRow("animation faster") << 3 << "HScroll2" << int(Qt::Key_Right) << 51;
        QTest::newRow("duration longer, as its upper arrow") << 4 << "VScroll2" << int(Qt::Key_Up) << 10;
        QTest::newRow("one table row fewer") << 4 << "VScroll3" << int(Qt::Key_Down) << 61;
    }
    void barresAuClavier() {
        QFETCH(int, onglet);
        QFETCH(QString, barre);
        QFETCH(int, touche);
        QFETCH(int, attendu);
        f->choisirOnglet(onglet);
        auto* b = (*f)->findChild<QScrollBar*>(barre);
        QTest::keyClick(b, Qt::Key(touche));
        QCOMPARE(b->value(), attendu);
    }

    void nomsDesQuantites_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<QStringList>("noms");
        QTest::newRow("esterification")
            << 0
            << QStringList{"n (mol) acide carboxylique", "n (mol) alcool", "n (mol) ester", "n (mol) eau"};
        QTest::newRow("saponification") << 3
                                        << QStringList{"n (mol) ester", "n (mol) ion hydroxyde",
                                                       "n (mol) ion carboxylate", "n (mol) alcool"};
    }
    void nomsDesQuantites() {
        QFETCH(int, reaction);
        QFETCH(QStringList, noms);
        // The names follow a change of reaction, and a return to the first.
        (*f)->Picture4->Combo1->setCurrentIndex(2);
        (*f)->Picture4->Combo1->setCurrentIndex(reaction);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(nomAccessible((*f)->Picture4->Text1[k]), noms[k]);
    }

    void descriptionDuGraphe_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("positionDuree");
        QTest::addColumn<QList<bool>>("courbes");
        QTest::addColumn<int>("experiences");
        QTest::addColumn<QString>("description");
        QTest::newRow("start-up") << 0 << 11 << QList<bool>{true, true, true, true} << 0
                                  << "Quantité de matière (mol) en fonction de t (min). Courbes : acide "
                                     "carboxylique, alcool, ester, eau. Expériences conservées : 0.";
        QTest::newRow("two curves of the saponification over 200 h")
            << 3 << 1 << QList<bool>{true, false, true, false} << 0
            << "Quantité de matière (mol) en fonction de t (h). Courbes : ester, ion carboxylate. "
               "Expériences "
               "conservées : 0.";
        QTest::newRow("two kept runs over 20 s, no curve")
            << 0 << 16 << QList<bool>{false, false, false, false} << 2
            << "Quantité de matière (mol) en fonction de t (s). Courbes : aucune. Expériences conservées : "
               "2.";
    }
    void descriptionDuGraphe() {
        QFETCH(int, reaction);
        QFETCH(int, positionDuree);
        QFETCH(QList<bool>, courbes);
        QFETCH(int, experiences);
        QFETCH(QString, description);
        (*f)->Picture4->Combo1->setCurrentIndex(reaction);
        (*f)->Picture1->VScroll2->setValue(positionDuree);
        for (int i = 0; i < 4; ++i)
            if (!courbes[i]) (*f)->Picture1->option2[i]->click();
        if (experiences > 0) (*f)->frame2->Check2->click();
        for (int i = 0; i < experiences; ++i)
            (*f)->Command3->click();
        QCOMPARE(nomAccessible((*f)->Picture2, QAccessible::Description).section('\n', 0, 0), description);
    }

    void descriptionDuMontage_data() {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<bool>("distillation");
        QTest::addColumn<QString>("description");
        QTest::newRow("ice bath below 20 °C")
            << 199 << false << "Montage : ballon dans un bain de glace ; température : 19,9 °C.";
        QTest::newRow("no heating from 20 °C")
            << 200 << false << "Montage : ballon sans chauffage ; température : 20 °C.";
        QTest::newRow("reflux from 25 °C") << 250 << false
                                           << "Montage : chauffage à reflux : ballon chauffé sous un "
                                              "réfrigérant à boules ; température : 25 °C.";
        QTest::newRow("distillation heats to 100 °C")
            << 300 << true
            << "Montage : distillation : ballon chauffé, colonne avec thermomètre, réfrigérant et bécher ; "
               "température : 100 °C.";
    }
    void descriptionDuMontage() {
        QFETCH(int, temperature);
        QFETCH(bool, distillation);
        QFETCH(QString, description);
        (*f)->Picture3->HScroll1->setValue(temperature);
        if (distillation) (*f)->Picture3->Check4->click();
        QCOMPARE(nomAccessible((*f)->animpic, QAccessible::Description).section('\n', 0, 0), description);
    }

    // The grid names its columns as the labels above it read.
    void entetesDuTableau_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("positionDuree");
        QTest::addColumn<QStringList>("entetes");
        QTest::newRow("esterification over 10 min")
            << 0 << 11 << QStringList{"t (min)", "Acide carboxylique", "Alcool", "Ester", "Eau", "Qr"};
        QTest::newRow("hydrolysis over 200 h")
            << 2 << 1 << QStringList{"t (h)", "Ester", "Eau", "Acide carboxylique", "Alcool", "Qr"};
    }
    void entetesDuTableau() {
        QFETCH(int, reaction);
        QFETCH(int, positionDuree);
        QFETCH(QStringList, entetes);
        (*f)->Picture4->Combo1->setCurrentIndex(reaction);
        (*f)->Picture1->VScroll2->setValue(positionDuree);
        (*f)->Command9->click();
        QAccessibleTableInterface* grille =
            QAccessible::queryAccessibleInterface((*f)->MSFlexGrid1)->tableInterface();
        QVERIFY(grille);
        for (int c = 0; c < 6; ++c) {
            const auto titres = grille->cellAt(0, c)->tableCellInterface()->columnHeaderCells();
            QCOMPARE(titres.size(), 1);
            QCOMPARE(titres.first()->text(QAccessible::Name), entetes[c]);
        }
    }
};

VEDO_TEST(TestClavier);
#include "tst_clavier.moc"
