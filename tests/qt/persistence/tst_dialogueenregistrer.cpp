#include "TestRegistry.h"

#include "DoubleClic.h"
#include "RepertoireDeTest.h"
#include "persistence/ConfigurationFile.h"
#include "persistence/DialogueEnregistrer.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vedo;

namespace {
QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QListWidgetItem* element(QListWidget* liste, const QString& texte) {
    const auto trouves = liste->findItems(texte, Qt::MatchExactly);
    return trouves.isEmpty() ? nullptr : trouves.first();
}

// Also notes the cursor over the dialog when each message is asked.
struct PrompteurCurseurs : ScriptedPrompter {
    QList<Qt::CursorShape> curseurs;
    Bouton message(Icone icone, const std::string& titre, const std::string& texte, Boutons boutons,
                   Bouton parDefaut) override {
        curseurs << fenetreParente()->cursor().shape();
        return QuestionsScriptees::message(icone, titre, texte, boutons, parDefaut);
    }
};
} // namespace

class TestDialogueEnregistrer : public QObject {
    Q_OBJECT
    std::unique_ptr<RepertoireDeTest> rep;
    std::unique_ptr<PrompteurCurseurs> prompteur;
    std::unique_ptr<ApplicationState> etat;
    Configuration configuration;

    std::unique_ptr<DialogueEnregistrer> ouvrir() {
        return std::make_unique<DialogueEnregistrer>(*etat, [this] { return configuration; });
    }

private slots:
    void init() {
        rep = std::make_unique<RepertoireDeTest>();
        prompteur = std::make_unique<PrompteurCurseurs>();
        etat = std::make_unique<ApplicationState>(*prompteur);
        configuration = Configuration{};
        configuration.reaction = 2;
    }
    void cleanup() {
        etat.reset();
        prompteur.reset();
        rep.reset();
    }

    void captions() {
        const auto d = ouvrir();
        QCOMPARE(d->windowTitle(), QString("Enregistrer les paramètres."));
        QCOMPARE(d->objectName(), QString("enregistrer"));
        QCOMPARE(d->Command1->text(), QString("ENREGISTRER"));
        QCOMPARE(d->Command2->text(), QString("ANNULER"));
        for (const auto& [nom, texte] :
             std::initializer_list<std::pair<const char*, const char*>>{{"Label1", "Lecteur:"},
                                                                        {"Label2", "Nom du fichier:"},
                                                                        {"Label3", "Répertoire:"},
                                                                        {"Label4", "Fichiers enregistrés"}})
            QCOMPARE(d->findChild<QLabel*>(nom)->text(), QString(texte));
    }

