#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "RepertoireExercices.h"
#include "exercises/Fichexo.h"
#include "mainwindow/MenuExercice.h"
#include "persistence/FichierEchange.h"
#include "persistence/ListeFichiers.h"
#include "persistence/RecordFile.h"

#include <QtTest>

using namespace vedo;

namespace {

const QString questionAbandon = "Abandon des données?: Attention: perte des modifications du texte.";

// The main window with its exercises in a directory of their own.
struct Essai : FenetreDeTest {
    RepertoireExercices exercices;

    Essai() { controles(fenetre).menuExercice->zone().repertoireApplication = exercices.chemin(); }

    MenuExercice& menu() { return *controles(fenetre).menuExercice; }

    // Chooses an item of the menu under `btexo`, as the user would; -1 dismisses it.
    void choisir(int element) {
        prompteur.reponsesMenus.push_back(element);
        controles(fenetre).btexo->click();
    }

    // "Ouvrir un exercice (énoncé + configuration)", then `nom` in the list and `ouvreur`.
    void ouvrir(const QString& nom) {
        prompteur.reponsesDialogues.push_back([nom](QDialog& d) {
            auto* fichexo = qobject_cast<Fichexo*>(&d);
            if (!fichexo) return int(QDialog::Rejected);
            const auto trouves = fichexo->File1->findItems(nom, Qt::MatchExactly);
            if (trouves.isEmpty()) return int(QDialog::Rejected);
            fichexo->File1->setCurrentItem(trouves.first());
            fichexo->ouvreur->click();
            return fichexo->result();
        });
        choisir(ModeleMenuExercice::openexo);
    }

    void taper(const QString& texte) {
        controles(fenetre).supertext->moveCursor(QTextCursor::End);
        QTest::keyClicks(controles(fenetre).supertext, texte);
    }

    int dialogues() const {
        int n = 0;
        for (const auto& q : prompteur.questions)
            n += q.genre == "dialogue";
        return n;
    }
};

} // namespace

class TestMenuExercice : public QObject {
    Q_OBJECT
private slots:
    void menuPopsUpUnderTheButton() {
        Essai e;
        e.choisir(-1);
        QCOMPARE(e.prompteur.questions.back().genre, std::string("menu"));
        QCOMPARE(e.prompteur.questions.back().texte,
                 std::string("Prise en main||Ouvrir un exercice (énoncé + configuration)|Voir la correction||"
                         "Enregistrer le contenu de la fenêtre exercice|Retrouver un texte|"
                         "Imprimer le contenu de la fenêtre exercice||Fermer l'exercice"));
        QCOMPARE(e.menu().positionMenu(), controles(e).btexo->mapToGlobal(QPoint(0, controles(e).btexo->height())));
    }

    void itemsAreEnabledByTheOpenExercise_data() {
        QTest::addColumn<QString>("etape");
        QTest::addColumn<bool>("correction");
        QTest::addColumn<bool>("fermer");
        QTest::newRow("nothing open") << "rien" << false << false;
        QTest::newRow("corrected exercise") << "corrige" << true << true;
        QTest::newRow("exercise without correction") << "sans correction" << false << true;
        QTest::newRow("reopened text") << "texte" << false << true;
        QTest::newRow("exercise closed") << "ferme" << false << false;
    }
    void itemsAreEnabledByTheOpenExercise() {
        QFETCH(QString, etape);
        Essai e;
        e.exercices.ajouter("AVEC");
        OptionsExercice sans;
        sans.correction = false;
        e.exercices.ajouter("SANS", sans);
        if (etape == "corrige" || etape == "ferme") e.ouvrir("AVEC.E39");
        if (etape == "sans correction") e.ouvrir("SANS.E39");
        if (etape == "texte") {
            e.prompteur.reponsesFichiers.push_back(e.exercices.chemin("AVEC_C.RTF").toStdString());
            e.ouvrir("AVEC.E39");
            e.choisir(ModeleMenuExercice::opentexte);
        }
        if (etape == "ferme") e.choisir(ModeleMenuExercice::Closexo);
        const auto actifs = e.menu().modele().actifs();
        QTEST(actifs[ModeleMenuExercice::opencor], "correction");
        QTEST(actifs[ModeleMenuExercice::Closexo], "fermer");
        for (int i : {ModeleMenuExercice::PRISENMAIN, ModeleMenuExercice::openexo, ModeleMenuExercice::savetexte,
                      ModeleMenuExercice::opentexte, ModeleMenuExercice::imprimetexte})
            QVERIFY(actifs[i]);
    }

