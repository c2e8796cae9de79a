#include "DisqueLimite.h"
#include "DroitsOrdinaires.h"
#include "PeripheriqueDefaillant.h"
#include "TestRegistry.h"

#include "persistence/ConfigurationFile.h"
#include "persistence/FichierEchange.h"
#include "persistence/FichierEntier.h"
#include "persistence/RecordFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace vedo;

namespace {
QByteArray enregistrements(int nombre, int numeroTexte = 0, const QString& texte = {}) {
    QByteArray octets(nombre * tailleEnregistrement, '\0');
    if (numeroTexte > 0)
        octets.replace((numeroTexte - 1) * tailleEnregistrement, tailleEnregistrement,
                       *octetsEnregistrement(texte));
    return octets;
}

Configuration autreConfiguration() {
    Configuration c;
    c.reaction = 3;
    c.quantites = {"1", "2", "3", "4"};
    return c;
}
} // namespace

class TestDefaillancesDisque : public QObject {
    Q_OBJECT
private slots:
    void saveWhereNothingCanBeWritten_data() {
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<bool>("seulementHorsRoot");
        QTest::newRow("a kernel directory, read-only even for root") << "/proc" << false;
        QTest::newRow("a directory that is a file") << "/etc/hostname" << false;
        QTest::newRow("a directory that does not exist") << "/nonexistent/sub" << false;
        QTest::newRow("a directory without write permission") << "" << true;
    }
    void saveWhereNothingCanBeWritten() {
        QFETCH(QString, dossier);
        QFETCH(bool, seulementHorsRoot);
        QTemporaryDir temporaire;
        std::optional<DroitsOrdinaires> droits;
        if (seulementHorsRoot) {
            dossier = temporaire.filePath("verrouille");
            QVERIFY(QDir().mkdir(dossier));
            QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(droits.emplace().actif());
        }
        const QString chemin = QDir(dossier).filePath("essai.C15");
        QVERIFY(!ecrireConfiguration(chemin, Configuration{}));
        QVERIFY(!QFile::exists(chemin));
        droits.reset();
        if (seulementHorsRoot)
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A folder where files may be changed but none created, as on school
    // network shares: no temporary file can be made beside the target.
    void saveIntoAFolderThatTakesNoNewFile_data() {
        QTest::addColumn<QByteArray>("ancien");
        QTest::addColumn<bool>("modifiable");
        QTest::addColumn<int>("placeLibre"); // -1: no limit
        QTest::addColumn<bool>("ecrit");
        QTest::newRow("a shorter file that may be changed") << QByteArray(100, 'a') << true << -1 << true;
        QTest::newRow("a longer file, cut to the new length") << QByteArray(5000, 'a') << true << -1 << true;
        QTest::newRow("a read-only file") << QByteArray(100, 'a') << false << -1 << false;
        QTest::newRow("a write that stops halfway") << QByteArray(100, 'a') << true << 2000 << false;
    }
    void saveIntoAFolderThatTakesNoNewFile() {
        QFETCH(QByteArray, ancien);
        QFETCH(bool, modifiable);
        QFETCH(int, placeLibre);
        QFETCH(bool, ecrit);
        QTemporaryDir temporaire;
        const QString dossier = temporaire.filePath("partage");
        const QString chemin = dossier + "/essai.C15";
        QVERIFY(QDir().mkdir(dossier));
        {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(ancien), ancien.size());
        }
        if (!modifiable) QVERIFY(QFile::setPermissions(chemin, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner));
        const auto rendre = qScopeGuard(
            [&] { QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        const QByteArray nouveau(3456, 'n');
        {
            DroitsOrdinaires droits;
            QVERIFY(droits.actif());
            std::optional<DisqueLimite> disque;
            if (placeLibre >= 0) QVERIFY(disque.emplace(placeLibre).actif());
            QCOMPARE(ecrireFichierEntier(chemin, nouveau), ecrit);
        }
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), ecrit ? nouveau : ancien);
        QCOMPARE(QDir(dossier).entryList(QDir::Files | QDir::Hidden), QStringList{"essai.C15"});
    }

