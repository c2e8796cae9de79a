#include "TestRegistry.h"

#include "persistence/RecordFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {
QByteArray enregistrement(const QByteArray& texte, int longueurDeclaree = -1) {
    QByteArray r(tailleEnregistrement, '\0');
    const int l = longueurDeclaree < 0 ? int(texte.size()) : longueurDeclaree;
    r[0] = char(l & 0xFF);
    r[1] = char(l >> 8);
    r.replace(2, texte.size(), texte);
    return r.left(tailleEnregistrement);
}
} // namespace

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    void layoutByteForByte() {
        const auto octets = octetsEnregistrement("Réaction");
        QVERIFY(octets);
        QCOMPARE(octets->size(), 128);
        QCOMPARE(octets->left(10), QByteArray("\x08\x00R\xe9"
                                              "action",
                                              10));
        QCOMPARE(octets->mid(10), QByteArray(118, '\0'));
    }

    void longestTextFitsAndLongerIsRefused() {
        QVERIFY(octetsEnregistrement(QString(126, 'a')));
        QVERIFY(!octetsEnregistrement(QString(127, 'a')));
        // 126 characters but 126 bytes in Windows-1252 too: accents count once.
        QVERIFY(octetsEnregistrement(QString(126, QChar(0xE9))));
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("lisible");
        QTest::addColumn<QString>("texte");
        const QByteArray deux = enregistrement("ESTER") + enregistrement(" 2");
        QTest::newRow("first record") << deux << 1 << true << "ESTER";
        QTest::newRow("second record") << deux << 2 << true << " 2";
        QTest::newRow("past the end reads empty") << deux << 31 << true << "";
        QTest::newRow("empty file reads empty") << QByteArray() << 1 << true << "";
        QTest::newRow("exactly 126 bytes") << enregistrement(QByteArray(126, 'x')) << 1 << true << QString(126, 'x');
        QTest::newRow("text read through Windows-1252, not Latin-1")
            << enregistrement("c\x9cur \x92\x80") << 1 << true << QString::fromUtf8("cœur ’€");
        QTest::newRow("length above 126") << enregistrement("x", 127) << 1 << false << "";
        QTest::newRow("length 0xFFFF") << enregistrement("x", 0xFFFF) << 1 << false << "";
        QTest::newRow("length 261: the high byte counts") << enregistrement("x", 0x105) << 1 << false << "";
        QTest::newRow("record cut inside its text") << enregistrement("ESTER").left(5) << 1 << false << "";
        QTest::newRow("only one length byte") << QByteArray("\x05", 1) << 1 << false << "";
        QTest::newRow("text cut before the declared length but record complete")
            << enregistrement("ES", 5) << 1 << true << QString::fromLatin1("ES\0\0\0", 5);
        QTest::newRow("record number zero") << deux << 0 << false << "";
    }
    void reading() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, numero);
        QFETCH(bool, lisible);
        QFETCH(QString, texte);
        QBuffer tampon(&contenu);
        QVERIFY(tampon.open(QIODevice::ReadOnly));
        const auto lu = lireEnregistrement(tampon, numero);
        QCOMPARE(lu.has_value(), lisible);
        if (lisible) QCOMPARE(*lu, texte);
    }

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
