#include "TestRegistry.h"

#include "RepertoireExercices.h"
#include "exercises/Fichexo.h"
#include "persistence/ListeFichiers.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QtTest>

using namespace vedo;

namespace {

// The exercise window over a text area and a file box of its own.
struct Essai {
    ScriptedPrompter prompteur;
    ApplicationState etat{prompteur};
    QTextEdit supertext;
    QLineEdit fich;
    QStringList configurationsChargees;
    ZoneExercice zone;
    std::unique_ptr<Fichexo> fichexo;

    explicit Essai(const QString& repertoire) {
        supertext.setPlainText("Texte de départ");
        zone = {nullptr, &supertext, &fich, repertoire,
                [this] { configurationsChargees << etat.fichcourant; }};
        fichexo = std::make_unique<Fichexo>(etat, zone);
    }
};

} // namespace

class TestFichexo : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheProgramDirectoryWithTheFirstExercise() {
        RepertoireExercices r;
        r.ajouter("B");
        r.ajouter("A");
        Essai e(r.chemin());
        QCOMPARE(e.fichexo->tito->texte(), QString("Ouvrir un exercice"));
        QCOMPARE(e.fichexo->fichierexo->text(), QString());
        QVERIFY(e.fichexo->attente->isHidden());
        e.fichexo->activation();
        QCOMPARE(e.fichexo->File1->count(), 2);
        QCOMPARE(e.fichexo->File1->currentRow(), 0);
        QCOMPARE(e.fichexo->fichierexo->text(), r.chemin("A.E39"));
        QCOMPARE(e.etat.repexo, r.chemin() + QDir::separator());
        QCOMPARE(e.fichexo->titratexo->text(), QString("Exercice A"));
    }

    void emptyDirectoryLeavesThePreviewEmpty() {
        RepertoireExercices r;
        Essai e(r.chemin());
        e.fichexo->activation();
        QVERIFY(!e.fichexo->selectionner->isHidden());
        QVERIFY(e.fichexo->ouvreur->isHidden());
        QVERIFY(e.fichexo->Corrige->isHidden());
        QCOMPARE(e.fichexo->notions->toPlainText(), QString());
        QCOMPARE(e.fichexo->sabliers->text(), QString());
    }

    void preview_data() {
        QTest::addColumn<bool>("correction");
        QTest::addColumn<QString>("difficulte");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<int>("allumees");
        QTest::newRow("corrected, difficulty 3") << true << "3"
                                                 << "Exercice corrigé" << 3;
        QTest::newRow("not corrected, difficulty 0") << false << "0"
                                                     << "Non corrigé" << 0;
        QTest::newRow("corrected, difficulty 1") << true << "1"
                                                 << "Exercice corrigé" << 1;
    }
    void preview() {
        QFETCH(bool, correction);
        QFETCH(QString, difficulte);
        QFETCH(QString, legende);
        QFETCH(int, allumees);
        RepertoireExercices r;
        OptionsExercice o;
        o.correction = correction;
        o.difficulte = difficulte;
        r.ajouter("EXO", o);
        Essai e(r.chemin());
        e.fichexo->activation();
        Fichexo& f = *e.fichexo;
        QCOMPARE(f.Corrige->text(), legende);
        QCOMPARE(f.ombreCorrige->text(), legende);
        QCOMPARE(f.ombreCorrige->pos(), f.Corrige->pos() + QPoint(2, 2));
        QCOMPARE(f.modele().etoilesAllumees(), allumees);
        for (QLabel* etoile : f.etoiles)
            QVERIFY(!etoile->isHidden());
        QVERIFY(!f.etiquetteDifficulte->isHidden());
        QVERIFY(!f.ouvreur->isHidden());
        QVERIFY(f.selectionner->isHidden());
        QCOMPARE(f.notions->toPlainText(), QString("Équilibre\nRendement"));
        QCOMPARE(f.titratexo->text(), QString("Exercice EXO"));
        QCOMPARE(f.sabliers->text(), QString(3, QChar(0x231B)));
        QVERIFY(e.prompteur.questions.empty());
    }

    void unreadableExerciseIsReported() {
        RepertoireExercices r;
        QFile abime(r.chemin("ABIME.E39"));
        QVERIFY(abime.open(QIODevice::WriteOnly));
        abime.write(QByteArray(200, '\xff'));
        abime.close();
        Essai e(r.chemin());
        e.fichexo->activation();
        QCOMPARE(e.prompteur.messages(),
                 QStringList{"Lecture impossible: Vérifier:\n- le nom du fichier,\n- l'état du lecteur."});
    }

    void opensStatementAndConfiguration_data() {
        QTest::addColumn<bool>("correction");
        QTest::addColumn<bool>("configuration");
        QTest::newRow("corrected, with configuration") << true << true;
        QTest::newRow("not corrected, without configuration") << false << false;
    }
    void opensStatementAndConfiguration() {
        QFETCH(bool, correction);
        QFETCH(bool, configuration);
        RepertoireExercices r;
        OptionsExercice o;
        o.correction = correction;
        o.configuration = configuration;
        const QString exercice = r.ajouter("EXO", o);
        Essai e(r.chemin());
        e.etat.fichcourant = "avant";
        e.etat.texteModifie = true;
        e.fichexo->activation();
        e.fichexo->ouvreur->click();
        QCOMPARE(e.supertext.toPlainText(), QString("Énoncé de EXO"));
        QCOMPARE(e.fich.text(), exercice);
        QCOMPARE(e.etat.correctionDisponible, correction);
        QCOMPARE(e.etat.texteModifie, false);
        QCOMPARE(e.configurationsChargees, configuration ? QStringList{r.chemin("EXO.C15")} : QStringList());
        QCOMPARE(e.etat.fichcourant, configuration ? r.chemin("EXO.C15") : QString("avant"));
        QCOMPARE(e.fichexo->result(), int(QDialog::Accepted));
        QVERIFY(e.fichexo->attente->isHidden());
    }

    void missingStatementKeepsTheText() {
        RepertoireExercices r;
        r.ajouter("EXO");
        QFile::remove(r.chemin("EXO.RTF"));
        Essai e(r.chemin());
        e.etat.texteModifie = true;
        e.fichexo->activation();
        e.fichexo->modele().ouvreur_Click();
        QCOMPARE(e.prompteur.messages(), QStringList{"Fichier absent: Le fichier " + r.chemin() +
                                                     QDir::separator() + "EXO.RTF est introuvable"});
        QCOMPARE(e.prompteur.questions[0].icone, Icone::critique);
        QCOMPARE(e.supertext.toPlainText(), QString("Texte de départ"));
        QCOMPARE(e.fich.text(), QString());
        QVERIFY(e.configurationsChargees.isEmpty());
        QVERIFY(e.etat.texteModifie);
    }

    void enterInTheListOpensAndTheCrossDoesNot_data() {
        QTest::addColumn<bool>("entree");
        QTest::newRow("Enter in the file list") << true;
        QTest::newRow("close without loading") << false;
    }
    void enterInTheListOpensAndTheCrossDoesNot() {
        QFETCH(bool, entree);
        RepertoireExercices r;
        r.ajouter("EXO");
        Essai e(r.chemin());
        e.fichexo->activation();
        if (entree)
            QTest::keyClick(e.fichexo->File1, Qt::Key_Return);
        else
            e.fichexo->Image5->click();
        QCOMPARE(e.supertext.toPlainText(), entree ? QString("Énoncé de EXO") : QString("Texte de départ"));
        QCOMPARE(e.fichexo->result(), int(entree ? QDialog::Accepted : QDialog::Rejected));
    }

    void blankNameOpensNothing() {
        RepertoireExercices r;
        Essai e(r.chemin());
        e.fichexo->fichierexo->setText("   ");
        e.fichexo->modele().ouvreur_Click();
        QCOMPARE(e.supertext.toPlainText(), QString("Texte de départ"));
        QVERIFY(e.prompteur.questions.empty());
        QCOMPARE(e.fichexo->result(), int(QDialog::Rejected));
    }

    void namesInTheFileResolveBesideIt() {
        // An exercise typed by hand, in another directory than the list's.
        RepertoireExercices liste, ailleurs;
        liste.ajouter("ICI");
        const QString exercice = ailleurs.ajouter("LOIN");
        Essai e(liste.chemin());
        e.fichexo->activation();
        e.fichexo->fichierexo->setText(exercice);
        e.fichexo->modele().ouvreur_Click();
        QCOMPARE(e.supertext.toPlainText(), QString("Énoncé de LOIN"));
        QCOMPARE(e.configurationsChargees, QStringList{ailleurs.chemin("LOIN.C15")});
    }
};

VEDO_TEST(TestFichexo);
#include "tst_fichexo.moc"
