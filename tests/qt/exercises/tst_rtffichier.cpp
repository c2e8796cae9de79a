#include "DisqueLimite.h"
#include "TestRegistry.h"

#include "exercises/RtfFichier.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace vedo;

class TestRtfFichier : public QObject {
    Q_OBJECT
private slots:
    void saveThenLoad() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("texte.rtf");
        QTextDocument d;
        d.setHtml("<p align=center><b>Réponse</b> : 67 %</p>");
        QString erreur = "non vidé";
        QVERIFY(enregistrerRtf(chemin, d, &erreur));
        QCOMPARE(erreur, QString());
        QTextDocument relu;
        QVERIFY(chargerRtf(chemin, relu, &erreur));
        QCOMPARE(relu.toPlainText(), QString("Réponse : 67 %"));
    }

    void saveReplacesWithoutLeavingTemporaryFiles() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("texte.rtf");
        QTextDocument d;
        d.setPlainText("premier");
        QVERIFY(enregistrerRtf(chemin, d));
        d.setPlainText("second");
        QVERIFY(enregistrerRtf(chemin, d));
        QTextDocument relu;
        QVERIFY(chargerRtf(chemin, relu));
        QCOMPARE(relu.toPlainText(), QString("second"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"texte.rtf"});
    }

    void failedSaveLeavesWhatWasThere() {
        QTemporaryDir dossier;
        // A directory in the way of the file: the write cannot succeed.
        QVERIFY(QDir(dossier.path()).mkdir("occupe.rtf"));
        QVERIFY(
            QFile::copy(VEDO_TEST_DATA "/libreoffice-formats.rtf", dossier.filePath("occupe.rtf/garde.rtf")));
        QTextDocument d;
        d.setPlainText("perdu");
        QString erreur;
        QVERIFY(!enregistrerRtf(dossier.filePath("occupe.rtf"), d, &erreur));
        QVERIFY(erreur.startsWith("Impossible d'écrire le fichier"));
        QVERIFY(QFileInfo(dossier.filePath("occupe.rtf")).isDir());
        QTextDocument relu;
        QVERIFY(chargerRtf(dossier.filePath("occupe.rtf/garde.rtf"), relu));
        QVERIFY(relu.toPlainText().startsWith("Estérification"));
    }

    void fullDiskKeepsTheGoodText_data() {
        QTest::addColumn<int>("placeLibre");
        QTest::newRow("no byte left") << 0;
        QTest::newRow("room for the start of the text") << 300;
    }
    void fullDiskKeepsTheGoodText() {
        QFETCH(int, placeLibre);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("texte.rtf");
        QTextDocument d;
        d.setPlainText("Le bon texte");
        QVERIFY(enregistrerRtf(chemin, d));
        d.setPlainText(QString(5000, 'x'));
        QString erreur;
        {
            DisqueLimite disque(placeLibre);
            QVERIFY(disque.actif());
            QVERIFY(!enregistrerRtf(chemin, d, &erreur));
        }
        QVERIFY(erreur.startsWith("Impossible d'écrire le fichier"));
        QTextDocument relu;
        QVERIFY(chargerRtf(chemin, relu));
        QCOMPARE(relu.toPlainText(), QString("Le bon texte"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"texte.rtf"});
    }

    void textOfOneGigabyteIsRefusedUnread() {
        QTemporaryDir dossier;
        QFile f(dossier.filePath("geant.rtf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1 ");
        QVERIFY(f.resize(qint64(1) << 30));
        f.close();
        QTextDocument d;
        d.setPlainText("inchangé");
        QString erreur;
        QVERIFY(!chargerRtf(f.fileName(), d, &erreur));
        QVERIFY2(erreur.contains("trop volumineux"), qPrintable(erreur));
        QCOMPARE(d.toPlainText(), QString("inchangé"));
    }

    void unreadableFilesLeaveTheDocument_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("debutMessage");
        QTest::newRow("missing file") << QByteArray("-") << "Impossible de lire le fichier";
        QTest::newRow("empty file") << QByteArray() << "Le fichier est vide.";
        QTest::newRow("not RTF") << QByteArray("texte brut")
                                 << "Ce fichier n'est pas un texte au format RTF.";
    }
    void unreadableFilesLeaveTheDocument() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, debutMessage);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("lu.rtf");
        if (contenu != "-") {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenu);
        }
        QTextDocument d;
        d.setPlainText("inchangé");
        QString erreur;
        QVERIFY(!chargerRtf(chemin, d, &erreur));
        QVERIFY2(erreur.startsWith(debutMessage), qPrintable(erreur));
        QCOMPARE(d.toPlainText(), QString("inchangé"));
    }
};

VEDO_TEST(TestRtfFichier);
#include "tst_rtffichier.moc"
