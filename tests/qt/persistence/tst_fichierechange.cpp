#include "DroitsOrdinaires.h"
#include "TestRegistry.h"

#include "persistence/FichierEchange.h"
#include "persistence/RecordFile.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {
// Records 1..n of noise, as the other programs of the suite leave them.
QByteArray bruit(int enregistrements) {
    QByteArray octets(enregistrements * tailleEnregistrement, '\0');
    QRandomGenerator alea(31);
    for (auto& o : octets)
        o = static_cast<char>(alea.bounded(256));
    return octets;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

QString enregistrement(const QString& chemin, int numero) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return "<illisible>";
    return lireEnregistrement(f, numero).value_or("<illisible>");
}

// The first `taille` bytes with records 16 and 31 blanked: what the program must not change.
QByteArray horsEnregistrementsDuProgramme(QByteArray octets, qsizetype taille) {
    octets.truncate(taille);
    for (int numero : {enregistrementEnMarche, enregistrementExercice})
        for (qsizetype i = (numero - 1) * tailleEnregistrement;
             i < std::min(taille, qsizetype(numero) * tailleEnregistrement); ++i)
            octets[i] = 0;
    return octets;
}
} // namespace

class TestFichierEchange : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;
    QString chemin;

private slots:
    void init() {
        chemin = cheminFichierEchange(dossier.path());
        QFile::remove(chemin);
    }

    void nameInTheDirectory() {
        QCOMPARE(QFileInfo(chemin).fileName(), QString("TEMPQW.TMP"));
        QCOMPARE(QFileInfo(chemin).absolutePath(), QFileInfo(dossier.path()).absoluteFilePath());
    }

    void absentFileIsCreatedByTheAnnouncement() {
        QVERIFY(annoncerEnMarche(chemin, true));
        const QByteArray octets = lire(chemin);
        QCOMPARE(octets.size(), 16 * tailleEnregistrement);
        QCOMPARE(octets.left(15 * tailleEnregistrement), QByteArray(15 * tailleEnregistrement, '\0'));
        QCOMPARE(enregistrement(chemin, 16), QString("OUI"));
        QCOMPARE(prendreExerciceTransmis(chemin), QString());
    }

    void otherRecordsUntouched_data() {
        QTest::addColumn<int>("enregistrements");
        QTest::addColumn<QString>("exercice");
        QTest::newRow("long file, an exercise waiting") << 40 << "ESTER1.E39";
        QTest::newRow("long file, nothing waiting") << 40 << "";
        QTest::newRow("file ending before record 31") << 20 << "";
        QTest::newRow("file ending inside record 16") << 15 << "";
    }
    void otherRecordsUntouched() {
        QFETCH(int, enregistrements);
        QFETCH(QString, exercice);
        QByteArray avant = bruit(enregistrements);
        if (enregistrements >= enregistrementExercice) {
            QFile f(chemin);
            ecrire(chemin, avant);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(ecrireEnregistrement(f, enregistrementExercice, exercice));
            f.close();
            avant = lire(chemin);
        } else {
            avant.chop(40); // a last record cut short
            ecrire(chemin, avant);
        }

        QVERIFY(annoncerEnMarche(chemin, true));
        QCOMPARE(enregistrement(chemin, 16), QString("OUI"));
        QCOMPARE(prendreExerciceTransmis(chemin), exercice);
        QCOMPARE(prendreExerciceTransmis(chemin), QString());
        QVERIFY(annoncerEnMarche(chemin, false));
        QCOMPARE(enregistrement(chemin, 16), QString("NON"));

        const QByteArray apres = lire(chemin);
        QCOMPARE(enregistrement(chemin, 31), QString());
        // A short file grows to hold record 31, emptied even when it held nothing.
        QCOMPARE(apres.size(), std::max(avant.size(), qsizetype(31 * tailleEnregistrement)));
        QCOMPARE(horsEnregistrementsDuProgramme(apres, avant.size()),
                 horsEnregistrementsDuProgramme(avant, avant.size()));
    }

    void damagedRecord31IsEmptied() {
        QByteArray octets = bruit(32);
        octets[30 * tailleEnregistrement] = char(200); // length above 126
        octets[30 * tailleEnregistrement + 1] = 0;
        ecrire(chemin, octets);
        QCOMPARE(prendreExerciceTransmis(chemin), QString());
        QCOMPARE(lire(chemin), octets.replace(30 * tailleEnregistrement, tailleEnregistrement,
                                              QByteArray(tailleEnregistrement, '\0')));
    }

    void absentFileCreatedWithAnEmptyRequest() {
        QCOMPARE(prendreExerciceTransmis(chemin), QString());
        QCOMPARE(lire(chemin), QByteArray(31 * tailleEnregistrement, '\0'));
    }

    // The program may read the file but not write it: the request cannot be
    // emptied and is served all the same, at every activation.
    void requestThatCannotBeEmptied() {
        QByteArray avant = bruit(40);
        avant.replace(30 * tailleEnregistrement, tailleEnregistrement, *octetsEnregistrement("EXO.E39"));
        ecrire(chemin, avant);
        QVERIFY(QFile::setPermissions(chemin, QFile::ReadOwner));
        ScriptedPrompter prompteur;
        ApplicationState etat(prompteur);
        etat.fichierEchange = chemin;
        QStringList ouverts;
        etat.ouvrirExerciceTransmis = [&](const QString& fichier) {
            ouverts << QFileInfo(fichier).fileName();
            return true;
        };
        {
            DroitsOrdinaires droits;
            QVERIFY(droits.actif());
            recevoirExerciceTransmis(etat);
            recevoirExerciceTransmis(etat);
        }
        // Served once, not at every activation.
        QCOMPARE(ouverts, QStringList({"EXO.E39"}));
        QVERIFY(etat.correctionDisponible);
        QCOMPARE(lire(chemin), avant);
        QVERIFY(prompteur.questions.empty());
    }

    void unusableFileFailsSilently_data() {
        QTest::addColumn<QString>("ou");
        QTest::newRow("directory that does not exist") << "absent/TEMPQW.TMP";
        QTest::newRow("a directory in the file's place") << "occupe";
    }
    void unusableFileFailsSilently() {
        QFETCH(QString, ou);
        QDir(dossier.path()).mkdir("occupe");
        const QString impossible = QDir(dossier.path()).filePath(ou);
        QVERIFY(!annoncerEnMarche(impossible, true));
        QCOMPARE(prendreExerciceTransmis(impossible), QString());
        ScriptedPrompter prompteur;
        ApplicationState etat(prompteur);
        etat.fichierEchange = impossible;
        int appels = 0;
        etat.ouvrirExerciceTransmis = [&](const QString&) {
            ++appels;
            return true;
        };
        annoncerEnMarche(etat, true);
        recevoirExerciceTransmis(etat);
        QCOMPARE(appels, 0);
        QVERIFY(prompteur.questions.empty());
    }

    void exerciseHandedOverOnce_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("ouvert"); // relative to the directory; "-" for none
        QTest::newRow("file name") << "ESTER1.E39"
                                   << "ESTER1.E39";
        QTest::newRow("kept untrimmed") << " ESTER1.E39"
                                        << " ESTER1.E39";
        QTest::newRow("backslash separator") << "EXOS\\ESTER2.E39"
                                             << "EXOS/ESTER2.E39";
        QTest::newRow("blanks only") << "   "
                                     << "-";
        QTest::newRow("empty") << ""
                               << "-";
    }
    void exerciseHandedOverOnce() {
        QFETCH(QString, texte);
        QFETCH(QString, ouvert);
        {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(ecrireEnregistrement(f, enregistrementExercice, texte));
        }
        ScriptedPrompter prompteur;
        ApplicationState etat(prompteur);
        etat.fichierEchange = chemin;
        QStringList ouverts;
        etat.ouvrirExerciceTransmis = [&](const QString& fichier) {
            ouverts << fichier;
            return true;
        };
        for (int activation = 0; activation < 3; ++activation)
            recevoirExerciceTransmis(etat);
        QCOMPARE(enregistrement(chemin, 31), QString());
        const QString repertoire = QFileInfo(dossier.path()).absoluteFilePath() + '/';
        if (ouvert == "-") {
            QVERIFY(ouverts.isEmpty());
            QVERIFY(etat.repexo.isEmpty());
            QVERIFY(!etat.correctionDisponible);
        } else {
            QCOMPARE(ouverts, QStringList{repertoire + ouvert});
            QCOMPARE(etat.repexo, QDir::toNativeSeparators(repertoire));
            QVERIFY(etat.correctionDisponible);
        }
    }

    void programWithoutHandOverFileTouchesNothing() {
        ScriptedPrompter prompteur;
        ApplicationState etat(prompteur);
        annoncerEnMarche(etat, true);
        recevoirExerciceTransmis(etat);
        QVERIFY(!QFile::exists(chemin));
    }
};

VEDO_TEST(TestFichierEchange);
#include "tst_fichierechange.moc"
