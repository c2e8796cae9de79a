#include "DisqueLimite.h"
#include "PeripheriqueDefaillant.h"
#include "TestRegistry.h"

#include "persistence/ConfigurationFile.h"
#include "persistence/RecordFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace vedo;

namespace {
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
        if (seulementHorsRoot) {
            if (geteuid() == 0) QSKIP("root writes into a directory without write permission");
            dossier = temporaire.filePath("verrouille");
            QVERIFY(QDir().mkdir(dossier));
            QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QString chemin = QDir(dossier).filePath("essai.C15");
        QVERIFY(!ecrireConfiguration(chemin, Configuration{}));
        QVERIFY(!QFile::exists(chemin));
        if (seulementHorsRoot)
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

    void fileRemovedBetweenListAndOpen() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("parti.C15");
        QVERIFY(ecrireConfiguration(chemin, Configuration{}));
        QVERIFY(QDir(dossier.path()).entryList({"*.C15"}).contains("parti.C15"));
        QVERIFY(QFile::remove(chemin));
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, ErreurConfiguration::lectureImpossible);
        QCOMPARE(messageErreurConfiguration(lu.erreur), QString("Lecture impossible sur disque"));
        QVERIFY(lu.configuration == Configuration{});
    }
};

VEDO_TEST(TestDefaillancesDisque);
#include "tst_defaillancesdisque.moc"