    void disabledItemDoesNothing() {
        Essai e;
        const QString avant = controles(e).supertext->toPlainText();
        e.choisir(ModeleMenuExercice::Closexo);
        e.choisir(ModeleMenuExercice::opencor);
        QCOMPARE(controles(e).supertext->toPlainText(), avant);
        QCOMPARE(e.prompteur.messages(), QStringList());
    }

    void openingAnExerciseAppliesItsConfiguration() {
        Essai e;
        const QString chemin = e.exercices.ajouter("EXO");
        e.ouvrir("EXO.E39");
        QCOMPARE(controles(e).supertext->toPlainText(), QString("Énoncé de EXO"));
        QCOMPARE(controles(e).fich->text(), chemin);
        QCOMPARE(controles(e).Picture3->HScroll1->value(), 650);
        QCOMPARE(e.etat.fichcourant, e.exercices.chemin("EXO.C15"));
        QVERIFY(e.etat.correctionDisponible);
        QVERIFY(!e.etat.texteModifie);
    }

    void exerciseWithoutConfigurationLeavesTheSettings() {
        Essai e;
        OptionsExercice o;
        o.configuration = false;
        e.exercices.ajouter("EXO", o);
        controles(e).Picture3->HScroll1->setValue(430);
        controles(e).Picture4->Text1[0]->setText("0,7");
        e.etat.fichcourant = "avant";
        e.ouvrir("EXO.E39");
        QCOMPARE(controles(e).supertext->toPlainText(), QString("Énoncé de EXO"));
        QCOMPARE(controles(e).Picture3->HScroll1->value(), 430);
        QCOMPARE(controles(e).Picture4->Text1[0]->text(), QString("0,7"));
        QCOMPARE(e.etat.fichcourant, QString("avant"));
    }

    void correctionReplacesStatementAndConfiguration() {
        Essai e;
        e.exercices.ajouter("EXO");
        e.ouvrir("EXO.E39");
        e.choisir(ModeleMenuExercice::opencor);
        QCOMPARE(controles(e).supertext->toPlainText(), QString("Correction de EXO"));
        QCOMPARE(controles(e).Picture3->HScroll1->value(), 350);
        QCOMPARE(e.etat.fichcourant, e.exercices.chemin("EXO_C.C15"));
        QVERIFY(!e.etat.texteModifie);
    }

    void typingBeforeAnyExerciseNeverAsks() {
        Essai e;
        e.exercices.ajouter("EXO");
        e.taper("Mes notes");
        QVERIFY(!e.etat.texteModifie);
        e.ouvrir("EXO.E39");
        QVERIFY(!e.prompteur.messages().contains(questionAbandon));
        QCOMPARE(controles(e).supertext->toPlainText(), QString("Énoncé de EXO"));
    }

