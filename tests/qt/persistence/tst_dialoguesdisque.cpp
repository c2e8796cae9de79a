#include "TestRegistry.h"

#include "DisqueLimite.h"
#include "DoubleClic.h"
#include "DroitsOrdinaires.h"
#include "RepertoireDeTest.h"
#include "persistence/ConfigurationFile.h"
#include "persistence/DialogueEnregistrer.h"
#include "persistence/DialogueOuvrir.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QSignalSpy>
#include <QtTest>

#include <optional>

using namespace vedo;

namespace {
QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// The open and save dialogs when the disk lets them down: the French message
// of the failure, the dialog left open, no file half written.
class TestDialoguesDisque : public QObject {
    Q_OBJECT
    std::unique_ptr<RepertoireDeTest> rep;
    std::unique_ptr<ScriptedPrompter> prompteur;
    std::unique_ptr<ApplicationState> etat;

private slots:
    void init() {
        rep = std::make_unique<RepertoireDeTest>();
        prompteur = std::make_unique<ScriptedPrompter>();
        etat = std::make_unique<ApplicationState>(*prompteur);
    }
    void cleanup() {
        etat.reset();
        prompteur.reset();
        rep.reset();
    }

    void saveFails_data() {
        QTest::addColumn<QString>("tape");   // "%1": the test directory
        QTest::addColumn<int>("placeLibre"); // -1: no limit
        QTest::addColumn<bool>("ancienFichier");
        QTest::addColumn<bool>("seulementHorsRoot");
        QTest::newRow("a kernel directory, read-only even for root") << "/proc/essai" << -1 << false << false;
        QTest::newRow("a full disk, a good file in place") << "%1/essai" << 0 << true << false;
        QTest::newRow("a full disk, room for part of the file") << "%1/essai" << 1000 << false << false;
        QTest::newRow("a directory without write permission") << "%1/verrou/essai" << -1 << false << true;
    }
    void saveFails() {
        QFETCH(QString, tape);
        QFETCH(int, placeLibre);
        QFETCH(bool, ancienFichier);
        QFETCH(bool, seulementHorsRoot);
        if (seulementHorsRoot) {
            rep->creerRepertoire("verrou");
            QVERIFY(QFile::setPermissions(rep->chemin("verrou"), QFile::ReadOwner | QFile::ExeOwner));
        }
        tape = tape.arg(rep->chemin());
        const QString fichier = tape + ".C15";
        if (ancienFichier) QVERIFY(ecrireConfiguration(fichier, Configuration{}));
        const QByteArray avant = lire(fichier);
        Configuration autre;
        autre.reaction = 3;
        DialogueEnregistrer d(*etat, [&] { return autre; });
        QSignalSpy enregistre(&d, &DialogueEnregistrer::enregistre);
        prompteur->reponsesMessages.push_back(Bouton::oui); // overwrite
        d.Text1->setText(tape);
        {
            std::optional<DisqueLimite> disque;
            if (placeLibre >= 0) disque.emplace(placeLibre);
            std::optional<DroitsOrdinaires> droits;
            if (seulementHorsRoot) QVERIFY(droits.emplace().actif());
            d.Command1->click();
        }
        if (seulementHorsRoot)
            QFile::setPermissions(rep->chemin("verrou"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(prompteur->messages().last(),
                 QString("Enregistrement impossible: Ecriture impossible sur disque"));
        QCOMPARE(prompteur->questions.back().icone, Icone::critique);
        QCOMPARE(enregistre.count(), 0);
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(lire(fichier), avant);
        QCOMPARE(QFile::exists(fichier), ancienFichier);
    }

    // A school share: the student may change his file but not create one.
    void saveOverAFileInAFolderThatTakesNoNewFile() {
        rep->creerRepertoire("partage");
        QVERIFY(ecrireConfiguration(rep->chemin("partage/tp.C15"), Configuration{}));
        QVERIFY(QFile::setPermissions(rep->chemin("partage"), QFile::ReadOwner | QFile::ExeOwner));
        Configuration autre;
        autre.reaction = 3;
        DialogueEnregistrer d(*etat, [&] { return autre; });
        prompteur->reponsesMessages.push_back(Bouton::oui); // overwrite
        d.Text1->setText(rep->chemin("partage/tp"));
        {
            DroitsOrdinaires droits;
            QVERIFY(droits.actif());
            d.Command1->click();
        }
        QFile::setPermissions(rep->chemin("partage"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(prompteur->messages(), QStringList{"Ce fichier existe déjà!: Ecraser le fichier existant?"});
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(lireConfiguration(rep->chemin("partage/tp.C15")).configuration == autre);
    }

    void fileRemovedBetweenTheListAndTheOpen() {
        rep->creerRepertoire("classe");
        rep->creerFichier("classe/parti.C15");
        DialogueOuvrir d(*etat);
        QSignalSpy chargement(&d, &DialogueOuvrir::chargementDemande);
        QVERIFY(d.Dir1->setChemin(rep->chemin("classe")));
        const auto trouves = d.File1->findItems("parti.C15", Qt::MatchExactly);
        QCOMPARE(trouves.size(), 1);
        QVERIFY(QFile::remove(rep->chemin("classe/parti.C15")));
        doubleCliquer(d.File1, d.File1->row(trouves.first()));
        QCOMPARE(chargement.count(), 0);
        QCOMPARE(
            prompteur->messages(),
            QStringList{"impossible d'ouvrir ce fichier: Nom de fichier incorrect ou chemin non valide"});
        QVERIFY(d.result() != QDialog::Accepted);
    }

    void directoryWithoutPermissionIsListedEmpty() {
        rep->creerRepertoire("ferme");
        rep->creerFichier("ferme/cache.C15");
        QVERIFY(QFile::setPermissions(rep->chemin("ferme"), QFile::WriteOwner));
        DialogueOuvrir d(*etat);
        {
            DroitsOrdinaires droits;
            QVERIFY(droits.actif());
            d.Dir1->setChemin(rep->chemin("ferme"));
        }
        QFile::setPermissions(rep->chemin("ferme"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(d.File1->count(), 0);
        QVERIFY(prompteur->questions.empty());
    }
};

VEDO_TEST(TestDialoguesDisque);
#include "tst_dialoguesdisque.moc"
