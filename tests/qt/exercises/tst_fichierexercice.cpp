#include "TestRegistry.h"

#include "exercises/FichierExercice.h"
#include "persistence/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(vedo::FichierExercice)

namespace {

FichierExercice exerciceComplet() {
    FichierExercice e;
    e.enonce = "EQUILIBRE.RTF";
    e.configuration = "EQUILIBRE.C15";
    e.correction = "EQUILIBRE_C.RTF";
    e.configurationCorrection = "EQUILIBRE_C.C15";
    e.difficulte = "2";
    e.notions = {"Rendement\r\n", "Équilibre", "", ""};
    e.titre = "  Équilibre d'estérification  ";
    e.dureeTravail = "3";
    return e;
}

// A file of raw records, as another program might have written it.
void ecrireBrut(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

QByteArray enregistrement(const QString& texte) {
    return octetsEnregistrement(texte).value();
}

} // namespace

class TestFichierExercice : public QObject {
    Q_OBJECT
private slots:
    void writtenFileReadsBack_data() {
        QTest::addColumn<FichierExercice>("exercice");
        QTest::newRow("corrected exercise with four records of notions") << exerciceComplet();
        FichierExercice sansCorrection = exerciceComplet();
        sansCorrection.correction.clear();
        sansCorrection.configurationCorrection.clear();
        QTest::newRow("exercise without correction") << sansCorrection;
        FichierExercice sansConfiguration = exerciceComplet();
        sansConfiguration.configuration.clear();
        QTest::newRow("exercise without configuration") << sansConfiguration;
    }
    void writtenFileReadsBack() {
        QFETCH(FichierExercice, exercice);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("EXO.E39");
        QVERIFY(ecrireFichierExercice(chemin, exercice));
        QCOMPARE(QFileInfo(chemin).size(), 12 * tailleEnregistrement);
        QCOMPARE(lireFichierExercice(chemin), std::optional(exercice));
    }

    void recordsSitWhereOtherProgramsLookForThem() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("EXO.E39");
        QVERIFY(ecrireFichierExercice(chemin, exerciceComplet()));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(lireEnregistrement(f, 1), std::optional<QString>("EQUILIBRE.RTF"));
        QCOMPARE(lireEnregistrement(f, 4), std::optional<QString>("EQUILIBRE_C.C15"));
        QCOMPARE(lireEnregistrement(f, 5), std::optional<QString>("2"));
        QCOMPARE(lireEnregistrement(f, 6), std::optional<QString>(""));
        QCOMPARE(lireEnregistrement(f, 8), std::optional<QString>("Équilibre"));
        QCOMPARE(lireEnregistrement(f, 11), std::optional<QString>("  Équilibre d'estérification  "));
        QCOMPARE(lireEnregistrement(f, 12), std::optional<QString>("3"));
    }