    void typingAfterOpeningAsks_data() {
        QTest::addColumn<int>("commande");
        QTest::newRow("open an exercise") << int(ModeleMenuExercice::openexo);
        QTest::newRow("see the correction") << int(ModeleMenuExercice::opencor);
        QTest::newRow("reopen a text") << int(ModeleMenuExercice::opentexte);
        QTest::newRow("close the exercise") << int(ModeleMenuExercice::Closexo);
        QTest::newRow("getting started") << int(ModeleMenuExercice::PRISENMAIN);
    }
    void typingAfterOpeningAsks() {
        QFETCH(int, commande);
        Essai e;
        e.exercices.ajouter("EXO");
        e.exercices.ajouterPriseEnMain();
        e.ouvrir("EXO.E39");
        e.taper(" Ma reponse");
        QVERIFY(e.etat.texteModifie);
        const QString texte = controles(e).supertext->toPlainText();
        const QString fich = controles(e).fich->text();
        const int dialoguesAvant = e.dialogues();
        // Cancel: nothing changes, no dialog opens.
        e.prompteur.reponsesMessages.push_back(Bouton::annuler);
        e.prompteur.reponsesFichiers.push_back(e.exercices.chemin("EXO_C.RTF").toStdString());
        e.choisir(commande);
        QCOMPARE(e.prompteur.messages().last(), questionAbandon);
        QCOMPARE(e.prompteur.questions.back().icone, Icone::question);
        QCOMPARE(controles(e).supertext->toPlainText(), texte);
        QCOMPARE(controles(e).fich->text(), fich);
        QVERIFY(e.etat.texteModifie);
        QVERIFY(e.etat.correctionDisponible);
        QCOMPARE(e.dialogues(), dialoguesAvant);
        QCOMPARE(e.prompteur.reponsesFichiers.size(), size_t(1));
    }

    void closingGivesBackTheGettingStartedText() {
        Essai e;
        e.exercices.ajouter("EXO");
        e.ouvrir("EXO.E39");
        e.taper("!");
        e.prompteur.reponsesMessages.push_back(Bouton::ok);
        e.choisir(ModeleMenuExercice::Closexo);
        QVERIFY(controles(e).supertext->toPlainText().startsWith("Vedoriruvirivi"));
        QCOMPARE(controles(e).fich->text(), QString());
        QVERIFY(!e.etat.texteModifie);
        QVERIFY(!e.etat.correctionDisponible);
        // The configuration of the exercise stays.
        QCOMPARE(controles(e).Picture3->HScroll1->value(), 650);
    }

    void gettingStartedTextAtStartUp() {
        Essai e;
        QVERIFY(controles(e).supertext->toPlainText().startsWith("Vedoriruvirivi"));
        QVERIFY(controles(e).supertext->toPlainText().endsWith("dans le menu Exercices."));
        QCOMPARE(controles(e).fich->text(), QString());
    }

    void gettingStarted_data() {
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("installed") << "complete"
                                   << "Prise en main" << QStringList();
        QTest::newRow("no activity file: nothing happens") << "absente"
                                                           << "" << QStringList();
        QTest::newRow("activity without its text")
            << "sans texte"
            << ""
            << QStringList{
                   "Erreur lors du chargement: Fichier introuvable. Revoir l'installation du logiciel."};
    }
    void gettingStarted() {
        QFETCH(QString, installation);
        QFETCH(QString, texte);
        QFETCH(QStringList, messages);
        Essai e;
        if (installation != "absente") e.exercices.ajouterPriseEnMain(installation == "complete");
        const QString accueil = controles(e).supertext->toPlainText();
        e.choisir(ModeleMenuExercice::PRISENMAIN);
        QCOMPARE(e.prompteur.messages(), messages);
        QCOMPARE(controles(e).supertext->toPlainText(), texte.isEmpty() ? accueil : texte);
        QCOMPARE(controles(e).fich->text(), texte.isEmpty() ? QString() : e.exercices.chemin(nomPriseEnMain));
        QCOMPARE(controles(e).Picture3->HScroll1->value(), texte.isEmpty() ? 200 : 800);
        QVERIFY(!e.etat.correctionDisponible);
    }

