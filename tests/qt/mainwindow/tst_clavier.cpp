#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QAccessible>
#include <QScopeGuard>
#include <QtTest>

using namespace vedo;

namespace {
QString texteAccessible(QObject* objet, QAccessible::Text quoi) {
    return QAccessible::queryAccessibleInterface(objet)->text(quoi);
}

// The name of the control that has the focus after `touche` on the focused one.
QString apres(int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(touche), modificateurs);
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

QStringList noms(const char* liste) {
    return QString(liste).split(' ');
}
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

    // The controls that Tab visits from the first button, in their order,
    // then Shift+Tab the other way round.
    void tabulation_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<int>("reaction");
        QTest::addColumn<bool>("tableau");
        QTest::addColumn<bool>("conserver");
        QTest::addColumn<bool>("agrandi");
        QTest::addColumn<QStringList>("ordre");
        const QStringList rangee = noms("Command2 Command11 Command4 Command10 Command8 Command7 Command1");
        const QStringList debut = rangee + noms("Command12 Onglets");
        const QStringList fin = noms("Command5 Command3 Command9 btexo fich supertext");
        QTest::newRow("reaction tab")
            << 1 << 0 << false << false << false
            << debut + noms("Combo1 Combo2 Text1(0) Text1(1) Text1(2) Text1(3)") + fin;
        QTest::newRow("conditions tab")
            << 2 << 0 << false << false << false << debut + noms("HScroll1 Check5 Check4 Combo3") + fin;
        QTest::newRow("display tab") << 3 << 0 << false << false << false
                                     << debut + noms("HScroll2 Check1 Check2 Check3") + fin;
        QTest::newRow("follow-up tab")
            << 4 << 0 << false << false << false
            << debut +
                   noms("VScroll2 Option1(0) Label4(1) option2(0) Label4(2) option2(1) "
                        "Label4(3) option2(2) Label4(4) option2(3) Option1(1) VScroll3") +
                   fin;
        QTest::newRow("history tab") << 5 << 0 << false << false << false << debut + noms("rtf1") + fin;
        QTest::newRow("reaction 3 hides the class list")
            << 1 << 3 << false << false << false
            << debut + noms("Combo1 Text1(0) Text1(1) Text1(2) Text1(3)") + fin;
        QTest::newRow("reaction 3 disables the catalyst")
            << 2 << 3 << false << false << false << debut + noms("HScroll1 Check4 Combo3") + fin;
        QTest::newRow("the table hides the graph's button and the curve choices")
            << 4 << 0 << true << false << false
            << rangee +
                   noms("MSFlexGrid1 Onglets VScroll2 Option1(0) Label4(1) Label4(2) Label4(3) Label4(4) "
                        "Option1(1) VScroll3") +
                   fin;
        QTest::newRow("kept runs show Effacer before Agrandir")
            << 3 << 0 << false << true << false
            << rangee + noms("Command6 Command12 Onglets HScroll2 Check1 Check2 Check3") + fin;
        QTest::newRow("the enlarged graph hides all below it")
            << 1 << 0 << false << false << true << rangee + noms("Command12");
    }
    void tabulation() {
        QFETCH(int, onglet);
        QFETCH(int, reaction);
        QFETCH(bool, tableau);
        QFETCH(bool, conserver);
        QFETCH(bool, agrandi);
        QFETCH(QStringList, ordre);
        controles(*f).Picture4->Combo1->setCurrentIndex(reaction);
        if (conserver) {
            controles(*f).frame2->Check2->click();
            controles(*f).Command3->click();
        }
        if (tableau) controles(*f).Picture1->Option1[1]->click();
        if (agrandi) controles(*f).Command12->click();
        f->choisirOnglet(onglet);
        activer();
        controles(*f).Command2->setFocus(Qt::OtherFocusReason);

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
        QTest::newRow("Right on the strip") << 1 << "Onglets" << int(Qt::Key_Right) << 0 << 2 << "Onglets";
        QTest::newRow("Left on the strip") << 4 << "Onglets" << int(Qt::Key_Left) << 0 << 3 << "Onglets";
        QTest::newRow("Left on the first tab stays")
            << 1 << "Onglets" << int(Qt::Key_Left) << 0 << 1 << "Onglets";
        QTest::newRow("Right on the last tab stays")
            << 5 << "Onglets" << int(Qt::Key_Right) << 0 << 5 << "Onglets";
        QTest::newRow("Ctrl+Tab from an amount box takes the focus to the strip")
            << 1 << "Text1(2)" << int(Qt::Key_Tab) << ctrl << 2 << "Onglets";
        QTest::newRow("Ctrl+Shift+Tab from the exercise text, round to the last tab")
            << 1 << "supertext" << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << 5
            << "supertext";
        QTest::newRow("Ctrl+PgDn from a button")
            << 3 << "Command3" << int(Qt::Key_PageDown) << ctrl << 4 << "Command3";
        QTest::newRow("Ctrl+PgUp from the temperature bar")
            << 2 << "HScroll1" << int(Qt::Key_PageUp) << ctrl << 1 << "Onglets";
        QTest::newRow("Ctrl+Tab from the history, round to the first tab")
            << 5 << "rtf1" << int(Qt::Key_Tab) << ctrl << 1 << "Onglets";
    }
    void ongletsAuClavier() {
        QFETCH(int, depart);
        QFETCH(QString, focus);
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(int, attendu);
        QFETCH(QString, focusApres);
        BandeOnglets* bande = controles(*f).Onglets;
        f->choisirOnglet(depart);
        activer();
        (*f)->findChild<QWidget*>(focus)->setFocus(Qt::TabFocusReason);
        const int dessins = bande->nombreDessins();

        QCOMPARE(apres(touche, Qt::KeyboardModifiers(modificateurs)), focusApres);
        QCOMPARE(int(bande->ongletActif), attendu);
        QCOMPARE(bande->nombreDessins() - dessins, attendu == depart ? 0 : 1);
        const std::array<QWidget*, 5> panneaux = {controles(*f).Picture4, controles(*f).Picture3, controles(*f).frame2,
                                                  controles(*f).Picture1, controles(*f).rtf1};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(panneaux[i]->isVisible(), i == attendu - 1);
        // Assistive technologies see the same tab selected.
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(bande);
        QCOMPARE(liste->role(), QAccessible::PageTabList);
        QCOMPARE(liste->child(attendu - 1)->text(QAccessible::Name), bande->titresOnglets[attendu]);
        QVERIFY(liste->child(attendu - 1)->state().selected);
        QVERIFY(!liste->child(attendu % 5)->state().selected);
    }

    // Keys that click a control: the mnemonics of the button row, Space and
    // Enter on a colour swatch; what the click asks tells which it was.
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
        QTest::newRow("Alt+P copies")
            << "Command4" << int(Qt::Key_P) << alt
            << "menu: Copier l'animation|Copier le graphe|Copier le tableau[Copier le "
               "contenu du tableau|Copier une image du tableau]||Enregistrer le graphe…|"
               "Enregistrer le tableau…";
        QTest::newRow("Alt+I prints") << "Command10" << int(Qt::Key_I) << alt << "dialogue: Imprimer";
        QTest::newRow("Alt+C calculates")
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
        f->prompteur.reponsesMessages.push_back(Bouton::annuler);
        f->choisirOnglet(4);
        activer();
        QWidget* cible = (*f)->findChild<QWidget*>(controle);
        cible->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cible, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QTRY_COMPARE(f->prompteur.questions.size(), 1);
        const QuestionPosee& posee = f->prompteur.questions.front();
        QCOMPARE(QString::fromStdString(posee.genre + ": " + (posee.titre.empty() ? posee.texte : posee.titre)), question);
    }

    // Right moves a horizontal bar's thumb right; Up moves a vertical one's up.
    void barresAuClavier_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("attendu");
        QTest::newRow("temperature up a tenth of a degree") << 2 << "HScroll1" << int(Qt::Key_Right) << 201;
        QTest::newRow("temperature up a degree") << 2 << "HScroll1" << int(Qt::Key_PageUp) << 210;
        QTest::newRow("animation slower") << 3 << "HScroll2" << int(Qt::Key_Left) << 49;
        QTest::newRow("duration longer, as its upper arrow") << 4 << "VScroll2" << int(Qt::Key_Up) << 10;
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

    // The amount boxes and the columns of the table are named after the
    // species of the reaction, and follow it.
    void nomsDesEspeces_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("positionDuree");
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<QStringList>("colonnes");
        QTest::newRow("esterification over 10 min")
            << 0 << 11
            << QStringList{"n (mol) acide carboxylique", "n (mol) alcool", "n (mol) ester", "n (mol) eau"}
            << QStringList{"t (min)", "Acide carboxylique", "Alcool", "Ester", "Eau", "Qr"};
        QTest::newRow("saponification over 200 h")
            << 3 << 1
            << QStringList{"n (mol) ester", "n (mol) ion hydroxyde", "n (mol) ion carboxylate",
                           "n (mol) alcool"}
            << QStringList{"t (h)", "Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool", "Qr"};
    }
    void nomsDesEspeces() {
        QFETCH(int, reaction);
        QFETCH(int, positionDuree);
        QFETCH(QStringList, boites);
        QFETCH(QStringList, colonnes);
        controles(*f).Picture4->Combo1->setCurrentIndex(2);
        controles(*f).Picture4->Combo1->setCurrentIndex(reaction);
        controles(*f).Picture1->VScroll2->setValue(positionDuree);
        controles(*f).Command9->click();
        for (int k = 0; k < 4; ++k)
            QCOMPARE(texteAccessible(controles(*f).Picture4->Text1[k], QAccessible::Name), boites[k]);
        QAccessibleTableInterface* grille =
            QAccessible::queryAccessibleInterface(controles(*f).MSFlexGrid1)->tableInterface();
        for (int c = 0; c < 6; ++c) {
            // Qt makes the header cells it hands out and leaves them to the caller,
            // whose only way to delete one is through the registry.
            const auto titres = grille->cellAt(0, c)->tableCellInterface()->columnHeaderCells();
            const auto liberer = qScopeGuard([&] {
                for (QAccessibleInterface* t : titres)
                    QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(t));
            });
            QCOMPARE(titres.size(), 1);
            QCOMPARE(titres.first()->text(QAccessible::Name), colonnes[c]);
        }
    }

    // The first line of a picture's description: what it shows now.
    void descriptionsDesImages_data() {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("positionDuree");
        QTest::addColumn<int>("courbesCachees"); // bit i: species i unticked
        QTest::addColumn<int>("experiences");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<bool>("distillation");
        QTest::addColumn<QString>("description");
        const QString axes = "Quantité de matière (mol) en fonction de t ";
        QTest::newRow("graph at start-up")
            << "Picture2" << 0 << 11 << 0 << 0 << 200 << false
            << axes + "(min). Courbes : acide carboxylique, alcool, ester, eau. "
                      "Expériences conservées : 0.";
        QTest::newRow("two curves of the saponification over 200 h")
            << "Picture2" << 3 << 1 << 0b1010 << 0 << 200 << false
            << axes + "(h). Courbes : ester, ion carboxylate. Expériences conservées : 0.";
        QTest::newRow("two kept runs over 20 s, no curve")
            << "Picture2" << 0 << 16 << 0b1111 << 2 << 200 << false
            << axes + "(s). Courbes : aucune. Expériences conservées : 2.";
        QTest::newRow("ice bath below 20 °C")
            << "animpic" << 0 << 11 << 0 << 0 << 199 << false
            << "Montage : ballon dans un bain de glace ; température : 19,9 °C.";
        QTest::newRow("no heating from 20 °C") << "animpic" << 0 << 11 << 0 << 0 << 200 << false
                                               << "Montage : ballon sans chauffage ; température : 20 °C.";
        QTest::newRow("reflux from 25 °C")
            << "animpic" << 0 << 11 << 0 << 0 << 250 << false
            << "Montage : chauffage à reflux : ballon chauffé sous un réfrigérant "
               "à boules ; température : 25 °C.";
        QTest::newRow("distillation heats to 100 °C")
            << "animpic" << 0 << 11 << 0 << 0 << 300 << true
            << "Montage : distillation : ballon chauffé, colonne avec thermomètre, réfrigérant et bécher ; "
               "température : 100 °C.";
    }
    void descriptionsDesImages() {
        QFETCH(QString, image);
        QFETCH(int, reaction);
        QFETCH(int, positionDuree);
        QFETCH(int, courbesCachees);
        QFETCH(int, experiences);
        QFETCH(int, temperature);
        QFETCH(bool, distillation);
        QFETCH(QString, description);
        controles(*f).Picture4->Combo1->setCurrentIndex(reaction);
        controles(*f).Picture1->VScroll2->setValue(positionDuree);
        for (int i = 0; i < 4; ++i)
            if (courbesCachees & (1 << i)) controles(*f).Picture1->option2[i]->click();
        if (experiences > 0) controles(*f).frame2->Check2->click();
        for (int i = 0; i < experiences; ++i)
            controles(*f).Command3->click();
        controles(*f).Picture3->HScroll1->setValue(temperature);
        if (distillation) controles(*f).Picture3->Check4->click();
        const QString texte = texteAccessible((*f)->findChild<QWidget*>(image), QAccessible::Description);
        QCOMPARE(texte.section('\n', 0, 0), description);
    }
};

VEDO_TEST(TestClavier);
#include "tst_clavier.moc"
