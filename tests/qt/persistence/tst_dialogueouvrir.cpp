#include "TestRegistry.h"

#include "DoubleClic.h"
#include "ComparaisonImages.h"
#include "RepertoireDeTest.h"
#include "persistence/DialogueEnregistrer.h"
#include "persistence/DialogueOuvrir.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vedo;

class TestDialogueOuvrir : public QObject {
    Q_OBJECT
    std::unique_ptr<RepertoireDeTest> rep;
    std::unique_ptr<ScriptedPrompter> prompteur;
    std::unique_ptr<ApplicationState> etat;

    // Clicks, or double-clicks, a file of the list.
    static void cliquer(DialogueOuvrir& d, const QString& nom, bool double_) {
        const auto trouves = d.File1->findItems(nom, Qt::MatchExactly);
        QVERIFY(!trouves.isEmpty());
        if (double_)
            doubleCliquer(d.File1, d.File1->row(trouves.first()));
        else
            QTest::mouseClick(d.File1->viewport(), Qt::LeftButton, {},
                              d.File1->visualItemRect(trouves.first()).center());
    }

private slots:
    void init() {
        rep = std::make_unique<RepertoireDeTest>();
        prompteur = std::make_unique<ScriptedPrompter>();
        etat = std::make_unique<ApplicationState>(*prompteur);
        rep->creerRepertoire("classe");
        rep->creerFichier("classe/tp1.C15");
        rep->creerFichier("classe/tp2.c15");
    }
    void cleanup() {
        etat.reset();
        prompteur.reset();
        rep.reset();
    }