    void fullDiskKeepsTheGoodFile_data() {
        QTest::addColumn<int>("placeLibre");
        QTest::newRow("no byte left") << 0;
        QTest::newRow("room for half the file") << 1700;
        QTest::newRow("room for all but the last record") << 3456 - 128;
    }
    void fullDiskKeepsTheGoodFile() {
        QFETCH(int, placeLibre);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("bon.C15");
        QVERIFY(ecrireConfiguration(chemin, Configuration{}));
        {
            DisqueLimite disque(placeLibre);
            QVERIFY(disque.actif());
            QVERIFY(!ecrireConfiguration(chemin, autreConfiguration()));
        }
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, ErreurConfiguration::aucune);
        QVERIFY(lu.configuration == Configuration{});
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"bon.C15"});
    }

    void failingDevice_data() {
        QTest::addColumn<int>("limiteLecture");
        QTest::addColumn<int>("limiteEcriture");
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("lisible");
        QTest::addColumn<bool>("ecrit");
        QTest::newRow("read error in the length") << 1 << 4096 << 1 << false << true;
        QTest::newRow("read error in the text") << 6 << 4096 << 1 << false << true;
        QTest::newRow("write error in the gap of zeros") << 4096 << 1000 << 16 << true << false;
        QTest::newRow("write error in the record itself") << 4096 << 2000 << 16 << true << false;
        QTest::newRow("write in place on a full disk") << 4096 << 128 << 1 << true << true;
    }
    void failingDevice() {
        QFETCH(int, limiteLecture);
        QFETCH(int, limiteEcriture);
        QFETCH(int, numero);
        QFETCH(bool, lisible);
        QFETCH(bool, ecrit);
        QByteArray contenu = *octetsEnregistrement("ESTER");
        PeripheriqueDefaillant f(&contenu, limiteLecture, limiteEcriture);
        QVERIFY(f.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        QCOMPARE(lireEnregistrement(f, 1).has_value(), lisible);
        QCOMPARE(ecrireEnregistrement(f, numero, "OUI"), ecrit);
    }

    // Every fault of the hand-over file goes unreported; the program reads
    // what it can and never damages what other programs wrote.
    void handOverFileFaults_data() {
        QTest::addColumn<QString>("chemin"); // relative to a fresh directory, or absolute
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<qint64>("taille");  // 0: as written
        QTest::addColumn<int>("placeLibre"); // -1: no limit
        QTest::addColumn<QString>("exercice");
        QTest::addColumn<QString>("enMarche"); // record 16 afterwards
        QTest::addColumn<qint64>("tailleApres");
        QTest::newRow("a kernel directory, read-only even for root")
            << "/proc/TEMPQW.TMP" << QByteArray() << qint64(0) << -1 << ""
            << "<illisible>" << qint64(0);
        QTest::newRow("cut inside record 31 by another program")
            << "TEMPQW.TMP" << enregistrements(31, 31, "EXO.E39").left(30 * tailleEnregistrement + 5)
            << qint64(0) << -1 << ""
            << "OUI" << qint64(31 * tailleEnregistrement);
        QTest::newRow("1 GB with an exercise waiting")
            << "TEMPQW.TMP" << enregistrements(31, 31, "EXO.E39") << (qint64(1) << 30) << -1 << "EXO.E39"
            << "OUI" << (qint64(1) << 30);
        QTest::newRow("a full disk, the file too short for record 16")
            << "TEMPQW.TMP" << enregistrements(10) << qint64(0) << 10 * tailleEnregistrement << ""
            << "" << qint64(10 * tailleEnregistrement);
    }
    void handOverFileFaults() {
        QFETCH(QString, chemin);
        QFETCH(QByteArray, contenu);
        QFETCH(qint64, taille);
        QFETCH(int, placeLibre);
        QFETCH(QString, exercice);
        QFETCH(QString, enMarche);
        QFETCH(qint64, tailleApres);
        QTemporaryDir dossier;
        chemin = QDir(dossier.path()).filePath(chemin);
        if (!contenu.isNull()) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(contenu), contenu.size());
            if (taille > 0) QVERIFY(f.resize(taille));
        }
        {
            std::optional<DisqueLimite> disque;
            if (placeLibre >= 0) disque.emplace(placeLibre);
            annoncerEnMarche(chemin, true);
            QCOMPARE(prendreExerciceTransmis(chemin), exercice);
        }
        QFile f(chemin);
        const QString lu =
            f.open(QIODevice::ReadOnly) ? lireEnregistrement(f, 16).value_or("<illisible>") : "<illisible>";
        QCOMPARE(lu, enMarche);
        if (!contenu.isNull()) {
            QCOMPARE(f.size(), tailleApres);
            f.seek(0);
            QCOMPARE(f.read(15 * tailleEnregistrement), contenu.left(15 * tailleEnregistrement));
        }
    }

    void fileRemovedBetweenListAndOpen() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("parti.C15");
        QVERIFY(ecrireConfiguration(chemin, Configuration{}));
        QVERIFY(QDir(dossier.path()).entryList({"*.C15"}).contains("parti.C15"));
        QVERIFY(QFile::remove(chemin));
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, ErreurConfiguration::lectureImpossible);
        QCOMPARE(messageErreurConfiguration(lu.erreur), std::string("Lecture impossible sur disque"));
        QVERIFY(lu.configuration == Configuration{});
    }
};

VEDO_TEST(TestDefaillancesDisque);
#include "tst_defaillancesdisque.moc"