    void savingTheText_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("present"); // the file already there; empty: none
        QTest::addColumn<QMessageBox::StandardButton>("reponse");
        QTest::addColumn<QString>("enregistre");
        QTest::newRow("new file gets the RTF extension") << "reponse"
                                                         << "" << QMessageBox::Ok << "reponse.RTF";
        QTest::newRow("existing file, overwrite") << "reponse.rtf"
                                                  << "reponse.rtf" << QMessageBox::Ok << "reponse.rtf";
        QTest::newRow("existing file, cancel") << "reponse.rtf"
                                               << "reponse.rtf" << QMessageBox::Cancel << "";
        QTest::newRow("existing file named in capitals, overwrite")
            << "REPONSE"
            << "reponse.rtf" << QMessageBox::Ok << "reponse.rtf";
    }
    void savingTheText() {
        QFETCH(QString, nom);
        QFETCH(QString, present);
        QFETCH(QMessageBox::StandardButton, reponse);
        QFETCH(QString, enregistre);
        Essai e;
        e.exercices.ajouter("EXO");
        e.ouvrir("EXO.E39");
        e.taper(" Reponse : 67 %");
        const QString chemin = e.exercices.chemin(present);
        if (!present.isEmpty()) RepertoireExercices::ecrireTexte(chemin, "ancien");
        e.prompteur.reponsesFichiers.push_back(e.exercices.chemin(nom).toStdString());
        e.prompteur.reponsesMessages.push_back(boutonDe(reponse));
        e.choisir(ModeleMenuExercice::savetexte);
        if (!present.isEmpty()) {
            QCOMPARE(e.prompteur.messages(), QStringList{"Ecraser le fichier?: Le fichier " + chemin +
                                                         " existe déjà.\nEcraser l'ancien?"});
            QCOMPARE(QDir(e.exercices.chemin()).entryList({"reponse.*"}), QStringList{present});
        } else {
            QVERIFY(e.prompteur.messages().isEmpty());
        }
        QTextDocument relu;
        if (enregistre.isEmpty()) {
            QVERIFY(chargerRtf(chemin, relu));
            QCOMPARE(relu.toPlainText(), QString("ancien"));
            QVERIFY(e.etat.texteModifie);
        } else {
            QVERIFY(chargerRtf(e.exercices.chemin(enregistre), relu));
            QCOMPARE(relu.toPlainText(), QString("Énoncé de EXO Reponse : 67 %"));
            QVERIFY(!e.etat.texteModifie);
        }
    }

    void writeErrorIsReported() {
        Essai e;
        QVERIFY(QDir(e.exercices.chemin()).mkdir("occupe.RTF"));
        e.prompteur.reponsesFichiers.push_back(e.exercices.chemin("occupe.RTF").toStdString());
        e.prompteur.reponsesMessages.push_back(Bouton::ok);
        e.choisir(ModeleMenuExercice::savetexte);
        QCOMPARE(e.prompteur.messages(),
                 QStringList{"Erreur d'écriture.: Vérifier l'état du lecteur et le nom du fichier."});
        QCOMPARE(e.prompteur.questions.back().icone, Icone::critique);
    }

    void reopeningAText_data() {
        QTest::addColumn<bool>("lisible");
        QTest::newRow("readable text") << true;
        QTest::newRow("unreadable file") << false;
    }
    void reopeningAText() {
        QFETCH(bool, lisible);
        Essai e;
        e.exercices.ajouter("EXO");
        e.ouvrir("EXO.E39");
        const QString chemin = e.exercices.chemin(lisible ? "EXO_C.RTF" : "absent.rtf");
        e.prompteur.reponsesFichiers.push_back(chemin.toStdString());
        e.choisir(ModeleMenuExercice::opentexte);
        if (lisible) {
            QCOMPARE(controles(e).supertext->toPlainText(), QString("Correction de EXO"));
            QCOMPARE(controles(e).fich->text(), "Texte: " + chemin);
            QVERIFY(!e.etat.correctionDisponible);
            e.taper("x");
            QVERIFY(e.etat.texteModifie);
        } else {
            QCOMPARE(e.prompteur.messages(),
                     QStringList{"Erreur de lecture.: Vérifier l'état du lecteur et le nom du fichier."});
            QCOMPARE(controles(e).supertext->toPlainText(), QString("Énoncé de EXO"));
            QVERIFY(!e.etat.correctionDisponible);
        }
        // Undoing never brings back the text of another file than `fich` names.
        controles(e).supertext->undo();
        QCOMPARE(controles(e).supertext->toPlainText(), lisible ? QString("Correction de EXO") : QString("Énoncé de EXO"));
    }

    void chooserPreviewsItsFirstFileOnceShown() {
        Essai e;
        e.exercices.ajouter("EXO");
        QString avant, apres;
        e.prompteur.reponsesDialogues.push_back([&](QDialog& d) {
            auto& fichexo = static_cast<Fichexo&>(d);
            avant = fichexo.fichierexo->text();
            d.show();
            QTest::qWaitFor([&] { return !fichexo.fichierexo->text().isEmpty(); });
            apres = fichexo.fichierexo->text();
            return int(QDialog::Rejected);
        });
        e.choisir(ModeleMenuExercice::openexo);
        QCOMPARE(avant, QString());
        QCOMPARE(apres, e.exercices.chemin("EXO.E39"));
    }

    void fileBoxShowsTheEndAndTellsTheWhole() {
        Essai e;
        const QString chemin = e.exercices.ajouter("UN_NOM_ASSEZ_LONG_POUR_DEPASSER_LA_BOITE");
        e.ouvrir("UN_NOM_ASSEZ_LONG_POUR_DEPASSER_LA_BOITE.E39");
        QCOMPARE(controles(e).fich->text(), chemin);
        QCOMPARE(controles(e).fich->cursorPosition(), chemin.size());
        QCOMPARE(controles(e).fich->toolTip(), chemin);
    }

    void handedOverExerciseOpensOnce() {
        RepertoireExercices installation;
        installation.ajouter("EXO");
        OptionsExercice o;
        const QString echange = installation.chemin(nomFichierEchange);
        {
            QFile f(echange);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(ecrireEnregistrement(f, enregistrementExercice, "EXO.E39"));
        }
        FenetreDeTest e(echange);
        e->activation();
        QCOMPARE(controles(e).supertext->toPlainText(), QString("Énoncé de EXO"));
        QCOMPARE(controles(e).fich->text(), installation.chemin("EXO.E39"));
        QVERIFY(e.etat.correctionDisponible);
        QCOMPARE(controles(e).Picture3->HScroll1->value(), 650);
        // Later activations find the request served.
        controles(e).Picture3->HScroll1->setValue(300);
        controles(e).supertext->setPlainText("Ma réponse");
        e->activation();
        QCOMPARE(controles(e).supertext->toPlainText(), QString("Ma réponse"));
        QCOMPARE(controles(e).Picture3->HScroll1->value(), 300);
    }

    // A request arrives while the student writes in a reopened text.
    void handedOverExerciseAsksFirst_data() {
        QTest::addColumn<QMessageBox::StandardButton>("reponse");
        QTest::addColumn<bool>("ouvert");
        QTest::newRow("text given up") << QMessageBox::Ok << true;
        QTest::newRow("text kept") << QMessageBox::Cancel << false;
    }
    void handedOverExerciseAsksFirst() {
        QFETCH(QMessageBox::StandardButton, reponse);
        QFETCH(bool, ouvert);
        RepertoireExercices installation;
        installation.ajouter("EXO");
        const QString echange = installation.chemin(nomFichierEchange);
        FenetreDeTest e(echange);
        e.prompteur.reponsesMenus.push_back(ModeleMenuExercice::opentexte);
        e.prompteur.reponsesFichiers.push_back(installation.chemin("EXO_C.RTF").toStdString());
        controles(e).btexo->click();
        controles(e).supertext->append("Ma réponse");
        QVERIFY(e.etat.texteModifie);
        const QString fich = controles(e).fich->text();
        {
            QFile f(echange);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(ecrireEnregistrement(f, enregistrementExercice, "EXO.E39"));
        }
        e.prompteur.reponsesMessages.push_back(boutonDe(reponse));
        e->activation();
        QCOMPARE(e.prompteur.messages().last(), questionAbandon);
        QCOMPARE(controles(e).fich->text(), ouvert ? installation.chemin("EXO.E39") : fich);
        QCOMPARE(e.etat.correctionDisponible, ouvert);
        QCOMPARE(controles(e).menuExercice->modele().actifs()[ModeleMenuExercice::opencor], ouvert);
    }
};

VEDO_TEST(TestMenuExercice);
#include "tst_menuexercice.moc"
