#include "TestRegistry.h"

#include "persistence/RecordFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    void writingLeavesOtherBytesAlone() {
        QByteArray contenu;
        for (int i = 0; i < 3 * tailleEnregistrement; ++i)
            contenu += char(i * 7);
        const QByteArray avant = contenu;
        QBuffer tampon(&contenu);
        QVERIFY(tampon.open(QIODevice::ReadWrite));
        QVERIFY(ecrireEnregistrement(tampon, 2, "OUI"));
        QCOMPARE(contenu.left(128), avant.left(128));
        QCOMPARE(contenu.mid(256), avant.mid(256));
        QCOMPARE(contenu.mid(128, 5), QByteArray("\x03\x00OUI", 5));
        QCOMPARE(*lireEnregistrement(tampon, 2), QString("OUI"));
    }

    void writingPastTheEndExtendsWithZeros() {
        QTemporaryDir dossier;
        QFile f(dossier.filePath("TEMPQW.TMP"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(ecrireEnregistrement(f, 16, "OUI"));
        QCOMPARE(f.size(), qint64(16 * 128));
        f.seek(0);
        QCOMPARE(f.read(15 * 128), QByteArray(15 * 128, '\0'));
        QCOMPARE(*lireEnregistrement(f, 16), QString("OUI"));
        QVERIFY(!ecrireEnregistrement(f, 3, QString(127, 'x')));
        QCOMPARE(f.size(), qint64(16 * 128));
    }

    void wholeFileSavedAtomically() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("a.C15");
        QVERIFY(ecrireFichierEnregistrements(chemin, {"ESTER", "0,1"}));
        QFile lu(chemin);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(lu.size(), qint64(256));
        lu.close();
        // A text too long fails before anything is written: the old file stays.
        QVERIFY(!ecrireFichierEnregistrements(chemin, {"ESTER", QString(200, 'x')}));
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(*lireEnregistrement(lu, 2), QString("0,1"));
    }

    void unwritableDirectoryFails() {
        QVERIFY(!ecrireFichierEnregistrements("/nonexistent-dir/x.C15", {"ESTER"}));
    }
};

VEDO_TEST(TestRecordFile);
#include "tst_recordfile.moc"