    void captions() {
        DialogueOuvrir d(*etat);
        QCOMPARE(d.windowTitle(), QString("Ouvrir une configuration"));
        QCOMPARE(d.objectName(), QString("ouvrir"));
        QCOMPARE(d.Command1->text(), QString("OUVRIR"));
        QCOMPARE(d.Command2->text(), QString("ANNULER"));
        QCOMPARE(d.findChild<QLabel*>("Label1")->text(), QString("Lecteur:"));
        QCOMPARE(d.findChild<QLabel*>("Label2")->text(), QString("Répertoire"));
        QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QString("Fichiers"));
        QCOMPARE(d.findChild<QLabel*>("Label4")->text(), QString("Patience: chargement du fichier"));
        QVERIFY(d.Frame1->isHidden());
        QCOMPARE(d.findChild<QFrame*>("Frame1"), d.Frame1);
        QVERIFY(d.ficharge->text().isEmpty());
        const QString ecart = ecartAReference(d.findChild<QLabel*>("Image1")->pixmap().toImage(), "sablier.png",
                                              dessinLisse(12));
        QVERIFY2(ecart.isEmpty(), qPrintable(ecart));
    }

    // Both file dialogs share one grid: 8 pixels of margin and between the two
    // columns, files on the left, directories and drives on the right, each
    // label 18 pixels above its control, the buttons in the bottom right corner.
    void disposition_data() {
        QTest::addColumn<bool>("enregistrer");
        QTest::addColumn<QString>("etiquette");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("colonne");
        QTest::addColumn<bool>("memeLargeur"); // the label as wide as its control
        QTest::newRow("save: name over both columns") << true << "Label2" << "Text1" << "both" << false;
        QTest::newRow("save: files") << true << "Label4" << "File1" << "left" << true;
        QTest::newRow("save: directories") << true << "Label3" << "Dir1" << "right" << true;
        QTest::newRow("save: drives") << true << "Label1" << "Drive1" << "right" << true;
        // The open dialog's name box has no label, only its place.
        QTest::newRow("open: name over both columns") << false << "" << "ficharge" << "both" << false;
        QTest::newRow("open: files") << false << "Label3" << "File1" << "left" << true;
        QTest::newRow("open: directories") << false << "Label2" << "Dir1" << "right" << true;
        QTest::newRow("open: drives") << false << "Label1" << "Drive1" << "right" << true;
    }
    void disposition() {
        QFETCH(bool, enregistrer);
        QFETCH(QString, etiquette);
        QFETCH(QString, controle);
        QFETCH(QString, colonne);
        QFETCH(bool, memeLargeur);
        std::unique_ptr<QDialog> d;
        if (enregistrer)
            d = std::make_unique<DialogueEnregistrer>(*etat, [] { return Configuration{}; });
        else
            d = std::make_unique<DialogueOuvrir>(*etat);
        const auto place = [&](const QString& nom) { return d->findChild<QWidget*>(nom)->geometry(); };
        const int fin = d->width() - 8;
        const int gauche = colonne == "right" ? 224 : 8;
        const int droite = colonne == "left" ? 216 : fin;
        const QRect c = place(controle);
        const QRect e = etiquette.isEmpty() ? QRect(gauche, 8, c.width(), 17) : place(etiquette);
        QCOMPARE(c.left(), gauche);
        QCOMPARE(c.left() + c.width(), droite);
        QCOMPARE(e.left(), gauche);
        QVERIFY(e.left() + e.width() <= droite);
        if (memeLargeur) QCOMPARE(e.width(), c.width());
        QCOMPARE(c.top() - e.top(), 18);
        QCOMPARE(c.top() - (e.top() + e.height()), 1);
        // The two lists end level; the buttons, equal, close the right column.
        QCOMPARE(place("File1").bottom(), place("Drive1").bottom());
        const QRect b1 = place("Command1"), b2 = place("Command2");
        QCOMPARE(b1.left(), 224);
        QCOMPARE(b2.left() + b2.width(), fin);
        QCOMPARE(b1.size(), b2.size());
        QCOMPARE(b1.top(), b2.top());
        QCOMPARE(b1.top() + b1.height(), d->height() - 8);
        // The open dialog's notice sits in the left column under the files: the
        // hourglass and its text inside with 4 pixels all around.
        if (const auto* avis = d->findChild<QFrame*>("Frame1")) {
            QCOMPARE(avis->x(), 8);
            QCOMPARE(avis->x() + avis->width(), 216);
            const QRect sablier = avis->findChild<QLabel*>("Image1")->geometry();
            const QRect texte = avis->findChild<QLabel*>("Label4")->geometry();
            QCOMPARE(sablier.topLeft(), QPoint(4, 4));
            QCOMPARE(texte.left() - (sablier.left() + sablier.width()), 4);
            QCOMPARE(texte.left() + texte.width(), avis->width() - 4);
            QCOMPARE(texte.top(), 4);
            QCOMPARE(sablier.height(), avis->height() - 8);
            QCOMPARE(texte.height(), avis->height() - 8);
        }
        // Enter belongs to the name box and the lists, never to a default button.
        QVERIFY(!d->findChild<QPushButton*>("Command1")->autoDefault());
        QVERIFY(!d->findChild<QPushButton*>("Command2")->autoDefault());
        for (const QWidget* a : d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            for (const QWidget* b : d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
    }

    void clickFillsTheFullPathAndMovesTheCurrentDirectory() {
        DialogueOuvrir d(*etat);
        QSignalSpy chargement(&d, &DialogueOuvrir::chargementDemande);
        QVERIFY(d.Dir1->setChemin(rep->chemin("classe")));
        cliquer(d, "tp2.c15", false);
        QCOMPARE(d.ficharge->text(), QDir::toNativeSeparators(rep->chemin("classe/tp2.c15")));
        QCOMPARE(QDir::currentPath(), rep->chemin("classe"));
        QCOMPARE(chargement.count(), 0);
        QCOMPARE(DialogueOuvrir(*etat).Dir1->chemin(), rep->chemin("classe"));
    }

    void doubleClickOpens() {
        DialogueOuvrir d(*etat);
        QSignalSpy chargement(&d, &DialogueOuvrir::chargementDemande);
        QVERIFY(d.Dir1->setChemin(rep->chemin("classe")));
        // The notice is on screen when the loading starts.
        bool avisVisible = false;
        connect(&d, &DialogueOuvrir::chargementDemande, [&] { avisVisible = d.Frame1->isVisibleTo(&d); });
        cliquer(d, "tp1.C15", true);
        QCOMPARE(chargement.count(), 1);
        QVERIFY(avisVisible);
        QCOMPARE(etat->fichcourant, QDir::toNativeSeparators(rep->chemin("classe/tp1.C15")));
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void typedNames_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<bool>("ouvert");
        QTest::addColumn<bool>("message");
        QTest::newRow("relative to the current directory") << "classe/tp1.C15" << true << false;
        QTest::newRow("backslashes") << "classe\\tp1.C15" << true << false;
        QTest::newRow("other extension, left to the loader") << "notes.txt" << true << false;
        QTest::newRow("absent file") << "classe/tp9.C15" << false << true;
        QTest::newRow("a directory") << "classe" << false << true;
        QTest::newRow("blanks only") << "   " << false << false;
        QTest::newRow("nothing") << "" << false << false;
    }
    void typedNames() {
        QFETCH(QString, tape);
        QFETCH(bool, ouvert);
        QFETCH(bool, message);
        rep->creerFichier("notes.txt");
        DialogueOuvrir d(*etat);
        QSignalSpy chargement(&d, &DialogueOuvrir::chargementDemande);
        d.ficharge->setText(tape);
        d.Command1->click();
        QCOMPARE(chargement.count(), ouvert ? 1 : 0);
        QCOMPARE(d.result() == QDialog::Accepted, ouvert);
        QCOMPARE(
            prompteur->messages(),
            message
                ? QStringList{"impossible d'ouvrir ce fichier: Nom de fichier incorrect ou chemin non valide"}
                : QStringList());
        if (message) QCOMPARE(prompteur->questions.front().icone, Icone::critique);
        // The name is taken even when refused; an empty one is ignored.
        QCOMPARE(etat->fichcourant, tape.trimmed().isEmpty()
                                        ? QString()
                                        : QDir::toNativeSeparators(QString(tape).replace('\\', '/')));
    }

    void fullPathTypedOutsideTheListedDirectory() {
        RepertoireDeTest ailleurs;
        ailleurs.creerFichier("loin.C15");
        QDir::setCurrent(rep->chemin());
        DialogueOuvrir d(*etat);
        QSignalSpy chargement(&d, &DialogueOuvrir::chargementDemande);
        d.ficharge->setText(QDir::toNativeSeparators(ailleurs.chemin("loin.C15")));
        d.Command1->click();
        QCOMPARE(chargement.count(), 1);
    }

    void cancel() {
        DialogueOuvrir d(*etat);
        QSignalSpy chargement(&d, &DialogueOuvrir::chargementDemande);
        d.ficharge->setText("classe/tp1.C15");
        d.Command2->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(chargement.count(), 0);
        QVERIFY(etat->fichcourant.isEmpty());
    }
};

VEDO_TEST(TestDialogueOuvrir);
#include "tst_dialogueouvrir.moc"