    void typedNames_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("fichier"); // relative to the current directory; empty: refused
        QTest::newRow("plain name") << "essai"
                                    << "essai.C15";
        QTest::newRow("extension typed") << "essai.C15"
                                         << "essai.C15";
        QTest::newRow("other extension") << "essai.txt"
                                         << "essai.C15";
        QTest::newRow("trailing full stop") << "essai."
                                            << "essai.C15";
        QTest::newRow("several full stops") << "mon.essai.du.jour"
                                            << "mon.C15";
        QTest::newRow("blanks around") << "  essai  "
                                       << "essai.C15";
        QTest::newRow("blank inside") << "mon essai .C15"
                                      << "mon essai.C15";
        QTest::newRow("relative path with backslashes") << "sous\\essai"
                                                        << "sous/essai.C15";
        QTest::newRow("full stop in a directory only") << "a.b/essai"
                                                       << "a.b/essai.C15";
        QTest::newRow("full stops in directory and name") << "a.b\\essai.x.y"
                                                          << "a.b/essai.C15";
        QTest::newRow("extension alone") << ".C15" << QString();
        QTest::newRow("blanks only") << "   " << QString();
        QTest::newRow("directory without a name") << "sous/.C15" << QString();
        QTest::newRow("nothing") << "" << QString();
    }
    void typedNames() {
        QFETCH(QString, tape);
        QFETCH(QString, fichier);
        rep->creerRepertoire("sous");
        rep->creerRepertoire("a.b");
        const auto d = ouvrir();
        QSignalSpy enregistre(d.get(), &DialogueEnregistrer::enregistre);
        d->Text1->setText(tape);
        d->Command1->click();
        if (fichier.isEmpty()) {
            QCOMPARE(prompteur->messages(),
                     QStringList{"Enregistrement impossible: Il faut donner un nom au fichier!"});
            QCOMPARE(prompteur->questions.front().icone, Icone::critique);
            QCOMPARE(prompteur->curseurs, QList{Qt::ArrowCursor}); // no hourglass over a question
            QCOMPARE(enregistre.count(), 0);
            QVERIFY(d->result() != QDialog::Accepted);
            QVERIFY(etat->fichcourant.isEmpty());
            QCOMPARE(QDir(rep->chemin()).entryList({"*.C15"}, QDir::Files), QStringList());
            return;
        }
        const QString attendu = QDir::toNativeSeparators(rep->chemin(fichier));
        QVERIFY(prompteur->questions.empty());
        QCOMPARE(enregistre.count(), 1);
        QCOMPARE(enregistre.first().first().toString(), attendu);
        QCOMPARE(etat->fichcourant, attendu);
        QCOMPARE(d->Text1->text(), attendu);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(lireConfiguration(rep->chemin(fichier)).configuration == configuration);
        QCOMPARE(d->cursor().shape(), Qt::ArrowCursor); // the hourglass gone with the save
    }

    void fullPathSavedWhateverTheListsShow() {
        RepertoireDeTest ailleurs;
        QDir::setCurrent(rep->chemin());
        const auto d = ouvrir();
        d->Text1->setText(QDir::toNativeSeparators(ailleurs.chemin("loin")));
        d->Command1->click();
        QVERIFY(QFile::exists(ailleurs.chemin("loin.C15")));
        QVERIFY(!QFile::exists(rep->chemin("loin.C15")));
    }

    void saveMovesTheCurrentDirectory() {
        rep->creerRepertoire("classe");
        const auto d = ouvrir();
        QVERIFY(d->Dir1->setChemin(rep->chemin("classe")));
        QCOMPARE(d->File1->chemin(), rep->chemin("classe"));
        d->Text1->setText("tp1");
        QTest::keyClick(d->Text1, Qt::Key_Return);
        QVERIFY(QFile::exists(rep->chemin("classe/tp1.C15")));
        QCOMPARE(QDir::currentPath(), rep->chemin("classe"));
        // The next dialog starts there.
        QCOMPARE(ouvrir()->Dir1->chemin(), rep->chemin("classe"));
    }

    void enterSavesOnce() {
        const auto d = ouvrir();
        QSignalSpy enregistre(d.get(), &DialogueEnregistrer::enregistre);
        d->Text1->setText("tp1");
        QTest::keyClick(d->Text1, Qt::Key_Enter);
        QCOMPARE(enregistre.count(), 1);
    }

    void nameBoxStartsWithTheCurrentFile() {
        etat->fichcourant = QDir::toNativeSeparators(rep->chemin("ancien.C15"));
        const auto d = ouvrir();
        QCOMPARE(d->Text1->text(), etat->fichcourant);
        // Another directory chosen: only the file name stays, to be saved there.
        rep->creerRepertoire("autre");
        QVERIFY(d->Dir1->setChemin(rep->chemin("autre")));
        QCOMPARE(d->Text1->text(), QString("ancien.C15"));
        d->Command1->click();
        QVERIFY(QFile::exists(rep->chemin("autre/ancien.C15")));
    }

    void overwrite_data() {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("tape"); // empty: the listed file double-clicked
        QTest::addColumn<QMessageBox::StandardButton>("reponse");
        QTest::addColumn<bool>("ecrase");
        QTest::newRow("answered No") << "present.C15"
                                     << "" << QMessageBox::No << false;
        QTest::newRow("answered Yes") << "present.C15"
                                      << "" << QMessageBox::Yes << true;
        // The list matches "*.C15" whatever the case; the file is replaced under its own name.
        QTest::newRow("extension in lower case, answered No") << "present.c15"
                                                              << "" << QMessageBox::No << false;
        QTest::newRow("extension in lower case, answered Yes") << "present.c15"
                                                               << "" << QMessageBox::Yes << true;
        QTest::newRow("name typed in capitals, answered Yes") << "autre.c15"
                                                              << "AUTRE" << QMessageBox::Yes << true;
        QTest::newRow("name typed in mixed case, answered No") << "Autre.C15"
                                                               << "aUTRE" << QMessageBox::No << false;
    }
    void overwrite() {
        QFETCH(QString, present);
        QFETCH(QString, tape);
        QFETCH(QMessageBox::StandardButton, reponse);
        QFETCH(bool, ecrase);
        rep->creerFichier(present, "ancien contenu");
        const auto d = ouvrir();
        QSignalSpy enregistre(d.get(), &DialogueEnregistrer::enregistre);
        prompteur->reponsesMessages.push_back(boutonDe(reponse));
        if (tape.isEmpty()) {
            QListWidgetItem* element = ::element(d->File1, present);
            QVERIFY(element);
            doubleCliquer(d->File1, d->File1->row(element));
        } else {
            d->Text1->setText(tape);
            d->Command1->click();
        }
        QCOMPARE(prompteur->messages(), QStringList{"Ce fichier existe déjà!: Ecraser le fichier existant?"});
        const QuestionPosee& q = prompteur->questions.front();
        QCOMPARE(q.icone, Icone::avertissement);
        QCOMPARE(q.boutons, (Boutons{Bouton::oui, Bouton::non}));
        QCOMPARE(prompteur->curseurs, QList{Qt::ArrowCursor});
        QCOMPARE(enregistre.count(), ecrase ? 1 : 0);
        QCOMPARE(d->result() == QDialog::Accepted, ecrase);
        QCOMPARE(d->Text1->text(), QDir::toNativeSeparators(rep->chemin(present)));
        QCOMPARE(QDir(rep->chemin()).entryList(QDir::Files), QStringList{present});
        if (ecrase)
            QVERIFY(lireConfiguration(rep->chemin(present)).configuration == configuration);
        else
            QCOMPARE(lire(rep->chemin(present)), QByteArray("ancien contenu"));
    }

    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("quantite");
        QTest::addColumn<QString>("dossier"); // a folder in the file's place; empty: an old file
        QTest::addColumn<QStringList>("messages");
        const QString echec = "Enregistrement impossible: Ecriture impossible sur disque";
        QTest::newRow("amount longer than a record")
            << QString(127, '1') << ""
            << QStringList{"Ce fichier existe déjà!: Ecraser le fichier existant?", echec};
        // A folder is not a file to replace: no question before the failure.
        QTest::newRow("folder in the file's place") << "0,1"
                                                    << "tp.C15" << QStringList{echec};
        QTest::newRow("folder of another case in the file's place") << "0,1"
                                                                    << "TP.c15" << QStringList{echec};
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, quantite);
        QFETCH(QString, dossier);
        QFETCH(QStringList, messages);
        if (!dossier.isEmpty())
            rep->creerRepertoire(dossier);
        else
            rep->creerFichier("tp.C15", "ancien contenu");
        configuration.quantites[0] = quantite.toStdString();
        const auto d = ouvrir();
        prompteur->reponsesMessages.push_back(Bouton::oui);
        d->Text1->setText("tp");
        d->Command1->click();
        QCOMPARE(prompteur->messages(), messages);
        QCOMPARE(prompteur->questions.back().icone, Icone::critique);
        QVERIFY(d->result() != QDialog::Accepted);
        QCOMPARE(etat->fichcourant,
                 QDir::toNativeSeparators(rep->chemin(dossier.isEmpty() ? "tp.C15" : dossier)));
        if (dossier.isEmpty()) QCOMPARE(lire(rep->chemin("tp.C15")), QByteArray("ancien contenu"));
        QCOMPARE(QDir(rep->chemin()).entryList(QDir::Files | QDir::Hidden),
                 dossier.isEmpty() ? QStringList{"tp.C15"} : QStringList());
    }

    void cancelClosesWithoutSaving() {
        const auto d = ouvrir();
        d->Text1->setText("tp");
        d->Command2->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(rep->chemin("tp.C15")));
        QVERIFY(etat->fichcourant.isEmpty());
    }

    void placedByTheMainWindow() {
        QWidget fenetre;
        fenetre.setGeometry(140, 90, 300, 200);
        fenetre.show();
        DialogueEnregistrer d(
            *etat, [this] { return configuration; }, &fenetre);
        d.placerPres(&fenetre);
        QCOMPARE(d.pos(), fenetre.frameGeometry().topLeft() + QPoint(20, 20));
    }
};

VEDO_TEST(TestDialogueEnregistrer);
#include "tst_dialogueenregistrer.moc"