    void gettingStartedFileWithTwoRecordsReads() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("ESTER.PEM");
        ecrireBrut(chemin, enregistrement("ESTER.RTF") + enregistrement("ESTER.C15"));
        const auto e = lireFichierExercice(chemin);
        QVERIFY(e);
        QCOMPARE(e->enonce, QString("ESTER.RTF"));
        QCOMPARE(e->configuration, QString("ESTER.C15"));
        QVERIFY(!e->corrige());
        QCOMPARE(e->etoilesAllumees(), 0);
        QCOMPARE(e->sabliers(), QString());
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("lisible");
        QTest::addColumn<QString>("titre");
        QByteArray longueurExcessive = enregistrement("x");
        longueurExcessive[0] = char(127);
        const QByteArray quatre =
            enregistrement("A.RTF") + enregistrement("") + enregistrement("") + enregistrement("");
        QTest::newRow("empty file reads as four empty names") << QByteArray() << true << "";
        QTest::newRow("record 3 claims 127 bytes")
            << enregistrement("A.RTF") + enregistrement("") + longueurExcessive << false << "";
        QTest::newRow("record 2 cut short") << enregistrement("A.RTF") + QByteArray(40, 'x') << false << "";
        QTest::newRow("damaged title record reads as empty")
            << quatre + enregistrement("1") + enregistrement("") + QByteArray(4 * 128, '\0') +
                   longueurExcessive
            << true << "";
        QTest::newRow("title after a damaged notion record")
            << quatre + enregistrement("1") + enregistrement("") + longueurExcessive +
                   QByteArray(3 * 128, '\0') + enregistrement("Titre")
            << true << "Titre";
    }
    void damagedFiles() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, lisible);
        QFETCH(QString, titre);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("ABIME.E39");
        ecrireBrut(chemin, octets);
        const auto e = lireFichierExercice(chemin);
        QCOMPARE(e.has_value(), lisible);
        if (e) QCOMPARE(e->titre, titre);
    }

    void missingFileGivesNothing() { QVERIFY(!lireFichierExercice("/nulle/part/EXO.E39")); }

    void tooLongNotionIsRefusedAndLeavesTheOldFile() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("EXO.E39");
        QVERIFY(ecrireFichierExercice(chemin, exerciceComplet()));
        FichierExercice trop = exerciceComplet();
        trop.notions[0] = QString(127, 'n');
        QVERIFY(!ecrireFichierExercice(chemin, trop));
        QCOMPARE(lireFichierExercice(chemin), std::optional(exerciceComplet()));
    }

    void corrected_data() {
        QTest::addColumn<QString>("correction");
        QTest::addColumn<QString>("configurationCorrection");
        QTest::addColumn<bool>("corrige");
        QTest::newRow("both names") << "C.RTF"
                                    << "C.C15" << true;
        QTest::newRow("correction text only") << "C.RTF"
                                              << "" << true;
        QTest::newRow("correction configuration only") << ""
                                                       << "C.C15" << true;
        QTest::newRow("neither") << ""
                                 << "" << false;
        QTest::newRow("spaces only") << "   "
                                     << " " << false;
    }
    void corrected() {
        QFETCH(QString, correction);
        QFETCH(QString, configurationCorrection);
        FichierExercice e;
        e.correction = correction;
        e.configurationCorrection = configurationCorrection;
        QTEST(e.corrige(), "corrige");
    }

    void litStars_data() {
        QTest::addColumn<QString>("difficulte");
        QTest::addColumn<int>("allumees");
        QTest::newRow("0: three dark stars") << "0" << 0;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("2 with blanks") << "  2 " << 2;
        QTest::newRow("3: three lit stars") << "3" << 3;
        QTest::newRow("above 3 stays at three") << "7" << 3;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("2.5 lights the third") << "2.5" << 3;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("not a number") << "facile" << 0;
    }
    void litStars() {
        QFETCH(QString, difficulte);
        FichierExercice e;
        e.difficulte = difficulte;
        QTEST(e.etoilesAllumees(), "allumees");
    }

    void hourglasses_data() {
        QTest::addColumn<QString>("duree");
        QTest::addColumn<int>("nombre");
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("2.6 rounds to 3") << "2.6" << 3;
        QTest::newRow("2.5 rounds to even") << "2.5" << 2;
        QTest::newRow("negative") << "-2" << 0;
        QTest::newRow("beyond a 16-bit integer") << "99999" << 0;
        QTest::newRow("a long time is bounded") << "500" << 50;
        QTest::newRow("empty") << "" << 0;
    }
    void hourglasses() {
        QFETCH(QString, duree);
        QFETCH(int, nombre);
        FichierExercice e;
        e.dureeTravail = duree;
        QCOMPARE(e.sabliers(), QString(nombre, QChar(0x231B)));
    }

    void notionsFollowEachOtherUnchanged() {
        FichierExercice e;
        e.notions = {"Un\r\n", "", "deux ", "trois"};
        QCOMPARE(e.texteNotions(), QString("Un\r\ndeux trois"));
    }
};

VEDO_TEST(TestFichierExercice);
#include "tst_fichierexercice.moc"
